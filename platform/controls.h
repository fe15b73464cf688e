#pragma once
// Standard controls with the classic behaviour the pages rely on: labels
// that fit their text, memos with CR LF text, edit fields that report
// leaving, keys and clicks, and a radio group with an item index.
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>
#include <vector>

class QButtonGroup;

namespace platform {

// The Qt font of a classic font name and height (see Canvas).
QFont controlFont(const QString& name, int height);

void setBackground(QWidget* w, const QColor& color);

class Panel : public QFrame {
public:
    Panel(QWidget* parent, const QString& name, QRect geometry, const QColor& color);
    // The panel's own text, centred in it.
    void setCaption(const QString& text);
    QString caption() const;

private:
    QLabel* caption_ = nullptr;
};

// A label that always takes the natural size of its text.
class Label : public QLabel {
public:
    Label(QWidget* parent, const QString& name, QPoint pos, const QString& text = QString());
    void setText(const QString& text);
    // A text wider than this is shown in a font just small enough to fit,
    // down to a legible 9 px.
    void setMaxTextWidth(int width) { maxWidth_ = width; }

private:
    int maxWidth_ = 0;
};

class Button : public QPushButton {
public:
    Button(QWidget* parent, const QString& name, QRect geometry, const QString& caption);
};

// A multi-line text with CR LF line ends that the student reads and may
// select and copy, but never changes: no key, paste, cut or drop reaches
// the text, and Tab passes it by (a click still gives it the keyboard, for
// copying). Running prose wraps at word boundaries. Lines that carry their
// own layout (rules, indented formula and table lines, every line of a
// fixed-pitch text or of a memo that keeps all lines) never wrap: a line
// too wide for the memo is shown in a font just small enough to fit, but
// never below minTextPixels; a line too wide even then wraps at a word
// boundary. A vertical scroll bar shows only when the text is longer than
// the memo.
class Memo : public QPlainTextEdit {
public:
    // The smallest character height (em, in pixels) a shrunk line gets:
    // smaller letters are no longer read at a glance on a classroom screen.
    static constexpr int minTextPixels = 10;
    Memo(QWidget* parent, const QString& name, QRect geometry, const QColor& color);
    void setText(const QString& text);
    QString text() const;
    void clear() { setText(QString()); }
    // Every page sets its memo's height, and with it whether the memo shows
    // its whole text (see setShowWhole).
    void setHeight(int height, bool showWhole = false);
    // The whole text in view, without scrolling: the memo's font is reduced
    // by the least amount that makes it fit, down to minTextPixels (below
    // that the memo scrolls).
    void setShowWhole(bool whole);
    // Every line keeps its layout, prose included (short solution texts).
    void setKeepAllLines(bool keep) { keepAllLines_ = keep; }
    // Whether a line of this memo keeps its layout rather than wrapping.
    bool keepsLayout(const QString& line) const;
    // A rule (a run of minus signs) is no text to read: it shrinks to the
    // memo's width whatever size that takes, and never wraps.
    static bool isRule(const QString& line);
    // The width the text has in a line, without the document margins.
    int lineWidth() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    // The toolkit's own paste into a text control can crash on some
    // clipboard contents; a memo takes nothing from the clipboard at all.
    bool canInsertFromMimeData(const QMimeData*) const override { return false; }
    void insertFromMimeData(const QMimeData*) override {}

private:
    bool keepsLayout(const QString& line, bool fixedPitch) const;
    void fitLines();
    void fitLinesAt(int pixels);
    bool textFits() const;
    bool keepAllLines_ = false;
    bool showWhole_ = false;
    bool fitting_ = false;
    bool shrunk_ = false; // some line has a smaller font of its own
    int fittedWidth_ = -1;
};

// A drop-down list of fixed items; the student can only select, and only
// items that have a text. The selected item stays legible while the list
// is disabled.
class ComboBox : public QComboBox {
public:
    ComboBox(QWidget* parent, const QString& name, QRect geometry, int items, int visible);
    void setItem(int index, const QString& text);
    QString item(int index) const { return itemText(index); }
    void showPopup() override;

private:
    // The open list is built on its first showing (a list per control at
    // start-up costs more than the whole first page); until then the rows
    // of items without a text are hidden there.
    bool listShown_ = false;
};

// Whether an answer was right: a green tick or a red cross, with a word
// for those who cannot tell the colours apart; a grey dash where nothing
// was chosen; nothing while unmarked.
class Mark : public QWidget {
public:
    enum class Kind { None, Right, Wrong, Open };
    Mark(QWidget* parent, const QString& name, QRect geometry);
    void setKind(Kind kind);
    Kind kind() const { return kind_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    Kind kind_ = Kind::None;
};

// An edit field with the classic events: leaving it (focus to another
// control of the window), a key typed in it, and a click into it (press and
// release of the left button, reported after the release has placed the
// cursor, so that the handler has the last word on the selection).
class Edit : public QLineEdit {
public:
    Edit(QWidget* parent, const QString& name, QRect geometry);
    std::function<void()> onExit;
    // Returns true when the key was consumed.
    std::function<bool(int key)> onKeyPress;
    std::function<void()> onClick;
    // The selection stays (and shows) when the field loses the focus.
    void setKeepSelection(bool keep) { keepSelection_ = keep; }
    // The longest entry the field takes (by default defaultMaxEntryLength:
    // no field is unbounded). Typing stops there, and a paste or drop that
    // would make the entry longer is refused whole: cutting it could turn a
    // long number into another one. A field takes only the plain text of
    // the clipboard, never its rich text.
    void setMaxEntryLength(int length);
    static constexpr int defaultMaxEntryLength = 1000;
    // Texts the program writes; the last one is what discardEntry() puts
    // back (an accepted value, a task's own text, or nothing).
    void setText(const QString& text);
    void clear() { setText(QString()); }
    // Drops what the student typed since the program last wrote the field.
    void discardEntry() { QLineEdit::setText(programText_); }
    // How the field was last left: by a click or a shortcut elsewhere, by
    // Tab or Enter, ...
    Qt::FocusReason exitReason() const { return exitReason_; }

protected:
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    bool keepSelection_ = false;
    QString programText_;
    Qt::FocusReason exitReason_ = Qt::OtherFocusReason;
};

// A group of radio buttons in columns with one selected item (or none, -1).
// A click by the student runs onClick; setting the index from code runs it
// only when the selection changes, as a click would.
class RadioGroup : public QGroupBox {
public:
    RadioGroup(QWidget* parent, const QString& name, QRect geometry, const QString& caption,
               const QStringList& items, int columns);
    int itemIndex() const;
    void setItemIndex(int index);
    QRadioButton* button(int index) const { return buttons_.at(static_cast<size_t>(index)); }
    std::function<void()> onClick;

private:
    QButtonGroup* group_;
    std::vector<QRadioButton*> buttons_;
};

} // namespace platform

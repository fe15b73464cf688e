#include "platform/controls.h"

#include "platform/canvas.h"

#include <QAbstractTextDocumentLayout>
#include <QButtonGroup>
#include <QFocusEvent>
#include <QHash>
#include <QKeyEvent>
#include <QListView>
#include <QMouseEvent>
#include <QPalette>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextOption>
#include <cmath>
#include <QPainter>
#include <QValidator>
#include <qdrawutil.h>

namespace platform {

QFont controlFont(const QString& name, int height)
{
    Font f;
    f.name = name;
    f.height = height;
    QFont q = qtFont(f);
    // Controls are drawn by the toolkit; smooth text reads better there.
    q.setStyleStrategy(QFont::PreferDefault);
    return q;
}

void setBackground(QWidget* w, const QColor& color)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, color);
    p.setColor(QPalette::Base, color);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

Panel::Panel(QWidget* parent, const QString& name, QRect geometry, const QColor& color)
    : QFrame(parent)
{
    setObjectName(name);
    setFrameShape(QFrame::NoFrame);
    setGeometry(geometry);
    setBackground(this, color);
}

void Panel::setCaption(const QString& text)
{
    if (!caption_) {
        caption_ = new QLabel(this);
        caption_->setObjectName(objectName() + QStringLiteral("_caption"));
        caption_->setAlignment(Qt::AlignCenter);
        caption_->setGeometry(0, 0, width(), height());
        caption_->show();
    }
    caption_->setText(text);
}

QString Panel::caption() const
{
    return caption_ ? caption_->text() : QString();
}

Label::Label(QWidget* parent, const QString& name, QPoint pos, const QString& text)
    : QLabel(parent)
{
    setObjectName(name);
    move(pos);
    setText(text);
}

void Label::setText(const QString& text)
{
    QLabel::setText(text);
    if (maxWidth_ > 0) {
        setFont(QFont()); // the parent's font again
        QFont f = font();
        // Shrunk to fit, but never below a legible size (the percentages
        // "100.00" fit at 9 px).
        constexpr int legible = 9;
        for (int px = QFontInfo(f).pixelSize(); px > legible && QFontMetrics(f).horizontalAdvance(text) > maxWidth_;) {
            f.setPixelSize(--px);
            setFont(f);
        }
    }
    adjustSize();
}

Button::Button(QWidget* parent, const QString& name, QRect geometry, const QString& caption)
    : QPushButton(caption, parent)
{
    setObjectName(name);
    setGeometry(geometry);
    setAutoDefault(false);
}

Memo::Memo(QWidget* parent, const QString& name, QRect geometry, const QColor& color)
    : QPlainTextEdit(parent)
{
    setObjectName(name);
    setGeometry(geometry);
    setFrameShape(QFrame::NoFrame);
    setReadOnly(true);
    setFocusPolicy(Qt::ClickFocus);
    setAcceptDrops(false);
    setUndoRedoEnabled(false);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WordWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setBackground(this, color);
    setBackground(viewport(), color);
    // The scroll bar coming or going changes the width a line has.
    viewport()->installEventFilter(this);
}

void Memo::setText(const QString& text)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    // The scroll bar may come or go while the text goes in: the lines are
    // fitted once, to the width they have in the end.
    fitting_ = true;
    setPlainText(t);
    fitting_ = false;
    shrunk_ = false; // the new text has the memo's font throughout
    fittedWidth_ = -1;
    fitLines();
}

bool Memo::keepsLayout(const QString& line) const
{
    return keepsLayout(line, QFontInfo(font()).fixedPitch());
}

bool Memo::keepsLayout(const QString& line, bool fixedPitch) const
{
    if (keepAllLines_ || fixedPitch || isRule(line))
        return true;
    const QString t = line.trimmed();
    // Indented lines are formulas and tables; an indented "o" starts a
    // list item, which is prose.
    return line.startsWith(QLatin1String("   ")) && !t.startsWith(QLatin1String("o "));
}

bool Memo::isRule(const QString& line)
{
    const QString t = line.trimmed();
    return t.size() >= 10 && t.count(QLatin1Char('-')) == t.size();
}

int Memo::lineWidth() const
{
    return viewport()->width() - 2 * static_cast<int>(std::ceil(document()->documentMargin()));
}

// Widths of memo lines, remembered per font: the same formula, table and
// rule lines come back on every visit of a page, and shaping them is the
// costly part of showing a text.
static int lineAdvance(const QFont& font, const QString& line)
{
    static QHash<QString, int> widths;
    const QString key = font.key() + QLatin1Char('\n') + line;
    auto it = widths.constFind(key);
    if (it == widths.constEnd()) {
        if (widths.size() > 8192)
            widths.clear();
        it = widths.insert(key, QFontMetrics(font).horizontalAdvance(line));
    }
    return *it;
}

void Memo::setHeight(int height, bool showWhole)
{
    resize(width(), height);
    setShowWhole(showWhole);
}

void Memo::setShowWhole(bool whole)
{
    if (whole == showWhole_)
        return;
    showWhole_ = whole;
    fittedWidth_ = -1;
    fitLines();
}

void Memo::fitLines()
{
    // Fitting can show or hide the scroll bar, which changes the width a
    // line has: then once more at the new width.
    for (int pass = 0; pass < 3 && !fitting_ && lineWidth() != fittedWidth_; ++pass) {
        fitting_ = true;
        const int full = QFontInfo(font()).pixelSize();
        fittedWidth_ = lineWidth();
        fitLinesAt(full);
        if (showWhole_ && full > minTextPixels && !textFits()) {
            // The largest size that shows the whole text, by halving the
            // range between the smallest legible size and the full one.
            int fits = minTextPixels, fails = full;
            while (fails - fits > 1) {
                const int pixels = (fits + fails) / 2;
                fitLinesAt(pixels);
                (textFits() ? fits : fails) = pixels;
            }
            fitLinesAt(fits);
        }
        fitting_ = false;
    }
}

bool Memo::textFits() const
{
    qreal height = 2 * document()->documentMargin();
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next())
        height += blockBoundingRect(b).height();
    return height <= viewport()->height();
}

// The lines in a font of `pixels` (the memo's own size or less), each line
// that keeps its layout shrunk further to fit the width.
void Memo::fitLinesAt(int pixels)
{
    const QFont memoFont = font();
    QFont base = memoFont;
    if (pixels != QFontInfo(memoFont).pixelSize())
        base.setPixelSize(pixels);
    const bool fixedPitch = QFontInfo(base).fixedPitch();
    const int available = fittedWidth_;
    bool shrunk = false, formatted = false;
    // One edit for all lines: a cursor placed outside an edit lays its block
    // out at once, only for the new format to throw that layout away.
    QTextCursor edit(document());
    edit.beginEditBlock();
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
        QString shown = b.text();
        while (!shown.isEmpty() && shown.back().isSpace())
            shown.chop(1);
        QFont f = base;
        // Prose is not measured at all (shaping long lines is the costly
        // part); most other lines fit as they are.
        if (!shown.isEmpty() && keepsLayout(shown, fixedPitch) && lineAdvance(base, shown) > available) {
            int linePixels = pixels;
            const int least = isRule(shown) ? 1 : minTextPixels;
            while (linePixels > least && lineAdvance(f, shown) > available) {
                --linePixels;
                f.setPixelSize(linePixels);
            }
        }
        // A rule with text glued to it fills its line, so that the text
        // starts the next one in a smaller font too.
        qsizetype dashes = 0;
        while (dashes < shown.size() && shown.at(dashes) == QLatin1Char('-'))
            ++dashes;
        const bool gluedRule = dashes >= 10 && dashes < shown.size();
        // A fresh text has the memo's font throughout; a line needs its own
        // format only when it is shrunk now or was shrunk before.
        if (f != memoFont || shrunk_ || gluedRule) {
            // The block's end by position: moving there would lay it out.
            QTextCursor c(b);
            c.setPosition(b.position() + b.length() - 1, QTextCursor::KeepAnchor);
            QTextCharFormat format; // empty: the memo's own font
            if (f != memoFont) {
                format.setFont(f, QTextCharFormat::FontPropertiesAll);
                shrunk = true;
            }
            c.setCharFormat(format);
            formatted = true;
        }
        if (gluedRule) {
            QFont rule = f;
            const qreal width = QFontMetricsF(rule).horizontalAdvance(shown.left(dashes));
            if (width < available - 1) {
                rule.setLetterSpacing(QFont::AbsoluteSpacing, (available - 1 - width) / dashes);
                QTextCursor c(b);
                c.setPosition(b.position() + int(dashes), QTextCursor::KeepAnchor);
                QTextCharFormat format;
                format.setFont(rule, QTextCharFormat::FontPropertiesAll);
                c.setCharFormat(format);
                formatted = shrunk = true;
            }
        }
    }
    edit.endEditBlock();
    // The one edit only drops the layout of the lines it changed; the
    // scroll range follows their new heights as it does after each line.
    if (formatted)
        emit document()->documentLayout()->documentSizeChanged(document()->documentLayout()->documentSize());
    shrunk_ = shrunk;
}

bool Memo::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == viewport() && event->type() == QEvent::Resize)
        fitLines();
    return QPlainTextEdit::eventFilter(watched, event);
}

void Memo::changeEvent(QEvent* event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange && !fitting_) {
        fittedWidth_ = -1;
        fitLines();
    }
}

QString Memo::text() const
{
    // Non-breaking blanks read back as blanks; word joiners are no text.
    QString t = toPlainText();
    t.remove(QChar(0x2060));
    t.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return t;
}

ComboBox::ComboBox(QWidget* parent, const QString& name, QRect geometry, int items, int visible)
    : QComboBox(parent)
{
    setObjectName(name);
    setGeometry(geometry);
    setEditable(false);
    setMaxVisibleItems(visible);
    for (int i = 0; i < items; ++i) {
        addItem(QString());
        setItem(i, QString());
    }
    // Disabled after scoring, the list still shows the student's choice
    // in full black.
    QPalette p = palette();
    for (QPalette::ColorRole role : {QPalette::ButtonText, QPalette::Text, QPalette::WindowText})
        p.setColor(QPalette::Disabled, role, p.color(QPalette::Active, role));
    setPalette(p);
}

void ComboBox::setItem(int index, const QString& text)
{
    setItemText(index, text);
    // An item without a text is neither shown in the open list nor reached
    // by the keys or the mouse wheel.
    if (auto* m = qobject_cast<QStandardItemModel*>(model()))
        if (QStandardItem* item = m->item(index))
            item->setEnabled(!text.isEmpty());
    if (listShown_)
        if (auto* list = qobject_cast<QListView*>(view()))
            list->setRowHidden(index, text.isEmpty());
}

void ComboBox::showPopup()
{
    if (!listShown_) {
        listShown_ = true;
        if (auto* list = qobject_cast<QListView*>(view()))
            for (int i = 0; i < count(); ++i)
                list->setRowHidden(i, itemText(i).isEmpty());
    }
    QComboBox::showPopup();
}

Mark::Mark(QWidget* parent, const QString& name, QRect geometry) : QWidget(parent)
{
    setObjectName(name);
    setGeometry(geometry);
    hide();
}

void Mark::setKind(Kind kind)
{
    kind_ = kind;
    setVisible(kind != Kind::None);
    update();
}

void Mark::paintEvent(QPaintEvent*)
{
    if (kind_ == Kind::None)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool right = kind_ == Kind::Right;
    const QColor color = right ? QColor(0, 140, 0) : kind_ == Kind::Wrong ? QColor(210, 0, 0) : QColor(90, 90, 90);
    p.setPen(QPen(color, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const int s = height() - 2; // the symbol's square
    if (kind_ == Kind::Open) {
        p.drawLine(QPointF(2, s * 0.5 + 1), QPointF(s - 1, s * 0.5 + 1));
    } else if (right) {
        p.drawPolyline(QPolygonF({QPointF(1.5, s * 0.55), QPointF(s * 0.4, s - 0.5), QPointF(s, 1.5)}));
    } else {
        p.drawLine(QPointF(2, 2), QPointF(s - 1, s - 1));
        p.drawLine(QPointF(s - 1, 2), QPointF(2, s - 1));
    }
    p.setPen(color);
    p.drawText(QRect(s + 6, 0, width() - s - 6, height()), Qt::AlignLeft | Qt::AlignVCenter,
               right                 ? QStringLiteral("richtig")
               : kind_ == Kind::Wrong ? QStringLiteral("falsch")
                                      : QStringLiteral("nicht beantwortet"));
}

Edit::Edit(QWidget* parent, const QString& name, QRect geometry) : QLineEdit(parent)
{
    setObjectName(name);
    setGeometry(geometry);
    // A white field on the coloured panel, grey while it takes no input; its
    // selection shows also when another control has the focus.
    QPalette p = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Base, Qt::white);
        p.setColor(group, QPalette::Text, Qt::black);
        p.setColor(group, QPalette::Highlight, QColor(0, 120, 215));
        p.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    p.setColor(QPalette::Disabled, QPalette::Base, QColor(212, 208, 200));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(128, 128, 128));
    setPalette(p);
    setMaxEntryLength(defaultMaxEntryLength);
}

void Edit::paintEvent(QPaintEvent* e)
{
    QLineEdit::paintEvent(e);
    // The sunken two-pixel bevel of a classic edit field over the thin frame.
    QPainter painter(this);
    qDrawWinPanel(&painter, rect(), palette(), true);
}

namespace {
// Every change of a field's text passes here: typing, paste and drop.
class LengthValidator : public QValidator {
public:
    LengthValidator(int length, QObject* parent) : QValidator(parent), length_(length) {}
    State validate(QString& text, int&) const override { return text.size() > length_ ? Invalid : Acceptable; }

private:
    int length_;
};
} // namespace

void Edit::setText(const QString& text)
{
    QLineEdit::setText(text);
    programText_ = text;
}

void Edit::setMaxEntryLength(int length)
{
    delete validator();
    setValidator(new LengthValidator(length, this));
}

void Edit::focusOutEvent(QFocusEvent* e)
{
    // The toolkit drops the selection when the field loses the focus.
    const int start = selectionStart();
    const int length = selectionLength();
    QLineEdit::focusOutEvent(e);
    if (keepSelection_ && start >= 0 && !hasSelectedText())
        setSelection(start, length);
    // A message box or an opened drop-down list takes the focus only for a
    // moment; the field is left when another control of the window gets it.
    if (e->reason() == Qt::PopupFocusReason || e->reason() == Qt::ActiveWindowFocusReason)
        return;
    exitReason_ = e->reason();
    if (onExit)
        onExit();
}

void Edit::keyPressEvent(QKeyEvent* e)
{
    int key = 0;
    if (e->key() == Qt::Key_Escape)
        key = 27;
    else if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        key = 13;
    if (key && onKeyPress && onKeyPress(key)) {
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}

void Edit::mouseReleaseEvent(QMouseEvent* e)
{
    QLineEdit::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && onClick)
        onClick();
}

RadioGroup::RadioGroup(QWidget* parent, const QString& name, QRect geometry, const QString& caption,
                       const QStringList& items, int columns)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this))
{
    setObjectName(name);
    setGeometry(geometry);
    group_->setExclusive(true);
    const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
    const int colWidth = (geometry.width() - 16) / columns;
    const int top = 18;
    const int rowHeight = rows ? (geometry.height() - top - 6) / rows : 0;
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items.at(i), this);
        b->setObjectName(name + QStringLiteral("_%1").arg(i));
        const int col = i / rows, row = i % rows;
        b->setGeometry(8 + col * colWidth, top + row * rowHeight, colWidth - 4, rowHeight);
        group_->addButton(b, i);
        buttons_.push_back(b);
    }
    connect(group_, &QButtonGroup::idClicked, this, [this](int) {
        if (onClick)
            onClick();
    });
}

int RadioGroup::itemIndex() const
{
    return group_->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (index == itemIndex())
        return;
    if (index < 0 || index >= static_cast<int>(buttons_.size())) {
        // An exclusive group cannot uncheck its last button itself.
        group_->setExclusive(false);
        for (QRadioButton* b : buttons_)
            b->setChecked(false);
        group_->setExclusive(true);
        return;
    }
    buttons_.at(static_cast<size_t>(index))->setChecked(true);
    if (onClick)
        onClick();
}

} // namespace platform

// A random student: many random events through the real window, with the
// program's invariants checked after each one. The seed is fixed, so a
// failure repeats; it is reported with the events that led to it.
#include "testutil.h"

#include "construction/drawing_exercise.h"
#include "lessons/pages.h"
#include "platform/printer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <map>
#include <random>
#include <set>

using namespace testutil;

namespace {

constexpr unsigned long long seed = 20261208;
constexpr int eventCount = 100000;

// Which panels and memos are shown: the visibility that each page sets.
QString panels(TForm1& w)
{
    // The platform controls have no meta-objects of their own: they are
    // told apart by their C++ type.
    QStringList shown;
    // The introduction's offer to go on depends on the progress, not on the page.
    for (QWidget* c : w.findChildren<QWidget*>())
        if (c->isVisibleTo(&w) && c != w.P_fortschritt && (dynamic_cast<platform::Panel*>(c) ||
                               (dynamic_cast<platform::Memo*>(c) && c->parentWidget() == &w)))
            shown << c->objectName();
    shown.sort();
    return shown.join(' ');
}

QString modes()
{
    return QString("%1%2%3").arg(point_mode ? "P" : "").arg(line_mode ? "L" : "").arg(constant_mode ? "C" : "");
}

// What each page shows right after it is opened, by page id.
struct PageLook {
    QString panels;
    QString modes;
};

// Every page the dispatcher knows, each opened in a window of its own, the
// introductory page and the student's own example.
std::map<QString, PageLook> knownPages()
{
    std::map<QString, PageLook> pages;
    {
        auto w = newWindow();
        pages[page_id] = {panels(*w), modes()};
    }
    {
        // The student's own example, opened from the introduction.
        auto w = newWindow();
        w->B_eigenClick();
        pages[page_id] = {panels(*w), modes()};
        // ... and with a function accepted, which may be a constant.
        w->E_zaehler->setText(QStringLiteral("6"));
        w->E_nenner->setText(QStringLiteral("6"));
        w->B_uebernehmenClick();
        pages[page_id + QStringLiteral(" constructed")] = {panels(*w), modes()};
    }
    for (int lesson = 1; lesson <= 8; ++lesson)
        for (int page = 1; page <= 14; ++page)
            if (page_function(lesson, page)) {
                auto w = newWindow();
                lesson_no = lesson;
                page_no = page;
                w->show_page(lesson, page);
                pages[page_id] = {panels(*w), modes()};
            }
    return pages;
}

class Monkey {
public:
    Monkey(TForm1& w, const std::map<QString, PageLook>& pages) : w_(w), pages_(pages), random_(seed) {}

    // Runs the events; returns an empty text or what broke.
    QString run(int count)
    {
        for (int i = 0; i < count; ++i) {
            const QString event = step();
            events_ << event;
            // Every box is answered at once: the hook took it.
            answered_ += int(messages().size());
            messages().clear();
            visited_.insert(page_id);
            const QString broken = invariantsBroken();
            if (!broken.isEmpty())
                return broken;
            memo_ = nullptr;
        }
        return QString();
    }

    const QStringList& events() const { return events_; }
    int answered() const { return answered_; }
    int visited() const { return int(visited_.size()); }

private:
    int below(int n) { return int(random_() % unsigned(n)); }

    // The visible, enabled controls of a kind.
    template <typename T>
    std::vector<T*> usable()
    {
        std::vector<T*> out;
        for (QWidget* c : w_.findChildren<QWidget*>())
            if (T* t = dynamic_cast<T*>(c); t && c->isVisible() && c->isEnabled() && c != w_.B_Ende)
                out.push_back(t);
        return out;
    }

    QString step()
    {
        // Changing the page costs the most time; most events act on the
        // page that is shown, where its invariants are at stake.
        const int kind = below(100);
        if (kind < 2) {
            const int lesson = 1 + below(8);
            if (w_.RG_Wahl->isVisible()) {
                chooseLesson(w_, lesson);
                return QString("choose lesson %1").arg(lesson);
            }
            return QString("lesson choice hidden");
        }
        if (kind < 8) {
            platform::Button* b = below(3) ? w_.B_rechts : w_.B_links;
            if (!b->isVisible() || !b->isEnabled())
                return QString("%1 not usable").arg(b->objectName());
            click(b);
            return "click " + b->objectName();
        }
        if (kind < 35) {
            static const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::RightButton,
                                                      Qt::MiddleButton};
            const Qt::MouseButton button = buttons[below(4)];
            const Qt::KeyboardModifiers mods = below(10) == 0 ? Qt::ShiftModifier : Qt::NoModifier;
            const int x = below(600), y = below(800);
            clickAt(w_, x, y, button, mods);
            return QString("chart click %1,%2 button %3 modifiers %4").arg(x).arg(y).arg(int(button)).arg(int(mods));
        }
        if (kind < 60) {
            // The controls of the page; the lesson choice and the page
            // buttons have their own events above.
            std::vector<QWidget*> controls;
            for (QAbstractButton* b : usable<QAbstractButton>())
                if (b->parentWidget() != w_.RG_Wahl && b != w_.B_links && b != w_.B_rechts)
                    controls.push_back(b);
            for (platform::Edit* e : usable<platform::Edit>())
                controls.push_back(e);
            if (controls.empty())
                return QString("no control to click");
            QWidget* c = controls[size_t(below(int(controls.size())))];
            if (auto* radio = qobject_cast<QRadioButton*>(c))
                QTest::mouseClick(radio, Qt::LeftButton, Qt::NoModifier, QPoint(8, radio->height() / 2));
            else
                click(c);
            return "click " + (c->objectName().isEmpty() ? c->metaObject()->className() : c->objectName());
        }
        if (kind < 72) {
            const std::vector<QComboBox*> boxes = usable<QComboBox>();
            if (boxes.empty())
                return QString("no list to select in");
            QComboBox* box = boxes[size_t(below(int(boxes.size())))];
            const int index = below(box->count());
            select(box, index);
            return QString("select %1 in %2").arg(index).arg(box->objectName());
        }
        if (kind < 76)
            return memoKey();
        return typeKey();
    }

    // Paste, cut or delete in a memo, which must keep its text.
    QString memoKey()
    {
        const std::vector<platform::Memo*> memos = usable<platform::Memo>();
        if (memos.empty())
            return QString("no memo");
        memo_ = memos[size_t(below(int(memos.size())))];
        memoText_ = memo_->text();
        static const std::pair<QKeyCombination, const char*> keys[] = {
            {Qt::ControlModifier | Qt::Key_V, "Ctrl+V"},
            {Qt::ControlModifier | Qt::Key_X, "Ctrl+X"},
            {QKeyCombination(Qt::Key_Delete), "Delete"}};
        const auto& [key, name] = keys[below(int(std::size(keys)))];
        click(memo_->viewport());
        QTest::keyClick(memo_, key.key(), key.keyboardModifiers());
        return QString("%1 in %2").arg(name, memo_->objectName());
    }

    QString typeKey()
    {
        static const QString text = QStringLiteral("0123456789.,-+eE a");
        QWidget* target = QApplication::focusWidget();
        if (!target)
            target = &w_;
        // Enter half of the time a key is not typed as text.
        static const std::pair<Qt::Key, const char*> keys[] = {
            {Qt::Key_Return, "Enter"}, {Qt::Key_Return, "Enter"}, {Qt::Key_Return, "Enter"},
            {Qt::Key_Escape, "Esc"},   {Qt::Key_Tab, "Tab"},      {Qt::Key_Backspace, "Backspace"}};
        if (const int pick = below(20); pick < int(std::size(keys))) {
            QTest::keyClick(target, keys[pick].first);
            return QString("%1 in %2").arg(keys[pick].second, target->objectName());
        }
        const QChar c = text.at(below(int(text.size())));
        QTest::keyClicks(target, QString(c));
        return QString("type '%1' in %2").arg(c).arg(target->objectName());
    }

    QString invariantsBroken() const
    {
        for (int l = 1; l <= 8; ++l)
            if (lesson_solved[size_t(l)] > lesson_answered[size_t(l)])
                return QString("lesson %1: %2 solved of %3 answered")
                    .arg(l).arg(lesson_solved[size_t(l)]).arg(lesson_answered[size_t(l)]);
        if (total_solved > total_answered)
            return QString("in total %1 solved of %2 answered").arg(total_solved).arg(total_answered);
        const auto page = pages_.find(page_id);
        if (page == pages_.end())
            return "page " + page_id + " is unknown to the dispatcher";
        const auto constructed = pages_.find(page_id + QStringLiteral(" constructed"));
        if (panels(w_) != page->second.panels &&
            (constructed == pages_.end() || panels(w_) != constructed->second.panels))
            return "page " + page_id + " shows [" + panels(w_) + "] instead of [" + page->second.panels + "]";
        if (modes().size() > 1)
            return "exercise modes " + modes() + " on at once";
        if (!modes().isEmpty() && modes() != page->second.modes)
            return "exercise mode " + modes() + " on page " + page_id;
        if (modes().isEmpty() && (w_.B_pruef->isVisible() || w_.E_freq->isVisible() || w_.E_wert->isVisible()))
            return "exercise controls active on page " + page_id + " without an exercise";
        // A drawing on screen lives only in a step whose result is still to come.
        if (drawing_exercise::active() && !(w_.B_zeichnung->isVisible() && w_.B_ergeb->isEnabled()))
            return "drawing active on page " + page_id + " outside a step to draw";
        if (!drawing_exercise::active() &&
            !(drawing_exercise::vertices(drawing_exercise::Magnitude).empty() &&
              drawing_exercise::vertices(drawing_exercise::Phase).empty()))
            return "vertices of an ended drawing kept on page " + page_id;
        if (w_.B_zeichnung->isVisible() && w_.B_zeichnung->isEnabled() && !drawing_exercise::active())
            return "drawing check usable without a drawing on page " + page_id;
        if (memo_ && memo_->text() != memoText_)
            return memo_->objectName() + " changed on page " + page_id;
        return QString();
    }

    TForm1& w_;
    const std::map<QString, PageLook>& pages_;
    std::mt19937_64 random_;
    QStringList events_;
    int answered_ = 0;
    std::set<QString> visited_;
    platform::Memo* memo_ = nullptr; // the memo of the last key in one
    QString memoText_;
};

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT

    platform::Canvas sheet;

private slots:
    void initTestCase()
    {
        // Sheets are drawn on a recording canvas: no printer, no file.
        platform::setSheetHook([this](const QString&) {
            sheet = platform::Canvas();
            sheet.recording = true;
            return &sheet;
        });
    }

    void randomEventsKeepTheInvariants()
    {
        const std::map<QString, PageLook> pages = knownPages();
        QVERIFY(pages.size() > 1);
        auto w = newWindow(wholeScreen, seed);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));

        QElapsedTimer timer;
        timer.start();
        Monkey monkey(*w, pages);
        const QString broken = monkey.run(eventCount);
        const QStringList& events = monkey.events();
        if (!broken.isEmpty()) {
            QFile log("monkey-events.txt");
            if (log.open(QIODevice::WriteOnly | QIODevice::Text))
                log.write(events.join('\n').toUtf8());
            QFAIL(qPrintable(QString("seed %1, after event %2 (%3): %4\nlast events:\n%5\nall events in %6")
                                 .arg(seed)
                                 .arg(events.size())
                                 .arg(events.back())
                                 .arg(broken)
                                 .arg(events.mid(std::max<qsizetype>(0, events.size() - 30)).join('\n'))
                                 .arg(QFileInfo(log).absoluteFilePath())));
        }
        qInfo("seed %llu: %d events in %lld ms, %d of %d known pages visited, %d message boxes answered", seed,
              int(events.size()), timer.elapsed(), monkey.visited(), int(pages.size()), monkey.answered());
    }
};

QTEST_MAIN(TestMonkey)
#include "test_monkey.moc"

// The numeric input fields of the exercise panel: reading, checking against
// the chart and the task, reporting wrong entries and following both fields
// with the check button.
#include "app/Unit1.h"
#include "platform/numfmt.h"
#include "platform/system.h"

#include <QApplication>

#include <array>
#include <cmath>
#include <optional>

namespace {

// Set while a check runs. A check moves the focus itself (back into a
// rejected field, on to the other field, to the check button); a field left
// that way holds no new entry, and checking it again would report the same
// entry twice or bounce the focus between the fields.
bool checking = false;

class CheckGuard {
public:
    CheckGuard() { checking = true; }
    ~CheckGuard() { checking = false; }
    CheckGuard(const CheckGuard&) = delete;
    CheckGuard& operator=(const CheckGuard&) = delete;
};

// Set while a click into a field passes the focus through B_Ende and back:
// that is no way out of the task.
bool reentering = false;

enum class Reading { Number, Nothing, Rejected, LeftExercise };

// The entry as a message quotes it: at most max_quoted_length characters,
// and line breaks and other control characters shown as blanks, so that
// the box keeps its lines.
QString quoted(const QString& text)
{
    QString q = text.left(TForm1::max_quoted_length);
    for (QChar& c : q)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    if (text.size() > TForm1::max_quoted_length)
        q += QStringLiteral("...");
    return q;
}

// `rest` follows the quoted entry in the message.
void report(platform::Edit* field, const QString& text, const QString& rest)
{
    platform::showMessage(platform::MessageType::Error,
                          QStringLiteral("Ihre Eingabe   ") + quoted(text) + rest + TForm1::entry_hint);
    // The closed box hands the keyboard back to the window, also where no
    // window manager does it.
    Form1->activateWindow();
    // Back into the field as on entering it by focus: the whole entry is
    // selected, so that typing replaces it.
    field->setFocus();
    field->selectAll();
    Form1->B_pruef->hide();
}

// The first steps of both checks. `text` receives the entry as it is
// quoted in messages: leading blanks removed, commas made points.
Reading read_field(platform::Edit* field, QString& text, long double& value)
{
    TForm1* f = Form1;
    f->B_pruef->hide();
    if (escape_pressed) {
        f->P_punkt->hide();
        // The introductory page is no exercise: the chart takes no answers there.
        point_mode = line_mode = constant_mode = false;
        f->intro_page();
        return Reading::LeftExercise;
    }
    text = field->text();
    while (text.size() > 1 && text.at(0) == QLatin1Char(' '))
        text.remove(0, 1);
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    // An empty field, or one of blanks only, holds no answer yet. Other
    // white space (a pasted line break) is no blank: it is reported.
    if (text == QLatin1String(" "))
        return Reading::Nothing;
    switch (numfmt::parse(text, value)) {
    case numfmt::ParseResult::Ok:
        if (value == 0)
            value = 0; // a typed "-0" is 0
        return Reading::Number;
    case numfmt::ParseResult::Empty:
        return Reading::Nothing;
    case numfmt::ParseResult::OutOfRange:
        report(field, text, QStringLiteral("\rist keine zulässige Zahl !"));
        return Reading::Rejected;
    case numfmt::ParseResult::Invalid:
        break;
    }
    report(field, text, QStringLiteral("\renthält unzulässige Zeichen !"));
    return Reading::Rejected;
}

const QString outside_point_range = QStringLiteral("   liegt ausserhalb des sinnvollen Wertebereiches!");
const QString outside_line_range = QStringLiteral("   liegt ausserhalb des vorgesehenen Wertebereiches!");

// The last step of both checks: the check button follows both fields.
void follow_fields_with_check_button()
{
    TForm1* f = Form1;
    if (freq_ok && value_ok) {
        f->B_pruef->show();
        f->B_pruef->setFocus();
    } else {
        f->B_pruef->hide();
    }
}

// The accepted values of E_wert and how a wrong value is reported.
struct ValueRange {
    long double low, high;
    QString low_text, unit, high_text;
};

std::optional<ValueRange> value_range()
{
    using numfmt::fixed;
    if (point_mode) {
        switch (exercise_kind) {
        case 1: {
            const long double low = 20 * std::log10(chart.bmin), high = 20 * std::log10(chart.bmax);
            return ValueRange{low - 0.1L, high + 0.1L, fixed(low, 2), QStringLiteral(" <= Betrag in dB <= "),
                              fixed(high, 2)};
        }
        case 2:
            return ValueRange{chart.bmin * 0.999L, chart.bmax * 1.001L, numfmt::sci(chart.bmin, 4),
                              QStringLiteral(" <= Betrag als Wert <= "), numfmt::sci(chart.bmax, 4)};
        case 3:
            return ValueRange{chart.pmin - 0.1L, chart.pmax + 0.1L, numfmt::integer(chart.pmin),
                              QStringLiteral(" <= Winkel in ° <= "), numfmt::integer(chart.pmax)};
        }
    } else if (line_mode) {
        switch (exercise_kind) {
        case 1:
            return ValueRange{-40.04L, 40.04L, fixed(-40, 2), QStringLiteral(" <= Steigung in dB / Dekade <= "),
                              fixed(40, 2)};
        case 2:
            return ValueRange{-90.1L, 90.1L, fixed(-90, 2), QStringLiteral(" <= Steigung in ° / Dekade <= "),
                              fixed(90, 2)};
        }
    }
    return std::nullopt;
}

// The next control after a field in the tab order of the exercise panel
// that can take the focus.
QWidget* next_control(QWidget* field)
{
    TForm1* f = Form1;
    const std::array<QWidget*, 4> order = {f->E_freq, f->E_wert, f->B_pruef, f->B_neu};
    size_t at = 0;
    while (at < order.size() && order[at] != field)
        ++at;
    for (size_t step = 1; step < order.size(); ++step) {
        QWidget* w = order[(at + step) % order.size()];
        if (w->isVisible() && w->isEnabled())
            return w;
    }
    return nullptr;
}

// Leaves the field and enters it again by focus: the entry is checked as on
// leaving, and the whole text is selected so that typing replaces it.
void reenter(platform::Edit* field)
{
    // The click gave the focus to this field, unless the check of the field
    // that was left took it back.
    if (!field->hasFocus())
        return;
    reentering = true;
    Form1->B_Ende->setFocus(Qt::OtherFocusReason);
    reentering = false;
    field->setFocus(Qt::TabFocusReason);
    field->selectAll();
}

// Controls that leave the task: the page buttons, the lesson choice,
// "Beenden", a new task and the own example.
bool leaves_task(const QWidget* w)
{
    const TForm1* f = Form1;
    if (!w)
        return false;
    for (const QWidget* c : {static_cast<QWidget*>(f->B_links), static_cast<QWidget*>(f->B_rechts),
                             static_cast<QWidget*>(f->B_Ende), static_cast<QWidget*>(f->B_neu),
                             static_cast<QWidget*>(f->B_eigen)})
        if (w == c)
            return true;
    return f->RG_Wahl->isAncestorOf(w);
}

} // namespace

void TForm1::E_Exit(platform::Edit* field)
{
    // Only the student leaves a field; one that the program hides or
    // disables holds nothing to check.
    if (!field->isVisible() || !field->isEnabled())
        return;
    // On the way out of the task an entry not yet accepted is dropped, so
    // that no message holds the student back; the task that follows sets
    // the fields anew.
    const Qt::FocusReason how = field->exitReason();
    // Where the window is scaled, the control that takes the focus is known
    // only to the window itself.
    const QWidget* next = QApplication::focusWidget() ? QApplication::focusWidget() : focusWidget();
    if (!reentering && !checking && (how == Qt::MouseFocusReason || how == Qt::ShortcutFocusReason) &&
        leaves_task(next)) {
        field->discardEntry();
        return;
    }
    if (field == E_freq)
        check_freq_field(field);
    else
        check_value_field(field);
}

bool TForm1::E_KeyPress(platform::Edit* field, int key)
{
    if (key == 27) {
        escape_pressed = true;
        if (field == E_freq)
            check_freq_field(field);
        else
            check_value_field(field);
        return true;
    }
    if (key == 13) {
        escape_pressed = false;
        if (QWidget* next = next_control(field))
            next->setFocus(Qt::TabFocusReason);
        return true;
    }
    return false;
}

void TForm1::E_freq_click()
{
    reenter(E_freq);
}

void TForm1::E_wert_click()
{
    reenter(E_wert);
}

// The frame of both checks: read the field once (no check runs inside
// another), hand a number to `accept`, and let the check button follow both
// fields unless the entry was rejected or the exercise was left.
template <typename Accept>
static void run_check(platform::Edit* field, Accept accept)
{
    if (checking)
        return;
    const CheckGuard guard;
    QString text;
    long double v = 0;
    const Reading reading = read_field(field, text, v);
    if (reading == Reading::Rejected || reading == Reading::LeftExercise)
        return;
    if (reading == Reading::Number && !accept(text, v))
        return;
    follow_fields_with_check_button();
}

void TForm1::check_freq_field(platform::Edit* field)
{
    run_check(field, [&](const QString& text, long double v) {
        if (!point_mode && !line_mode)
            return true;
        using numfmt::fixed;
        const bool valid = point_mode ? v >= chart.fmin * 0.999L && v <= chart.fmax * 1.001L
                                      : v >= 9.99L && v <= 100.1L;
        if (!valid) {
            freq_ok = false;
            report(field, text,
                   point_mode ? outside_point_range + QStringLiteral("\r") + numfmt::sci(chart.fmin, 4) +
                                    QStringLiteral(" <= Frequenz <= ") + numfmt::sci(chart.fmax, 4)
                              : outside_line_range + QStringLiteral("\r") + fixed(10, 2) +
                                    QStringLiteral(" <= f end / f anf <= ") + fixed(100, 2));
            return false;
        }
        freq_ok = true;
        stored_freq = v;
        field->setText(point_mode ? numfmt::sci(v, 2) : fixed(v, 2));
        if (!value_ok) {
            E_wert->clear();
            E_wert->setFocus();
        }
        return true;
    });
}

void TForm1::check_value_field(platform::Edit* field)
{
    run_check(field, [&](const QString& text, long double v) {
        const std::optional<ValueRange> range = value_range();
        if (!range)
            return true;
        if (v < range->low || v > range->high) {
            value_ok = false;
            report(field, text,
                   (point_mode ? outside_point_range : outside_line_range) + QStringLiteral("\r") +
                       range->low_text + range->unit + range->high_text);
            return false;
        }
        value_ok = true;
        const bool magnitude_number = point_mode && exercise_kind == 2;
        if (!magnitude_number && !freq_ok) {
            E_freq->clear();
            E_freq->setFocus();
        }
        stored_value = v;
        field->setText(magnitude_number ? numfmt::sci(v, 4) : numfmt::fixed(v, 2));
        return true;
    });
}

// Lesson 3: entering and reading points in the Bode diagram (page 03_01)
// and the task generator of the point exercise.
#include "app/Unit1.h"
#include "app/exercises.h"
#include "lessons/page_common.h"
#include "lessons/pages.h"
#include "platform/numfmt.h"
#include "platform/system.h"

#include <cmath>

static QStringList point_page_text()
{
    const QString& rule = memo_rule;
    return {
        QString(),
        QStringLiteral("Ein Punkt im Bode-Diagramm ist - wie in jedem anderen Diagramm - erst durch zwei "
                       "Koordinaten festgelegt."),
        QStringLiteral("Die Frequenz ist in beiden Diagrammen die x-Koordinate. Im oberen Diagramm ist der Betrag "
                       "in dB die y-Koordinate, im unteren Diagramm der Phasenwinkel in Grad."),
        rule,
        QStringLiteral("Die meisten Schwierigkeiten bereitet erfahrungsgemäß die logarithmisch geteilte "
                       "Frequenzachse: Jede Dekade (1 ... 10, 10 ... 100 usw.) ist gleich breit, und innerhalb "
                       "einer Dekade rücken die Gitterlinien nach rechts immer enger zusammen."),
        QStringLiteral("Üben Sie deshalb das Eintragen und Ablesen an einer großen Anzahl von Punkten "
                       "(Richtwert 100, besser mehr). Das Programm verändert dazu bei jeder neuen Aufgabe nach dem "
                       "Zufallsprinzip das Diagramm, die Art der Aufgabe und die Koordinaten des Punktes: Entweder "
                       "tragen Sie einen Punkt mit der Maus ein, oder Sie lesen die Koordinaten eines rot "
                       "markierten Punktes ab und geben sie ein."),
        rule,
        QStringLiteral("Beschriftet sind auf der Frequenzachse nur die vollen Dekaden; ihre Gitterlinien sind "
                       "schwarz. Die Zwischenlinien für das 2- bis 9-fache einer Dekade sind grau und tragen "
                       "keine Beschriftung."),
        QStringLiteral("Beispiel: die Gitterlinien von 600 Hz bis 5000 Hz"),
        QStringLiteral("     600 = 6E2,   700 = 7E2,   800 = 8E2,   900 = 9E2 Hz :   graue Linien"),
        QStringLiteral("     1000 = 1E3 Hz :   schwarze Linie (volle Dekade, beschriftet)"),
        QStringLiteral("     2000 = 2E3,   3000 = 3E3,   4000 = 4E3,   5000 = 5E3 Hz :   graue Linien"),
    };
}

void point_page()
{
    ExercisePage page;
    page.state = {QStringLiteral("3"), QString(), QStringLiteral("03_01")};
    page.title = QStringLiteral("3. Punkte im Bode-Diagramm eintragen und ablesen");
    page.date = QStringLiteral("07.11.07");
    page.mode = &point_mode;
    page.new_task_caption = QStringLiteral("Neuen Punkt vorgeben");
    // The chart of the last page, now in f and with units; the first
    // task draws its own ranges.
    page.chart = [] {
        chart.axis_f = true;
        chart.with_units = true;
        draw_chart(true, true);
    };
    page.text = point_page_text();
    page.new_task = new_point;
    page.statistics = point_statistics;
    show_exercise_page(page);
}

void new_point()
{
    TForm1* f = Form1;
    // Chart ranges: 2 to 5 decades from 0.01 .. 1000 Hz on, 60 or 80 dB,
    // 90° to 360°. The draws come in this order.
    const int lo = R(6);
    chart.fmin = power_of_ten(lo - 3);
    int span = R(5);
    if (span == 1)
        span = 2;
    chart.fmax = power_of_ten(span) * chart.fmin;
    const int decades = static_cast<int>(numfmt::nearest(std::log10(chart.fmax / chart.fmin)));
    const int blo = R(3);
    chart.bmin = power_of_ten(blo - 4);
    const int bspan = 1 + static_cast<int>(platform::random() * 2);
    chart.bmax = power_of_ten(bspan + 2) * chart.bmin;
    const int plo = R(3);
    chart.pmin = 90 * plo - 450;
    const int pspan = R(4);
    chart.pmax = chart.pmin + 90 * pspan;

    point_by_mouse = platform::random() < 0.5L;

    // The target lies on a grid line: 1..10 times a decade of the chart.
    const int m = R(10);
    const int k = R(decades) - 1;
    target_freq = power_of_ten(std::log10(chart.fmin) + k) * m;

    // The target value lies above the bottom edge of its diagram, in steps
    // of 5 dB, half decades or 22.5°.
    exercise_kind = R(3);
    const long double db_span = 20 * std::log10(chart.bmax / chart.bmin);
    if (exercise_kind == 1) {
        const int j = R(static_cast<int>(numfmt::nearest(db_span / 5)));
        target_value = 20 * std::log10(chart.bmin) + 5.0L * j; // 20·log10(10^(j/4)·bmin), kept exact
    } else if (exercise_kind == 2) {
        const int j = R(static_cast<int>(numfmt::nearest(db_span / 10)));
        target_value = power_of_ten(j / 2.0L) * chart.bmin;
    } else {
        const int j = R(static_cast<int>(numfmt::nearest((chart.pmax - chart.pmin) / 22.5L)));
        target_value = chart.pmin + 22.5L * j;
    }

    draw_chart(true, true);
    f->clear_point_fields();
    show_exercise_panel();
    f->l_pkt_wert1->setText(readout_labels[exercise_kind]);

    if (point_by_mouse) {
        f->l_pkt_ueber->setText(
            QStringLiteral("Bewegen Sie die Maus im Bode-Diagramm zu dem Punkt mit den Koordinaten"));
        f->l_pkt_freq->setText(QStringLiteral("Frequenz in Hz = "));
        f->l_pkt_mli->setText(
            QStringLiteral("Mit einem Klick auf die LINKE MAUSTASTE wird die Position gespeichert"));
        f->l_pkt_mre->setText(
            QStringLiteral("Mit einem Klick auf die RECHTE MAUSTASTE löschen Sie die Position wieder"));
        f->clear_point_fields();
        f->P_statistik->setCaption(point_statistics());
        f->E_freq->setText(QStringLiteral(" ") + numfmt::sci(target_freq, 3));
        f->E_wert->setText(QStringLiteral(" ") + point_value_text(target_value));
        f->E_freq->setEnabled(false);
        f->E_wert->setEnabled(false);
    } else {
        static constexpr const char* second_step[] = {
            "",
            "2. Lesen Sie den markierten   Betrag in dB   ab und geben Sie diesen ein.",
            "2. Lesen Sie den markierten   Betrag als Zahl   ab und geben Sie diese ein.",
            "2. Lesen Sie den markierten  Winkel in °   ab und geben Sie diesen ein.",
        };
        f->l_pkt_ueber->setText(
            QStringLiteral("Ermitteln Sie die Koordinaten des im Bode-Diagramm markierten Punktes"));
        f->l_pkt_freq->setText(QStringLiteral("Frequenz in Hz = "));
        f->l_pkt_mli->setText(
            QStringLiteral("1. Lesen Sie die markierte   Frequenz in Hz   ab und geben Sie diese ein."));
        f->E_freq->clear();
        f->E_wert->clear();
        f->l_pkt_mre->setText(QString::fromUtf8(second_step[exercise_kind]));
        target_py = point_value_to_y(target_value);
        target_px = freq_to_x(target_freq);
        target_cross(target_px, target_py);
        f->E_freq->setEnabled(true);
        f->E_wert->setEnabled(true);
        f->E_freq->setFocus();
    }
}

std::span<const PageFunction> lesson_3_pages()
{
    static constexpr PageFunction pages[] = {
        point_page,
    };
    return pages;
}

// Lesson 4: entering and reading straight lines in the Bode diagram
// (page 04_01) and the task generator of the line exercise.
#include "app/Unit1.h"
#include "app/exercises.h"
#include "lessons/page_common.h"
#include "lessons/pages.h"
#include "platform/numfmt.h"
#include "platform/system.h"

#include <cmath>

static QStringList line_page_text()
{
    const QString& rule = memo_rule;
    return {
        QString(),
        QStringLiteral("Eine Gerade im Bode-Diagramm ist durch einen Punkt und ihre Steigung festgelegt. Die "
                       "Steigung gibt an, um wie viel sich der Betrag (in dB) oder der Winkel (in Grad) ändert, "
                       "wenn die Frequenz um eine Dekade, also auf das Zehnfache, steigt."),
        rule,
        QStringLiteral("Die Aufgaben wechseln nach dem Zufallsprinzip zwischen zwei Typen:"),
        QStringLiteral("Typ A:  Gegeben sind ein rot markierter Anfangspunkt bei der Frequenz  f anf, das "
                       "Frequenzverhältnis  f end / f anf  und die Steigung. Bewegen Sie die Maus zum Endpunkt "
                       "des Geradenstücks und speichern Sie ihn mit der linken Maustaste. Die Kontrolle zeichnet "
                       "das gesuchte Geradenstück rot ein."),
        QStringLiteral("Typ B:  Ein Geradenstück ist rot eingezeichnet. Lesen Sie das Frequenzverhältnis  "
                       "f end / f anf  seiner Endpunkte und seine Steigung ab und geben Sie beide Werte ein. Die "
                       "Kontrolle zeichnet das Geradenstück mit Ihren Werten grün ein."),
        rule,
        QStringLiteral("Bei gebrochen rationalen Übertragungs-Funktionen kommen nur die Steigungen  "
                       "n · 20 dB / Dek.  im Betragsdiagramm und  n · 45 ° / Dek.  im Phasendiagramm vor, "
                       "wobei n eine ganze Zahl ist."),
        rule,
        QStringLiteral("Beim Zeichnen von Hand helfen zwei Zeichendreiecke: Das eine legen Sie an ein "
                       "Steigungsdreieck der gewünschten Steigung an, das andere dient als Lineal, an dem Sie das "
                       "erste bis zum gegebenen Punkt parallel verschieben."),
    };
}

void line_page()
{
    ExercisePage page;
    page.state = {QStringLiteral("4"), QString(), QStringLiteral("04_01")};
    page.title = QStringLiteral("4. Linien im Bode-Diagramm eintragen und ablesen");
    page.date = QStringLiteral("07.11.07");
    page.mode = &line_mode;
    page.new_task_caption = QStringLiteral("Neue Linie vorgeben");
    page.chart = [] { draw_chart(true, true); };
    page.text = line_page_text();
    page.new_task = new_line;
    page.statistics = line_statistics;
    show_exercise_page(page);
}

void new_line()
{
    TForm1* f = Form1;
    // Six decades of angular frequency, -100 .. +40 dB, -180° .. 180°.
    chart = ChartSettings{0.1L, 100000.0L, 0.00001L, 100.0L, -180, 180, false, false};
    draw_chart(true, true);

    exercise_kind = R(2);
    line_by_mouse = platform::random() < 0.5L;

    const int m = R(10);
    const int k = R(3) - 1;
    seg_f1 = power_of_ten(std::log10(chart.fmin) + k) * m;

    const long double db_bottom = 20 * std::log10(chart.bmin);
    const long double db_top = 20 * std::log10(chart.bmax);
    if (exercise_kind == 1) {
        // 20·log10(10^(j/4)·bmin), kept exact: the start is compared with the
        // middle of the diagram.
        const int j = R(static_cast<int>(numfmt::nearest((db_top - db_bottom) / 5)));
        seg_v1 = db_bottom + 5.0L * j;
    } else {
        const int j = R(static_cast<int>(numfmt::nearest((chart.pmax - chart.pmin) / 45.0L)));
        seg_v1 = chart.pmin + 45.0L * j;
    }

    target_freq = power_of_ten(R(2));
    seg_f2 = seg_f1 * target_freq;
    const int s = R(2);
    const long double decades = std::log10(target_freq);

    if (exercise_kind == 1) {
        // Falling from the upper half, rising from the lower half; a line
        // that would leave the diagram starts 10 dB further inside.
        if (seg_v1 >= (db_bottom + db_top) / 2) {
            target_value = -20.0L * s;
            if (decades * target_value + seg_v1 <= db_bottom)
                seg_v1 += 10;
        } else {
            target_value = 20.0L * s;
            if (decades * target_value + seg_v1 >= db_top)
                seg_v1 -= 10;
        }
    } else {
        target_value = seg_v1 >= (chart.pmin + chart.pmax) / 2.0L ? -45.0L * s : 45.0L * s;
    }
    seg_v2 = decades * target_value + seg_v1;

    seg_x1 = freq_to_x(seg_f1);
    seg_x2 = freq_to_x(seg_f2);
    seg_y1 = line_value_to_y(seg_v1);
    seg_y2 = line_value_to_y(seg_v2);

    point_box(seg_x1, seg_y1, mark_red, 1);
    if (!line_by_mouse) {
        point_box(seg_x2, seg_y2, mark_red, 1);
        draw_segment(seg_x1, seg_y1, seg_x2, seg_y2, 1, mark_red);
    }

    show_exercise_panel();
    f->l_pkt_wert1->setText(slope_labels[exercise_kind]);

    if (!line_by_mouse) {
        f->l_pkt_ueber->setText(QStringLiteral("Lesen Sie aus dem Bode-Diagramm für das Geradenstück heraus"));
        f->l_pkt_freq->setText(QStringLiteral("        f end / f anf = "));
        f->l_pkt_mli->setText(QStringLiteral(
            "1. Bilden Sie das Frequenzverhältnis   f end / f anf   und geben Sie den Wert ein."));
        f->E_freq->clear();
        f->E_wert->clear();
        f->l_pkt_mre->setText(
            exercise_kind == 1
                ? QStringLiteral("2. Ermitteln Sie die Steigung in   dB / Dekade   und geben Sie diese ein.")
                : QStringLiteral("2. Ermitteln Sie die Steigung in   ° / Dekade   und geben Sie diese ein."));
        f->E_freq->setEnabled(true);
        f->E_wert->setEnabled(true);
        f->E_freq->setFocus();
    } else {
        f->l_pkt_ueber->setText(
            QStringLiteral("Bewegen Sie die Maus so, dass sich vom gegebenen Punkt bei  f anf  aus ergibt"));
        f->l_pkt_freq->setText(QStringLiteral("     f end / f anf = "));
        f->l_pkt_mli->setText(
            QStringLiteral("Mit einem Klick auf die LINKE MAUSTASTE wird der zweite Punkt gespeichert"));
        f->l_pkt_mre->setText(
            QStringLiteral("Mit einem Klick auf die RECHTE MAUSTASTE löschen Sie den zweiten Punkt wieder"));
        f->clear_point_fields();
        f->P_statistik->setCaption(line_statistics());
        f->E_freq->setText(numfmt::fixed(target_freq, 2));
        f->E_wert->setText(QStringLiteral(" ") + numfmt::fixed(target_value, 2));
        f->E_freq->setEnabled(false);
        f->E_wert->setEnabled(false);
    }
}

std::span<const PageFunction> lesson_4_pages()
{
    static constexpr PageFunction pages[] = {
        line_page,
    };
    return pages;
}

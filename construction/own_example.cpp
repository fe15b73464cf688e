// The subtasks and interim results of the student's own example, made from
// the factored function: the product form (the factoring of what was
// typed), the constant with the I/D part, the magnitude of each corner
// factor or complex pair, the total magnitude, the angle of the I/D part
// and of each factor, the total angle, and the exact curves.
#include "construction/own_example.h"

#include "app/state.h"
#include "chart/chart.h"
#include "construction/construction_data.h"
#include "construction/result_text.h"

#include <algorithm>
#include <cmath>

using namespace result_text;
using tf::Corner;

namespace {

const QString& nl = memo_text::crlf;

struct Construction {
    tf::TransferFunction g;
    tf::Parsed typed;
    QString description;
    tf::Ranges r{};
    SubtaskPage page{own_example::page_id, 2, {}};
    std::vector<InterimResult> results;
    tf::Polygon magnitude_total; // as drawn, within the chart
    tf::Polygon phase_total;
};

Construction& current()
{
    static Construction c;
    return c;
}

} // namespace

void own_example::reset()
{
    current() = Construction{};
}

namespace {

// A corner factor with the names the worked examples give it: zeros wo_1,
// wo_2 ... and poles wx_1 ... in rising frequency.
struct Factor {
    Corner c;
    QString w_name;
    QString s_name;
    int slot; // colour and shift of its partial curves
};

// Partial curves take the colours of the worked examples' partial curves,
// in the order of `curve_colors`: fuchsia, maroon, red, teal, navy, olive.
QColor slot_color(int slot)
{
    static const int entries[] = {2, 3, 4, 7, 8, 9};
    return curve_colors[static_cast<size_t>(entries[slot % 6])];
}

// Coinciding partial curves are drawn a few pixels apart.
int slot_shift(int slot)
{
    static const int shifts[] = {-1, 1, -2, 2, -3, 3};
    return shifts[slot % 6];
}

std::vector<Vertex> vertices(const tf::Polygon& p)
{
    std::vector<Vertex> v;
    for (const tf::Point& pt : p)
        v.push_back({pt.freq, pt.value});
    return v;
}

// "+7.959", "-20.000", "0.000".
QString value_text(long double v)
{
    if (std::fabs(v) < 0.0005L)
        v = 0;
    const QString s = QString::number(static_cast<double>(v), 'f', 3);
    return v > 0 ? QStringLiteral("+") + s : s;
}

// "+20", "0", "-40".
QString slope_text(long double v)
{
    if (!std::isfinite(v)) // never shown: every section has a length
        return QString::number(static_cast<double>(v));
    // A pair's ramp of 180° over 2·D decades needs a decimal: "-127.3".
    if (std::fabs(v - std::round(v)) > 0.05L)
        return (v > 0 ? QStringLiteral("+") : QString()) + QString::number(static_cast<double>(v), 'f', 1);
    const long long s = std::llround(v);
    return s > 0 ? QStringLiteral("+") + QString::number(s) : QString::number(s);
}

// "+ 45°", "- 180°", "0°".
QString spaced(long double v, const QString& unit)
{
    if (!std::isfinite(v))
        return QString::number(static_cast<double>(v)) + unit;
    const long long s = std::llround(v);
    if (s == 0)
        return QStringLiteral("0") + unit;
    return (s > 0 ? QStringLiteral("+ ") : QStringLiteral("- ")) + QString::number(std::llabs(s)) + unit;
}

QString multiplicity(int order)
{
    switch (order) {
    case 1: return QStringLiteral("einfache");
    case 2: return QStringLiteral("doppelte");
    case 3: return QStringLiteral("dreifache");
    default: return QString::number(order) + QStringLiteral("-fache");
    }
}

// "erste" after "der", "ersten" after "dem"; "11." beyond the tenth.
QString ordinal(int n, bool dative)
{
    static const char* const words[] = {"erste",  "zweite", "dritte", "vierte", "fünfte",
                                        "sechste", "siebte", "achte",  "neunte", "zehnte"};
    if (n > 10)
        return QString::number(n) + QLatin1Char('.');
    return QString::fromUtf8(words[n - 1]) + (dative ? QStringLiteral("n") : QString());
}

QString kind_text(const Factor& f)
{
    return multiplicity(f.c.order) + (f.c.zero ? QStringLiteral(" Nullstelle bei   ") : QStringLiteral(" Polstelle bei   ")) +
           f.s_name + QStringLiteral(" = ") + (f.c.right_half ? QStringLiteral("+ ") : QStringLiteral("- ")) +
           tf::number(f.c.w) + (f.c.right_half ? QStringLiteral("   ( rechte s-Halbebene )") : QString());
}

QString capitalised(QString s)
{
    s[0] = s[0].toUpper();
    return s;
}

QString partial_name(const Factor& f)
{
    return f.c.zero ? tf::factor_text(f.c) : QStringLiteral("1 / ") + tf::factor_text(f.c);
}

QString power_of_w(int n)
{
    return n == 1 ? QStringLiteral("w") : QStringLiteral("w^") + QString::number(n);
}

QString base_name(const tf::TransferFunction& g)
{
    if (g.s_order == 0)
        return QStringLiteral("Konstante K");
    const QString part = g.s_order < 0 ? QStringLiteral("I-Anteil") : QStringLiteral("D-Anteil");
    const int n = std::abs(g.s_order);
    return n == 1 ? part : part + QStringLiteral(" ") + QString::number(n) + QStringLiteral(". Ordnung");
}

long double db_min(const tf::Ranges& r)
{
    return std::round(20 * lg(r.bmin));
}

long double db_max(const tf::Ranges& r)
{
    return std::round(20 * lg(r.bmax));
}

// Points of an exact curve, split where it leaves the chart.
std::vector<ResultDrawing> exact_curve(ResultDrawing::Kind kind, long double (*value)(const tf::TransferFunction&, long double),
                                       long double low, long double high)
{
    const Construction& k = current();
    std::vector<ResultDrawing> runs;
    std::vector<Vertex> run;
    constexpr int points = 451; // about one per pixel of the chart's width
    for (int i = 0; i < points; ++i) {
        const long double w = k.r.fmin * std::pow(k.r.fmax / k.r.fmin, static_cast<long double>(i) / (points - 1));
        const long double v = value(k.g, w);
        if (v >= low && v <= high) {
            run.push_back({w, v});
            continue;
        }
        if (run.size() >= 2)
            runs.push_back({kind, curve_colors[10], 2, 0, run});
        run.clear();
    }
    if (run.size() >= 2)
        runs.push_back({kind, curve_colors[10], 2, 0, run});
    return runs;
}

// ------------------------------------------------------------- the steps

struct Step {
    QString instruction;
    InterimResult result;
};

Step base_magnitude_step(const tf::TransferFunction& g, const tf::Ranges& r)
{
    const int n = std::abs(g.s_order);
    const QString K = tf::number(g.K);
    const QString absK = tf::number(std::fabs(g.K));
    QStringList instruction, text = {QString(), QString(),
                                     QStringLiteral("In der Produktform mit den Eckkreisfrequenzen lautet die "
                                                    "Übertragungs-Funktion"),
                                     QString(), QStringLiteral("     ") + tf::product_form(g), QString()};
    const tf::Polygon line = tf::clip(tf::base_magnitude(g, r.fmin, r.fmax), db_min(r), db_max(r));
    std::vector<ResultDrawing> drawings;
    if (!line.empty())
        drawings.push_back(magnitude(slot_color(0), 2, slot_shift(0), vertices(line)));
    if (g.s_order == 0) {
        instruction << QStringLiteral("Bestimmen Sie die Konstante   K = G ( 0 )   der Übertragungs-Funktion.") << QString()
                    << QStringLiteral("Zeichnen Sie den Betrag   | K |   als waagerechte Hilfslinie im Betragsdiagramm "
                                      "ein.");
        text << QStringLiteral("Für  w -> 0  streben alle Faktoren  ( 1 ± s / w_eck )  gegen 1:")
             << QStringLiteral("     | G ( w -> 0 ) | = | K | = ") + absK + QStringLiteral("   =>   ") +
                    value_text(20 * lg(std::fabs(g.K))) + QStringLiteral(" dB")
             << QString() << QStringLiteral("Die Hilfslinie ist eine waagerechte Gerade bei  ") +
                                 value_text(20 * lg(std::fabs(g.K))) + QStringLiteral(" dB.");
    } else {
        const bool i_part = g.s_order < 0;
        const QString part = i_part ? QStringLiteral("I-Anteil") : QStringLiteral("D-Anteil");
        const QString sub = i_part ? QStringLiteral("Gi") : QStringLiteral("Gd");
        const QString law = i_part ? absK + QStringLiteral(" / ") + power_of_w(n)
                                   : absK + QStringLiteral(" · ") + power_of_w(n);
        instruction << QStringLiteral("Bestimmen Sie die Konstante   K   und den ") + part +
                           QStringLiteral(" der Übertragungs-Funktion.")
                    << QString() << QStringLiteral("Zeichnen Sie als Hilfslinie im Betragsdiagramm den Verlauf zur "
                                                   "Teilfunktion")
                    << QString()
                    << QStringLiteral("     | ") + sub + QStringLiteral(" ( jw ) | = ") +
                           (i_part ? QStringLiteral("| K | / ") + power_of_w(n) : QStringLiteral("| K | · ") + power_of_w(n)) +
                           QStringLiteral("     ein.");
        text << QStringLiteral("Der ") + part + QStringLiteral(" mit  K = ") + K + QStringLiteral("  hat den Betrag   | ") +
                    sub + QStringLiteral(" ( jw ) | = ") + law + QStringLiteral(" .")
             << QStringLiteral("Im Bode-Diagramm ist das eine Gerade mit der Steigung  ") + slope_text(20.0L * g.s_order) +
                    QStringLiteral(" dB / Dekade.")
             << QString();
        // The line crosses 0 dB where |K| w^n = 1.
        const long double crossing = std::pow(std::fabs(g.K), -1.0L / g.s_order);
        if (crossing >= r.fmin && crossing <= r.fmax && db_min(r) <= 0 && db_max(r) >= 0) {
            text << QStringLiteral("Bei  | ") + sub + QStringLiteral(" | = 1  =>  0 dB  liegt der Punkt  w = ") +
                        tf::number(crossing) + QStringLiteral("  ( markiert ).");
            drawings.push_back(mark(slot_color(0), 1, crossing, 0));
        }
        text << QStringLiteral("Am linken Rand:   | ") + sub + QStringLiteral(" ( j") + tf::number(r.fmin) +
                    QStringLiteral(" ) |   =>   ") + value_text(tf::base_magnitude(g, r.fmin, r.fmax).front().value) +
                    QStringLiteral(" dB");
    }
    if (g.K < 0)
        text << QString()
             << QStringLiteral("Das negative Vorzeichen der Konstante ändert den Betrag nicht; es dreht den Winkel um  "
                               "- 180°.");
    return {lines(instruction), {own_example::page_id, 0, lines(text), drawings}};
}

Step corner_magnitude_step(const Factor& f, const tf::Ranges& r)
{
    const tf::Polygon p = tf::clip(tf::corner_magnitude(f.c, r.fmin, r.fmax), db_min(r), db_max(r));
    const int step = tf::magnitude_step(f.c);
    QStringList text = {QString(), QString(),
                        capitalised(kind_text(f)) + QStringLiteral(",   Eckkreisfrequenz   ") + f.w_name +
                            QStringLiteral(" = ") + tf::number(f.c.w) + QStringLiteral(" ."),
                        QString(),
                        QStringLiteral("Der Polygonzug verläuft bei  0 dB  bis   w = ") + tf::number(f.c.w) +
                            QStringLiteral("   und knickt dort um  ") + slope_text(step) +
                            QStringLiteral(" dB / Dekade  nach ") +
                            (step > 0 ? QStringLiteral("oben.") : QStringLiteral("unten."))};
    if (f.c.right_half)
        text << QString()
             << QStringLiteral("Für den Betrag ist die Lage in der rechten s-Halbebene ohne Bedeutung:")
             << QStringLiteral("     | 1 - jw / ") + tf::number(f.c.w) + QStringLiteral(" | = | 1 + jw / ") +
                    tf::number(f.c.w) + QStringLiteral(" |");
    if (!p.empty() && p.back().freq < r.fmax * (1 - 1E-9L))
        text << QString()
             << QStringLiteral("Er endet am Rand des Betragsdiagramms bei   [ ") + tf::number(p.back().freq) +
                    QStringLiteral(" , ") + value_text(p.back().value) + QStringLiteral(" dB ] .");
    std::vector<ResultDrawing> drawings;
    if (p.size() >= 2)
        drawings.push_back(magnitude(slot_color(f.slot), 2, slot_shift(f.slot), vertices(p)));
    return {QStringLiteral("Zeichnen Sie den Polygonzug für den Betrag der Teilfunktion   ") + partial_name(f) +
                QStringLiteral("   im Diagramm ein."),
            {own_example::page_id, 0, lines(text), drawings}};
}

// The corners that meet at a frequency, as the table names them.
QString causes_at(const std::vector<Factor>& factors, long double w)
{
    QStringList names;
    for (const Factor& f : factors)
        if (std::fabs(f.c.w / w - 1) < 1E-9L)
            names << (f.c.pair() ? (f.c.zero ? QStringLiteral("Nullstellenpaar ") : QStringLiteral("Polpaar "))
                                 : (f.c.zero ? QStringLiteral("Nullstelle ") : QStringLiteral("Polstelle "))) +
                         f.w_name;
    return names.join(QStringLiteral(", "));
}

long double slope_of(const tf::Point& a, const tf::Point& b)
{
    return (b.value - a.value) / lg(b.freq / a.freq);
}

Step total_magnitude_step(const tf::TransferFunction& g, const std::vector<Factor>& factors, const tf::Ranges& r)
{
    const tf::Polygon& p = current().magnitude_total;
    std::vector<Section> sections;
    for (size_t k = 0; k + 1 < p.size(); ++k) {
        const long double slope = slope_of(p[k], p[k + 1]);
        QString remark = QStringLiteral("Beginn : ") + base_name(g);
        if (k > 0)
            remark = slope_text(slope - slope_of(p[k - 1], p[k])) + QStringLiteral(" : ") + causes_at(factors, p[k].freq);
        sections.push_back({tf::number(p[k].freq), tf::number(p[k + 1].freq), slope_text(slope),
                            value_text(p[k].value), value_text(p[k + 1].value), remark});
    }
    QStringList text = {QString(),
                        QStringLiteral("Die Teilverläufe werden addiert: die Steigung eines Abschnitts"),
                        QStringLiteral("ist die Summe der Steigungen aller Teilfunktionen, an jeder"),
                        QStringLiteral("Eckkreisfrequenz knickt der Polygonzug um die Steigung ihres Faktors."),
                        QString(), magnitude_table(QStringLiteral("w1"), sections), QString(),
                        QStringLiteral("Pegeländerung eines Abschnitts = Steigung · Anzahl der Dekaden.")};
    if (!p.empty() && p.back().freq < r.fmax * (1 - 1E-9L))
        text << QStringLiteral("Der Polygonzug endet bei  w = ") + tf::number(p.back().freq) +
                    QStringLiteral("  am Rand des Diagramms.");
    return {QStringLiteral("Bilden Sie graphisch den Gesamtfrequenzgang der Funktion   | G ( s = jw ) |") + nl +
                colour_instruction(),
            {own_example::page_id, 0, lines(text), {magnitude(curve_colors[1], 3, 0, vertices(p))}, true}};
}

Step base_phase_step(const tf::TransferFunction& g, const tf::Ranges& r)
{
    const long double phi = tf::base_phase(g);
    const QString part = g.s_order < 0 ? QStringLiteral("des I-Anteils") : QStringLiteral("des D-Anteils");
    QString instruction = QStringLiteral("Zeichnen Sie den Winkelverlauf ") +
                          (g.s_order == 0 ? QStringLiteral("der negativen Konstante")
                                          : part + (g.K < 0 ? QStringLiteral(" mit der negativen Konstante") : QString())) +
                          QStringLiteral(" als Polygonzug im Diagramm ein.");
    QStringList text = {QString(), QString()};
    if (g.s_order != 0) {
        const int n = std::abs(g.s_order);
        text << QStringLiteral("Der Faktor  ") + (g.s_order < 0 ? QStringLiteral("1 / ") : QString()) +
                    (n == 1 ? QStringLiteral("s") : QStringLiteral("s^") + QString::number(n)) +
                    QStringLiteral("  hat für  s = jw  bei allen Frequenzen den Winkel")
             << QString()
             << QStringLiteral("     Phi = ") + QString::number(n) + QStringLiteral(" · ( ") +
                    spaced(g.s_order < 0 ? -90 : 90, QStringLiteral("°")) + QStringLiteral(" ) = ") +
                    spaced(90.0L * g.s_order, QStringLiteral("°"));
    }
    if (g.K < 0)
        text << QString()
             << QStringLiteral("Die negative Konstante  K = ") + tf::number(g.K) +
                    QStringLiteral("  fügt  - 180°  hinzu ( gleichwertig wäre  + 180° ).");
    text << QString() << QStringLiteral("Der Polygonzug ist eine waagerechte Gerade bei  ") + spaced(phi, QStringLiteral("°")) +
                             QStringLiteral(" .");
    const tf::Polygon line = tf::clip({{r.fmin, phi}, {r.fmax, phi}}, r.pmin, r.pmax);
    std::vector<ResultDrawing> drawings;
    if (line.size() >= 2)
        drawings.push_back(phase(slot_color(0), 2, slot_shift(0), vertices(line)));
    return {instruction, {own_example::page_id, 0, lines(text), drawings}};
}

// "PT2-Glied" for a pair of poles, "PD2-Glied" for a pair of zeros.
QString pair_kind(const Factor& f)
{
    return f.c.zero ? QStringLiteral("PD2-Glied") : QStringLiteral("PT2-Glied");
}

QString pair_values(const Factor& f)
{
    return f.w_name + QStringLiteral(" = ") + tf::number(f.c.w) + QStringLiteral(";   D = ") +
           (f.c.right_half ? QStringLiteral("- ") : QString()) + tf::number(f.c.damping);
}

QString pair_text(const Factor& f)
{
    return pair_kind(f) + QStringLiteral(" ( konjugiert komplexes ") +
           (f.c.zero ? QStringLiteral("Nullstellenpaar") : QStringLiteral("Polpaar")) +
           (f.c.order > 1 ? QStringLiteral(", ") + multiplicity(f.c.order).chopped(1) : QString()) +
           QStringLiteral(" ):   ") + pair_values(f);
}

Step pair_magnitude_step(const Factor& f, const tf::Ranges& r)
{
    const tf::Polygon p = tf::clip(tf::corner_magnitude(f.c, r.fmin, r.fmax), db_min(r), db_max(r));
    const int step = tf::magnitude_step(f.c);
    const long double D = f.c.damping;
    const tf::TransferFunction alone{1, 0, {f.c}};
    const long double at_w0 = tf::exact_db(alone, f.c.w);
    const QString order = f.c.order > 1 ? QString::number(f.c.order) + QStringLiteral(" · ") : QString();
    QStringList text = {QString(), QString(), pair_text(f) + QStringLiteral(" ."), QString(),
                        QStringLiteral("Der Polygonzug verläuft bei  0 dB  bis   w = ") + tf::number(f.c.w) +
                            QStringLiteral("   und knickt dort um  ") + slope_text(step) +
                            QStringLiteral(" dB / Dekade  nach ") +
                            (step > 0 ? QStringLiteral("oben.") : QStringLiteral("unten.")),
                        QString(),
                        QStringLiteral("Der exakte Betrag liegt bei  w = ") + f.w_name + QStringLiteral("  bei   ") +
                            (f.c.zero ? QString() : QStringLiteral("- ")) + order +
                            QStringLiteral("20 · log ( 2 · D ) = ") + value_text(at_w0) +
                            QStringLiteral(" dB   ( markiert )."),
                        QStringLiteral("Seine Abweichung vom Polygonzug hängt allein von der Dämpfung ab.")};
    if (D < std::sqrt(0.5L)) {
        const long double peak = 1 / (2 * D * std::sqrt(1 - D * D));
        const long double at = f.c.w * std::sqrt(1 - 2 * D * D);
        text << QString()
             << QStringLiteral("Für  D < 0.707  hat der Betrag ") +
                    (f.c.zero ? QStringLiteral("ein Minimum ( Resonanzabsenkung ) von")
                              : QStringLiteral("ein Maximum ( Resonanzüberhöhung ) von"))
             << QStringLiteral("     ") + (f.c.zero ? QStringLiteral("2 · D · Wurzel ( 1 - D² ) = ") + tf::number(1 / peak)
                                                    : QStringLiteral("1 / ( 2 · D · Wurzel ( 1 - D² ) ) = ") + tf::number(peak)) +
                    QStringLiteral("   =>   ") + value_text(f.c.order * (f.c.zero ? -1 : 1) * 20 * std::log10(peak)) +
                    QStringLiteral(" dB")
             << QStringLiteral("     bei   w = w0 · Wurzel ( 1 - 2 · D² ) = ") + tf::number(at) + QStringLiteral(" .");
    } else {
        text << QString() << QStringLiteral("Für  D >= 0.707  hat der Betrag keine Resonanzüberhöhung.");
    }
    if (f.c.right_half)
        text << QString() << QStringLiteral("Für den Betrag ist die Lage in der rechten s-Halbebene ohne Bedeutung.");
    std::vector<ResultDrawing> drawings;
    if (p.size() >= 2)
        drawings.push_back(magnitude(slot_color(f.slot), 2, slot_shift(f.slot), vertices(p)));
    if (at_w0 >= db_min(r) && at_w0 <= db_max(r))
        drawings.push_back(mark(slot_color(f.slot), 1, f.c.w, at_w0));
    return {QStringLiteral("Zeichnen Sie den Polygonzug für den Betrag der Teilfunktion   ") + partial_name(f) +
                QStringLiteral("   im Diagramm ein.") + nl + nl +
                QStringLiteral("Wie groß ist der exakte Betrag bei der Kennkreisfrequenz   ") + f.w_name + QStringLiteral(" ?"),
            {own_example::page_id, 0, lines(text), drawings}};
}

Step pair_phase_step(const Factor& f, const tf::Ranges& r)
{
    const int step = tf::phase_step(f.c);
    const long double D = f.c.damping;
    const QString lower = tf::number(tf::ramp_start(f.c)), upper = tf::number(tf::ramp_end(f.c));
    QStringList text = {QString(), QString(), pair_text(f) + QStringLiteral(" ."), QString(),
                        QStringLiteral("Der Winkel eines Paares dreht sich um  ") + spaced(step, QStringLiteral("°")) +
                            QStringLiteral(" ; je kleiner die Dämpfung, desto steiler."),
                        QStringLiteral("Als Polygonzug verläuft er geradlinig von   w0 · 10^(-D)   bis   w0 · 10^(+D) :"),
                        QString(),
                        angle_polygon({QStringLiteral("Winkel von  ") + partial_name(f), lower, upper,
                                       slope_text(step / (2 * D)) + QStringLiteral("°"), f.w_name,
                                       spaced(step / 2.0L, QStringLiteral("°")), spaced(step, QStringLiteral("°"))})};
    if (f.c.right_half)
        text << QString()
             << QStringLiteral("In der rechten s-Halbebene ( D < 0 ) dreht der Faktor den Winkel in die Gegenrichtung.");
    const tf::Polygon p = tf::clip(tf::corner_phase(f.c, r.fmin, r.fmax), r.pmin, r.pmax);
    std::vector<ResultDrawing> drawings;
    if (p.size() >= 2)
        drawings.push_back(phase(slot_color(f.slot), 2, slot_shift(f.slot), vertices(p)));
    return {QStringLiteral("Zeichnen Sie den Winkelverlauf der Teilfunktion   ") + partial_name(f) +
                QStringLiteral("   als Polygonzug im Diagramm ein."),
            {own_example::page_id, 0, lines(text), drawings}};
}

// Factors of the same corner frequency, and the ordinal of a frequency
// among the distinct corners.
int corner_index(const std::vector<Factor>& factors, const Factor& f, int& sharing)
{
    std::vector<long double> distinct;
    sharing = 0;
    for (const Factor& o : factors) {
        if (distinct.empty() || std::fabs(o.c.w / distinct.back() - 1) > 1E-9L)
            distinct.push_back(o.c.w);
        if (std::fabs(o.c.w / f.c.w - 1) <= 1E-9L)
            ++sharing;
    }
    for (size_t i = 0; i < distinct.size(); ++i)
        if (std::fabs(distinct[i] / f.c.w - 1) <= 1E-9L)
            return static_cast<int>(i) + 1;
    return 1;
}

Step corner_phase_step(const std::vector<Factor>& factors, const Factor& f, const tf::Ranges& r)
{
    int sharing = 0;
    const int index = corner_index(factors, f, sharing);
    const int step = tf::phase_step(f.c);
    const int mag = tf::magnitude_step(f.c);
    // A break of its own in the magnitude: the worked examples' wording.
    const bool own_break = sharing == 1 && !f.c.right_half;
    const QString instruction =
        own_break ? knick_instruction(ordinal(index, true))
                  : QStringLiteral("Zeichnen Sie den Winkelverlauf der Teilfunktion   ") + partial_name(f) +
                        QStringLiteral("   als Polygonzug im Diagramm ein.");
    QStringList text = {QString(), QString()};
    if (own_break)
        text << QStringLiteral("Der ") + ordinal(index, false) + QStringLiteral(" Knick bei  w = ") + tf::number(f.c.w) +
                    QStringLiteral("  führt nach ") + (mag > 0 ? QStringLiteral("oben") : QStringLiteral("unten")) +
                    QStringLiteral(" ( um ") + spaced(mag, QString()) + QStringLiteral(" dB / Dekade ):");
    text << capitalised(kind_text(f)) + QStringLiteral(" ,   ") + f.w_name + QStringLiteral(" = ") + tf::number(f.c.w) +
                QStringLiteral(" .");
    if (f.c.right_half)
        text << QStringLiteral("In der rechten s-Halbebene dreht der Faktor den Winkel in die Gegenrichtung einer ") +
                    (f.c.zero ? QStringLiteral("Nullstelle") : QStringLiteral("Polstelle")) +
                    QStringLiteral(" der linken Halbebene.");
    const QString order = f.c.order > 1 ? QString::number(f.c.order) + QStringLiteral(" · ") : QString();
    text << QString()
         << angle_polygon({(step > 0 ? QStringLiteral("+ ") : QStringLiteral("- ")) + order +
                               QStringLiteral("arctan ( w / ") + tf::number(f.c.w) + QStringLiteral(" )"),
                           tf::number(f.c.w / 10), tf::number(f.c.w * 10), spaced(step / 2.0L, QStringLiteral("°")),
                           f.w_name, spaced(step / 2.0L, QStringLiteral("°")), spaced(step, QStringLiteral("°"))});
    const tf::Polygon p = tf::clip(tf::corner_phase(f.c, r.fmin, r.fmax), r.pmin, r.pmax);
    std::vector<ResultDrawing> drawings;
    if (p.size() >= 2)
        drawings.push_back(phase(slot_color(f.slot), 2, slot_shift(f.slot), vertices(p)));
    return {instruction, {own_example::page_id, 0, lines(text), drawings}};
}

Step total_phase_step(const tf::TransferFunction& g, const std::vector<Factor>& factors, const tf::Ranges& r)
{
    const tf::Polygon& p = current().phase_total;
    // One row per section between consecutive breaks of the partial angles,
    // naming the partial angles that rise or fall in it.
    std::vector<long double> breaks = {r.fmin, r.fmax};
    for (const Factor& f : factors)
        for (long double b : {tf::ramp_start(f.c), tf::ramp_end(f.c)})
            if (b > r.fmin && b < r.fmax)
                breaks.push_back(b);
    std::sort(breaks.begin(), breaks.end());
    std::vector<long double> at;
    for (long double b : breaks)
        if (at.empty() || b / at.back() - 1 > 1E-9L)
            at.push_back(b);
    at.back() = r.fmax;
    const tf::Polygon whole = tf::total_phase(g, r.fmin, r.fmax);
    std::vector<Section> sections;
    for (size_t k = 0; k + 1 < at.size(); ++k) {
        const long double middle = std::sqrt(at[k] * at[k + 1]);
        QStringList active;
        long double slope = 0;
        for (const Factor& f : factors)
            if (middle > tf::ramp_start(f.c) && middle < tf::ramp_end(f.c)) {
                const long double rise = tf::phase_step(f.c) / std::log10(tf::ramp_end(f.c) / tf::ramp_start(f.c));
                active << f.w_name + QStringLiteral(" ") + slope_text(rise);
                slope += rise;
            }
        sections.push_back({tf::number(at[k]), tf::number(at[k + 1]), slope_text(slope),
                            value_text(tf::value_at(whole, at[k])), value_text(tf::value_at(whole, at[k + 1])),
                            active.isEmpty() ? QStringLiteral("keine") : active.join(QStringLiteral(",  "))});
    }
    const bool minimum_phase =
        g.K > 0 && std::none_of(factors.begin(), factors.end(), [](const Factor& f) { return f.c.right_half; });
    int final_slope = 20 * g.s_order;
    long double end = tf::base_phase(g);
    for (const Factor& f : factors) {
        final_slope += tf::magnitude_step(f.c);
        end += tf::phase_step(f.c);
    }
    QStringList closing = {QStringLiteral("Steigung eines Abschnitts = Summe der Steigungen aller Teilwinkel.")};
    if (!minimum_phase)
        closing << QStringLiteral("Wegen ") +
                       (g.K < 0 ? QStringLiteral("der negativen Konstante") : QStringLiteral("der rechten s-Halbebene")) +
                       QStringLiteral(" lässt sich der Endwert des")
                << QStringLiteral("Phasenwinkels NICHT aus der Endsteigung des Betrags ablesen:")
                << QStringLiteral("     Phi ( w -> oo ) = ") + spaced(end, QStringLiteral("°"));
    QString text = summing_step(sections_opening(),
                                minimum_phase ? end_value(spaced(final_slope, QStringLiteral(" dB / Dekade")),
                                                          spaced(end, QStringLiteral("°")))
                                              : QString(),
                                phase_table(sections), {});
    text += nl + nl + lines(closing);
    return {sum_instruction(), {own_example::page_id, 0, text, {phase(curve_colors[1], 3, 0, vertices(p))}, true}};
}

Step exact_step(const tf::TransferFunction& g, const std::vector<Factor>& factors, const tf::Ranges& r)
{
    const tf::Polygon magnitude_asymptote = tf::total_magnitude(g, r.fmin, r.fmax);
    const tf::Polygon phase_asymptote = tf::total_phase(g, r.fmin, r.fmax);
    QStringList text = {QString(), QStringLiteral("Die exakten Verläufe sind schwarz eingezeichnet.")};
    if (std::any_of(factors.begin(), factors.end(), [](const Factor& f) { return !f.c.pair(); }))
        text << QString() << QStringLiteral("Beim Betrag liegt die größte Abweichung vom Polygonzug an den")
             << QStringLiteral("Eckkreisfrequenzen: je Ordnung 3 dB ( Faktor Wurzel 2 ); eine")
             << QStringLiteral("Dekade daneben sind es je Ordnung nur noch 0.04 dB.")
             << QStringLiteral("Der Winkel weicht eine Dekade neben einer Eckkreisfrequenz je")
             << QStringLiteral("Ordnung um 5.7° vom Polygonzug ab.");
    // At a pair the resonance decides.
    for (const Factor& f : factors)
        if (f.c.pair())
            text << QString()
                 << QStringLiteral("Am stärksten weicht der Betrag beim ") + pair_kind(f) + QStringLiteral(" ab")
                 << QStringLiteral("( ") + pair_values(f) + QStringLiteral(" ): die Resonanz verschiebt ihn")
                 << QStringLiteral("bei  w0  um  ") + value_text(tf::exact_db({1, 0, {f.c}}, f.c.w)) +
                        QStringLiteral(" dB  gegen den Polygonzug; der Winkel")
                 << QStringLiteral("dreht sich dort umso steiler, je kleiner  D  ist.");
    text << QString() << QStringLiteral("       w    |G| exakt  Polygonzug   Phi exakt  Polygonzug")
         << QStringLiteral("                 [dB]        [dB]         [°]         [°]") << rule();
    std::vector<long double> done;
    for (const Factor& f : factors) {
        if (!done.empty() && std::fabs(done.back() / f.c.w - 1) < 1E-9L)
            continue;
        done.push_back(f.c.w);
        text << tf::number(f.c.w).rightJustified(8) + value_text(tf::exact_db(g, f.c.w)).rightJustified(13) +
                    value_text(tf::value_at(magnitude_asymptote, f.c.w)).rightJustified(12) +
                    value_text(tf::exact_phase(g, f.c.w)).rightJustified(12) +
                    value_text(tf::value_at(phase_asymptote, f.c.w)).rightJustified(12);
    }
    std::vector<ResultDrawing> drawings = exact_curve(ResultDrawing::MagnitudeCurve, tf::exact_db, db_min(r), db_max(r));
    for (ResultDrawing& d : exact_curve(ResultDrawing::PhaseCurve, tf::exact_phase, r.pmin, r.pmax))
        drawings.push_back(std::move(d));
    return {QStringLiteral("Vergleichen Sie zum Abschluss Ihre Polygonzüge mit den exakten Verläufen von   "
                           "| G ( jw ) |   und   Phi ( w ) .") +
                nl + nl + QStringLiteral("Wo weichen die exakten Verläufe am stärksten von den Polygonzügen ab ?"),
            {own_example::page_id, 0, lines(text), drawings, true}};
}

// "( s + 20 )" or "( 1 + s / 20 )" for the root -20, with its power.
QString root_factor(long double root, int order, bool monic)
{
    const QString sign = root > 0 ? QStringLiteral("- ") : QStringLiteral("+ ");
    const QString w = tf::number(std::fabs(root));
    return (monic ? QStringLiteral("( s ") + sign + w + QStringLiteral(" )")
                  : QStringLiteral("( 1 ") + sign + QStringLiteral("s / ") + w + QStringLiteral(" )")) +
           (order == 1 ? QString() : QStringLiteral("^") + QString::number(order));
}

// A field as a constant times its factors: with ( s - root ) factors or
// with ( 1 - s / root ) factors; factors below a fraction line divide.
QString field_text(const tf::FieldForm& f, bool monic)
{
    long double c = f.k;
    QStringList top, bottom;
    if (f.n != 0)
        (f.n > 0 ? top : bottom) << (std::abs(f.n) == 1 ? QStringLiteral("s") : QStringLiteral("s^") + QString::number(std::abs(f.n)));
    for (const auto& [root, m] : f.roots) {
        if (monic) // ( 1 - s / r ) = ( - 1 / r ) · ( s - r )
            c *= std::pow(-1 / root, static_cast<long double>(m));
        (m > 0 ? top : bottom) << root_factor(root, std::abs(m), monic);
    }
    for (const tf::FieldForm::Pair& q : f.pairs) {
        const Corner pair{q.w0, std::abs(q.order), q.order > 0, q.D < 0, std::fabs(q.D)};
        if (!monic) {
            (q.order > 0 ? top : bottom) << tf::factor_text(pair);
            continue;
        }
        // ( 1 + 2·D·s / w0 + ( s / w0 )² ) = ( s² + 2·D·w0 s + w0² ) / w0²
        c *= std::pow(q.w0, -2.0L * q.order);
        const long double middle = 2 * q.D * q.w0;
        (q.order > 0 ? top : bottom)
            << QStringLiteral("( s² ") + (middle < 0 ? QStringLiteral("- ") : QStringLiteral("+ ")) +
                   tf::number(std::fabs(middle)) + QStringLiteral(" s + ") + tf::number(q.w0 * q.w0) +
                   QStringLiteral(" )") + (std::abs(q.order) == 1 ? QString() : QStringLiteral("^") + QString::number(std::abs(q.order)));
    }
    QString text = tf::number(c);
    if (!top.isEmpty())
        text += QStringLiteral(" · ") + top.join(QStringLiteral(" · "));
    if (!bottom.isEmpty())
        text += QStringLiteral(" / [ ") + bottom.join(QStringLiteral(" · ")) + QStringLiteral(" ]");
    return text;
}

// The working of one field: its roots, its ( s - root ) factors and its
// ( 1 - s / root ) factors with the constant K of the product form.
QStringList field_working(const QString& name, const QString& typed, tf::FieldForm f)
{
    // In rising corner frequency, as the product form names them.
    std::stable_sort(f.roots.begin(), f.roots.end(),
                     [](const auto& a, const auto& b) { return std::fabs(a.first) < std::fabs(b.first); });
    QStringList text = {name + QStringLiteral(":   ") + typed};
    if (!f.sum) {
        if (field_text(f, false) != typed)
            text << QStringLiteral("     = ") + field_text(f, false);
        return text;
    }
    QStringList roots;
    for (int i = 0; i < f.n; ++i)
        roots << QStringLiteral("s = 0");
    for (const auto& [root, m] : f.roots)
        if (m > 0)
            for (int i = 0; i < m; ++i)
                roots << QStringLiteral("s = ") + (root > 0 ? QStringLiteral("+ ") : QStringLiteral("- ")) +
                             tf::number(std::fabs(root));
    for (const tf::FieldForm::Pair& q : f.pairs)
        if (q.order > 0)
            roots << QStringLiteral("s = ") + (q.D > 0 ? QStringLiteral("- ") : QStringLiteral("+ ")) +
                         tf::number(std::fabs(q.D) * q.w0) + QStringLiteral(" ± j ") +
                         tf::number(q.w0 * std::sqrt(1 - q.D * q.D)) +
                         (q.order > 1 ? QStringLiteral(" ( ") + multiplicity(q.order).chopped(1) + QStringLiteral(" )") : QString());
    if (!roots.isEmpty())
        text << QStringLiteral("     Wurzeln:   ") + roots.join(QStringLiteral(" ;   "));
    text << QStringLiteral("     = ") + field_text(f, true) << QStringLiteral("     = ") + field_text(f, false);
    return text;
}

Step factoring_step(const tf::Parsed& p, const std::vector<Factor>& factors)
{
    const tf::TransferFunction& g = *p.g;
    QStringList text = {QString(), QString()};
    text << field_working(QStringLiteral("Zähler"), p.numerator, p.numerator_form)
         << field_working(QStringLiteral("Nenner"), p.denominator, p.denominator_form) << QString();
    if (p.numerator_form.k != 1 || p.denominator_form.k != 1)
        text << QStringLiteral("K = ") + tf::number(p.numerator_form.k) + QStringLiteral(" / ") +
                    tf::number(p.denominator_form.k) + QStringLiteral(" = ") + tf::number(g.K)
             << QString();
    text << QStringLiteral("In der Produktform lautet die Übertragungs-Funktion") << QString()
         << QStringLiteral("     ") + tf::product_form(g) << QString();
    QStringList characteristics = {QStringLiteral("K = ") + tf::number(g.K)};
    characteristics << (g.s_order == 0 ? QStringLiteral("kein I- oder D-Anteil") : base_name(g));
    for (const Factor& f : factors) {
        if (f.c.pair()) {
            characteristics << pair_kind(f) + QStringLiteral(": ") + pair_values(f) +
                                   (f.c.order > 1 ? QStringLiteral(" ( ") + multiplicity(f.c.order).chopped(1) +
                                                        QStringLiteral(" )")
                                                  : QString());
            continue;
        }
        QString c = f.w_name + QStringLiteral(" = ") + tf::number(f.c.w);
        if (f.c.order > 1)
            c += QStringLiteral(" ( ") + multiplicity(f.c.order).chopped(1) + QStringLiteral(" )");
        if (f.c.right_half)
            c += QStringLiteral(" ( rechte s-Halbebene )");
        characteristics << c;
    }
    if (factors.empty())
        characteristics << QStringLiteral("keine Eckkreisfrequenz");
    text << QStringLiteral("Kennwerte:   ") + characteristics.join(QStringLiteral(";   "));
    const QString instruction =
        QStringLiteral("Bringen Sie die Übertragungs-Funktion auf die Produktform") + nl + nl +
        QStringLiteral("     G(s) = K · s^n · ( 1 + s / wo_1 ) · ... / [ ( 1 + s / wx_1 ) · ... ]") + nl + nl +
        QStringLiteral("und bestimmen Sie die Konstante  K , den I- oder D-Anteil  ( s^n )  und die "
                       "Eckkreisfrequenzen   wo_m   und   wx_n .");
    return {instruction, {own_example::page_id, 0, lines(text), {}}};
}

} // namespace

namespace own_example {

void set_function(const tf::Parsed& parsed)
{
    Construction& k = current();
    const tf::TransferFunction& g = *parsed.g;
    k.g = g;
    k.typed = parsed;
    k.r = tf::choose_ranges(g);
    k.magnitude_total = tf::clip(tf::total_magnitude(g, k.r.fmin, k.r.fmax), db_min(k.r), db_max(k.r));
    k.phase_total = tf::clip(tf::total_phase(g, k.r.fmin, k.r.fmax), k.r.pmin, k.r.pmax);

    std::vector<Factor> factors;
    int zeros = 0, poles = 0, pairs = 0;
    for (const Corner& c : g.corners) {
        if (c.pair()) {
            factors.push_back({c, QStringLiteral("w0_") + QString::number(++pairs), QString(),
                               static_cast<int>(factors.size()) + 1});
            continue;
        }
        const QString n = QString::number(c.zero ? ++zeros : ++poles);
        factors.push_back({c, (c.zero ? QStringLiteral("wo_") : QStringLiteral("wx_")) + n,
                           (c.zero ? QStringLiteral("so_") : QStringLiteral("sx_")) + n,
                           static_cast<int>(factors.size()) + 1});
    }
    std::vector<Step> steps = {factoring_step(parsed, factors), base_magnitude_step(g, k.r)};
    // Without a corner the line of K · s^n is the whole function.
    if (!factors.empty()) {
        for (const Factor& f : factors)
            steps.push_back(f.c.pair() ? pair_magnitude_step(f, k.r) : corner_magnitude_step(f, k.r));
        steps.push_back(total_magnitude_step(g, factors, k.r));
    }
    if (tf::base_phase(g) != 0 || factors.empty())
        steps.push_back(base_phase_step(g, k.r));
    if (!factors.empty()) {
        for (const Factor& f : factors)
            steps.push_back(f.c.pair() ? pair_phase_step(f, k.r) : corner_phase_step(factors, f, k.r));
        steps.push_back(total_phase_step(g, factors, k.r));
    }
    steps.push_back(exact_step(g, factors, k.r));

    // The problem shows the function as it was typed.
    const bool whole = parsed.denominator == QLatin1String("1");
    k.description = QStringLiteral("     G(s) = ") +
                    (whole ? parsed.numerator
                           : QStringLiteral("( ") + parsed.numerator + QStringLiteral(" ) / ( ") + parsed.denominator +
                                 QStringLiteral(" )"));

    k.page.texts.clear();
    k.results.clear();
    for (size_t i = 0; i < steps.size(); ++i) {
        k.page.texts.push_back(steps[i].instruction);
        InterimResult r = steps[i].result;
        r.step = static_cast<int>(i) + 1;
        k.results.push_back(r);
    }
}

const tf::TransferFunction& function()
{
    return current().g;
}

QString description()
{
    return current().description;
}

const tf::Ranges& ranges()
{
    return current().r;
}

static bool holds(const PolygonStore& store, const tf::Polygon& p)
{
    if (p.empty() || store.count != static_cast<int>(p.size()))
        return false;
    for (int k = 1; k <= store.count; ++k)
        if (store.freq[k] != p[k - 1].freq || store.value[k] != p[k - 1].value)
            return false;
    return true;
}

bool magnitude_total_in_store()
{
    return holds(mag_polygon, current().magnitude_total);
}

bool phase_total_in_store()
{
    return holds(phase_polygon, current().phase_total);
}

} // namespace own_example

const SubtaskPage& own_subtask_page()
{
    return current().page;
}

const std::vector<InterimResult>& own_results()
{
    return current().results;
}

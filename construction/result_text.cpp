#include "construction/result_text.h"

#include <QRegularExpression>
#include <algorithm>
#include <utility>

namespace result_text {

namespace {

using memo_text::crlf;

// Column widths in characters. The widest row, with the longest remark,
// stays within the memo's width in the fixed-pitch font.
constexpr int from_width = 5;
constexpr int to_width = 5;
constexpr int slope_width = 9;
constexpr int value_width = 10;
const QString dots = QStringLiteral("  ...  ");
const QString remark_gap = QStringLiteral("   ");

QString centered(const QString& text, int width)
{
    const int left = (width - static_cast<int>(text.size())) / 2;
    return QString(left, QLatin1Char(' ')) + text.leftJustified(width - left);
}

// Frequencies longer than the columns ("4641.6") widen them for the whole table.
QString row(const Section& s, int from_w = from_width, int to_w = to_width)
{
    QString r = s.from.rightJustified(from_w) + dots + s.to.leftJustified(to_w) +
                s.slope.rightJustified(slope_width) + s.start.rightJustified(value_width) +
                s.end.rightJustified(value_width);
    if (!s.remark.isEmpty())
        r += remark_gap + s.remark;
    return r;
}

} // namespace

ResultDrawing magnitude(const QColor& color, int width, int shift, std::vector<Vertex> vertices)
{
    return {ResultDrawing::Magnitude, color, width, shift, std::move(vertices)};
}

ResultDrawing phase(const QColor& color, int width, int shift, std::vector<Vertex> vertices)
{
    return {ResultDrawing::Phase, color, width, shift, std::move(vertices)};
}

ResultDrawing mark(const QColor& color, int width, long double freq, long double db)
{
    return {ResultDrawing::Mark, color, width, 0, {{freq, db}}};
}

QString unbroken(const QString& formula)
{
    QString s = formula;
    // Line breaking parts a sign from a following blank, even a
    // non-breaking one; a word joiner (which the memo's text leaves out
    // again) holds them together.
    static const QRegularExpression sign(QStringLiteral("([+-]) "));
    s.replace(sign, QStringLiteral("\\1\u2060 "));
    s.replace(QLatin1Char(' '), QChar(0x00A0));
    return s;
}

QString units_kept(const QString& text)
{
    static const QRegularExpression unit(
        QStringLiteral("(?:[+-] )?\\d[\\d.]*(?:E[+-]?\\d+)?(?: ?(?:°|dB))?(?: / (?:Dekade|sec))|"
                       "(?:[+-] )\\d[\\d.]*(?:E[+-]?\\d+)?(?: ?(?:°|dB))?|dB / Dekade"));
    QString out;
    qsizetype done = 0;
    for (auto it = unit.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += text.mid(done, m.capturedStart() - done) + unbroken(m.captured());
        done = m.capturedEnd();
    }
    return out + text.mid(done);
}

QString rule()
{
    return memo_text::rule;
}

QString section_table(const QString& value, const QString& unit, const std::vector<Section>& sections,
                      const QString& remark_title, const QString& remark_unit)
{
    // "|G|" at w1 is written "|G(w1)|", "Phi" at w1 "Phi(w1)".
    const auto at = [&value](const QString& w) {
        return value.endsWith(QLatin1Char('|')) ? value.chopped(1) + QLatin1Char('(') + w + QStringLiteral(")|")
                                                : value + QLatin1Char('(') + w + QLatin1Char(')');
    };
    int from_w = from_width, to_w = to_width;
    for (const Section& s : sections) {
        from_w = std::max(from_w, static_cast<int>(s.from.size()));
        to_w = std::max(to_w, static_cast<int>(s.to.size()));
    }
    const int range_width = from_w + static_cast<int>(dots.size()) + to_w;
    QString titles = centered(QStringLiteral("Frequenzbereich"), range_width) +
                     QStringLiteral("Steigung").rightJustified(slope_width) +
                     at(QStringLiteral("w1")).rightJustified(value_width) +
                     at(QStringLiteral("w2")).rightJustified(value_width);
    if (!remark_title.isEmpty())
        titles += remark_gap + remark_title;
    const QString units =
        row({QStringLiteral("w1"), QStringLiteral("w2"), QLatin1Char('[') + unit + QStringLiteral("/Dek]"),
             QLatin1Char('[') + unit + QLatin1Char(']'), QLatin1Char('[') + unit + QLatin1Char(']'), remark_unit},
            from_w, to_w);
    QString text = titles + crlf + units + crlf + rule();
    for (const Section& s : sections)
        text += crlf + row(s, from_w, to_w);
    return text;
}

QString sections_opening()
{
    return QStringLiteral("In der Tabelle sind sind die Abschnitte mit den zugehörigen Steigungen zusammengestellt.");
}

QString end_value(const QString& final_slope, const QString& phi)
{
    return lines({QStringLiteral("Entsprechend der Steigung im Betragsfrequenzgang von ") + final_slope +
                      QStringLiteral(" für w -> oo"),
                  QStringLiteral("erhält man als Endwert beim Phasenwikel   Phi ( w -> oo ) = ") + phi});
}

QString summing_step(const QString& opening, const QString& end, const QString& table,
                     std::initializer_list<QString> closing)
{
    QString text = crlf + opening;
    if (!end.isEmpty())
        text += crlf + end;
    text += crlf + crlf + table;
    if (closing.size() != 0)
        text += crlf + crlf + lines(closing);
    return text;
}

QString phase_table(const std::vector<Section>& sections)
{
    return section_table(QStringLiteral("Phi"), QStringLiteral("°"), sections, QStringLiteral("beteiligte Teilwinkel"),
                         QStringLiteral("mit Steigung in ° / Dek"));
}

QString magnitude_table(const QString& knick, const std::vector<Section>& sections)
{
    return section_table(QStringLiteral("|G|"), QStringLiteral("dB"), sections, QStringLiteral("Knick bei ") + knick,
                         QStringLiteral("Änderung : Ursache"));
}

QString angle_polygon(const AnglePolygon& a)
{
    const auto bound = [](const QString& w, const QString& note) {
        return note.isEmpty() ? w : w + QStringLiteral("  ") + note;
    };
    return lines({QStringLiteral("Teilwinkel   Phi = ") + a.equation + QStringLiteral(" ,   als Polygonzug:"),
                  QStringLiteral("     w <= ") + bound(a.lower, a.lower_note) + QStringLiteral(" :   Phi = 0°"),
                  QStringLiteral("     ") + a.lower + QStringLiteral(" < w < ") + a.upper +
                      QStringLiteral(" :   Steigung  ") + a.slope + QStringLiteral(" / Dekade,   Phi ( ") + a.corner +
                      QStringLiteral(" ) = ") + a.at_corner,
                  QStringLiteral("     w >= ") + bound(a.upper, a.upper_note) + QStringLiteral(" :   Phi = ") + a.end});
}

} // namespace result_text

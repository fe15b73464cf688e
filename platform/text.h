#pragma once
// The building blocks of every memo text: CR LF line ends, the rule of 129
// hyphens between blocks, and lines joined by CR LF.
#include <QString>
#include <QStringList>

namespace memo_text {

inline const QString crlf = QStringLiteral("\r\n");
inline const QString rule = QString(129, QLatin1Char('-'));

// Lines joined by CR LF; an empty entry is an empty line, so a text that
// starts with n empty entries starts with n line breaks.
inline QString lines(const QStringList& parts)
{
    return parts.join(crlf);
}

} // namespace memo_text

#include "text_escaping.h"

namespace zrt {

namespace {

bool isDirectionMark(char16_t c)
{
    return c == 0x200e || c == 0x200f || (c >= 0x202a && c <= 0x202e) || (c >= 0x2066 && c <= 0x2069);
}

QString escaped(char16_t c)
{
    switch (c) {
    case u'\n': return QStringLiteral("\\n");
    case u'\r': return QStringLiteral("\\r");
    case u'\t': return QStringLiteral("\\t");
    case u'\\': return QStringLiteral("\\\\");
    default: break;
    }
    if (c < 0x100)
        return QStringLiteral("\\x%1").arg(int(c), 2, 16, QLatin1Char('0'));
    return QStringLiteral("\\u%1").arg(int(c), 4, 16, QLatin1Char('0'));
}

bool needsEscape(char16_t c)
{
    return c < 0x20 || c == u'\\' || (c >= 0x7f && c <= 0x9f) || isDirectionMark(c);
}

} // namespace

QString terminalSafe(const QString& text)
{
    QString safe;
    safe.reserve(text.size());
    for (const QChar c : text) {
        if (needsEscape(c.unicode()))
            safe += escaped(c.unicode());
        else
            safe += c;
    }
    return safe;
}

QString csvField(const QString& text)
{
    static const QString kFormulaStarts = QStringLiteral("=+-@");
    QString field = text;
    if (!field.isEmpty() && kFormulaStarts.contains(field.front()))
        field.prepend(QLatin1Char('\''));
    const bool quoted = field.contains(QLatin1Char('"')) || field.contains(QLatin1Char(',')) ||
                        field.contains(QLatin1Char('\r')) || field.contains(QLatin1Char('\n'));
    if (!quoted)
        return field;
    field.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
}

} // namespace zrt

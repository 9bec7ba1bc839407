#include "DisplayText.h"

namespace DisplayText {

QString lines(const QString &text)
{
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

QString literalCaption(const QString &text)
{
    QString out = lines(text);
    out.replace(QLatin1Char('&'), QLatin1String("&&"));
    return out;
}

} // namespace DisplayText

QString DisplayText::spoken(const QString &text)
{
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String(" "));
    out.replace(QLatin1Char('\r'), QLatin1Char(' '));
    out.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return out.simplified();
}

QString DisplayText::cell(const QString &text)
{
    QString line = text.left(500);
    line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
}

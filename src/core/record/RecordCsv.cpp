#include "RecordCsv.h"

#include <QIODevice>

QString RecordCsv::field(const QString &text)
{
    QString value = text;
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!value.isEmpty() && formulaStarts.contains(value.front()))
        value.prepend(QLatin1Char('\''));
    static const QString special = QStringLiteral("\",\r\n");
    bool quote = false;
    for (QChar c : special)
        quote = quote || value.contains(c);
    if (!quote)
        return value;
    value.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + value + QLatin1Char('"');
}

void RecordCsv::row(const QStringList &fields)
{
    if (!m_error.isEmpty())
        return;
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString &f : fields)
        quoted << field(f);
    const QByteArray line = (quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n")).toUtf8();
    if (m_out.write(line) != line.size())
        m_error = m_out.errorString();
}

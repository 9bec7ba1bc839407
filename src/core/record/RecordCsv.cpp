#include "RecordCsv.h"

#include <QIODevice>

QString RecordCsv::field(const QString &text)
{
    QString value = text;
    // A spreadsheet that splits on ";" or a tab, or trims blanks, would
    // still start a formula here: judge the first character after blanks.
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    qsizetype first = 0;
    while (first < value.size() && value.at(first) == QLatin1Char(' '))
        ++first;
    if (first < value.size() && formulaStarts.contains(value.at(first)))
        value.prepend(QLatin1Char('\''));
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

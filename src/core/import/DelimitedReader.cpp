#include "DelimitedReader.h"

#include "core/common/TextFile.h"
#include "core/quiz/QuestionBank.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <optional>

namespace {

// What a column holds.
enum class Column { Ignored, Subject, Right, Wrong, Wording, Topic };

struct Row {
    QStringList fields;
    std::vector<bool> quoted;
    int line = 0;
};

// A header's names, compared in lower case without blanks, "_" or "-".
Column columnNamed(const QString &name, bool *known)
{
    static const QHash<QString, Column> names = {
        {"term", Column::Subject},      {"subject", Column::Subject},
        {"question", Column::Subject},  {"front", Column::Subject},
        {"word", Column::Subject},      {"prompt", Column::Subject},
        {"definition", Column::Right},  {"right", Column::Right},
        {"rightanswer", Column::Right}, {"answer", Column::Right},
        {"back", Column::Right},        {"meaning", Column::Right},
        {"correct", Column::Right},     {"wording", Column::Wording},
        {"category", Column::Wording},  {"topic", Column::Topic},
        {"deck", Column::Topic},        {"chapter", Column::Topic},
        {"tags", Column::Ignored},      {"notetype", Column::Ignored},
        {"guid", Column::Ignored},      {"id", Column::Ignored},
        {"wrong", Column::Wrong},       {"wronganswer", Column::Wrong},
    };
    QString key = name.toLower();
    QString compact;
    for (const QChar c : key) {
        if (!c.isSpace() && c != u'_' && c != u'-')
            compact += c;
    }
    // "wrong1".."wrong5", "wrong answer 2"; only wrong answers are numbered,
    // so a first row "Term 1, Definition 1" stays a question.
    QString unnumbered = compact;
    while (!unnumbered.isEmpty() && unnumbered.back().isDigit())
        unnumbered.chop(1);
    if (unnumbered.startsWith(QLatin1String("wrong")))
        compact = unnumbered;
    const auto it = names.constFind(compact);
    *known = it != names.cend();
    return *known ? *it : Column::Ignored;
}

// A header when every named cell is a known name and both a subject and a
// right answer column are among them.
std::optional<std::vector<Column>> header(const QStringList &names)
{
    std::vector<Column> columns;
    bool subject = false;
    bool right = false;
    for (const QString &n : names) {
        bool known = false;
        const Column c = columnNamed(n.trimmed(), &known);
        if (!known && !n.trimmed().isEmpty())
            return std::nullopt;
        subject = subject || c == Column::Subject;
        right = right || c == Column::Right;
        columns.push_back(c);
    }
    if (!subject || !right)
        return std::nullopt;
    return columns;
}

// Two columns: a term and its definition; more: a subject, its right answer
// and wrong answers; an eighth column is the wording.
std::vector<Column> positional(qsizetype count)
{
    std::vector<Column> columns = {Column::Subject, Column::Right};
    for (qsizetype i = 2; i < count; ++i)
        columns.push_back(i < 7 ? Column::Wrong : i == 7 ? Column::Wording : Column::Ignored);
    return columns;
}

std::optional<QChar> namedSeparator(const QString &value)
{
    static const QHash<QString, QChar> names = {
        {"tab", u'\t'},  {"semicolon", u';'}, {"comma", u','},
        {"space", u' '}, {"pipe", u'|'},      {"colon", u':'},
    };
    const QString v = value.trimmed();
    if (const auto it = names.constFind(v.toLower()); it != names.cend())
        return *it;
    if (v.size() == 1)
        return v[0];
    return std::nullopt;
}

// The separator the first rows use most consistently: the one with the
// highest smallest count per line outside quotes, tab before ";" before ",".
QChar detectSeparator(QStringView text)
{
    constexpr std::array<QChar, 3> candidates = {u'\t', u';', u','};
    std::array<int, 3> least = {-1, -1, -1};
    int lines = 0;
    std::array<int, 3> count{};
    bool inQuotes = false;
    const auto endLine = [&] {
        if (count == std::array<int, 3>{})
            return;
        for (std::size_t k = 0; k < 3; ++k)
            least[k] = least[k] < 0 ? count[k] : std::min(least[k], count[k]);
        count = {};
        ++lines;
    };
    for (qsizetype i = 0; i < text.size() && lines < 10; ++i) {
        const QChar c = text[i];
        if (c == u'"')
            inQuotes = !inQuotes;
        else if (!inQuotes && (c == u'\n' || c == u'\r'))
            endLine();
        for (std::size_t k = 0; k < 3; ++k)
            count[k] += !inQuotes && c == candidates[k] ? 1 : 0;
    }
    endLine();
    std::size_t best = 0;
    for (std::size_t k = 1; k < 3; ++k) {
        if (least[k] > least[best])
            best = k;
    }
    return least[best] > 0 ? candidates[best] : QChar(u'\t');
}

// Splits text into rows of fields. A quote that opens a field and never
// closes is a failure naming the line it opened on.
Result<std::vector<Row>> splitRows(QStringView text, QChar separator, int firstLine)
{
    std::vector<Row> rows;
    Row row;
    QString field;
    bool quoted = false;
    int line = firstLine;
    row.line = line;
    const qsizetype n = text.size();
    const auto endField = [&] {
        row.fields << (quoted ? field : field.trimmed());
        row.quoted.push_back(quoted);
        field.clear();
        quoted = false;
    };
    qsizetype i = 0;
    while (i < n) {
        const QChar c = text[i];
        if (c == u'"' && field.trimmed().isEmpty() && !quoted) {
            // A quoted field: up to the quote that is not doubled.
            const int opened = line;
            field.clear();
            quoted = true;
            ++i;
            bool closed = false;
            while (i < n) {
                const QChar q = text[i];
                if (q == u'"') {
                    if (i + 1 < n && text[i + 1] == u'"') {
                        field += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                if (q == u'\n' || (q == u'\r' && !(i + 1 < n && text[i + 1] == u'\n')))
                    ++line;
                field += q;
                ++i;
            }
            if (!closed)
                return failure(QStringLiteral("line %1: a quoted field is never closed (a \" is "
                                              "missing)")
                                   .arg(opened));
            continue;
        }
        if (c == separator) {
            endField();
        } else if (c == u'\r' || c == u'\n') {
            endField();
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            rows.push_back(std::move(row));
            row = Row();
            row.line = ++line;
        } else {
            field += c;
        }
        ++i;
    }
    if (!field.isEmpty() || quoted || !row.fields.isEmpty()) {
        endField();
        rows.push_back(std::move(row));
    }
    return rows;
}

int wordingNumber(const QString &value, bool *ok)
{
    *ok = true;
    const QString v = value.trimmed();
    if (v.isEmpty())
        return 0;
    bool number = false;
    const int n = v.toInt(&number);
    if (number) {
        *ok = n >= 1 && n <= 10;
        return n;
    }
    const Wordings wordings = standardWordings();
    for (int k = 1; k <= 10; ++k) {
        if (k != 9 && v.compare(wordings[std::size_t(k)], Qt::CaseInsensitive) == 0)
            return k;
    }
    *ok = false;
    return 0;
}

} // namespace

namespace DelimitedReader {

QString unguarded(const QString &field)
{
    if (!field.startsWith(u'\''))
        return field;
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    qsizetype i = 1;
    while (i < field.size() && (field[i] == u' ' || field[i] == u'\''))
        ++i;
    return i < field.size() && formulaStarts.contains(field[i]) ? field.mid(1) : field;
}

Result<ImportedFile> read(const QByteArray &bytes)
{
    const QString text = TextFile::decode(bytes);
    QStringView rest(text);
    int line = 1;
    std::optional<QChar> separator;
    std::optional<QString> columnNames;
    std::vector<std::pair<int, Column>> columnRoles;
    // Leading "#name:value" lines: a flashcard program's export settings.
    while (rest.startsWith(u'#')) {
        qsizetype end = 0;
        while (end < rest.size() && rest[end] != u'\r' && rest[end] != u'\n')
            ++end;
        const QStringView head = rest.first(end);
        const qsizetype colon = head.indexOf(u':');
        const QString name = head.mid(1, std::max<qsizetype>(colon - 1, 0)).toString().toLower();
        // A setting's name is a few words; "#1: ..." is a question.
        if (colon < 0 || name.isEmpty() || !std::all_of(name.cbegin(), name.cend(), [](QChar c) {
                return (c >= u'a' && c <= u'z') || c == u' ';
            }))
            break;
        const QString value = head.mid(colon + 1).toString();
        if (name == QLatin1String("separator"))
            separator = namedSeparator(value);
        else if (name == QLatin1String("columns"))
            columnNames = value;
        else if (name.endsWith(QLatin1String(" column")))
            columnRoles.emplace_back(value.trimmed().toInt(), name.startsWith(QLatin1String("deck"))
                                                                  ? Column::Topic
                                                                  : Column::Ignored);
        if (end < rest.size() && rest[end] == u'\r' && end + 1 < rest.size() &&
            rest[end + 1] == u'\n')
            ++end;
        rest = rest.mid(std::min(end + 1, rest.size()));
        ++line;
    }
    const QChar sep = separator.value_or(detectSeparator(rest));
    Result<std::vector<Row>> rows = splitRows(rest, sep, line);
    if (!rows)
        return failure(rows.error());

    ImportedFile out;
    std::optional<std::vector<Column>> columns;
    std::size_t first = 0;
    if (columnNames) {
        const QStringList names = columnNames->split(sep);
        columns = header(names);
        // Names the flashcard program knows and this reader does not: the
        // first two are the card's sides.
        if (!columns)
            columns = positional(std::min<qsizetype>(names.size(), 2));
    } else if (!rows->empty()) {
        columns = header(rows->front().fields);
        first = columns ? 1 : 0;
    }
    std::sort(columnRoles.begin(), columnRoles.end());
    // The columns a flashcard program numbers for itself (its deck, its
    // tags) stand among those of the card.
    const auto layout = [&](qsizetype count) {
        std::vector<Column> cols =
            columns ? *columns : positional(count - qsizetype(columnRoles.size()));
        const bool among = cols.size() + columnRoles.size() <= std::size_t(count);
        for (const auto &[number, role] : columnRoles) {
            const std::size_t at = std::size_t(std::max(number, 1) - 1);
            if (among && at <= cols.size())
                cols.insert(cols.begin() + qsizetype(at), role);
            else if (at < cols.size())
                cols[at] = role;
        }
        return cols;
    };

    for (std::size_t r = first; r < rows->size(); ++r) {
        const Row &row = (*rows)[r];
        if (std::all_of(row.fields.cbegin(), row.fields.cend(),
                        [](const QString &f) { return f.trimmed().isEmpty(); }))
            continue;
        const std::vector<Column> cols = layout(row.fields.size());
        ImportedQuestion q;
        q.line = row.line;
        bool wordingOk = true;
        QString wordingText;
        for (qsizetype k = 0; k < row.fields.size() && std::size_t(k) < cols.size(); ++k) {
            const QString value = unguarded(row.fields[k]);
            switch (cols[std::size_t(k)]) {
            case Column::Subject:
                q.subject = value;
                break;
            case Column::Right:
                q.right = value;
                break;
            case Column::Wrong:
                if (!value.trimmed().isEmpty())
                    q.wrong << value;
                break;
            case Column::Wording:
                wordingText = value.trimmed();
                q.wording = wordingNumber(value, &wordingOk);
                break;
            case Column::Topic:
                q.topic = value.trimmed();
                break;
            case Column::Ignored:
                break;
            }
        }
        if (!wordingOk)
            out.skipped.push_back({row.line, QStringLiteral("wording \"%1\" is not a number from "
                                                            "1 to 10")
                                                 .arg(wordingText.left(40))});
        else if (q.subject.trimmed().isEmpty() || q.right.trimmed().isEmpty())
            out.skipped.push_back(
                {row.line, q.subject.trimmed().isEmpty()
                               ? QStringLiteral("no term or question in the first column")
                               : QStringLiteral("no right answer or definition")});
        else
            out.questions.push_back(std::move(q));
    }
    return out;
}

} // namespace DelimitedReader

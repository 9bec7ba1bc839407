#include "HtmlText.h"

#include <QHash>

namespace HtmlText {

namespace {

// The entities that editors write by name; any other is written by number.
const QHash<QString, char32_t> &namedEntities()
{
    static const QHash<QString, char32_t> entities = {
        {QStringLiteral("amp"), U'&'},      {QStringLiteral("lt"), U'<'},
        {QStringLiteral("gt"), U'>'},       {QStringLiteral("quot"), U'"'},
        {QStringLiteral("apos"), U'\''},    {QStringLiteral("nbsp"), U' '},
        {QStringLiteral("ndash"), 0x2013},  {QStringLiteral("mdash"), 0x2014},
        {QStringLiteral("hellip"), 0x2026}, {QStringLiteral("lsquo"), 0x2018},
        {QStringLiteral("rsquo"), 0x2019},  {QStringLiteral("ldquo"), 0x201C},
        {QStringLiteral("rdquo"), 0x201D},  {QStringLiteral("laquo"), 0xAB},
        {QStringLiteral("raquo"), 0xBB},    {QStringLiteral("bull"), 0x2022},
        {QStringLiteral("middot"), 0xB7},   {QStringLiteral("copy"), 0xA9},
        {QStringLiteral("reg"), 0xAE},      {QStringLiteral("trade"), 0x2122},
        {QStringLiteral("euro"), 0x20AC},   {QStringLiteral("pound"), 0xA3},
        {QStringLiteral("cent"), 0xA2},     {QStringLiteral("yen"), 0xA5},
        {QStringLiteral("sect"), 0xA7},     {QStringLiteral("deg"), 0xB0},
        {QStringLiteral("plusmn"), 0xB1},   {QStringLiteral("times"), 0xD7},
        {QStringLiteral("divide"), 0xF7},   {QStringLiteral("minus"), 0x2212},
        {QStringLiteral("le"), 0x2264},     {QStringLiteral("ge"), 0x2265},
        {QStringLiteral("ne"), 0x2260},     {QStringLiteral("micro"), 0xB5},
        {QStringLiteral("para"), 0xB6},     {QStringLiteral("frac12"), 0xBD},
        {QStringLiteral("frac14"), 0xBC},   {QStringLiteral("frac34"), 0xBE},
        {QStringLiteral("sup2"), 0xB2},     {QStringLiteral("sup3"), 0xB3},
        {QStringLiteral("larr"), 0x2190},   {QStringLiteral("rarr"), 0x2192},
        {QStringLiteral("auml"), 0xE4},     {QStringLiteral("ouml"), 0xF6},
        {QStringLiteral("uuml"), 0xFC},     {QStringLiteral("Auml"), 0xC4},
        {QStringLiteral("Ouml"), 0xD6},     {QStringLiteral("Uuml"), 0xDC},
        {QStringLiteral("szlig"), 0xDF},    {QStringLiteral("eacute"), 0xE9},
        {QStringLiteral("egrave"), 0xE8},   {QStringLiteral("ecirc"), 0xEA},
        {QStringLiteral("agrave"), 0xE0},   {QStringLiteral("aacute"), 0xE1},
        {QStringLiteral("ccedil"), 0xE7},   {QStringLiteral("ntilde"), 0xF1},
        {QStringLiteral("iacute"), 0xED},   {QStringLiteral("oacute"), 0xF3},
        {QStringLiteral("uacute"), 0xFA},   {QStringLiteral("alpha"), 0x3B1},
        {QStringLiteral("beta"), 0x3B2},    {QStringLiteral("gamma"), 0x3B3},
        {QStringLiteral("delta"), 0x3B4},   {QStringLiteral("pi"), 0x3C0},
        {QStringLiteral("mu"), 0x3BC},      {QStringLiteral("Omega"), 0x3A9},
        {QStringLiteral("Delta"), 0x394},
    };
    return entities;
}

// Elements whose end or start separates words on the page.
bool breaksWords(QStringView name)
{
    static const QStringList names = {
        QStringLiteral("br"),    QStringLiteral("p"),  QStringLiteral("div"),
        QStringLiteral("li"),    QStringLiteral("ul"), QStringLiteral("ol"),
        QStringLiteral("tr"),    QStringLiteral("td"), QStringLiteral("th"),
        QStringLiteral("table"), QStringLiteral("h1"), QStringLiteral("h2"),
        QStringLiteral("h3"),    QStringLiteral("h4"), QStringLiteral("h5"),
        QStringLiteral("h6"),    QStringLiteral("hr"), QStringLiteral("blockquote"),
        QStringLiteral("pre"),   QStringLiteral("dd"), QStringLiteral("dt")};
    return names.contains(name);
}

// A character a text may hold: no surrogate halves, no nul, nothing past
// the last code point.
bool isTextCharacter(char32_t c)
{
    return c > 0 && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
}

void appendCodePoint(QString &out, char32_t c)
{
    if (!isTextCharacter(c))
        c = 0xFFFD;
    if (c < 0x20 || (c >= 0x7F && c < 0xA0)) {
        // Control characters are not text; breaks among them part words.
        out += QLatin1Char(' ');
        return;
    }
    out += QString::fromUcs4(&c, 1);
}

// The entity starting at `at` (an '&'): appended decoded, and the position
// after it returned; a lone '&' or an unknown name stays as written.
qsizetype decodeEntity(const QString &in, qsizetype at, QString &out)
{
    // Names are short: looking further would make a text of many '&' slow.
    const qsizetype found = QStringView(in).mid(at + 1, 12).indexOf(QLatin1Char(';'));
    const qsizetype semicolon = found < 0 ? -1 : at + 1 + found;
    if (semicolon < 0) {
        out += QLatin1Char('&');
        return at + 1;
    }
    const QStringView name = QStringView(in).mid(at + 1, semicolon - at - 1);
    if (name.startsWith(QLatin1Char('#')) && name.size() > 1) {
        bool ok = false;
        const bool hex = name[1] == QLatin1Char('x') || name[1] == QLatin1Char('X');
        const uint code = hex ? name.mid(2).toUInt(&ok, 16) : name.mid(1).toUInt(&ok, 10);
        if (ok) {
            appendCodePoint(out, code);
            return semicolon + 1;
        }
    } else if (const auto found = namedEntities().constFind(name.toString());
               found != namedEntities().constEnd()) {
        appendCodePoint(out, *found);
        return semicolon + 1;
    }
    out += QLatin1Char('&');
    return at + 1;
}

// The end of the tag starting at `at` (a '<'), or -1 when no '>' follows
// (`lastEnd` is the last '>' of the text). A '>' in a quoted attribute value
// does not end it; the closing quote is looked for only a little past the
// first '>', so that a quote left open costs little.
qsizetype tagEnd(const QString &in, qsizetype at, qsizetype lastEnd)
{
    if (at > lastEnd)
        return -1;
    constexpr qsizetype quoteReach = 256;
    qsizetype firstEnd = -1;
    QChar quote;
    for (qsizetype i = at + 1; i < in.size(); ++i) {
        const QChar c = in[i];
        if (c == QLatin1Char('>') && quote.isNull())
            return i;
        if (c == QLatin1Char('>') && firstEnd < 0)
            firstEnd = i;
        if (firstEnd >= 0 && i - firstEnd > quoteReach)
            break;
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        }
    }
    return firstEnd;
}

QString tagName(QStringView tag)
{
    qsizetype i = tag.startsWith(QLatin1Char('/')) ? 1 : 0;
    const qsizetype start = i;
    while (i < tag.size() && (tag[i].isLetterOrNumber()))
        ++i;
    return tag.mid(start, i - start).toString().toLower();
}

} // namespace

QString toPlain(const QString &html, int *imagesDropped)
{
    QString out;
    out.reserve(html.size());
    const qsizetype lastEnd = html.lastIndexOf(QLatin1Char('>'));
    qsizetype i = 0;
    while (i < html.size()) {
        const QChar c = html[i];
        if (c == QLatin1Char('&')) {
            i = decodeEntity(html, i, out);
            continue;
        }
        const QChar next = i + 1 < html.size() ? html[i + 1] : QChar();
        const bool opensTag =
            c == QLatin1Char('<') && (next.isLetter() || next == QLatin1Char('/') ||
                                      next == QLatin1Char('!') || next == QLatin1Char('?'));
        if (!opensTag) {
            out += c;
            ++i;
            continue;
        }
        if (QStringView(html).mid(i, 4) == QLatin1String("<!--")) {
            const qsizetype close = html.indexOf(QLatin1String("-->"), i + 4);
            i = close < 0 ? html.size() : close + 3;
            continue;
        }
        const qsizetype end = tagEnd(html, i, lastEnd);
        if (end < 0) { // "a <b" is text, not an unfinished tag
            out += c;
            ++i;
            continue;
        }
        const QStringView tag = QStringView(html).mid(i + 1, end - i - 1);
        const QString name = tagName(tag);
        i = end + 1;
        if (name == QLatin1String("img")) {
            if (imagesDropped)
                ++*imagesDropped;
            out += QLatin1Char(' ');
        } else if ((name == QLatin1String("script") || name == QLatin1String("style")) &&
                   !tag.startsWith(QLatin1Char('/'))) {
            // Their content is code, never words of the question.
            const qsizetype close =
                html.indexOf(QLatin1String("</") + name, i, Qt::CaseInsensitive);
            const qsizetype closeEnd = close < 0 ? -1 : tagEnd(html, close, lastEnd);
            i = closeEnd < 0 ? html.size() : closeEnd + 1;
        } else if (breaksWords(name)) {
            out += QLatin1Char(' ');
        }
    }
    return out.simplified();
}

} // namespace HtmlText

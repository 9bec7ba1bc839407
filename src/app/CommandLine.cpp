#include "CommandLine.h"

#include "core/common/AppInfo.h"
#include "core/import/BankExport.h"
#include "core/import/BankImport.h"
#include "core/quiz/BankCheck.h"
#include "core/update/BankDownload.h"
#include "core/update/BankJournal.h"
#include "core/update/BankSignatures.h"
#include "core/update/DownloadPlan.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <memory>
#include <utility>

namespace {

const QString kProgram = QStringLiteral("zelquiz");

// The window system's options that QApplication takes out of the arguments
// itself (with one dash or two), and whether they are followed by a value.
// They are let through so that starting the window stays as it always was.
struct WindowSystemOption {
    const char *name;
    bool takesValue;
};
constexpr WindowSystemOption kWindowSystemOptions[] = {
    {"platform", true},        {"platformpluginpath", true},
    {"platformtheme", true},   {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowtitle", true},
    {"qwindowicon", true},     {"geometry", true},
    {"title", true},           {"icon", true},
    {"display", true},         {"name", true},
    {"visual", true},          {"session", true},
    {"style", true},           {"stylesheet", true},
    {"reverse", false},        {"widgetcount", false},
    {"nograb", false},         {"dograb", false},
    {"sync", false},
};

const WindowSystemOption *windowSystemOption(const QString &name)
{
    for (const WindowSystemOption &o : kWindowSystemOptions) {
        if (name == QLatin1String(o.name))
            return &o;
    }
    return nullptr;
}

bool writeAll(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    if (!bytes.isEmpty() &&
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream) != size_t(bytes.size()))
        return false;
    return std::fflush(stream) == 0 && std::ferror(stream) == 0;
}

} // namespace

CommandLine CommandLine::invalid(const QString &problem)
{
    CommandLine c;
    c.m_mode = Mode::Invalid;
    c.m_problem = problem;
    return c;
}

CommandLine CommandLine::parse(int argc, const char *const *argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return parse(arguments);
}

CommandLine CommandLine::parse(const QStringList &arguments)
{
    CommandLine c;
    bool checkBank = false;
    bool folderGiven = false;
    bool timesGiven = false;
    bool optionsEnded = false;
    bool updateBank = false;
    // The options that take a FILE or FOLDER, each at most once.
    const std::pair<const char *, QString *> valued[] = {{"--import", &c.m_importFile},
                                                         {"--into", &c.m_intoFolder},
                                                         {"--export-bank", &c.m_bankFolder},
                                                         {"--to", &c.m_exportFile},
                                                         {"--bank", &c.m_bankFolder}};
    QStringList given;

    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &arg = arguments[i];
        const bool isOption = !optionsEnded && arg.size() > 1 && arg.startsWith(QLatin1Char('-'));
        if (!isOption) {
            // The only plain argument there is: the folder of --check-bank.
            if (checkBank && !folderGiven) {
                c.m_bankFolder = arg;
                folderGiven = true;
                continue;
            }
            return invalid(QStringLiteral("unexpected argument '%1'").arg(arg));
        }
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }

        const qsizetype eq = arg.indexOf(QLatin1Char('='));
        const QString name = eq < 0 ? arg : arg.left(eq);
        const bool hasValue = eq >= 0;
        const QString value = hasValue ? arg.mid(eq + 1) : QString();

        // As is the custom, help and version answer at once, whatever follows.
        if (!hasValue && (name == QLatin1String("--help") || name == QLatin1String("-h"))) {
            c.m_mode = Mode::Help;
            return c;
        }
        if (!hasValue && name == QLatin1String("--version")) {
            c.m_mode = Mode::Version;
            return c;
        }
        if (!hasValue && name == QLatin1String("--check-modules")) {
            c.m_mode = Mode::CheckModules;
            return c;
        }
        if (!hasValue && name == QLatin1String("--update-bank")) {
            updateBank = true;
            continue;
        }
        if (name == QLatin1String("--check-bank")) {
            if (checkBank)
                return invalid(QStringLiteral("'--check-bank' is given twice"));
            checkBank = true;
            if (hasValue) {
                c.m_bankFolder = value;
                folderGiven = true;
            } else if (i + 1 < arguments.size() && !arguments[i + 1].startsWith(QLatin1Char('-'))) {
                c.m_bankFolder = arguments[++i];
                folderGiven = true;
            }
            continue;
        }
        if (name == QLatin1String("--startuptime")) {
            if (timesGiven)
                return invalid(QStringLiteral("'--startuptime' is given twice"));
            timesGiven = true;
            // The next argument is the file unless it is an option: a file
            // named like one is given as --startuptime=FILE.
            if (hasValue)
                c.m_startupTimeFile = value;
            else if (i + 1 < arguments.size() && !arguments[i + 1].startsWith(QLatin1Char('-')))
                c.m_startupTimeFile = arguments[++i];
            if (c.m_startupTimeFile.isEmpty())
                return invalid(QStringLiteral("'--startuptime' needs a FILE"));
            continue;
        }

        const auto option = std::find_if(std::begin(valued), std::end(valued), [&](const auto &v) {
            return name == QLatin1String(v.first);
        });
        if (option != std::end(valued)) {
            if (given.contains(name))
                return invalid(QStringLiteral("'%1' is given twice").arg(name));
            given << name;
            QString &target = *option->second;
            if (hasValue)
                target = value;
            else if (i + 1 < arguments.size() && !arguments[i + 1].startsWith(QLatin1Char('-')))
                target = arguments[++i];
            if (target.isEmpty())
                return invalid(QStringLiteral("'%1' needs a %2")
                                   .arg(name, name == QLatin1String("--import") ||
                                                      name == QLatin1String("--to")
                                                  ? QStringLiteral("FILE")
                                                  : QStringLiteral("FOLDER")));
            continue;
        }

        const QString bare = name.mid(name.startsWith(QLatin1String("--")) ? 2 : 1);
        if (const WindowSystemOption *o = windowSystemOption(bare)) {
            if (o->takesValue && !hasValue) {
                if (i + 1 >= arguments.size())
                    return invalid(QStringLiteral("option '%1' needs a value").arg(name));
                ++i;
            }
            continue;
        }
        return invalid(QStringLiteral("unknown option '%1'").arg(arg));
    }

    const bool importing = given.contains(QLatin1String("--import"));
    const bool exporting = given.contains(QLatin1String("--export-bank"));
    const bool bank = given.contains(QLatin1String("--bank"));
    if (importing != given.contains(QLatin1String("--into")))
        return invalid(QStringLiteral("'--import FILE' and '--into FOLDER' go together"));
    if (exporting != given.contains(QLatin1String("--to")))
        return invalid(QStringLiteral("'--export-bank FOLDER' and '--to FILE' go together"));
    // One thing at a time: an import, an export, a check or a download.
    const int tasks = int(importing) + int(exporting) + int(checkBank) + int(updateBank);
    if (tasks > 1 || ((importing || exporting) && (timesGiven || bank)))
        return invalid(QStringLiteral("'%1' cannot go with other options")
                           .arg(importing   ? QStringLiteral("--import")
                                : exporting ? QStringLiteral("--export-bank")
                                            : QStringLiteral("--update-bank")));
    if (bank && (checkBank || updateBank))
        return invalid(
            QStringLiteral("'--bank' opens the window, so it cannot go with '%1'")
                .arg(checkBank ? QStringLiteral("--check-bank") : QStringLiteral("--update-bank")));
    if (importing)
        c.m_mode = Mode::Import;
    if (exporting)
        c.m_mode = Mode::ExportBank;
    if (checkBank && timesGiven)
        return invalid(QStringLiteral("'--check-bank' opens no window, so '--startuptime' "
                                      "cannot go with it"));
    // A download is not started on a command line that asks for more.
    if (updateBank && (checkBank || timesGiven))
        return invalid(QStringLiteral("'--update-bank' cannot go with other options"));
    if (updateBank)
        c.m_mode = Mode::UpdateBank;
    if (checkBank)
        c.m_mode = Mode::CheckBank;
    return c;
}

QString CommandLine::helpText()
{
    return QStringLiteral(
        "Usage: zelquiz [OPTION]...\n"
        "A multiple-choice quiz trainer. Without options it opens its window on the\n"
        "question bank (A.zel and AD.zel) in its own folder.\n"
        "\n"
        "  --check-bank [FOLDER]  check the question bank in FOLDER (default: the\n"
        "                         program's folder) without opening a window: list\n"
        "                         every problem as FILE:LINE: message, then a summary;\n"
        "                         exit status 0 if the program starts on the bank,\n"
        "                         1 if it does not; signatures beside the files\n"
        "                         (A.zel.minisig, ...) are checked with update.pub\n"
        "                         from FOLDER or the program's folder, and one that\n"
        "                         fails gives exit status 1 too\n"
        "  --check-modules        load the sound and the network module from the\n"
        "                         program's folder and say which file each is;\n"
        "                         exit status 1 if one does not load\n"
        "  --update-bank          download the question bank and the data version\n"
        "                         from the update server into the program's folder,\n"
        "                         as the update window's Download Data Files does;\n"
        "                         exit status 1 if the bank was not replaced\n"
        "  --startuptime FILE     start as usual, write the time of each start-up\n"
        "                         stage to FILE, and end once the first question is\n"
        "                         on screen\n"
        "  --bank FOLDER          start on the question bank in FOLDER instead of\n"
        "                         the program's own\n"
        "  --import FILE --into FOLDER\n"
        "                         make a question bank in FOLDER from FILE (CSV or\n"
        "                         other delimited text, Moodle XML or GIFT) and say\n"
        "                         what was taken and skipped; a FOLDER that holds a\n"
        "                         bank already is refused; more than 600 lines of\n"
        "                         questions make several banks beside FOLDER\n"
        "                         ('FOLDER - Part 1', ...); nothing is written on a\n"
        "                         failure (exit status 1)\n"
        "  --export-bank FOLDER --to FILE\n"
        "                         write the questions of the bank in FOLDER to FILE,\n"
        "                         a CSV file a spreadsheet opens; exit status 1 on a\n"
        "                         failure\n"
        "  -h, --help             show this help and end\n"
        "      --version          show the version and end\n"
        "\n"
        "The window system's own options (-platform, -style, ...) are accepted too.\n"
        "Exit status: 0 on success, 1 on failure, 2 on a wrong command line.\n");
}

QString CommandLine::versionText()
{
    return kProgram + QLatin1Char(' ') + AppInfo::fullVersion() + QLatin1Char('\n') +
           AppInfo::title() + QStringLiteral(" version ") + AppInfo::versionText() +
           QLatin1Char('\n');
}

QString CommandLine::usageText()
{
    return QStringLiteral(
        "Usage: zelquiz [--check-bank [FOLDER] | --check-modules | --update-bank |\n"
        "               --import FILE --into FOLDER | --export-bank FOLDER --to FILE |\n"
        "               [--bank FOLDER] [--startuptime FILE] | --help | --version]\n"
        "Try 'zelquiz --help' for more information.\n");
}

int CommandLine::run(const QString &programFolder, QString &out, QString &err) const
{
    switch (m_mode) {
    case Mode::Help:
        out += helpText();
        return 0;
    case Mode::Version:
        out += versionText();
        return 0;
    case Mode::Invalid:
        err += kProgram + QStringLiteral(": ") + m_problem + QLatin1Char('\n') + usageText();
        return 2;
    case Mode::CheckBank: {
        const QString folder = m_bankFolder.isEmpty() ? programFolder : m_bankFolder;
        // A mistyped folder would otherwise read as two missing files.
        if (!QFileInfo(folder).isDir()) {
            err += kProgram + QStringLiteral(": '%1' is not a folder\n").arg(folder);
            return 1;
        }
        // The check reads the files as they are; it leaves an interrupted
        // download to the program's next start, but says what that will do.
        const auto pending = BankJournal(folder, DownloadPlan::fileNames()).pending();
        if (pending != BankJournal::Outcome::Nothing)
            out += QDir(folder).filePath(BankJournal::recordName()) +
                   (pending == BankJournal::Outcome::Completed
                        ? QStringLiteral(": an interrupted download is pending; the program "
                                         "completes it at its next start, replacing the files "
                                         "checked here\n")
                        : QStringLiteral(": an interrupted download is pending; the program "
                                         "undoes it at its next start\n"));
        const BankCheck check = BankCheck::ofFolder(folder);
        out += check.report(folder);
        // An author's signatures are checked as the download would check
        // them; a bank that is not signed is reported as before.
        const auto signatures = BankSignatures::ofFolder(folder, programFolder);
        if (signatures)
            out += signatures->line + QLatin1Char('\n');
        return check.wouldStart() && (!signatures || signatures->ok) ? 0 : 1;
    }
    case Mode::Import:
        return importQuestions(out, err);
    case Mode::ExportBank:
        return exportBank(out, err);
    case Mode::Window:
    case Mode::CheckModules:
    case Mode::UpdateBank:
        break;
    }
    err += kProgram + QStringLiteral(": the window is not started from here\n");
    return 2;
}

int CommandLine::importQuestions(QString &out, QString &err) const
{
    const Result<BankImport> prepared = BankImport::prepare(m_importFile);
    if (!prepared) {
        err += kProgram + QStringLiteral(": ") + prepared.error().description() + QLatin1Char('\n');
        return 1;
    }
    out += prepared->summary();
    // Never over a bank: the window asks first, the command line cannot.
    for (const QString &folder : prepared->folders(m_intoFolder)) {
        if (BankImport::holdsBank(folder)) {
            err += kProgram +
                   QStringLiteral(": '%1' already holds a bank; nothing was written\n").arg(folder);
            return 1;
        }
    }
    const Result<QStringList> written = prepared->write(m_intoFolder);
    if (!written) {
        err += kProgram + QStringLiteral(": ") + written.error().description() +
               QStringLiteral("; nothing was written\n");
        return 1;
    }
    for (const QString &folder : *written)
        out += QStringLiteral("Bank written: %1\n").arg(QDir::toNativeSeparators(folder));
    return 0;
}

int CommandLine::exportBank(QString &out, QString &err) const
{
    if (!QFileInfo(m_bankFolder).isDir()) {
        err += kProgram + QStringLiteral(": '%1' is not a folder\n").arg(m_bankFolder);
        return 1;
    }
    const Result<int> rows = BankExport::write(m_bankFolder, m_exportFile);
    if (!rows) {
        err += kProgram + QStringLiteral(": ") + rows.error().description() + QLatin1Char('\n');
        return 1;
    }
    out += QStringLiteral("%1 questions written to %2\n")
               .arg(*rows)
               .arg(QDir::toNativeSeparators(m_exportFile));
    return 0;
}

int CommandLine::runWithoutWindow(int argc, char **argv) const
{
    // The program's folder is known only to an application object; a core
    // one needs no display.
    int appArgc = argc;
    std::unique_ptr<QCoreApplication> app;
    QString programFolder;
    if (m_mode == Mode::CheckBank || m_mode == Mode::Import || m_mode == Mode::ExportBank) {
        app = std::make_unique<QCoreApplication>(appArgc, argv);
        programFolder = QCoreApplication::applicationDirPath();
    }

    QString out;
    QString err;
    int status = run(programFolder, out, err);
    if (!writeAll(stdout, out)) {
        const int error = errno;
        err += kProgram + QStringLiteral(": cannot write the output: ") +
               QString::fromLocal8Bit(std::strerror(error)) + QLatin1Char('\n');
        status = 1;
    }
    writeAll(stderr, err);
    return status;
}

int CommandLine::updateBank(HttpFetcher &fetcher, const QString &baseUrl,
                            const QString &programFolder, QString &out)
{
    UpdateView view = UpdateView::loaded();
    DownloadPlan::start(view);
    const bool replaced = BankDownload::run(fetcher, baseUrl, programFolder, view);
    // The window separates its lines with single carriage returns.
    out += QString(view.status).replace(QLatin1Char('\r'), QLatin1Char('\n')) + QLatin1Char('\n');
    return replaced ? 0 : 1;
}

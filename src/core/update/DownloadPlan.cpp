#include "DownloadPlan.h"

#include "HttpFetcher.h"
#include "LeadingNumber.h"
#include "core/common/TextFile.h"
#include "core/quiz/BankCheck.h"
#include "core/quiz/BankLoader.h"

namespace {

const QString CR = QStringLiteral("\r");

Failure invalidBank(const QString &name, const Error &e)
{
    return failure(name + QStringLiteral(": not a valid question bank file (") + e.description() +
                   QStringLiteral(")"));
}

} // namespace

const std::vector<QString> &DownloadPlan::fileNames()
{
    static const std::vector<QString> names = {QStringLiteral("A.zel"), QStringLiteral("AD.zel"),
                                               QStringLiteral("DV.ZEL")};
    return names;
}

Result<std::vector<QByteArray>> DownloadPlan::check(const std::vector<QByteArray> &bodies)
{
    std::vector<QByteArray> files;
    const auto &names = fileNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        // Each file is written as received, with the line end the download
        // has always added; the checks read exactly those bytes.
        const QByteArray body = i < bodies.size() ? bodies[i] : QByteArray();
        if (body.isEmpty())
            return failure(names[i] + QStringLiteral(": the website sent an empty file"));
        files.push_back(body + QByteArrayLiteral("\r\n"));
    }

    const QStringList aLines = TextFile::lines(files[0]);
    const QStringList adLines = TextFile::lines(files[1]);
    // The line limit is checked per file first, so that the text names the
    // file at fault; every other failure of the bank is in the entries.
    if (aLines.size() > QuestionBank::MaxLines)
        return invalidBank(names[0], Error(ErrorNumber::SubscriptOutOfRange));
    try {
        const QuestionBank bank = BankLoader::buildBank(aLines, adLines, standardWordings());
        // The program refuses to start on fewer: it never asks the same
        // question twice in a row.
        if (bank.askableCount() < 2)
            return invalidBank(names[1], Error(ErrorNumber::TooFewQuestions));
    } catch (const Error &e) {
        return invalidBank(names[1], e);
    }
    // A bank that loads may still show empty answers (a server's page for a
    // missing AD.zel is one line against the texts' many): refused by the
    // checker that --check-bank runs, with its finding.
    const BankCheck checked = BankCheck::ofContents(files[0], files[1]);
    for (const BankCheck::Finding &f : checked.findings()) {
        if (f.kind == BankCheck::Finding::Kind::Error || f.blanksAnswers)
            return failure((f.line > 0 ? f.file + QStringLiteral(":%1").arg(f.line) : f.file) +
                           QStringLiteral(": not a valid question bank file (") + f.message +
                           QStringLiteral(")"));
    }

    const QString version = TextFile::firstLine(TextFile::decode(files[2]));
    if (!beginsWithNumber(version))
        return failure(names[2] + QStringLiteral(": not a data version number"));
    return files;
}

Result<> DownloadPlan::checkVersion(const QString &received, const QString &installed,
                                    const std::optional<QString> &offered)
{
    const QString name = fileNames().back();
    if (offered && leadingNumber(received) != leadingNumber(*offered))
        return failure(name + QStringLiteral(": data version %1 is not the version %2 that the "
                                             "check offered")
                                  .arg(received, *offered));
    if (leadingNumber(received) <= leadingNumber(installed))
        return failure(name +
                       QStringLiteral(": data version %1 is not newer than the installed %2")
                           .arg(received, installed.isEmpty() ? QStringLiteral("0") : installed));
    return {};
}

Error DownloadPlan::fetchFailure(const QString &name, const Error &fetchError)
{
    return Error(name + QStringLiteral(": ") + fetchError.description());
}

void DownloadPlan::start(UpdateView &view)
{
    view.checkButton.enabled = false;
    view.downloadButton.enabled = false;
    view.status = QStringLiteral("Downloading Files...");
}

void DownloadPlan::succeeded(UpdateView &view)
{
    view.status += CR + QStringLiteral("Download Complete.") + CR + CR +
                   QStringLiteral("Please restart ZEL Quiz to finish upgrade.");
    view.cancelButton.caption = QStringLiteral("Done");
}

void DownloadPlan::failed(UpdateView &view, const QString &what, bool bankUnchanged)
{
    view.status += CR + QStringLiteral("Download failed. ") + what + CR + CR +
                   (bankUnchanged ? QStringLiteral("The question bank was not changed.")
                                  : QStringLiteral("The question bank may be incomplete; "
                                                   "please try the download again."));
    // Back to the offer of the download, so that it can be tried again.
    view.checkButton = {true, true, view.checkButton.caption};
    view.doneButton.visible = false;
    view.downloadButton = {true, true, view.downloadButton.caption};
    view.cancelButton = {true, true, QStringLiteral("Cancel")};
}

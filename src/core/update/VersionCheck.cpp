#include "VersionCheck.h"

#include "LeadingNumber.h"
#include "core/common/TextFile.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QString CR = QStringLiteral("\r");

} // namespace

namespace VersionCheck {

QString installedDataVersion(const QString &appPath)
{
    // Only a plain file: a folder or a device of that name is no version,
    // and reading a pipe would never return.
    const QString path = appPath + QStringLiteral("/DV.ZEL");
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return QString();
    // Whatever follows the first line is not read.
    const QByteArray head = file.read(MaxVersionBytes + 1);
    const qsizetype cr = head.indexOf('\r');
    if (cr < 0 ? head.size() > MaxVersionBytes : cr > MaxVersionBytes)
        return QString();
    return TextFile::firstLine(TextFile::decode(head));
}

Outcome decide(const Versions &v)
{
    if (v.newProgram.isEmpty() || v.newData.isEmpty())
        return Outcome::Unreachable;
    const double P = leadingNumber(v.newProgram);
    const double D = leadingNumber(v.newData);
    const double p = leadingNumber(v.program);
    const double d = leadingNumber(v.data);
    if (P <= p && D <= d)
        return Outcome::Current;
    // A newer program hides a newer data version: the new data may need it.
    if (P > p)
        return Outcome::ProgramUpgrade;
    return Outcome::DataUpgrade;
}

void start(UpdateView &view)
{
    view.doneButton.caption = QStringLiteral("Done");
    view.downloadButton.visible = false;
    view.cancelButton.visible = false;
    view.doneButton.visible = true;
    view.status = QStringLiteral("Retrieving data...");
}

void finish(UpdateView &view, Outcome outcome, const Versions &v, const QString &pageAddress,
            const QString &failure)
{
    view.status = outcomeText(outcome, v, pageAddress, failure);
    if (outcome == Outcome::DataUpgrade) {
        view.doneButton.visible = false;
        view.downloadButton.visible = true;
        view.downloadButton.enabled = true;
        view.cancelButton.visible = true;
    }
}

QString outcomeText(Outcome outcome, const Versions &v, const QString &pageAddress,
                    const QString &failure)
{
    switch (outcome) {
    case Outcome::Current:
        return QStringLiteral("You have the most updated version.");
    case Outcome::ProgramUpgrade:
        return QStringLiteral("Program upgrade is available to version: ") + v.newProgram + CR +
               QStringLiteral("This file must be downloaded manually. Please visit:") + CR + CR +
               pageAddress;
    case Outcome::DataUpgrade:
        return QStringLiteral("Data file upgrade is available to version: ") + v.newData + CR + CR +
               QStringLiteral("Click 'Download Data Files' button to upgrade.");
    case Outcome::Unreachable:
        return QStringLiteral("Unable to retrieve current version data from internet. ") + CR +
               QStringLiteral("Check Internet Connection.") + CR +
               QStringLiteral("Possible error on website, please try again later.");
    case Outcome::Failed:
        break;
    }
    return QStringLiteral("An error has occured! ") + CR + CR + failure;
}

} // namespace VersionCheck

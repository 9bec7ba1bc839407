#include "DesktopSystemInfo.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

DesktopSystemInfo::DesktopSystemInfo()
    : DesktopSystemInfo(systemSettingsFile(), qEnvironmentVariable("PATH"))
{
}

DesktopSystemInfo::DesktopSystemInfo(QString settingsFile, QString searchPath)
    : m_settingsFile(std::move(settingsFile)), m_searchPath(std::move(searchPath))
{
}

QString DesktopSystemInfo::systemSettingsFile()
{
    return QSettings(QSettings::NativeFormat, QSettings::SystemScope, QStringLiteral("ZELQuiz"),
                     QStringLiteral("ZELQuiz"))
        .fileName();
}

QStringList DesktopSystemInfo::knownPrograms()
{
    // KDE's and the general hardware overviews first, then the system
    // monitors of GNOME and MATE, which show the machine as well.
    return {QStringLiteral("kinfocenter"), QStringLiteral("hardinfo"),
            QStringLiteral("gnome-system-monitor"), QStringLiteral("mate-system-monitor")};
}

QStringList DesktopSystemInfo::searchFolders() const
{
    QStringList folders;
    for (const QString &folder : m_searchPath.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        // Only absolute folders: an empty or relative PATH entry would look
        // in whatever folder the program was started from.
        if (QDir::isAbsolutePath(folder))
            folders << folder;
    }
    return folders;
}

std::optional<QString> DesktopSystemInfo::configuredProgram()
{
    if (m_settingsFile.isEmpty())
        return std::nullopt;
    const QSettings settings(m_settingsFile, QSettings::IniFormat);
    const QString path = settings.value(QStringLiteral("sysinfo/program")).toString().trimmed();
    if (path.isEmpty())
        return std::nullopt;
    if (QDir::isAbsolutePath(path))
        return path;
    // A bare name is looked up as the built-in tools are; left to the
    // process starter it would be found in the working folder through a
    // "." in PATH. A relative path with a folder in it would be taken from
    // the working folder too: it names nothing that can be started.
    if (path.contains(QLatin1Char('/')))
        return QString();
    const QStringList folders = searchFolders();
    return folders.isEmpty() ? QString() : QStandardPaths::findExecutable(path, folders);
}

std::optional<QStringList> DesktopSystemInfo::programCandidates()
{
    const QStringList folders = searchFolders();
    if (folders.isEmpty())
        return std::nullopt;
    QStringList candidates;
    for (const QString &program : knownPrograms()) {
        for (const QString &folder : folders)
            candidates << QDir(folder).filePath(program);
    }
    return candidates;
}

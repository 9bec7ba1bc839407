#include "DesktopSystemInfo.h"

#include <QDir>
#include <QSettings>

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

std::optional<QString> DesktopSystemInfo::configuredProgram()
{
    if (m_settingsFile.isEmpty())
        return std::nullopt;
    const QSettings settings(m_settingsFile, QSettings::IniFormat);
    const QString path = settings.value(QStringLiteral("sysinfo/program")).toString().trimmed();
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QStringList> DesktopSystemInfo::programCandidates()
{
    QStringList folders;
    for (const QString &folder : m_searchPath.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        // Only absolute folders: an empty or relative PATH entry would look
        // in whatever folder the program was started from.
        if (QDir::isAbsolutePath(folder))
            folders << folder;
    }
    if (folders.isEmpty())
        return std::nullopt;
    QStringList candidates;
    for (const QString &program : knownPrograms()) {
        for (const QString &folder : folders)
            candidates << QDir(folder).filePath(program);
    }
    return candidates;
}

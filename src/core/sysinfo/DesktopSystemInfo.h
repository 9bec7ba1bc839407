#pragma once

#include "SystemInfoLookup.h"

// A Linux desktop has no system registry. The configured program comes
// from the system-wide settings file (section "sysinfo", key "program"),
// which an administrator or a distribution package writes: a full path, or
// a bare name looked up in the absolute folders of PATH (an empty result
// when it is not there, which fails to start); otherwise the
// folders of PATH are searched for the information tools of the common
// desktops, in the order of knownPrograms().
class DesktopSystemInfo final : public SystemInfoLookup {
  public:
    // The system-wide settings file and the PATH of this process.
    DesktopSystemInfo();
    DesktopSystemInfo(QString settingsFile, QString searchPath);

    std::optional<QString> configuredProgram() override;
    std::optional<QStringList> programCandidates() override;

    static QStringList knownPrograms();
    static QString systemSettingsFile();

  private:
    QStringList searchFolders() const;

    QString m_settingsFile;
    QString m_searchPath;
};

#pragma once

#include "RegistryValue.h"
#include "SystemInfoLookup.h"

#include <QtGlobal>

// The system-information program as Windows records it: its full path in
// one registry value, or the folder of MSINFO32.EXE in another.
class WindowsSystemInfo final : public SystemInfoLookup {
  public:
    explicit WindowsSystemInfo(RegistryValue::Api &api) : m_api(api) {}

    std::optional<QString> configuredProgram() override;
    std::optional<QStringList> programCandidates() override;

  private:
    std::optional<QString> read(const QString &keyName, const QString &valueName);

    RegistryValue::Api &m_api;
    // The same text receives both values, as it was passed in.
    QString m_path;
};

#ifdef Q_OS_WIN
// The single-byte registry functions of advapi32.
class Win32Registry final : public RegistryValue::Api {
  public:
    bool query(std::uint32_t root, const QByteArray &keyName, const QByteArray &valueName,
               std::uint32_t access, char *buffer, std::uint32_t &size,
               std::uint32_t &type) override;
};
#endif

#include "WindowsSystemInfo.h"

std::optional<QString> WindowsSystemInfo::read(const QString &keyName, const QString &valueName)
{
    std::uint32_t root = RegistryValue::LocalMachine;
    QString key = keyName;
    QString value = valueName;
    if (!GetKeyValue(m_api, root, key, value, m_path))
        return std::nullopt;
    return m_path;
}

std::optional<QString> WindowsSystemInfo::configuredProgram()
{
    return read(QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                QStringLiteral("PATH"));
}

std::optional<QStringList> WindowsSystemInfo::programCandidates()
{
    const std::optional<QString> folder = read(
        QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"), QStringLiteral("MSINFO"));
    if (!folder)
        return std::nullopt;
    return QStringList{*folder + QStringLiteral("\\MSINFO32.EXE")};
}

#ifdef Q_OS_WIN
#include <windows.h>

bool Win32Registry::query(std::uint32_t root, const QByteArray &keyName,
                          const QByteArray &valueName, std::uint32_t access, char *buffer,
                          std::uint32_t &size, std::uint32_t &type)
{
    // The predefined roots are 32-bit values sign-extended to a handle:
    // HKEY_LOCAL_MACHINE is 0xFFFFFFFF80000002 in a 64-bit program.
    const auto rootKey = reinterpret_cast<HKEY>(static_cast<LONG_PTR>(static_cast<LONG>(root)));
    HKEY key = nullptr;
    if (RegOpenKeyExA(rootKey, keyName.constData(), 0, access, &key) != ERROR_SUCCESS)
        return false;
    DWORD valueType = 0;
    DWORD valueSize = size;
    const LONG rc = RegQueryValueExA(key, valueName.constData(), nullptr, &valueType,
                                     reinterpret_cast<LPBYTE>(buffer), &valueSize);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS)
        return false;
    size = valueSize;
    type = valueType;
    return true;
}
#endif

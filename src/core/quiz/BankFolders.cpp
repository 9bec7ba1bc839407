#include "BankFolders.h"

#include "core/common/AppInfo.h"
#include "core/scores/SettingsStore.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {
const QString section = QStringLiteral("banks");
const QString lastKey = QStringLiteral("last");

// One key per entry: a folder's name may hold a comma, which a list in one
// value would split.
QString recentKey(int i)
{
    return QStringLiteral("recent%1").arg(i + 1);
}
} // namespace

BankFolders::BankFolders(QString appFolder, SettingsStore &settings)
    : m_appFolder(normalized(appFolder)), m_settings(settings)
{
}

QString BankFolders::normalized(const QString &folder)
{
    return folder.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

bool BankFolders::isAppFolder(const QString &folder) const
{
    const QString f = normalized(folder);
    return f == m_appFolder ||
           (QFileInfo(f).canonicalFilePath() == QFileInfo(m_appFolder).canonicalFilePath() &&
            !QFileInfo(f).canonicalFilePath().isEmpty());
}

QString BankFolders::startFolder(const QString &commandLineFolder) const
{
    if (!commandLineFolder.isEmpty())
        return normalized(commandLineFolder);
    const QString last = m_settings.read(section, lastKey);
    return last.isEmpty() ? m_appFolder : normalized(last);
}

QString BankFolders::title(const QString &folder) const
{
    if (isAppFolder(folder))
        return AppInfo::title();
    return QFileInfo(normalized(folder)).fileName() + QStringLiteral(" - ") + AppInfo::title();
}

QStringList BankFolders::recent() const
{
    QStringList folders;
    for (int i = 0; i < MaxRecent; ++i) {
        const QString f = m_settings.read(section, recentKey(i));
        if (!f.isEmpty() && !folders.contains(f))
            folders << f;
    }
    return folders;
}

bool BankFolders::opened(const QString &folder)
{
    const QString f = normalized(folder);
    const QString last = isAppFolder(f) ? QString() : f;
    // Most starts open the bank opened last: nothing changes, nothing is written.
    if (recent().value(0) == f && m_settings.read(section, lastKey) == last)
        return true;
    return m_settings.update([this, &f, &last] {
        QStringList folders = recent();
        folders.removeAll(f);
        folders.prepend(f);
        // The program folder's bank is the default: nothing to remember.
        m_settings.write(section, lastKey, last);
        for (int i = 0; i < MaxRecent; ++i)
            m_settings.write(section, recentKey(i), folders.value(i));
    });
}

bool BankFolders::holdsBankFiles(const QString &folder)
{
    const QDir dir(folder);
    return QFileInfo(dir.filePath(QStringLiteral("A.zel"))).isFile() &&
           QFileInfo(dir.filePath(QStringLiteral("AD.zel"))).isFile();
}

QString BankFolders::notOpenedText(const QString &folder, const QString &why)
{
    return QStringLiteral("The bank in\r%1\rcould not be opened:\r%2")
        .arg(QDir::toNativeSeparators(folder), why);
}

QString BankFolders::fallbackText(const QString &folder, const QString &why)
{
    return notOpenedText(folder, why) + QStringLiteral("\rThe program's own bank is open instead.");
}

QString BankFolders::unusedFolder(const QString &base,
                                  const std::function<QStringList(const QString &)> &foldersFor)
{
    QString candidate = base;
    for (int n = 2; n < 10000; ++n) {
        const QStringList made = foldersFor(candidate);
        if (std::none_of(made.begin(), made.end(),
                         [](const QString &f) { return QFileInfo::exists(f); }))
            break;
        candidate = base + QStringLiteral(" %1").arg(n);
    }
    return candidate;
}

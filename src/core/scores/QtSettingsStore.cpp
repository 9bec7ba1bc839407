#include "QtSettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStringList>

#include <optional>

namespace {
QString path(const QString &section, const QString &key)
{
    return section + QLatin1Char('/') + key;
}
} // namespace

QtSettingsStore::QtSettingsStore()
    : m_settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("ZELQuiz"),
                 QStringLiteral("ZELQuiz"))
{
}

QtSettingsStore::QtSettingsStore(const QString &iniFile) : m_settings(iniFile, QSettings::IniFormat)
{
}

QString QtSettingsStore::read(const QString &section, const QString &key) const
{
    const QVariant value = m_settings.value(path(section, key));
    // A hand-edited INI line with an unquoted comma reads as a list; keep
    // its parts rather than lose the whole value.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

void QtSettingsStore::write(const QString &section, const QString &key, const QString &text)
{
    m_settings.setValue(path(section, key), text);
}

bool QtSettingsStore::commit()
{
    m_settings.sync();
    if (m_settings.status() == QSettings::NoError)
        return true;
    // A malformed line met while reading leaves status() at FormatError for
    // the object's life, and hides whether the write then failed. A new
    // object reads the file as it is now: well-formed, with nothing left
    // unwritten (it tries the pending writes again), only if they reached it.
    const QSettings fresh(m_settings.fileName(), m_settings.format());
    return fresh.status() == QSettings::NoError;
}

bool QtSettingsStore::inRegistry() const
{
#ifdef Q_OS_WIN
    // The registry has no file to put a lock beside; it orders the writes
    // of the keys itself.
    return m_settings.format() == QSettings::NativeFormat;
#else
    return false;
#endif
}

bool QtSettingsStore::update(const std::function<void()> &change)
{
    // Not QSettings' own "<file>.lock", which it takes while it writes: a
    // lock file cannot be taken twice, even by the same process.
    const QString file = m_settings.fileName();
    std::optional<QLockFile> lock;
    if (!inRegistry()) {
        QDir().mkpath(QFileInfo(file).absolutePath());
        lock.emplace(file + QStringLiteral(".update.lock"));
        // Another copy holds the lock for the moment of one save; a lock
        // that cannot be had (a folder without write access, a copy that
        // hangs) does not stop this save, which goes ahead as it always has.
        constexpr int kWaitMs = 5000;
        lock->tryLock(kWaitMs);
    }
    m_settings.sync(); // takes in what another copy wrote meanwhile
    change();
    return commit();
}

#include "QtSettingsStore.h"

#include <QStringList>

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
    return m_settings.status() == QSettings::NoError;
}

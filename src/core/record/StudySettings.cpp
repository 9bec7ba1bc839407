#include "StudySettings.h"

#include "core/scores/SettingsStore.h"

#include <algorithm>

namespace {
const QString section = QStringLiteral("study");
const QString retentionKey = QStringLiteral("retention");
const QString newPerDayKey = QStringLiteral("newPerDay");
const QString examKey = QStringLiteral("examDate");
} // namespace

StudySettings StudySettings::load(const SettingsStore &store)
{
    StudySettings s;
    bool ok = false;
    const double retention = store.read(section, retentionKey).toDouble(&ok);
    if (ok && retention >= MinRetention && retention <= MaxRetention)
        s.desiredRetention = retention;
    const int perDay = store.read(section, newPerDayKey).toInt(&ok);
    if (ok && perDay >= 0)
        s.newPerDay = std::min(perDay, MaxNewPerDay);
    s.examDate = QDate::fromString(store.read(section, examKey), Qt::ISODate);
    return s;
}

bool StudySettings::save(SettingsStore &store) const
{
    store.write(section, retentionKey, QString::number(desiredRetention, 'f', 2));
    store.write(section, newPerDayKey, QString::number(newPerDay));
    store.write(section, examKey, examDate.isValid() ? examDate.toString(Qt::ISODate) : QString());
    return store.commit();
}

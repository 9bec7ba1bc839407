#include "UpdateBaseUrl.h"

#include <QSettings>
#include <QStringList>
#include <QVariant>

#ifndef ZELQUIZ_UPDATE_URL
#define ZELQUIZ_UPDATE_URL "http://localhost:8000/"
#endif

namespace {

QString withTrailingSlash(QString url)
{
    if (!url.endsWith(QLatin1Char('/')))
        url += QLatin1Char('/');
    return url;
}

} // namespace

QString builtInUpdateUrl()
{
    const QString url = QStringLiteral(ZELQUIZ_UPDATE_URL).trimmed();
    return withTrailingSlash(url.isEmpty() ? QStringLiteral("http://localhost:8000/") : url);
}

QUrl updateBaseUrl()
{
    const QSettings settings;
    const QVariant value = settings.value(QStringLiteral("update/baseurl"));
    // A hand-written line with an unquoted comma reads as a list: its parts
    // joined again are the address as written.
    const QString configured =
        (value.typeId() == QMetaType::QStringList ? value.toStringList().join(QLatin1Char(','))
                                                  : value.toString())
            .trimmed();
    return QUrl(withTrailingSlash(configured.isEmpty() ? builtInUpdateUrl() : configured));
}

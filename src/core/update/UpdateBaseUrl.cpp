#include "UpdateBaseUrl.h"

#include <QSettings>

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
    const QString configured =
        settings.value(QStringLiteral("update/baseurl")).toString().trimmed();
    return QUrl(withTrailingSlash(configured.isEmpty() ? builtInUpdateUrl() : configured));
}

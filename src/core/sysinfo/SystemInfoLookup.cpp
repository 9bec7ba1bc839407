#include "SystemInfoLookup.h"

#include <QFileInfo>

bool isNormalFile(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

bool startSystemInfo(SystemInfoLookup &lookup, ProgramStarter &starter)
{
    if (const std::optional<QString> path = lookup.configuredProgram())
        return !path->isEmpty() && starter.startDetached(*path);
    if (const std::optional<QStringList> candidates = lookup.programCandidates()) {
        for (const QString &path : *candidates) {
            if (isNormalFile(path))
                return starter.startDetached(path);
        }
    }
    return false;
}

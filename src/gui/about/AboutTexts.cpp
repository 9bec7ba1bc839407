#include "AboutTexts.h"

namespace AboutTexts {

namespace {
const QString CR = QStringLiteral("\r");
}

QString description()
{
    return QStringLiteral("   This program was created as a study aid for those initially training "
                          "for the ZEL field or those wanting to refresh their ZEL knowledge.") +
           CR + CR +
           QStringLiteral("   Its questions follow the common introductory ZEL curriculum taught "
                          "in first-year training courses.") +
           CR + CR +
           QStringLiteral("   The author assumes no responsibility for the accurateness of this "
                          "program and any errors, typos, or omissions it may contain. This "
                          "program is not designed to replace conventional studying.") +
           CR + CR +
           QStringLiteral("   If any program errors or outdated information is found, please "
                          "contact the author and inform him of the problem.");
}

QString note()
{
    return QStringLiteral("Rules and practice in the ZEL field change: for the most up-to-date "
                          "information, ask the local ZEL authority where you work.");
}

QString author()
{
    return QStringLiteral("The ZEL Quiz author");
}

QString institution()
{
    return QStringLiteral("The ZEL training course and its instructors:");
}

QString instructors()
{
    return QStringLiteral("Instructor A. Marden") + CR + QStringLiteral("Instructor B. Tolvey") +
           CR + QStringLiteral("Instructor C. Quarrie");
}

} // namespace AboutTexts

#include "Main.h"
#include "AppInfo.h"
#include "ProgramEnd.h"
#include "QtCuePlayer.h"
#include "QtMessageBoxes.h"
#include "quiz/RandomSource.h"
#include "scores/QtSettingsStore.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("ZELQuiz"));
    QApplication::setApplicationName(QStringLiteral("ZELQuiz"));
    QApplication::setApplicationVersion(AppInfo::fullVersion());
    // A style that draws the answer buttons in their background colour.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    QtCuePlayer sound;
    QtMessageBoxes boxes;
    ImmediateProgramEnd end;
    MersenneRandom random;
    QtSettingsStore settings;

    Main window(QCoreApplication::applicationDirPath(),
                AppServices{sound, boxes, end, random, settings});
    if (!window.Form_Load())
        return 1;
    window.adjustSize();
    window.move(window.screen()->availableGeometry().center() - window.rect().center());
    window.show();
    return app.exec();
}

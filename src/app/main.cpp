#include "CommandLine.h"
#include "ParentConsole.h"
#include "core/common/AppInfo.h"
#include "core/common/StartupTrace.h"
#include "core/quiz/RandomSource.h"
#include "core/record/LearningRecord.h"
#include "core/scores/QtSettingsStore.h"
#include "core/update/UpdateBaseUrl.h"
#include "gui/main/MainWindow.h"
#include "gui/platform/ModuleCuePlayer.h"
#include "gui/platform/ModuleHttpFetcher.h"
#include "gui/platform/Modules.h"
#include "gui/platform/NativeWindow.h"
#include "gui/platform/ProgramEnd.h"
#include "gui/platform/QtMessageBoxes.h"
#include "gui/widgets/AppIcon.h"
#include "gui/widgets/AppStyle.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>

#include <cstdio>

namespace {

// Whether the modules beside the program load: what a packager or a user
// whose program is silent wants to know.
int checkModules(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString folder = QCoreApplication::applicationDirPath();
    int status = 0;
    auto report = [&status, &folder](const char *what, const char *name, const auto &loaded) {
        if (loaded) {
            std::printf("%s: %s\n", what, qPrintable(Modules::fileOf(folder, name)));
        } else {
            std::printf("%s: not loaded: %s\n", what, qPrintable(loaded.error().description()));
            status = 1;
        }
    };
    report("sound", Modules::Sound, Modules::loadSound(folder));
    report("network", Modules::Network, Modules::loadNetwork(folder));
    return std::fflush(stdout) == 0 ? status : 1;
}

// The window's bank download from the configured update server, for an
// administrator or a script; the texts are the window's.
int updateBank(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // The settings that may name the update server are the window's.
    QCoreApplication::setOrganizationName(QStringLiteral("ZELQuiz"));
    QCoreApplication::setApplicationName(QStringLiteral("ZELQuiz"));
    const QString folder = QCoreApplication::applicationDirPath();
    ModuleHttpFetcher fetcher(folder);
    QString out;
    const int status = CommandLine::updateBank(fetcher, updateBaseUrl().toString(), folder, out);
    std::fputs(qPrintable(out), stdout);
    return std::fflush(stdout) == 0 ? status : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    // Read before any application object exists: what needs no window
    // (help, version, the bank check) must not need a display either.
    const CommandLine commandLine = CommandLine::parse(argc, argv);
    if (commandLine.mode() != CommandLine::Mode::Window)
        ParentConsole::attach();
    if (commandLine.mode() == CommandLine::Mode::CheckModules)
        return checkModules(argc, argv);
    if (commandLine.mode() == CommandLine::Mode::UpdateBank)
        return updateBank(argc, argv);
    if (commandLine.mode() != CommandLine::Mode::Window)
        return commandLine.runWithoutWindow(argc, argv);
    StartupTrace trace(commandLine.startupTimeFile());

    QApplication app(argc, argv);
    trace.mark("application created");
    QApplication::setOrganizationName(QStringLiteral("ZELQuiz"));
    QApplication::setApplicationName(QStringLiteral("ZELQuiz"));
    QApplication::setApplicationVersion(AppInfo::fullVersion());
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("zelquiz"));
    // A style that draws the answer buttons in their background colour.
    QApplication::setStyle(new AppStyle);
    AppIcon::install();

    ModuleCuePlayer sound(QCoreApplication::applicationDirPath());
    QtMessageBoxes boxes;
    ImmediateProgramEnd end;
    MersenneRandom random;
    QtSettingsStore settings;
    LearningRecord record(LearningRecord::defaultPath());

    MainWindow window(QCoreApplication::applicationDirPath(),
                      AppServices{sound, boxes, end, random, settings, &record});
    trace.mark("window created");
    window.setRequestedBank(commandLine.bankFolder());
    sound.holdUntilPainted(window);
    window.setStartupTrace(&trace);
    if (!window.start())
        return 1;
    window.adjustSize();
    window.move(window.screen()->availableGeometry().center() - window.rect().center());
    window.show();
    if (!NativeWindow::exists(window)) {
        // Nothing would ever come on the screen, nor end the program: it
        // ends now, saying why, and can be started again.
        std::fputs("zelquiz: the window system could not open the main window\n", stderr);
        std::fflush(stderr);
        return 1;
    }
    trace.finishOnFirstPaint(window);
    // A problem with the file is told over the window.
    record.openAfterFirstPaint(window);
    return QApplication::exec();
}

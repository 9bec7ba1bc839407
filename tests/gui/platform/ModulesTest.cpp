// Sound and the network come from modules beside the program, loaded on
// first use; without them the program carries on.
#include "gui/platform/Modules.h"
#include "gui/platform/ModuleCuePlayer.h"
#include "gui/platform/ModuleHttpFetcher.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>
#include <QUrl>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// The build puts the modules beside the test programs, as beside the program.
QString builtModules()
{
    return QCoreApplication::applicationDirPath();
}

TEST(Modules, MissingForeignOrBrokenModulesAreRefusedWithAReason)
{
    TempDir dir;
    EXPECT_EQ(Modules::loadSound(dir.path()).module, nullptr);
    EXPECT_FALSE(Modules::loadSound(dir.path()).problem.isEmpty());

    // A module of the program under another's name, and a file that is no module.
    ASSERT_TRUE(QFile::copy(Modules::fileOf(builtModules(), Modules::Network),
                            Modules::fileOf(dir.path(), Modules::Sound)));
    const auto foreign = Modules::loadSound(dir.path());
    EXPECT_EQ(foreign.module, nullptr);
    EXPECT_TRUE(foreign.problem.endsWith("is not a module of this program"));
    dir.write(QFileInfo(Modules::fileOf(dir.path(), Modules::Network)).fileName(), "not a library");
    EXPECT_EQ(Modules::loadNetwork(dir.path()).module, nullptr);

    ModuleCuePlayer sound(dir.path());
    sound.play(dir.file("startup.wav"));
    sound.close();
    EXPECT_FALSE(sound.loaded());
    ModuleHttpFetcher fetcher(dir.path());
    const FetchResult r = fetcher.get(QUrl("http://127.0.0.1:9/zel/DV.ZEL"));
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.errorString.startsWith("the network module could not be loaded ("));
}

TEST(Modules, TheRealModulesLoadAtFirstUse)
{
    ModuleCuePlayer sound(builtModules());
    EXPECT_FALSE(sound.loaded());
    sound.play(TempDir().file("startup.wav")); // no file, no device: nothing plays
    EXPECT_TRUE(sound.loaded());

    // The fetch reaches the real fetcher, which refuses what is not HTTP.
    ModuleHttpFetcher fetcher(builtModules());
    const FetchResult r = fetcher.get(QUrl("file:///etc/hostname"));
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.errorString.endsWith("is not a web address (http or https)"));
}

// The start-up cue waits for the window's first frame, then plays.
TEST(Modules, ACueAskedBeforeTheFirstPaintPlaysRightAfterIt)
{
    QWidget window;
    ModuleCuePlayer sound(builtModules());
    sound.holdUntilPainted(window);
    sound.play(TempDir().file("startup.wav"));
    EXPECT_FALSE(sound.loaded());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (int i = 0; i < 500 && !sound.loaded(); ++i)
        QTest::qWait(10);
    EXPECT_TRUE(sound.loaded());
}

} // namespace

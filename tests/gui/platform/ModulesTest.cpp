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

TEST(Modules, MissingForeignOrBrokenModulesAreRefusedWithAReason)
{
    // The build puts the modules beside the test programs, as beside the
    // program. A module of the program under another's name, and a file that is no module.
    TempDir dir;
    ASSERT_TRUE(
        QFile::copy(Modules::fileOf(QCoreApplication::applicationDirPath(), Modules::Network),
                    Modules::fileOf(dir.path(), Modules::Sound)));
    const auto foreign = Modules::loadSound(dir.path());
    ASSERT_FALSE(foreign);
    EXPECT_TRUE(foreign.error().description().endsWith("is not a module of this program"));
    dir.write(QFileInfo(Modules::fileOf(dir.path(), Modules::Network)).fileName(), "not a library");
    EXPECT_FALSE(Modules::loadNetwork(dir.path()));

    ModuleCuePlayer sound(dir.path());
    sound.play(dir.file("startup.wav"));
    sound.close();
    EXPECT_FALSE(sound.loaded());
    ModuleHttpFetcher fetcher(dir.path());
    const Result<QByteArray> r = fetcher.get(QUrl("http://127.0.0.1:9/zel/DV.ZEL"));
    ASSERT_FALSE(r);
    EXPECT_TRUE(r.error().description().startsWith("the network module could not be loaded ("));
}

// The start-up cue waits for the window's first frame. Without a sound card
// (as on build machines) and with files that are missing or not sound at
// all, cues stay silent and nothing fails.
TEST(Modules, TheRealModulesLoadAtFirstUse)
{
    TempDir dir;
    dir.write("noise.wav", "not a wave file");
    QWidget window;
    ModuleCuePlayer sound(QCoreApplication::applicationDirPath());
    sound.holdUntilPainted(window);
    sound.close(); // before anything was opened
    sound.play(dir.file("startup.wav"));
    EXPECT_FALSE(sound.loaded());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (int i = 0; i < 500 && !sound.loaded(); ++i)
        QTest::qWait(10);
    EXPECT_TRUE(sound.loaded());
    for (const QString &file :
         {dir.file("missing.wav"), dir.file("noise.wav"), sampleDataDir() + "/bad.wav"}) {
        sound.play(file);
        QCoreApplication::processEvents();
    }
    sound.close();

    // The fetch reaches the real fetcher, which refuses what is not HTTP.
    ModuleHttpFetcher fetcher(QCoreApplication::applicationDirPath());
    const Result<QByteArray> r = fetcher.get(QUrl("file:///etc/hostname"));
    ASSERT_FALSE(r);
    EXPECT_TRUE(r.error().description().endsWith("is not a web address (http or https)"));
}

} // namespace

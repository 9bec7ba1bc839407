// --check-modules, run on the real program: the packaging checks with it
// that the modules were installed beside the program and load.
#include "support/TempDir.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

struct Outcome {
    int status;
    QString out;
};

Outcome checkModules(const QString &exe)
{
    QProcess p;
    p.start(exe, {"--check-modules"});
    EXPECT_TRUE(p.waitForFinished(30000));
    return {p.exitCode(), QString::fromLocal8Bit(p.readAllStandardOutput())};
}

TEST(CheckModulesOption, NamesEachModuleOrWhyItDidNotLoad)
{
    const QString exe = qEnvironmentVariable("ZELQUIZ_EXE");
    const QString folder = QFileInfo(exe).absolutePath();
    const Outcome built = checkModules(exe);
    EXPECT_EQ(built.status, 0);
    EXPECT_EQ(built.out, "sound: " + folder + "/zelquiz_sound.so\nnetwork: " + folder +
                             "/zelquiz_network.so\n");

    TempDir alone;
    ASSERT_TRUE(QFile::copy(exe, alone.file("zelquiz")));
    const Outcome bare = checkModules(alone.file("zelquiz"));
    EXPECT_EQ(bare.status, 1);
    EXPECT_TRUE(bare.out.startsWith("sound: not loaded: " + alone.file("zelquiz_sound.so") + ": "))
        << bare.out.toStdString();
    EXPECT_TRUE(bare.out.contains("\nnetwork: not loaded: ")) << bare.out.toStdString();
}

} // namespace

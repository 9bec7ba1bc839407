#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The rules run without a display: a QCoreApplication, as the command line has.
int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("ZELQuiz"));
    QCoreApplication::setApplicationName(QStringLiteral("ZELQuiz"));

    // The per-user settings of a test run live in a folder of their own,
    // never in the settings of the person running the tests.
    QTemporaryDir settingsHome;
    for (auto format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, settingsHome.path());
    qputenv("ZELQUIZ_TEST_SETTINGS_HOME", settingsHome.path().toUtf8());

    return RUN_ALL_TESTS();
}

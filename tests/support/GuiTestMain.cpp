#include <QApplication>
#include <QSettings>
#include <QStyleFactory>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("ZELQuiz"));
    QApplication::setApplicationName(QStringLiteral("ZELQuiz"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    // The per-user settings of a test run live in a folder of their own,
    // never in the settings of the person running the tests.
    QTemporaryDir settingsHome;
    for (auto format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, settingsHome.path());
    qputenv("ZELQUIZ_TEST_SETTINGS_HOME", settingsHome.path().toUtf8());

    return RUN_ALL_TESTS();
}

// One test main for both layers: the rules' tests run under a
// QCoreApplication, as the command line does; the windows' under a
// QApplication with the style the program uses.
#ifdef ZELQUIZ_GUI_TESTS
#include <QApplication>
#include <QStyleFactory>
using App = QApplication;
#else
#include <QCoreApplication>
using App = QCoreApplication;
#endif
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    App app(argc, argv);
    App::setOrganizationName(QStringLiteral("ZELQuiz"));
    App::setApplicationName(QStringLiteral("ZELQuiz"));
#ifdef ZELQUIZ_GUI_TESTS
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
#endif
    // The per-user settings of a test run live in a folder of their own,
    // never in the settings of the person running the tests.
    QTemporaryDir settingsHome;
    for (auto format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, settingsHome.path());
    qputenv("ZELQUIZ_TEST_SETTINGS_HOME", settingsHome.path().toUtf8());
    return RUN_ALL_TESTS();
}

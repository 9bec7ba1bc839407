#pragma once

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Runs every test under an application of type App, set up by `setUp`.
// The per-user settings of a test run live in a folder of their own, never
// in the settings of the person running the tests.
template <class App> int runAllTests(int argc, char **argv, void (*setUp)() = nullptr)
{
    ::testing::InitGoogleTest(&argc, argv);
    App app(argc, argv);
    App::setOrganizationName(QStringLiteral("ZELQuiz"));
    App::setApplicationName(QStringLiteral("ZELQuiz"));
    if (setUp)
        setUp();
    QTemporaryDir settingsHome;
    for (auto format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, settingsHome.path());
    qputenv("ZELQUIZ_TEST_SETTINGS_HOME", settingsHome.path().toUtf8());
    return RUN_ALL_TESTS();
}

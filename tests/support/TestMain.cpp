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

#ifdef Q_OS_WIN
#include <windows.h>

#include <string>
#endif

#include <gtest/gtest.h>

namespace {

void setDefault(const char *name, const QByteArray &value)
{
    if (!qEnvironmentVariableIsSet(name))
        qputenv(name, value);
}

} // namespace

int main(int argc, char **argv)
{
    setDefault("ZELQUIZ_DATA_DIR", ZELQUIZ_SOURCE_DIR "/data");
    setDefault("ZELQUIZ_TEST_DATA_DIR", ZELQUIZ_SOURCE_DIR "/tests/data");
    setDefault("ZELQUIZ_FUZZ_DIR", ZELQUIZ_SOURCE_DIR "/fuzz");
#ifdef ZELQUIZ_GUI_TESTS
    // The windows' tests need no display.
    setDefault("QT_QPA_PLATFORM", "offscreen");
#endif
    ::testing::InitGoogleTest(&argc, argv);
    // ctest asks for the list of cases without a display or settings.
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
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
#ifdef Q_OS_WIN
    // There the per-user settings are the registry, which no folder moves:
    // the run's own key stands in for the user's, and goes again at the end.
    // A test's child process shares its parent's key.
    const bool child = qEnvironmentVariableIsSet("ZELQUIZ_TEST_RUN_KEY");
    const std::wstring runKeyName =
        child ? qEnvironmentVariable("ZELQUIZ_TEST_RUN_KEY").toStdWString()
              : L"Software\\ZELQuiz test run " + std::to_wstring(GetCurrentProcessId());
    qputenv("ZELQUIZ_TEST_RUN_KEY", QString::fromStdWString(runKeyName).toUtf8());
    HKEY runKey = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, runKeyName.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &runKey, nullptr) != ERROR_SUCCESS ||
        RegOverridePredefKey(HKEY_CURRENT_USER, runKey) != ERROR_SUCCESS)
        return 2;
    const int result = RUN_ALL_TESTS();
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegCloseKey(runKey);
    if (!child)
        RegDeleteTreeW(HKEY_CURRENT_USER, runKeyName.c_str());
    return result;
#else
    return RUN_ALL_TESTS();
#endif
}

#include "gui/Controls.h"
#include "gui/about/SplashScreen.h"
#include "support/MainHarness.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

struct CloseWay {
    const char *name;
    std::function<void(SplashScreen *)> close;
};

class Splash : public ::testing::TestWithParam<CloseWay> {};

// The main window's start-up with the picture in place puts the splash up,
// borderless above a window that already shows its first question. The
// tenth tick of its one-second timer, a click on the picture or on the
// version, or any key closes it and leaves the main window as it was. It
// shows once a run: the next start-up of the same window has none.
TEST_P(Splash, ShowsTheVersionAboveMainUntilTenSecondsAClickOrAKey)
{
    MainHarness h;
    h.useSampleData();
    h.withSplash = true;
    ASSERT_TRUE(h.start());
    h.show();
    QPointer<SplashScreen> splash = h.splash();
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_TRUE(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(splash->parentWidget(), h.main.get());
    auto *version = control<QLabel>(splash, "versionLabel");
    EXPECT_EQ(version->text(), "Version 1.6");
    EXPECT_EQ(version->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(control<QTimer>(splash, "closeTimer")->interval(), 1000);
    ASSERT_TRUE(control<QTimer>(splash, "closeTimer")->isActive());
    const int entry = h.main->state().entry;
    EXPECT_NE(entry, 0);

    GetParam().close(splash);
    QApplication::processEvents();
    // Closing deletes the window.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(splash.isNull());
    EXPECT_EQ(h.main->state().entry, entry);
    EXPECT_TRUE(h.main->isVisible());

    ASSERT_TRUE(h.main->start());
    EXPECT_EQ(h.main->findChildren<SplashScreen *>().size(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Closes, Splash,
    ::testing::Values(CloseWay{"tenth_tick",
                               [](SplashScreen *w) {
                                   for (int tick = 1; tick <= 9; ++tick)
                                       w->secondTicked();
                                   EXPECT_TRUE(w->isVisible());
                                   w->secondTicked();
                               }},
                      CloseWay{"click_on_picture",
                               [](SplashScreen *w) {
                                   QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(20, 20));
                               }},
                      CloseWay{"click_on_version",
                               [](SplashScreen *w) {
                                   QTest::mouseClick(control(w, "versionLabel"), Qt::LeftButton);
                               }},
                      CloseWay{"key", [](SplashScreen *w) { QTest::keyClick(w, Qt::Key_X); }}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace

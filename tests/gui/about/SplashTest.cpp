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

// The main window's start-up with the picture in place puts the splash up,
// borderless above a window that already shows its first question. The
// tenth tick of its one-second timer, a click on the picture or on the
// version, or any key closes it and leaves the main window as it was. It
// shows once a run: the next start-up of the same window has none.
TEST(Splash, ShowsTheVersionAboveMainUntilTenSecondsAClickOrAKey)
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
    auto *version = control<QLabel>(splash, "lblVersion");
    EXPECT_EQ(version->text(), "Version 1.6");
    EXPECT_EQ(version->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(control<QTimer>(splash, "Timer1")->interval(), 1000);
    EXPECT_NE(h.main->state().CurEntry, 0);

    const auto closed = [&] {
        QApplication::processEvents();
        // Closing deletes the window.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return splash.isNull();
    };
    const std::function<void(SplashScreen *)> ways[] = {
        [&](SplashScreen *w) {
            for (int tick = 1; tick <= 9; ++tick)
                w->Timer1_Timer();
            EXPECT_FALSE(closed());
            w->Timer1_Timer();
        },
        [](SplashScreen *w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(20, 20)); },
        [](SplashScreen *w) { QTest::mouseClick(control(w, "lblVersion"), Qt::LeftButton); },
        [](SplashScreen *w) { QTest::keyClick(w, Qt::Key_X); },
    };
    for (std::size_t way = 0; way < std::size(ways); ++way) {
        SCOPED_TRACE(way);
        ASSERT_TRUE(control<QTimer>(splash, "Timer1")->isActive());
        const int entry = h.main->state().CurEntry;
        ways[way](splash);
        EXPECT_TRUE(closed());
        EXPECT_EQ(h.main->state().CurEntry, entry);
        EXPECT_TRUE(h.main->isVisible());

        ASSERT_TRUE(h.main->Form_Load());
        EXPECT_EQ(h.main->findChildren<SplashScreen *>().size(), 0);
        h.main->setSplashShown(0);
        ASSERT_TRUE(h.main->Form_Load());
        splash = h.splash();
    }
}

} // namespace

#include "gui/about/frmSplash.h"
#include "support/MainHarness.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// The main window's start-up with the picture in place: the splash is up
// above a window that already shows its first question.
class Splash : public ::testing::Test {
  protected:
    void SetUp() override
    {
        h.useSampleData();
        h.withSplash = true;
        ASSERT_TRUE(h.start());
        h.show();
        splash = h.splash();
        ASSERT_NE(splash, nullptr);
    }

    bool closed()
    {
        QApplication::processEvents();
        // Closing deletes the window.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return splash.isNull();
    }

    MainHarness h;
    QPointer<frmSplash> splash;
};

TEST_F(Splash, OpensAboveTheFirstQuestionWithTheVersion)
{
    EXPECT_TRUE(splash->isVisible());
    EXPECT_TRUE(splash->isWindow());
    EXPECT_TRUE(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(splash->parentWidget(), h.main.get());
    EXPECT_EQ(splash->size(), QSize(449, 350));
    EXPECT_EQ(splash->lblVersion->text(), "Version 1.6");
    EXPECT_EQ(splash->lblVersion->geometry(), QRect(304, 328, 138, 27));
    EXPECT_TRUE(splash->lblVersion->font().bold());
    EXPECT_EQ(splash->lblVersion->font().pointSizeF(), 12);
    EXPECT_EQ(splash->lblVersion->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_TRUE(splash->Timer1.isActive());
    EXPECT_EQ(splash->Timer1.interval(), 1000);
    EXPECT_NE(h.main->state().CurEntry, 0);
    EXPECT_TRUE(h.main->isVisible());
}

TEST_F(Splash, ClosesAtTheTenthTickNotBefore)
{
    for (int tick = 1; tick <= 9; ++tick)
        splash->Timer1_Timer();
    EXPECT_FALSE(closed());
    EXPECT_EQ(splash->Ticks, 9);
    splash->Timer1_Timer();
    EXPECT_TRUE(closed());
    EXPECT_TRUE(h.main->isVisible());
}

// A click on the picture or on the version, or any key, closes at once.
TEST_F(Splash, AClickOrAKeyClosesAtOnce)
{
    const std::vector<std::function<void(frmSplash *)>> ways = {
        [](frmSplash *w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(20, 20)); },
        [](frmSplash *w) { QTest::mouseClick(w->lblVersion, Qt::LeftButton); },
        [](frmSplash *w) { QTest::keyClick(w, Qt::Key_X); },
    };
    for (std::size_t i = 0; i < ways.size(); ++i) {
        if (i > 0) {
            h.main->setSplashShown(0);
            ASSERT_TRUE(h.main->Form_Load());
            splash = h.splash();
        }
        ways[i](splash);
        EXPECT_TRUE(closed()) << "way " << i;
    }
}

// Closing early changes nothing in the main window, and a second start-up
// of the same window shows no second splash.
TEST_F(Splash, ShownOncePerRunAndClosingLeavesMainAsItWas)
{
    const int entry = h.main->state().CurEntry;
    QTest::keyClick(splash, Qt::Key_Space);
    ASSERT_TRUE(closed());
    EXPECT_EQ(h.main->state().CurEntry, entry);

    ASSERT_TRUE(h.main->Form_Load());
    EXPECT_EQ(h.splash(), nullptr);
    EXPECT_EQ(h.main->findChildren<frmSplash *>().size(), 0);
}

} // namespace

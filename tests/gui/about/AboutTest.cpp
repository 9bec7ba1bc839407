#include "core/sysinfo/SystemInfoLookup.h"
#include "gui/about/AboutTexts.h"
#include "gui/about/frmAbout.h"
#include "gui/widgets/AppIcon.h"
#include "support/Fakes.h"
#include "support/MainHarness.h"
#include "support/ModalDriver.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Nothing to find and nothing started: every press of "System Info..."
// ends in the message.
class NoSystemInfo final : public SystemInfoLookup, public ProgramStarter {
  public:
    std::optional<QString> configuredProgram() override { return std::nullopt; }
    std::optional<QStringList> programCandidates() override { return std::nullopt; }
    bool startDetached(const QString &) override { return false; }
};

class About : public ::testing::Test {
  protected:
    void show()
    {
        window.show();
        QApplication::setActiveWindow(&window);
        QApplication::processEvents();
    }

    NoSystemInfo none;
    FakeBoxes boxes;
    frmAbout window{none, none, boxes};
};

TEST_F(About, TitleVersionAndCaptions)
{
    EXPECT_EQ(window.windowTitle(), "About ZEL Quiz");
    EXPECT_EQ(window.lblTitle->text(), "ZEL Quiz");
    EXPECT_EQ(window.lblVersion->text(), "Version 1.6");
    EXPECT_EQ(window.size(), QSize(461, 379));
    EXPECT_EQ(window.Label3->palette().color(QPalette::WindowText), QColor(192, 0, 0));
    EXPECT_EQ(window.cmdSysInfo->text(), "&System Info...");
    EXPECT_FALSE(window.picIcon->pixmap().isNull());
    EXPECT_FALSE(window.windowIcon().isNull());
}

// Four paragraphs of three leading blanks, two CRs between them and none
// after the last; the credits one name a line.
TEST_F(About, DescriptionParagraphsAndCredits)
{
    const QString text = AboutTexts::description();
    const QStringList paragraphs = text.split("\r\r");
    ASSERT_EQ(paragraphs.size(), 4);
    for (const QString &p : paragraphs) {
        EXPECT_TRUE(p.startsWith("   ") && !p.startsWith("    ")) << p.toStdString();
        EXPECT_FALSE(p.contains('\r'));
    }
    EXPECT_EQ(paragraphs[0], "   This program was created as a study aid for those initially "
                             "training for the ZEL field or those wanting to refresh their ZEL "
                             "knowledge.");
    EXPECT_EQ(paragraphs[2], "   The author assumes no responsibility for the accurateness of "
                             "this program and any errors, typos, or omissions it may contain. "
                             "This program is not designed to replace conventional studying.");
    EXPECT_EQ(paragraphs[3], "   If any program errors or outdated information is found, please "
                             "contact the author and inform him of the problem.");
    EXPECT_EQ(window.lblDescript->text(), QString(text).replace("\r", "\n"));

    EXPECT_EQ(AboutTexts::instructors().split('\r').size(), 3);
    EXPECT_EQ(window.lblInstructors->text().split('\n').size(), 3);
}

TEST_F(About, OkFocusedFirstThenSystemInfo)
{
    show();
    EXPECT_EQ(QApplication::focusWidget(), window.cmdOK);
    EXPECT_TRUE(window.cmdOK->isDefault());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window.cmdSysInfo);
}

class AboutKey : public About, public ::testing::WithParamInterface<Qt::Key> {};

TEST_P(AboutKey, ClosesLikeOk)
{
    show();
    QTest::keyClick(&window, GetParam());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_TRUE(boxes.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Keys, AboutKey,
                         ::testing::Values(Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape));

TEST_F(About, NoProgramFoundTellsTheUserAndStaysOpen)
{
    show();
    QTest::mouseClick(window.cmdSysInfo, Qt::LeftButton);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "System Information Is Unavailable At This Time");
    EXPECT_EQ(boxes.shown[0].buttons, MessageBoxes::Ok);
    EXPECT_EQ(boxes.shown[0].icon, MessageBoxes::NoIcon);
    EXPECT_TRUE(boxes.shown[0].title.isEmpty());
    EXPECT_TRUE(window.isVisible());
}

// Help > About through the real menu entry: the window is modal over the
// main window, and a running countdown stands still while it is open.
TEST(AboutFromTheMenu, OpensModallyAndPausesTheCountdown)
{
    MainHarness h;
    h.useSampleData();
    ASSERT_TRUE(h.start());
    h.show();
    h.child<QAction>("Menu_Timed")->trigger();
    h.main->Btn_StartStop_Click();
    ASSERT_TRUE(h.countdown()->isActive());
    EXPECT_TRUE(h.child<QAction>("Mnu_About")->isEnabled());

    ModalDriver driver;
    bool pausedWhileOpen = false;
    QWidget *owner = nullptr;
    driver.on("frmAbout", [&](QWidget *w) {
        pausedWhileOpen = !h.countdown()->isActive();
        owner = w->parentWidget();
        QTest::keyClick(w, Qt::Key_Escape);
    });
    h.child<QAction>("Mnu_About")->trigger();

    EXPECT_EQ(driver.answered, std::vector<QString>{"frmAbout"});
    EXPECT_TRUE(pausedWhileOpen);
    EXPECT_EQ(owner, h.main.get());
    EXPECT_TRUE(h.countdown()->isActive());
}

} // namespace

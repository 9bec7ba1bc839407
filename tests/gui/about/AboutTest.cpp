#include "gui/Controls.h"
#include "gui/about/AboutDialog.h"
#include "support/Fakes.h"
#include "support/MainHarness.h"
#include "support/ModalDriver.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class About : public ::testing::Test {
  protected:
    void SetUp() override
    {
        window.show();
        QApplication::setActiveWindow(&window);
        QApplication::processEvents();
    }
    QString text(const char *name) { return control<QLabel>(&window, name)->text(); }

    NoSystemInfo none;
    FakeBoxes boxes;
    AboutDialog window{none, none, boxes};
};

TEST_F(About, ShowsTheProgramTheNoteAndTheCredits)
{
    EXPECT_EQ(window.windowTitle(), "About ZEL Quiz");
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_FALSE(control<QLabel>(&window, "iconLabel")->pixmap().isNull());
    EXPECT_EQ(text("titleLabel"), "ZEL Quiz");
    EXPECT_EQ(text("versionLabel"), "Version 1.6");
    EXPECT_EQ(control(&window, "noteLabel")->palette().color(QPalette::WindowText),
              QColor(192, 0, 0));
    // Four paragraphs, each opened by three blanks, with a blank line
    // between them; the instructors one a line.
    const QStringList paragraphs = text("descriptionLabel").split("\n\n");
    ASSERT_EQ(paragraphs.size(), 4);
    for (const QString &p : paragraphs)
        EXPECT_TRUE(p.startsWith("   ") && !p.startsWith("    ") && !p.contains('\n'))
            << qPrintable(p);
    EXPECT_EQ(paragraphs[2], "   The author assumes no responsibility for the accurateness of "
                             "this program and any errors, typos, or omissions it may contain. "
                             "This program is not designed to replace conventional studying.");
    EXPECT_EQ(text("instructorsLabel").split('\n').size(), 3);
}

// Tab leads to "System Info..."; without a program to start it says so,
// and the window stays.
TEST_F(About, SystemInfoWithoutAProgramSaysItIsUnavailable)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    auto *sysInfo = control<QPushButton>(&window, "systemInfoButton");
    ASSERT_EQ(QApplication::focusWidget(), sysInfo);
    EXPECT_EQ(sysInfo->text(), "&System Info...");
    QTest::keyClick(sysInfo, Qt::Key_Space);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "System Information Is Unavailable At This Time");
    EXPECT_EQ(boxes.shown[0].buttons, MessageBoxes::Buttons::Ok);
    EXPECT_EQ(boxes.shown[0].icon, MessageBoxes::Icon::NoIcon);
    EXPECT_TRUE(boxes.shown[0].title.isEmpty());
    EXPECT_TRUE(window.isVisible());
}

struct KeyCase {
    const char *name;
    Qt::Key key;
};

class AboutFromTheMenu : public ::testing::TestWithParam<KeyCase> {};

// Help > About through the real menu entry: the window is modal over the
// main window with OK focused, and a running countdown stands still while
// it is open. Enter presses OK, and so does Escape: there is nothing to
// cancel.
TEST_P(AboutFromTheMenu, OpensModallyAndPausesTheCountdown)
{
    MainHarness h;
    h.useSampleData();
    ASSERT_TRUE(h.start());
    h.show();
    h.child<QAction>("timedAction")->trigger();
    h.child<QPushButton>("startStopButton")->click();
    ASSERT_TRUE(h.countdown()->isActive());

    ModalDriver driver;
    QStringList seen;
    driver.on("AboutDialog", [&](QWidget *w) {
        seen << w->focusWidget()->objectName();
        QTest::keyClick(w, GetParam().key);
        seen << QString::number(static_cast<QDialog *>(w)->result());
        EXPECT_FALSE(h.countdown()->isActive());
        EXPECT_EQ(w->parentWidget(), h.main.get());
    });
    h.child<QAction>("aboutAction")->trigger();
    EXPECT_EQ(driver.answered, std::vector<QString>{"AboutDialog"});
    EXPECT_EQ(seen, QStringList({"okButton", QString::number(QDialog::Accepted)}));
    EXPECT_TRUE(h.countdown()->isActive());
    EXPECT_TRUE(h.fakes.boxes.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Keys, AboutFromTheMenu,
                         ::testing::Values(KeyCase{"return", Qt::Key_Return},
                                           KeyCase{"enter", Qt::Key_Enter},
                                           KeyCase{"escape", Qt::Key_Escape}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace

// Banks as folders: opening one from the menu, the banks opened recently,
// and the bank the program starts on.
#include "WindowTest.h"
#include "core/quiz/BankFolders.h"
#include "support/CaseName.h"

#include <QDir>
#include <QMenu>

namespace {

class BankWindow : public WindowTest {
  protected:
    // A bank of ten entries "B1".."B10" in a folder of its own, opened.
    QString openFromMenu(const QString &name)
    {
        const QString folder = other.file(name);
        MainHarness::writeBank(folder, 10, "B");
        h.fakes.files.paths.push_back(folder);
        choose("openBankAction");
        return folder;
    }

    TempDir other;
};

TEST_F(BankWindow, OpeningABankFromTheMenuAsksItsQuestionsUnderItsName)
{
    startGame();
    const QString botany = openFromMenu("Botany");

    EXPECT_EQ(m().windowTitle(), "Botany - ZEL Quiz");
    EXPECT_EQ(m().bankFolder(), botany);
    EXPECT_TRUE(text("questionLabel").endsWith("B" + QString::number(s().entry)));
    // As any change of quiz type, the game is over and Standard is on.
    EXPECT_FALSE(s().gameRunning);
    EXPECT_FALSE(h.countdown()->isActive());
    EXPECT_TRUE(h.child<QAction>("standardAction")->isChecked());
    EXPECT_EQ(h.fakes.settings.values.value("banks/last"), botany);
    EXPECT_TRUE(h.fakes.boxes.shown.empty());
}

TEST_F(BankWindow, ABankThatCannotBeOpenedIsReportedAndTheOpenOneStays)
{
    const QString broken = other.file("Broken");
    QDir().mkpath(broken);
    h.fakes.files.paths.push_back(broken);
    choose("openBankAction");

    EXPECT_EQ(
        h.fakes.boxes.shown,
        (Boxes{{BankFolders::notOpenedText(broken, "Error Loading From File."), "Program Error!",
                MessageBoxes::Buttons::Ok, MessageBoxes::Icon::Information}}));
    EXPECT_EQ(m().windowTitle(), "ZEL Quiz");
    EXPECT_TRUE(text("questionLabel").endsWith(subject()));
}

TEST_F(BankWindow, TheRecentListOpensItsBanksMostRecentFirstAndGreysThoseGone)
{
    QStringList opened;
    for (int i = 1; i <= 9; ++i)
        opened.prepend(openFromMenu(QStringLiteral("Bank %1").arg(i)));
    QDir(opened[2]).removeRecursively();
    auto *recent = h.child<QMenu>("recentBanksMenu");
    emit recent->aboutToShow();
    QApplication::processEvents();

    QStringList shown;
    for (QAction *a : recent->actions())
        shown << a->text() + (a->isEnabled() ? "" : " (greyed)");
    ASSERT_EQ(shown.size(), BankFolders::MaxRecent);
    EXPECT_EQ(shown[0], "&1 " + QDir::toNativeSeparators(opened[0]));
    EXPECT_EQ(shown[2], "&3 " + QDir::toNativeSeparators(opened[2]) + " (greyed)");
    EXPECT_EQ(shown[7], "&8 " + QDir::toNativeSeparators(opened[7]));

    recent->actions()[3]->trigger();
    EXPECT_EQ(m().bankFolder(), opened[3]);
}

struct StartCase {
    const char *name;
    bool remembered; // the bank comes from the settings, not the command line
    bool gone;
};

class StartBank : public ::testing::TestWithParam<StartCase> {};

// The bank opened last, or the one the command line names, opens at the
// start; one that has gone gives way to the program folder's bank, saying so.
TEST_P(StartBank, OpensOrFallsBackToTheProgramFoldersBank)
{
    const StartCase &c = GetParam();
    MainHarness h;
    h.writeBank(10);
    const TempDir other;
    const QString law = other.file(QStringLiteral("Law"));
    if (!c.gone)
        MainHarness::writeBank(law, 10, "L");
    if (c.remembered)
        h.fakes.settings.values.insert("banks/last", law);
    else
        h.requestedBank = law;

    ASSERT_TRUE(h.start());

    EXPECT_EQ(h.main->windowTitle(), c.gone ? "ZEL Quiz" : "Law - ZEL Quiz");
    EXPECT_EQ(h.main->bankFolder(), c.gone ? QDir::cleanPath(h.dir.path()) : law);
    const Boxes fallback{{BankFolders::fallbackText(law, "Error Loading From File."), "Open Bank",
                          MessageBoxes::Buttons::Ok, MessageBoxes::Icon::Information}};
    EXPECT_EQ(h.fakes.boxes.shown, c.gone ? fallback : Boxes{});
    // The fallback is remembered: the message comes once.
    EXPECT_EQ(h.fakes.settings.values.value("banks/last"), c.gone ? "" : law);
}

INSTANTIATE_TEST_SUITE_P(Banks, StartBank,
                         ::testing::Values(StartCase{"remembered", true, false},
                                           StartCase{"remembered_gone", true, true},
                                           StartCase{"command_line", false, false},
                                           StartCase{"command_line_gone", false, true}),
                         CaseName());

} // namespace

// A practice exam through the main window's real menus, keys and buttons,
// over a real learning record in a temporary folder.
#include "../Controls.h"
#include "core/quiz/BankLoader.h"
#include "core/record/LearningRecord.h"
#include "gui/exam/ExamPage.h"
#include "gui/exam/ExamRunner.h"
#include "gui/exam/ExamSetupDialog.h"
#include "gui/record/ProgressDialog.h"
#include "support/MainHarness.h"
#include "support/ModalDriver.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

namespace {

class ExamWindowTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        h.writeBank(10);
        AppServices services = h.fakes.services();
        services.record = record.get();
        h.main = std::make_unique<MainWindow>(h.dir.path(), services);
        h.main->setSplashShown(true);
        ASSERT_TRUE(h.main->start());
        record->open();
        h.show();
    }
    // Opens the set-up from the menu and starts an exam of n questions.
    void startExam(int n, bool timed = true)
    {
        ModalDriver driver;
        driver.on(QStringLiteral("ExamSetupDialog"), [n, timed](QWidget *w) {
            control<QSpinBox>(w, "questionsBox")->setValue(n);
            control<QCheckBox>(w, "timeLimitBox")->setChecked(timed);
            QTest::keyClick(w, Qt::Key_Return);
        });
        h.child<QAction>("examAction")->trigger();
        ASSERT_EQ(driver.answered, std::vector<QString>{"ExamSetupDialog"});
    }
    ExamPage *page() { return h.child<ExamPage>("examPage"); }
    const Exam &exam() { return *page()->exam(); }
    // A digit key where the keyboard focus of the exam is.
    void key(int k)
    {
        QWidget *focus = page()->focusWidget();
        QTest::keyClick(focus ? focus : page(), Qt::Key(Qt::Key_0 + k));
    }
    QString text(const char *name) { return h.child<QLabel>(name)->text(); }
    QStringList boxTitles()
    {
        QStringList titles;
        for (const auto &b : h.fakes.boxes.shown)
            titles << b.title + ": " + b.text.section('\r', 0, 0);
        return titles;
    }

    MainHarness h;
    std::unique_ptr<LearningRecord> record =
        std::make_unique<LearningRecord>(h.dir.file(QStringLiteral("record.sqlite")));
};

// Ten questions from the keyboard: answers chosen and changed with the
// digit keys, a flag, a jump from the list, Finish with one unanswered,
// the result read, the misses practised, and the exam in Progress after a
// restart.
TEST_F(ExamWindowTest, TakenFromTheKeyboardReviewedAndPractised)
{
    startExam(10, false);
    EXPECT_TRUE(page()->isVisible());
    EXPECT_TRUE(h.child<QAction>("examAction")->isChecked());
    EXPECT_FALSE(h.child<QAction>("standardAction")->isChecked());
    EXPECT_EQ(text("counterLabel"), "Question 1 of 10");
    EXPECT_EQ(h.child("counterLabel")->accessibleName(), "Question 1 of 10");
    EXPECT_EQ(text("timeLabel"), "");
    EXPECT_EQ(exam().count(), 10);

    // Question 1: wrong first, then changed to the right one.
    const auto &q1 = exam().current();
    key(q1.answerButtons[1]);
    key(q1.answerButtons[0]);
    auto *chosen = h.child<QPushButton>(QStringLiteral("examAnswer%1").arg(q1.answerButtons[0]));
    EXPECT_TRUE(chosen->isChecked());
    EXPECT_TRUE(chosen->accessibleName().endsWith("(chosen)"));
    EXPECT_EQ(chosen->palette().color(QPalette::Button), QColor(184, 207, 240));
    EXPECT_EQ(exam().questions()[0].changes, 1);
    // Questions 2..8 wrong, 9 right, 10 left open; 3 flagged.
    for (int i = 1; i < 9; ++i) {
        QTest::mouseClick(h.child<QPushButton>("examNextButton"), Qt::LeftButton);
        key(exam().current().answerButtons[i == 8 ? 0 : 2]);
        if (i == 2)
            QTest::mouseClick(h.child<QPushButton>("examFlagButton"), Qt::LeftButton);
    }
    // The list takes a digit as an answer, not as the start of an item's text.
    auto *list = h.child<QListWidget>("questionList");
    list->setCurrentRow(2);
    QTest::keyClick(list, Qt::Key(Qt::Key_0 + exam().current().answerButtons[3]));
    EXPECT_EQ(exam().current().chosen, exam().current().answerButtons[3]);
    EXPECT_EQ(text("counterLabel"), "Question 3 of 10");
    EXPECT_EQ(h.child<QListWidget>("questionList")->item(2)->data(Qt::AccessibleTextRole),
              "Question 3, answered, flagged");
    EXPECT_EQ(h.child<QPushButton>("examFlagButton")->text(), "Unfla&g");

    const int firstMissed = exam().questions()[1].entry;
    ModalDriver driver;
    driver.on(QStringLiteral("ExamResultDialog"), [](QWidget *w) {
        EXPECT_EQ(control<QLabel>(w, "scoreLabel")->accessibleName(),
                  "Result: 2 of 10 right (20 %)");
        EXPECT_EQ(control<QLabel>(w, "passLabel")->text(), "Not passed (pass mark 75 %)");
        auto *review = control<QTableWidget>(w, "reviewTable");
        EXPECT_EQ(review->rowCount(), 10);
        EXPECT_EQ(review->item(0, 1)->text(), "Wrong");
        EXPECT_EQ(review->item(1, 0)->text(), "3 (flagged)");
        EXPECT_EQ(review->item(7, 1)->text(), "Not answered");
        EXPECT_EQ(review->item(9, 1)->text(), "Right");
        control<QPushButton>(w, "practiseButton")->click();
    });
    QTest::mouseClick(h.child<QPushButton>("examFinishButton"), Qt::LeftButton);
    EXPECT_EQ(driver.answered, std::vector<QString>{"ExamResultDialog"});
    EXPECT_EQ(boxTitles(), QStringList{"Finish Exam: 1 of the 10 questions is not answered yet."});
    EXPECT_EQ(h.fakes.boxes.shown.back().buttons, MessageBoxes::Buttons::YesNoSafe);

    // The misses are practised at once, on the Standard quiz's screen.
    EXPECT_FALSE(page()->isVisible());
    EXPECT_TRUE(h.child("questionLabel")->isVisible());
    EXPECT_FALSE(h.child<QAction>("examAction")->isChecked());
    EXPECT_EQ(h.main->state().entry, firstMissed);

    record->flush();
    EXPECT_EQ(record->store().answerCount(), 9);
    record = std::make_unique<LearningRecord>(h.dir.file(QStringLiteral("record.sqlite")));
    record->open();
    ProgressDialog progress(*record, h.fakes.boxes);
    auto *table = control<QTableWidget>(&progress, "examTable");
    EXPECT_EQ(control<QLabel>(&progress, "examSummaryLabel")->text(), "1 exam finished, 0 passed.");
    ASSERT_EQ(table->rowCount(), 1);
    EXPECT_EQ(table->item(0, 1)->text(), "2 of 10 (20 %)");
    EXPECT_EQ(table->item(0, 2)->text(), "Not passed (pass mark 75 %)");
}

// Another quiz type, a drill or Exit during an exam asks first, No (the
// default) keeps the exam; Yes leaves it for the quiz chosen.
TEST_F(ExamWindowTest, LeavingAsksFirst)
{
    startExam(3);
    h.fakes.boxes.answers = {MessageBoxes::Answer::No, MessageBoxes::Answer::No,
                             MessageBoxes::Answer::No, MessageBoxes::Answer::No,
                             MessageBoxes::Answer::Yes};
    h.child<QAction>("timedAction")->trigger();
    h.child<QAction>("reviewAction")->trigger();
    MainHarness::writeBank(h.dir.file("other"), 10, "B");
    h.fakes.files.paths.push_back(h.dir.file("other"));
    h.child<QAction>("openBankAction")->trigger();
    EXPECT_EQ(h.main->windowTitle(), "ZEL Quiz");
    EXPECT_FALSE(h.main->close());
    EXPECT_TRUE(page()->isVisible());
    EXPECT_TRUE(h.child<QAction>("examAction")->isChecked());
    EXPECT_FALSE(h.child<QAction>("timedAction")->isChecked());
    h.child<QAction>("timedAction")->trigger();
    EXPECT_FALSE(page()->isVisible());
    EXPECT_TRUE(h.child<QAction>("timedAction")->isChecked());
    EXPECT_FALSE(h.fakes.end.ended);
    ASSERT_EQ(h.fakes.boxes.shown.size(), 5u);
    for (const auto &b : h.fakes.boxes.shown)
        EXPECT_EQ(b.buttons, MessageBoxes::Buttons::YesNoSafe);
    EXPECT_TRUE(h.fakes.boxes.shown[3].text.startsWith("An exam is in progress. Exit"));
    record->flush();
    EXPECT_EQ(record->store().answerCount(), 0);
    EXPECT_TRUE(record->store().pastExams().empty());
}

// When the time is up the exam ends with what was answered, without asking,
// and the set-up remembers the choices.
TEST_F(ExamWindowTest, TimeOutFinishesAndSettingsAreRemembered)
{
    h.fakes.settings.failCommits = true;
    startExam(4);
    EXPECT_EQ(h.fakes.settings.values.value("exam/questions"), "4");
    ASSERT_EQ(h.fakes.boxes.shown.size(), 1u);
    EXPECT_TRUE(h.fakes.boxes.shown[0].text.startsWith("The exam settings could not be saved"));
    h.fakes.boxes.shown.clear();
    EXPECT_EQ(text("timeLabel"), "Time left: 1:00:00");
    key(exam().current().answerButtons[0]);
    std::optional<ExamResult> result;
    h.main->findChild<ExamRunner *>()->setResultShower([&result](const ExamResult &r) {
        result = r;
        return false;
    });
    page()->setClock([] { return qint64(59 * 60000 + 30000); });
    page()->clockTicked();
    EXPECT_EQ(text("timeLabel"), "Time left: 0:30");
    page()->setClock([] { return qint64(60 * 60000 + 400); });
    page()->clockTicked();
    ASSERT_TRUE(result);
    EXPECT_EQ(result->takenText(), "Time taken: 1:00:00 (time ran out)");
    EXPECT_EQ(result->scoreText(), "Result: 1 of 4 right (25 %)");
    EXPECT_TRUE(h.fakes.boxes.shown.empty());
    EXPECT_TRUE(h.child<QAction>("standardAction")->isChecked());
    record->flush();
    ASSERT_EQ(record->store().pastExams().size(), 1u);
    EXPECT_EQ(record->store().pastExams()[0].takenMs, 3600000);
}

// The set-up lists only the wordings the bank asks; the number of questions
// follows what the wordings chosen hold, and a wording this bank does not
// ask stays as it was chosen.
TEST(ExamSetupTest, FollowsTheWordingsChosen)
{
    QStringList texts;
    QStringList entries;
    for (int i = 1; i <= 10; ++i) {
        texts << QStringLiteral("T%1").arg(i);
        entries << QStringLiteral("%1|%2|1|2|3|4|5|").arg(i <= 4 ? 4 : 2).arg(i);
    }
    const QuestionBank bank = BankLoader::buildBank(texts, entries, standardWordings());
    ExamSetupDialog setup({50, 0, 75, {4, 7}}, bank);
    auto *list = control<QListWidget>(&setup, "wordingList");
    auto *questions = control<QSpinBox>(&setup, "questionsBox");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), "What Term means:");
    EXPECT_EQ(list->item(1)->checkState(), Qt::Unchecked);
    EXPECT_EQ(questions->maximum(), 6);
    EXPECT_FALSE(control<QSpinBox>(&setup, "minutesBox")->isEnabled());
    list->item(0)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(control<QPushButton>(&setup, "startButton")->isEnabled());
    list->item(1)->setCheckState(Qt::Checked);
    EXPECT_EQ(questions->value(), 4);
    EXPECT_EQ(setup.settings(), (ExamSettings{4, 0, 75, {2, 7}}));
}

} // namespace

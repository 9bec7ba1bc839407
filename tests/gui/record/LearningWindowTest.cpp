// The Learning menu of the main window over a real record in a temporary
// folder, and the progress window.
#include "../Controls.h"
#include "core/record/LearningRecord.h"
#include "core/record/QuestionKey.h"
#include "gui/record/ChartWidget.h"
#include "gui/record/ProgressDialog.h"
#include "support/CaseName.h"
#include "support/MainHarness.h"
#include "support/ModalDriver.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

namespace {

class LearningWindowTest : public ::testing::Test {
  protected:
    void start(const QByteArray &recordBytes = {})
    {
        h.writeBank(6);
        if (!recordBytes.isNull())
            h.dir.write(QStringLiteral("record.sqlite"), recordBytes);
        AppServices services = h.fakes.services();
        services.record = record.get();
        h.main = std::make_unique<MainWindow>(h.dir.path(), services);
        h.main->setSplashShown(true);
        ASSERT_TRUE(h.main->start());
        // As the program does it: the record opens after the first paint.
        record->openAfterFirstPaint(*h.main);
        h.show();
        for (int turn = 0; turn < 5; ++turn)
            QCoreApplication::processEvents();
    }
    void recordOne()
    {
        record->open();
        AnswerEvent e;
        e.key = "k";
        e.at = QDateTime::currentDateTimeUtc();
        record->record(e);
        record->flush();
    }
    const QuizState &s() { return h.main->state(); }
    void answer(int k) { h.button(s().answerButtons[std::size_t(k - 1)])->click(); }
    void choose(const char *action) { h.child<QAction>(action)->trigger(); }
    QStringList boxTexts()
    {
        QStringList texts;
        for (const auto &b : h.fakes.boxes.shown)
            texts << b.text;
        return texts;
    }

    MainHarness h;
    std::unique_ptr<LearningRecord> record =
        std::make_unique<LearningRecord>(h.dir.file(QStringLiteral("record.sqlite")));
};

TEST_F(LearningWindowTest, ReviewDrillsTheMissedQuestionAndStandardLeavesIt)
{
    start();
    QStringList menus;
    for (QAction *a : h.main->menuBar()->actions())
        menus << a->text();
    EXPECT_EQ(menus, (QStringList{"&File", "&Learning", "&Help"}));

    choose("reviewAction");
    EXPECT_TRUE(boxTexts().last().startsWith("No questions are due for review."));
    EXPECT_TRUE(h.child<QAction>("standardAction")->isChecked());
    EXPECT_FALSE(h.child<QAction>("reviewAction")->isChecked());

    const int missed = s().entry;
    answer(2);
    h.child<QPushButton>("nextButton")->click();
    answer(1);
    choose("reviewAction");
    EXPECT_EQ(s().entry, missed);
    EXPECT_TRUE(h.child<QAction>("reviewAction")->isChecked());
    EXPECT_FALSE(h.child<QAction>("standardAction")->isChecked());
    EXPECT_EQ(h.child<QLabel>("totalCount")->text(), "0");
    EXPECT_EQ(h.child<QLabel>("reviewCaption")->text(), "Review Mistakes: 1 due");
    EXPECT_TRUE(h.child<QLabel>("reviewCaption")->isVisible());

    choose("standardAction");
    EXPECT_FALSE(h.child<QLabel>("reviewCaption")->isVisible());
    EXPECT_TRUE(h.child<QAction>("standardAction")->isChecked());
    EXPECT_FALSE(h.child<QAction>("reviewAction")->isChecked());
    record->flush();
    EXPECT_EQ(record->store().answerCount(), 3);
}

TEST_F(LearningWindowTest, ProgressOpensFromTheMenuWhenTheRecordCanBeUsed)
{
    start();
    ModalDriver driver;
    driver.on(QStringLiteral("ProgressDialog"),
              [](QWidget *w) { control<QPushButton>(w, "closeButton")->click(); });
    choose("progressAction");
    EXPECT_EQ(driver.answered, std::vector<QString>{"ProgressDialog"});

    h.main.reset();
    record = std::make_unique<LearningRecord>(h.dir.file(QStringLiteral("no/record")));
    h.dir.write(QStringLiteral("no"), "a file where the folder should be");
    start();
    h.fakes.boxes.shown.clear();
    for (const char *entry : {"progressAction", "reviewAction", "reviewDueAction"})
        choose(entry);
    EXPECT_EQ(boxTexts(), QStringList(3, "The learning record is not available in this run, so "
                                         "there is no history to review or show."));
}

TEST_F(LearningWindowTest, AnUnreadableRecordIsToldOnceOverTheWindow)
{
    start("this is not a database");
    QCoreApplication::processEvents();
    ASSERT_EQ(h.fakes.boxes.shown.size(), 1u);
    EXPECT_EQ(h.fakes.boxes.shown[0].title, "Learning Record");
    EXPECT_TRUE(boxTexts()[0].startsWith("The learning record could not be read."));
    answer(1);
    EXPECT_EQ(h.fakes.boxes.shown.size(), 1u) << "the quiz goes on";
}

TEST_F(LearningWindowTest, ProgressShowsTheNumbersAsTextExportsAndClears)
{
    record->open();
    const QString markup = QStringLiteral("<b>bold</b> & \"q\"");
    const std::array<QString, 6> answers = {QStringLiteral("=1+1")};
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (AnswerOutcome o :
         {AnswerOutcome::FirstWrong, AnswerOutcome::FirstRight, AnswerOutcome::FirstRight})
        record->record({QuestionKey::of(QStringLiteral("What Term means:"), markup, answers),
                        QStringLiteral("What Term means:"), markup, answers[0],
                        RecordedQuiz::Standard, o, now, 900});
    record->flush();

    FakeBoxes boxes;
    ProgressDialog window(*record, boxes);
    EXPECT_EQ(control<QLabel>(&window, "todayLabel")->text(),
              "Today: 3 answered, 2 right at the first try (67 %)");
    EXPECT_EQ(control<QLabel>(&window, "allTimeLabel")->textFormat(), Qt::PlainText);
    auto *wording = control<ChartWidget>(&window, "wordingChart");
    EXPECT_TRUE(wording->accessibleDescription().contains("What Term means: 67 % of 3"));
    EXPECT_EQ(wording->accessibleName(), "First-try accuracy per question wording");
    auto *days = control<ChartWidget>(&window, "daysChart");
    EXPECT_EQ(days->items().size(), 30u);
    EXPECT_TRUE(days->accessibleDescription().endsWith(": 3 answered, 67 %"));
    auto *weakest = control<QTableWidget>(&window, "weakestTable");
    ASSERT_EQ(weakest->rowCount(), 1);
    QStringList row;
    for (int c = 0; c < 5; ++c)
        row << weakest->item(0, c)->text();
    EXPECT_EQ(row, (QStringList{markup, "What Term means:", "=1+1", "67 %", "3"}));
    window.grab(); // paints both charts

    const QString csv = h.dir.file(QStringLiteral("out.csv"));
    window.setExportFileChooser([&csv] { return csv; });
    control<QPushButton>(&window, "exportButton")->click();
    EXPECT_EQ(h.dir.read(QStringLiteral("out.csv")).count("\r\n"), 4);
    EXPECT_TRUE(
        h.dir.read(QStringLiteral("out.csv")).contains(",\"<b>bold</b> & \"\"q\"\"\",\"'=1+1\","));
    window.setExportFileChooser([this] { return h.dir.file(QStringLiteral("no/such/dir/x.csv")); });
    control<QPushButton>(&window, "exportButton")->click();
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_TRUE(boxes.shown[0].text.startsWith("The learning record has been exported to:\r"));
    EXPECT_TRUE(boxes.shown[1].text.startsWith("The learning record could not be exported to:"));

    boxes.answers = {MessageBoxes::Answer::No, MessageBoxes::Answer::Yes};
    for (int i = 0; i < 2; ++i) {
        control<QPushButton>(&window, "clearButton")->click();
        EXPECT_EQ(weakest->rowCount(), 1 - i);
    }
    EXPECT_EQ(boxes.shown[2].buttons, MessageBoxes::Buttons::ActionCancel);
    EXPECT_EQ(boxes.shown[2].action, "Clear History");
    EXPECT_EQ(record->store().answerCount(), 0);
    EXPECT_FALSE(days->isVisibleTo(&window));
    EXPECT_TRUE(control<QLabel>(&window, "noAnswersLabel")->isVisibleTo(&window));
}

// Ten weak questions with long texts: every row and column in view at the
// window's size, without the table scrolling inside the scrolling window.
TEST_F(LearningWindowTest, TheWeakestTableNeedsNoScrollingOfItsOwn)
{
    record->open();
    for (int q = 0; q < 10; ++q) {
        const QString subject =
            QStringLiteral("A subject long enough to fill a line %1 ").arg(q).repeated(4);
        const std::array<QString, 6> answers = {subject + QStringLiteral("answer")};
        record->record({QuestionKey::of(QStringLiteral("What Term means:"), subject, answers),
                        QStringLiteral("What Term means:"), subject, answers[0],
                        RecordedQuiz::Standard, AnswerOutcome::FirstWrong,
                        QDateTime::currentDateTimeUtc(), 900});
    }
    record->flush();
    FakeBoxes boxes;
    ProgressDialog window(*record, boxes);
    window.show();
    QCoreApplication::processEvents();
    auto *weakest = control<QTableWidget>(&window, "weakestTable");
    EXPECT_EQ(weakest->rowCount(), 10);
    EXPECT_EQ(weakest->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(weakest->verticalScrollBar()->maximum(), 0);
}

// Export starts in the documents folder, or at home when there is none
// (a file dialog would otherwise open where the program was started).
TEST_F(LearningWindowTest, ExportStartsInTheDocumentsFolderOrAtHome)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "Windows names the documents folder itself, whatever HOME says";
#endif
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", h.dir.path().toUtf8());
    const QString withoutDocuments = ProgressDialog::exportFolder();
    QDir(h.dir.path()).mkdir(QStringLiteral("Documents"));
    const QString withDocuments = ProgressDialog::exportFolder();
    qputenv("HOME", home);
    EXPECT_EQ(withoutDocuments, h.dir.path());
    EXPECT_EQ(withDocuments, h.dir.file(QStringLiteral("Documents")));
}

TEST_F(LearningWindowTest, ReviewDueAndPractiseFromProgressThroughTheMenus)
{
    start();
    QStringList entries;
    for (QAction *a : h.child<QMenu>("learningMenu")->actions())
        entries << a->text();
    EXPECT_EQ(entries, (QStringList{"Review &Mistakes", "Review &Due", "&Progress...",
                                    "Study &Settings..."}));
    ModalDriver driver;
    driver.on(QStringLiteral("StudySettingsDialog"), [](QWidget *w) {
        control<QSpinBox>(w, "newPerDayBox")->setValue(2);
        control<QCheckBox>(w, "examCheck")->setChecked(true);
        control<QPushButton>(w, "okButton")->click();
    });
    choose("studySettingsAction");
    EXPECT_EQ(h.fakes.settings.values.value("study/newPerDay"), "2");
    EXPECT_EQ(h.fakes.settings.values.value("study/examDate"),
              QDate::currentDate().addDays(30).toString(Qt::ISODate));
    h.fakes.settings.failCommits = true;
    choose("studySettingsAction");
    EXPECT_EQ(boxTexts().last(), "The study settings could not be saved to:\rmemory");
    h.fakes.settings.failCommits = false;

    choose("reviewDueAction");
    EXPECT_TRUE(h.child<QAction>("reviewDueAction")->isChecked());
    EXPECT_FALSE(h.child<QAction>("standardAction")->isChecked());
    const int missed = s().entry;
    answer(2);
    h.child<QPushButton>("nextButton")->click();
    answer(1);
    EXPECT_TRUE(boxTexts().last().startsWith("Every question due today has now been answered."));
    EXPECT_TRUE(h.child<QAction>("standardAction")->isChecked());
    choose("reviewDueAction");
    EXPECT_TRUE(boxTexts().last().startsWith("Nothing is due for review today.\rThe next question "
                                             "falls due tomorrow, "));

    // The two answered today are the weakest (the one on screen comes second).
    int byWording = 0;
    driver.on(QStringLiteral("ProgressDialog"), [&byWording](QWidget *w) {
        if (byWording == 1)
            return control<QPushButton>(w, "practiseWordingButton")->click();
        if (byWording == 2) { // a click on the bar of the bank's wording, the fourth
            auto *chart = control<ChartWidget>(w, "wordingChart");
            const int row = std::max(chart->fontMetrics().height() + 2,
                                     chart->height() / int(chart->items().size()));
            return QTest::mouseClick(chart, Qt::LeftButton, {}, QPoint(60, row * 3 + row / 2));
        }
        EXPECT_TRUE(control<QLabel>(w, "stagesLabel")
                        ->text()
                        .startsWith("Questions in the bank: 4 new, 2 learning"));
        control<QPushButton>(w, "practiseWeakestButton")->click();
    });
    choose("progressAction");
    EXPECT_FALSE(h.child<QAction>("standardAction")->isChecked());
    EXPECT_EQ(h.child<QLabel>("totalCount")->text(), "0");
    QList<int> practised;
    for (int i = 0; i < 2; ++i) {
        practised << s().entry;
        answer(1);
    }
    EXPECT_TRUE(practised.contains(missed));
    EXPECT_TRUE(boxTexts().last().startsWith("Every question of this practice"));
    for (byWording = 1; byWording <= 2; ++byWording) {
        h.fakes.boxes.shown.clear();
        choose("standardAction");
        choose("progressAction");
        EXPECT_FALSE(h.child<QAction>("standardAction")->isChecked()) << byWording;
    }
    EXPECT_EQ(boxTexts(), QStringList()) << "the bank holds the first wording's questions";
}

// A fortnight is labelled each week (the week back from the last day too),
// and a chart without a line shows no percent scale.
TEST(ChartWidgetTest, FortnightLabelsEachWeekAndNoScaleWithoutALine)
{
    ChartWidget chart(ChartWidget::Orientation::Vertical);
    chart.setItems(std::vector<ChartWidget::Item>(14, {QStringLiteral("MMMM"), 0, -1, {}, {}, {}}), 1,
                   {});
    chart.resize(560, 120);
    const QImage image = chart.grab().toImage();
    const QFontMetrics fm(chart.font());
    const int left = fm.horizontalAdvance(QStringLiteral("9999")) + 8;
    const int bottom = image.height();
    const int right = image.width() - fm.horizontalAdvance(QStringLiteral("100%")) - 8;
    auto inked = [&image](int x0, int x1, int y0, int y1) {
        int n = 0;
        for (int x = x0; x < x1; ++x)
            for (int y = y0; y < y1; ++y)
                n += image.pixelColor(x, y) != image.pixelColor(0, 0) ? 1 : 0;
        return n;
    };
    const double step = double(right - left) / 14;
    const int week = left + int(step * 6.5);
    EXPECT_GT(inked(week - 5, week + 5, bottom - fm.height() - 2, bottom), 0)
        << "the label of day 7";
    EXPECT_EQ(inked(right + 2, image.width(), 0, fm.height()), 0) << "no 100% without a line";
}

// Cancelled in its progress window, the export leaves no file and says
// nothing.
TEST_F(LearningWindowTest, ACancelledExportLeavesNoFile)
{
    recordOne();
    FakeBoxes boxes;
    ProgressDialog window(*record, boxes);
    window.setExportFileChooser([this, &window] {
        // Posted before the export starts, so handled before it can end.
        QMetaObject::invokeMethod(
            &window,
            [&window] {
                auto *progress = control<QProgressDialog>(&window, "exportProgress");
                progress->findChild<QPushButton *>()->click();
            },
            Qt::QueuedConnection);
        return h.dir.file(QStringLiteral("out.csv"));
    });
    control<QPushButton>(&window, "exportButton")->click();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(QDir(h.dir.path()).entryList({"out.csv*"}), QStringList());
}

struct OwnFileCase {
    const char *name;
    QString target; // beside the record, "link" a link to the record
};
class ExportTarget : public LearningWindowTest,
                     public ::testing::WithParamInterface<OwnFileCase> {};

// Choosing the record's own file (or its -wal or -shm) as the export's
// target, even under another name, is refused: the record stays a record.
TEST_P(ExportTarget, IsNeverTheRecordItself)
{
    recordOne();
    const QString path = h.dir.file(GetParam().target);
    if (GetParam().target == QLatin1String("link")) {
#ifdef Q_OS_WIN
        GTEST_SKIP() << "a Windows shortcut is a file of its own";
#endif
        ASSERT_TRUE(QFile::link(record->path(), path));
    }
    FakeBoxes boxes;
    ProgressDialog window(*record, boxes);
    window.setExportFileChooser([&path] { return path; });
    control<QPushButton>(&window, "exportButton")->click();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "The learning record could not be exported to:\r" + path +
                                       "\rthis is the learning record's own file");
    RecordStore reopened(record->path());
    ASSERT_EQ(reopened.open().status, RecordStore::Status::Ready);
    EXPECT_EQ(reopened.answerCount(), 1);
}

const OwnFileCase kOwnFiles[] = {{"record", "record.sqlite"},
                                 {"wal", "record.sqlite-wal"},
                                 {"shm", "record.sqlite-shm"},
                                 {"link", "link"}};
INSTANTIATE_TEST_SUITE_P(OwnFiles, ExportTarget, ::testing::ValuesIn(kOwnFiles), CaseName());

} // namespace

// Import Questions and Export Bank from the File menu: the preview before
// anything is written, the folder written, and the bank then open.
#include "WindowTest.h"
#include "core/quiz/BankFolders.h"
#include "gui/main/BankMenu.h"
#include "support/ModalDriver.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QTableWidget>

namespace {

class ImportWindow : public WindowTest {
  protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        // Imports go below the user's data folder: this test's own.
        m().findChild<BankMenu *>()->setDataFolder(data.path());
        QByteArray pairs;
        for (int i = 1; i <= 8; ++i)
            pairs +=
                "Plant " + QByteArray::number(i) + "\tLeaf shape " + QByteArray::number(i) + "\n";
        // Rows without a definition, each skipped and listed.
        pairs += QByteArray("Lonely term\t\n").repeated(40);
        files.write("plants.txt", pairs);
    }

    // Imports plants.txt, pressing `button` in the preview after `inPreview`.
    void import(const char *button, const std::function<void(QWidget *)> &inPreview = {})
    {
        h.fakes.files.paths.push_front(files.file("plants.txt"));
        ModalDriver driver;
        driver.on("ImportPreviewDialog", [&](QWidget *preview) {
            if (inPreview)
                inPreview(preview);
            preview->findChild<QPushButton *>(button)->click();
        });
        choose("importQuestionsAction");
        EXPECT_EQ(driver.answered, std::vector<QString>{"ImportPreviewDialog"});
    }
    QString defaultTarget() const { return data.file("banks/plants"); }

    TempDir data;
    TempDir files;
};

TEST_F(ImportWindow, ThePreviewShowsTheQuestionsAndCancelWritesNothing)
{
    const auto inPreview = [](QWidget *preview) {
        auto *table = preview->findChild<QTableWidget *>("questionTable");
        ASSERT_EQ(table->rowCount(), 8);
        EXPECT_TRUE(table->item(0, 0)->text().startsWith("Plant "));
        EXPECT_TRUE(table->item(0, 3)->text().contains("Leaf shape "));
        const auto *summary = preview->findChild<QPlainTextEdit *>("summaryText");
        EXPECT_TRUE(summary->toPlainText().startsWith("8 questions imported, 40 skipped:"));
        // The list scrolls; the dialog stays on a small screen.
        EXPECT_LT(preview->sizeHint().height(), 700);
        EXPECT_TRUE(preview->findChild<QPushButton *>("cancelButton")->isDefault());
    };
    import("cancelButton", inPreview);

    EXPECT_FALSE(QFileInfo::exists(defaultTarget()));
    EXPECT_EQ(m().windowTitle(), "ZEL Quiz");
    EXPECT_TRUE(h.fakes.boxes.shown.empty());
}

TEST_F(ImportWindow, ImportWritesANewFolderAndOpensIt)
{
    import("importButton");

    EXPECT_EQ(m().bankFolder(), defaultTarget());
    EXPECT_EQ(m().windowTitle(), "plants - ZEL Quiz");
    EXPECT_TRUE(text("questionLabel").contains("Plant "));
    // A second import of the same file goes beside the first.
    import("importButton");
    EXPECT_EQ(m().bankFolder(), defaultTarget() + " 2");
}

TEST_F(ImportWindow, AFolderHoldingABankIsReplacedOnlyAfterAsking)
{
    const QString taken = files.file("Taken");
    MainHarness::writeBank(taken, 10, "K");
    const QByteArray before = files.read("Taken/A.zel");
    h.fakes.files.paths.push_back(taken);
    h.fakes.boxes.answers = {MessageBoxes::Answer::No};

    import("importButton", [](QWidget *preview) {
        preview->findChild<QPushButton *>("chooseFolderButton")->click();
});

ASSERT_EQ(h.fakes.boxes.shown.size(), 1U);
EXPECT_EQ(h.fakes.boxes.shown[0].buttons, MessageBoxes::Buttons::ActionCancel);
EXPECT_EQ(h.fakes.boxes.shown[0].action, "Replace");
EXPECT_EQ(files.read("Taken/A.zel"), before);
EXPECT_EQ(m().windowTitle(), "ZEL Quiz");
} // namespace

TEST_F(ImportWindow, AFileWithoutQuestionsIsToldAndWritesNothing)
{
    files.write("plants.txt", "");
    h.fakes.files.paths.push_back(files.file("plants.txt"));
    choose("importQuestionsAction");

    ASSERT_EQ(h.fakes.boxes.shown.size(), 1U);
    EXPECT_EQ(h.fakes.boxes.shown[0].title, "Import Questions");
    EXPECT_FALSE(QFileInfo::exists(defaultTarget()));
}

TEST_F(ImportWindow, ExportWritesTheOpenBankAndAsksBeforeReplacingAFile)
{
    const QString csv = files.file("bank.csv");
    h.fakes.files.paths = {csv, csv};
    choose("exportBankAction");
    const QByteArray written = files.read("bank.csv");
    EXPECT_TRUE(written.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(h.fakes.boxes.shown.back().text,
              "10 questions were written to\r" + QDir::toNativeSeparators(csv));

    files.write("bank.csv", "mine");
    h.fakes.boxes.answers = {MessageBoxes::Answer::No};
    choose("exportBankAction");
    EXPECT_EQ(h.fakes.boxes.shown.back().action, "Replace");
    EXPECT_EQ(files.read("bank.csv"), "mine");
}

} // namespace

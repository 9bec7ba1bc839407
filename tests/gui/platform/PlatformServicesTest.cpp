// The real platform services, driven without a person.
#include "gui/platform/QtFileDialogs.h"
#include "gui/platform/QtMessageBoxes.h"
#include "support/CaseName.h"
#include "support/ModalDriver.h"
#include "support/TempDir.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct BoxCase {
    const char *name;
    MessageBoxes::Buttons buttons;
    QMessageBox::StandardButton press; // NoButton: Escape
    MessageBoxes::Answer answer;
};

class RealMessageBox : public ::testing::TestWithParam<BoxCase> {};

// A notice goes under the program's name with the information icon; a
// question keeps its title and shows no icon.
TEST_P(RealMessageBox, AnswersWithTheButtonPressed)
{
    const BoxCase &c = GetParam();
    const bool notice = c.buttons == MessageBoxes::Buttons::Ok;
    ModalDriver driver;
    driver.on("", [&](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), "Line one\nLine <b>two</b>");
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->buttons().size(), notice ? 1 : 2);
        EXPECT_EQ(box->windowTitle(), notice ? "ZEL Quiz" : "Level 10 Complete");
        // Wide enough for the title and the title bar's buttons beside it.
        EXPECT_GE(box->width(), box->fontMetrics().horizontalAdvance(box->windowTitle()) + 100);
        EXPECT_EQ(box->icon(), notice ? QMessageBox::Information : QMessageBox::NoIcon);
        if (!notice) {
            EXPECT_EQ(static_cast<QAbstractButton *>(box->defaultButton()),
                      box->button(c.buttons == MessageBoxes::Buttons::YesNo ? QMessageBox::Yes
                                                                            : QMessageBox::No));
        }
        if (c.press == QMessageBox::NoButton)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->button(c.press)->click();
    });
    QtMessageBoxes boxes;
    const MessageBoxes::Answer answer = boxes.show(
        nullptr, "Line one\rLine <b>two</b>", notice ? "" : "Level 10 Complete", c.buttons,
        notice ? MessageBoxes::Icon::Information : MessageBoxes::Icon::NoIcon);
    EXPECT_FALSE(driver.timedOut);
    EXPECT_EQ(answer, c.answer);
}

using A = MessageBoxes::Answer;
INSTANTIATE_TEST_SUITE_P(
    Buttons, RealMessageBox,
    ::testing::Values(
        BoxCase{"ok", MessageBoxes::Buttons::Ok, QMessageBox::Ok, A::Ok},
        BoxCase{"ok_escape", MessageBoxes::Buttons::Ok, QMessageBox::NoButton, A::Ok},
        BoxCase{"yes", MessageBoxes::Buttons::YesNo, QMessageBox::Yes, A::Yes},
        BoxCase{"no", MessageBoxes::Buttons::YesNo, QMessageBox::No, A::No},
        BoxCase{"escape_is_no", MessageBoxes::Buttons::YesNo, QMessageBox::NoButton, A::No},
        BoxCase{"safe_yes", MessageBoxes::Buttons::YesNoSafe, QMessageBox::Yes, A::Yes}),
    CaseName());

struct ConfirmCase {
    const char *name;
    Qt::Key key; // Key_unknown: a click on the action's button
    MessageBoxes::Answer answer;
};
class RealConfirmation : public ::testing::TestWithParam<ConfirmCase> {};

// Before a destructive action: its own button and Cancel, which Return
// and Escape press.
TEST_P(RealConfirmation, CancelIsTheDefault)
{
    ModalDriver driver;
    driver.on("", [&](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        ASSERT_NE(box, nullptr);
        QStringList captions;
        for (QAbstractButton *b : box->buttons())
            captions << b->text();
        captions.sort();
        EXPECT_EQ(captions, (QStringList{"Cancel", "Clear History"}));
        EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Cancel));
        if (GetParam().key == Qt::Key_unknown)
            box->findChild<QPushButton *>("actionButton")->click();
        else
            QTest::keyClick(box, GetParam().key);
    });
    EXPECT_EQ(QtMessageBoxes().confirm(nullptr, "Clear?", "Progress", "Clear History"),
              GetParam().answer);
    EXPECT_FALSE(driver.timedOut);
}

INSTANTIATE_TEST_SUITE_P(Keys, RealConfirmation,
                         ::testing::Values(ConfirmCase{"return_cancels", Qt::Key_Return, A::No},
                                           ConfirmCase{"escape_cancels", Qt::Key_Escape, A::No},
                                           ConfirmCase{"action", Qt::Key_unknown, A::Yes}),
                         CaseName());

// The choosers give the path the user accepted, and nothing on Cancel.
TEST(RealFileDialogs, GiveThePathChosen)
{
    const TempDir dir;
    dir.write("bank.csv", "x");
    QStringList titles;
    ModalDriver driver;
    driver.on("QFileDialog", [&](QWidget *w) {
        auto *d = qobject_cast<QFileDialog *>(w);
        titles << d->windowTitle();
        if (titles.size() == 4)
            return d->reject();
        // What a person types: the folder, then a file's name in it.
        d->setDirectory(dir.path());
        d->findChild<QLineEdit *>("fileNameEdit")
            ->setText(d->fileMode() == QFileDialog::Directory ? "" : "bank.csv");
        static_cast<QDialog *>(d)->done(QDialog::Accepted);
    });
    QtFileDialogs files;
    EXPECT_EQ(files.openFile(nullptr, "Import", "Questions (*.csv)"), dir.file("bank.csv"));
    EXPECT_EQ(files.saveFile(nullptr, "Export", dir.file("new.csv"), "Spreadsheet (*.csv)"),
              dir.file("bank.csv"));
    EXPECT_EQ(files.chooseFolder(nullptr, "Open Bank", dir.path()), dir.path());
    EXPECT_EQ(files.chooseFolder(nullptr, "Cancelled", dir.path()), "");
    EXPECT_EQ(titles, QStringList({"Import", "Export", "Open Bank", "Cancelled"}));
    EXPECT_FALSE(driver.timedOut);
}

} // namespace

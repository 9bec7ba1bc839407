#include "ImportPreviewDialog.h"

#include "core/common/DisplayText.h"
#include "core/common/Error.h"
#include "core/import/BankImport.h"
#include "core/quiz/BankLoader.h"
#include "gui/platform/FileDialogs.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {
QLabel *plainLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    // The summary and the folder come from the file and the user: data.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setText(text);
    return label;
}
} // namespace

ImportPreviewDialog::ImportPreviewDialog(const BankImport &import, QString target,
                                         FileDialogs &files, QWidget *owner)
    : QDialog(owner), m_import(import), m_target(std::move(target)), m_files(files)
{
    setObjectName(QStringLiteral("ImportPreviewDialog"));
    setWindowTitle(QStringLiteral("Import Questions"));
    auto *layout = new QVBoxLayout(this);
    // A file may give hundreds of skipped questions: the summary scrolls
    // within a dozen lines rather than push the buttons off the screen.
    auto *summary = new QPlainTextEdit(this);
    summary->setObjectName(QStringLiteral("summaryText"));
    summary->setReadOnly(true);
    summary->setAccessibleName(QStringLiteral("What the file gives"));
    summary->setLineWrapMode(QPlainTextEdit::NoWrap);
    summary->setPlainText(DisplayText::lines(import.summary()).trimmed());
    const int shownLines = std::min(summary->document()->blockCount(), 12);
    summary->setFixedHeight(
        summary->fontMetrics().lineSpacing() * shownLines +
        2 * (summary->frameWidth() + int(summary->document()->documentMargin())) + 4);
    layout->addWidget(summary);

    m_questionTable = new QTableWidget(0, 4, this);
    m_questionTable->setObjectName(QStringLiteral("questionTable"));
    m_questionTable->setHorizontalHeaderLabels(
        {QStringLiteral("Subject"), QStringLiteral("Wording"), QStringLiteral("Right answer"),
         QStringLiteral("Wrong answers")});
    m_questionTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_questionTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_questionTable->verticalHeader()->setVisible(false);
    m_questionTable->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_questionTable->horizontalHeader()->setStretchLastSection(true);
    // One line a question; a cell too narrow for its text shows it whole
    // in its tip.
    m_questionTable->setWordWrap(false);
    m_questionTable->setAccessibleName(QStringLiteral("The first questions as they will be asked"));
    m_questionTable->setMinimumSize(900, 300);
    layout->addWidget(m_questionTable);
    fillTable();

    m_targetLabel = plainLabel(QStringLiteral("targetLabel"), QString(), this);
    layout->addWidget(m_targetLabel);
    showTarget();

    auto *buttons = new QHBoxLayout;
    auto *choose = new QPushButton(QStringLiteral("&Choose Folder..."), this);
    choose->setObjectName(QStringLiteral("chooseFolderButton"));
    auto *importButton = new QPushButton(QStringLiteral("&Import"), this);
    importButton->setObjectName(QStringLiteral("importButton"));
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    // Return cancels: only a deliberate click writes a bank.
    importButton->setAutoDefault(false);
    choose->setAutoDefault(false);
    cancel->setDefault(true);
    buttons->addWidget(choose);
    buttons->addStretch();
    buttons->addWidget(importButton);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(choose, &QPushButton::clicked, this, &ImportPreviewDialog::chooseFolder);
    connect(importButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    cancel->setFocus();
}

void ImportPreviewDialog::fillTable()
{
    // The first bank as the quiz will read it, so the wordings and the
    // chosen wrong answers are the ones that will be asked.
    if (m_import.banks().empty())
        return;
    const BuiltBank &built = m_import.banks().front();
    QuestionBank bank;
    try {
        bank = BankLoader::buildBank(built.aLines, built.adLines, standardWordings());
    } catch (const Error &) {
        return; // the builder's banks load; a table left empty says no more
    }
    for (int entry = 1; entry <= bank.entryCount && m_questionTable->rowCount() < PreviewRows;
         ++entry) {
        if (bank.entries[entry].isSkip())
            continue;
        const std::array<QString, 6> answers = bank.answers(entry);
        QStringList wrong;
        for (std::size_t k = 1; k < answers.size(); ++k)
            if (!answers[k].isEmpty())
                wrong << DisplayText::cell(answers[k]);
        const QStringList cells = {
            DisplayText::cell(bank.subject(entry)), DisplayText::cell(bank.entries[entry].wording),
            DisplayText::cell(answers[0]), wrong.join(QStringLiteral(" / "))};
        const int row = m_questionTable->rowCount();
        m_questionTable->insertRow(row);
        for (int col = 0; col < int(cells.size()); ++col) {
            auto *item = new QTableWidgetItem(cells[col]);
            item->setToolTip(cells[col]);
            m_questionTable->setItem(row, col, item);
        }
    }
    m_questionTable->resizeColumnsToContents();
    constexpr int widest = 360;
    for (int col = 0; col < m_questionTable->columnCount() - 1; ++col)
        m_questionTable->setColumnWidth(col, std::min(m_questionTable->columnWidth(col), widest));
}

void ImportPreviewDialog::chooseFolder()
{
    const QString chosen = m_files.chooseFolder(this, QStringLiteral("Choose Folder"), m_target);
    if (chosen.isEmpty())
        return;
    m_target = chosen;
    showTarget();
}

void ImportPreviewDialog::showTarget()
{
    QStringList folders;
    for (const QString &f : m_import.folders(m_target))
        folders << QDir::toNativeSeparators(f);
    m_targetLabel->setText(QStringLiteral("To be written to: ") +
                           folders.join(QStringLiteral(", ")));
}

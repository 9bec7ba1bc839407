#include "ExamResultDialog.h"

#include "core/common/DisplayText.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QLabel *label(const char *name, const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setTextFormat(Qt::PlainText);
    l->setAccessibleName(text);
    l->setFocusPolicy(Qt::TabFocus);
    return l;
}

QTableWidget *table(const char *name, const QStringList &headers, int rows, QWidget *parent)
{
    auto *t = new QTableWidget(rows, int(headers.size()), parent);
    t->setObjectName(QLatin1String(name));
    t->setHorizontalHeaderLabels(headers);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setTabKeyNavigation(false);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->setWordWrap(false);
    return t;
}

void fillRow(QTableWidget *t, int row, const QStringList &cells)
{
    for (int col = 0; col < cells.size(); ++col)
        t->setItem(row, col, new QTableWidgetItem(cells[col]));
}

} // namespace

ExamResultDialog::ExamResultDialog(const ExamResult &result, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ExamResultDialog"));
    setWindowTitle(QStringLiteral("Exam Result"));
    auto *layout = new QVBoxLayout(this);
    m_scoreLabel = label("scoreLabel", result.scoreText(), this);
    QFont big = m_scoreLabel->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    m_scoreLabel->setFont(big);
    m_passLabel = label("passLabel", result.passText(), this);
    m_passLabel->setFont(big);
    m_takenLabel = label("takenLabel", result.takenText(), this);
    for (QLabel *l : {m_scoreLabel, m_passLabel, m_takenLabel})
        layout->addWidget(l);

    m_wordingTable = table("wordingTable", {QStringLiteral("Wording"), QStringLiteral("Right")},
                           int(result.byWording.size()), this);
    for (int row = 0; row < int(result.byWording.size()); ++row) {
        const auto &[wording, t] = result.byWording[std::size_t(row)];
        fillRow(m_wordingTable, row,
                {wording.isEmpty() ? QStringLiteral("(no wording)") : wording,
                 QStringLiteral("%1 of %2 (%3 %)")
                     .arg(t.right)
                     .arg(t.asked)
                     .arg(t.asked ? t.right * 100 / t.asked : 0)});
    }
    m_wordingTable->setAccessibleName(QStringLiteral("Result per wording"));
    m_wordingTable->horizontalHeader()->setStretchLastSection(true);
    m_wordingTable->verticalHeader()->setDefaultSectionSize(m_wordingTable->fontMetrics().height() +
                                                            6);
    m_wordingTable->setMaximumHeight(m_wordingTable->verticalHeader()->defaultSectionSize() *
                                         int(std::min<std::size_t>(result.byWording.size(), 4)) +
                                     m_wordingTable->horizontalHeader()->sizeHint().height() + 4);
    layout->addWidget(m_wordingTable);

    auto *reviewLabel = new QLabel(QStringLiteral("&Every question, the missed ones first:"), this);
    layout->addWidget(reviewLabel);
    m_reviewTable =
        table("reviewTable",
              {QStringLiteral("No."), QStringLiteral("Result"), QStringLiteral("Your answer"),
               QStringLiteral("Right answer"), QStringLiteral("Question")},
              int(result.review.size()), this);
    reviewLabel->setBuddy(m_reviewTable);
    m_reviewTable->setAccessibleName(QStringLiteral("Every question, the missed ones first"));
    for (int row = 0; row < int(result.review.size()); ++row) {
        const ExamResult::Answer &a = result.review[std::size_t(row)];
        const QString verdict = a.correct           ? QStringLiteral("Right")
                                : a.given.isEmpty() ? QStringLiteral("Not answered")
                                                    : QStringLiteral("Wrong");
        fillRow(m_reviewTable, row,
                {QString::number(a.number) + (a.flagged ? QStringLiteral(" (flagged)") : QString()),
                 verdict, DisplayText::cell(a.given), DisplayText::cell(a.right),
                 DisplayText::cell(
                     a.wording.isEmpty() ? a.subject : a.wording + QLatin1Char(' ') + a.subject)});
    }
    m_reviewTable->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_reviewTable, 1);

    auto *buttons = new QDialogButtonBox(this);
    m_practiseButton = buttons->addButton(QStringLiteral("&Practise Missed Questions"),
                                          QDialogButtonBox::AcceptRole);
    m_practiseButton->setObjectName(QStringLiteral("practiseButton"));
    m_practiseButton->setEnabled(!result.missedKeys().empty());
    QPushButton *close = buttons->addButton(QStringLiteral("&Close"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(m_practiseButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);
    close->setDefault(true);
    m_scoreLabel->setFocus();
    resize(760, 600);
}

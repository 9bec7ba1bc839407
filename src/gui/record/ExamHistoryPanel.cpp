#include "ExamHistoryPanel.h"

#include "ChartWidget.h"

#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// The chart shows the latest exams; the table lists them all.
constexpr std::size_t ChartedExams = 30;

int percentOf(const PastExam &e)
{
    return e.total == 0 ? 0 : int(e.right * 100LL / e.total);
}
} // namespace

ExamHistoryPanel::ExamHistoryPanel(QWidget *parent)
    : QGroupBox(QStringLiteral("Practice exams"), parent)
{
    setObjectName(QStringLiteral("examHistoryPanel"));
    auto *layout = new QVBoxLayout(this);
    m_summaryLabel = new QLabel(this);
    m_summaryLabel->setObjectName(QStringLiteral("examSummaryLabel"));
    m_summaryLabel->setTextFormat(Qt::PlainText);
    layout->addWidget(m_summaryLabel);
    m_examChart = new ChartWidget(ChartWidget::Orientation::Vertical, this);
    m_examChart->setObjectName(QStringLiteral("examChart"));
    m_examChart->setAccessibleName(QStringLiteral("Exam scores over time"));
    layout->addWidget(m_examChart);
    m_examTable = new QTableWidget(0, 3, this);
    m_examTable->setObjectName(QStringLiteral("examTable"));
    m_examTable->setAccessibleName(QStringLiteral("Past exams"));
    m_examTable->setHorizontalHeaderLabels(
        {QStringLiteral("Date"), QStringLiteral("Score"), QStringLiteral("Result")});
    m_examTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_examTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_examTable->setTabKeyNavigation(false);
    m_examTable->verticalHeader()->hide();
    m_examTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_examTable->setMinimumHeight(m_examTable->verticalHeader()->defaultSectionSize() * 5 +
                                  m_examTable->horizontalHeader()->sizeHint().height() + 6);
    layout->addWidget(m_examTable);
}

void ExamHistoryPanel::display(const std::vector<PastExam> &exams)
{
    const QLocale locale;
    const int passed =
        int(std::count_if(exams.begin(), exams.end(), [](const PastExam &e) { return e.passed; }));
    m_summaryLabel->setText(exams.empty() ? QStringLiteral("No practice exam finished yet.")
                                          : QStringLiteral("%1 %2 finished, %3 passed.")
                                                .arg(exams.size())
                                                .arg(exams.size() == 1 ? QStringLiteral("exam")
                                                                       : QStringLiteral("exams"))
                                                .arg(passed));
    m_examChart->setVisible(!exams.empty());
    m_examTable->setVisible(!exams.empty());

    m_examTable->setRowCount(int(exams.size()));
    for (std::size_t i = 0; i < exams.size(); ++i) {
        const PastExam &e = exams[exams.size() - 1 - i];
        const QStringList cells = {
            locale.toString(e.at.toLocalTime(), QLocale::ShortFormat),
            QStringLiteral("%1 of %2 (%3 %)").arg(e.right).arg(e.total).arg(percentOf(e)),
            e.passed ? QStringLiteral("Passed")
                     : QStringLiteral("Not passed (pass mark %1 %)").arg(e.passMark)};
        for (int col = 0; col < cells.size(); ++col)
            m_examTable->setItem(int(i), col, new QTableWidgetItem(cells[col]));
    }

    std::vector<ChartWidget::Item> items;
    for (std::size_t i = exams.size() > ChartedExams ? exams.size() - ChartedExams : 0;
         i < exams.size(); ++i) {
        const PastExam &e = exams[i];
        const QDate day = e.at.toLocalTime().date();
        items.push_back(
            {day.toString(QStringLiteral("d MMM")), double(percentOf(e)), -1,
             QStringLiteral("%1: %2 %, %3")
                 .arg(locale.toString(day, QLocale::ShortFormat))
                 .arg(percentOf(e))
                 .arg(e.passed ? QStringLiteral("passed") : QStringLiteral("not passed")),
             QString()});
    }
    m_examChart->setItems(std::move(items), 100, QStringLiteral(" %"));
}

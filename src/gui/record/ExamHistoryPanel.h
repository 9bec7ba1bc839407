#pragma once

#include "core/record/RecordTypes.h"

#include <QGroupBox>

#include <vector>

class ChartWidget;
class QLabel;
class QTableWidget;

// The practice exams of the progress window: each finished exam (date,
// score, passed or not), the latest first, and the scores over time.
class ExamHistoryPanel : public QGroupBox {
    Q_OBJECT
  public:
    explicit ExamHistoryPanel(QWidget *parent = nullptr);

    void display(const std::vector<PastExam> &exams);

  private:
    QLabel *m_summaryLabel = nullptr;
    QTableWidget *m_examTable = nullptr;
    ChartWidget *m_examChart = nullptr;
};

#pragma once

#include "core/exam/ExamResult.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

// The result of a practice exam: the score and whether it passed, the time
// taken, the result per wording and every question with the answer given
// and the right one, the missed ones first. Its one action practises the
// missed questions at once; it closes with Accepted when that is chosen.
class ExamResultDialog : public QDialog {
    Q_OBJECT
  public:
    explicit ExamResultDialog(const ExamResult &result, QWidget *parent = nullptr);

  private:
    QLabel *m_scoreLabel = nullptr;
    QLabel *m_passLabel = nullptr;
    QLabel *m_takenLabel = nullptr;
    QTableWidget *m_wordingTable = nullptr;
    QTableWidget *m_reviewTable = nullptr;
    QPushButton *m_practiseButton = nullptr;
};

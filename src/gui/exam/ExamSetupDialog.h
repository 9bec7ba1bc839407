#pragma once

#include "core/exam/ExamSettings.h"

#include <QDialog>

class QCheckBox;
class QListWidget;
class QPushButton;
class QSpinBox;
struct QuestionBank;

// The set-up of a practice exam: how many questions, the time limit (or
// none), the pass mark and the wordings to ask. It opens with the last
// choices; the number of questions is at most what the chosen wordings hold.
class ExamSetupDialog : public QDialog {
    Q_OBJECT
  public:
    ExamSetupDialog(const ExamSettings &settings, const QuestionBank &bank,
                    QWidget *parent = nullptr);

    [[nodiscard]] ExamSettings settings() const;

  private:
    // Keeps the number of questions within what the wordings chosen hold.
    void wordingsChanged();

    const QuestionBank &m_bank;
    int m_wantedQuestions;
    std::vector<int> m_otherExcluded;
    QSpinBox *m_questionsBox = nullptr;
    QCheckBox *m_timeLimitBox = nullptr;
    QSpinBox *m_minutesBox = nullptr;
    QSpinBox *m_passMarkBox = nullptr;
    QListWidget *m_wordingList = nullptr;
    QPushButton *m_startButton = nullptr;
};

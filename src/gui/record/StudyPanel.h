#pragma once

#include "core/record/StudyPlan.h"

#include <QWidget>

#include <vector>

class ChartWidget;
class QComboBox;
class QLabel;
class QPushButton;

// The spaced review box of the progress window: the bank's questions by
// stage, the reviews due on each of the next 14 days, the first-try
// accuracy to expect, and the buttons that practise one wording or the
// weakest questions at once.
class StudyPanel : public QWidget {
    Q_OBJECT
  public:
    explicit StudyPanel(QWidget *parent = nullptr);

    // The bank on screen and the student's choices; without them the panel
    // stays hidden.
    void setStudy(const StudySettings &settings, std::vector<BankQuestion> bank);
    // Shows the memory states as they are on `today`.
    void display(std::vector<MemoryEntry> entries, QDate today);
    // A click on a wording's bar practises that wording.
    void practiseOnClick(ChartWidget &wordingChart);
    // The weakest answered questions by predicted recall, lowest first.
    [[nodiscard]] std::vector<WeakQuestion> weakest() const;

  signals:
    // The questions to practise, in order.
    void practiseRequested(const std::vector<QByteArray> &keys);

  private:
    void practiseWording(const QString &wording);
    void practiseWeakest();

    StudySettings m_settings;
    std::vector<BankQuestion> m_bank;
    std::vector<MemoryEntry> m_entries;
    QDate m_today;

    QLabel *m_stagesLabel = nullptr;
    QLabel *m_accuracyLabel = nullptr;
    ChartWidget *m_forecastChart = nullptr;
    QComboBox *m_wordingBox = nullptr;
    QPushButton *m_practiseWordingButton = nullptr;
    QPushButton *m_practiseWeakestButton = nullptr;
};

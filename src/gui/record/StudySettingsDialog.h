#pragma once

#include "core/record/StudySettings.h"

#include <QDialog>

class QCheckBox;
class QDateEdit;
class QSpinBox;

// The spaced review's choices: the desired retention (80-97 %), the
// number of unseen questions a day brings in, and an optional exam date.
class StudySettingsDialog : public QDialog {
    Q_OBJECT
  public:
    StudySettingsDialog(const StudySettings &settings, QDate today, QWidget *parent = nullptr);

    // What the controls hold now.
    [[nodiscard]] StudySettings settings() const;

  private:
    QSpinBox *m_retentionBox = nullptr;
    QSpinBox *m_newPerDayBox = nullptr;
    QCheckBox *m_examCheck = nullptr;
    QDateEdit *m_examDateEdit = nullptr;
};

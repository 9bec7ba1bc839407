#include "StudySettingsDialog.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

StudySettingsDialog::StudySettingsDialog(const StudySettings &settings, QDate today,
                                         QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("StudySettingsDialog"));
    setWindowTitle(QStringLiteral("Study Settings"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    layout->addLayout(form);

    m_retentionBox = new QSpinBox(this);
    m_retentionBox->setObjectName(QStringLiteral("retentionBox"));
    m_retentionBox->setRange(int(std::lround(StudySettings::MinRetention * 100)),
                             int(std::lround(StudySettings::MaxRetention * 100)));
    m_retentionBox->setSuffix(QStringLiteral(" %"));
    m_retentionBox->setValue(int(std::lround(settings.desiredRetention * 100)));
    form->addRow(QStringLiteral("&Recall wanted when a question comes back:"), m_retentionBox);

    m_newPerDayBox = new QSpinBox(this);
    m_newPerDayBox->setObjectName(QStringLiteral("newPerDayBox"));
    m_newPerDayBox->setRange(0, StudySettings::MaxNewPerDay);
    m_newPerDayBox->setValue(settings.newPerDay);
    form->addRow(QStringLiteral("&New questions per day:"), m_newPerDayBox);

    m_examCheck = new QCheckBox(QStringLiteral("&Exam on:"), this);
    m_examCheck->setObjectName(QStringLiteral("examCheck"));
    m_examDateEdit = new QDateEdit(this);
    m_examDateEdit->setObjectName(QStringLiteral("examDateEdit"));
    m_examDateEdit->setCalendarPopup(true);
    m_examDateEdit->setMinimumDate(today.addDays(1));
    m_examDateEdit->setDate(settings.examDate.isValid() ? settings.examDate : today.addDays(30));
    m_examCheck->setChecked(settings.examDate.isValid());
    m_examDateEdit->setEnabled(m_examCheck->isChecked());
    form->addRow(m_examCheck, m_examDateEdit);
    connect(m_examCheck, &QCheckBox::toggled, m_examDateEdit, &QWidget::setEnabled);

    auto *note = new QLabel(QStringLiteral("A higher recall brings questions back sooner. With an "
                                           "exam date, every question comes back by then."),
                            this);
    note->setWordWrap(true);
    layout->addWidget(note);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_retentionBox->setFocus();
}

StudySettings StudySettingsDialog::settings() const
{
    StudySettings s;
    s.desiredRetention = m_retentionBox->value() / 100.0;
    s.newPerDay = m_newPerDayBox->value();
    if (m_examCheck->isChecked())
        s.examDate = m_examDateEdit->date();
    return s;
}

#include "ExamSetupDialog.h"

#include "core/exam/Exam.h"
#include "core/quiz/QuestionBank.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int WordingRole = Qt::UserRole;

QSpinBox *spinBox(const char *name, int low, int high, int value, const QString &suffix,
                  QWidget *parent)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(low, high);
    box->setValue(value);
    box->setSuffix(suffix);
    return box;
}
} // namespace

ExamSetupDialog::ExamSetupDialog(const ExamSettings &settings, const QuestionBank &bank,
                                 QWidget *parent)
    : QDialog(parent), m_bank(bank), m_wantedQuestions(settings.questions)
{
    setObjectName(QStringLiteral("ExamSetupDialog"));
    setWindowTitle(QStringLiteral("Exam"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    layout->addLayout(form);

    m_questionsBox =
        spinBox("questionsBox", 1, ExamSettings::MaxQuestions, settings.questions, QString(), this);
    form->addRow(QStringLiteral("Number of &questions:"), m_questionsBox);
    m_timeLimitBox = new QCheckBox(QStringLiteral("&Time limit:"), this);
    m_timeLimitBox->setObjectName(QStringLiteral("timeLimitBox"));
    m_timeLimitBox->setChecked(settings.minutes > 0);
    m_minutesBox =
        spinBox("minutesBox", 1, ExamSettings::MaxMinutes,
                settings.minutes > 0 ? settings.minutes : 60, QStringLiteral(" min"), this);
    m_minutesBox->setAccessibleName(QStringLiteral("Time limit in minutes"));
    m_minutesBox->setEnabled(m_timeLimitBox->isChecked());
    connect(m_timeLimitBox, &QCheckBox::toggled, m_minutesBox, &QWidget::setEnabled);
    form->addRow(m_timeLimitBox, m_minutesBox);
    m_passMarkBox = spinBox("passMarkBox", 1, 100, settings.passMark, QStringLiteral(" %"), this);
    form->addRow(QStringLiteral("&Pass mark:"), m_passMarkBox);

    auto *wordingsLabel = new QLabel(QStringLiteral("&Wordings to include:"), this);
    layout->addWidget(wordingsLabel);
    m_wordingList = new QListWidget(this);
    m_wordingList->setObjectName(QStringLiteral("wordingList"));
    m_wordingList->setAccessibleName(QStringLiteral("Wordings to include"));
    wordingsLabel->setBuddy(m_wordingList);
    layout->addWidget(m_wordingList);
    // Only the wordings the bank asks; "Skip" is never asked.
    const Wordings wordings = standardWordings();
    for (int n = 0; n < int(wordings.size()); ++n) {
        ExamSettings one;
        for (int other = 0; other < int(wordings.size()); ++other)
            if (other != n)
                one.excludedWordings.push_back(other);
        if (Exam::eligibleCount(bank, one) == 0) {
            if (std::find(settings.excludedWordings.begin(), settings.excludedWordings.end(), n) !=
                settings.excludedWordings.end())
                m_otherExcluded.push_back(n);
            continue;
        }
        auto *item = new QListWidgetItem(
            n == 0 ? QStringLiteral("(no wording)") : wordings[std::size_t(n)], m_wordingList);
        item->setData(WordingRole, n);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        const bool excluded =
            std::find(settings.excludedWordings.begin(), settings.excludedWordings.end(), n) !=
            settings.excludedWordings.end();
        item->setCheckState(excluded ? Qt::Unchecked : Qt::Checked);
    }

    auto *buttons = new QDialogButtonBox(this);
    m_startButton = buttons->addButton(QStringLiteral("&Start"), QDialogButtonBox::AcceptRole);
    m_startButton->setObjectName(QStringLiteral("startButton"));
    QPushButton *cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    m_startButton->setDefault(true);

    connect(m_questionsBox, &QSpinBox::valueChanged, this,
            [this](int n) { m_wantedQuestions = n; });
    connect(m_wordingList, &QListWidget::itemChanged, this, &ExamSetupDialog::wordingsChanged);
    wordingsChanged();
    m_questionsBox->setFocus();
}

ExamSettings ExamSetupDialog::settings() const
{
    ExamSettings s;
    s.questions = m_questionsBox->value();
    s.minutes = m_timeLimitBox->isChecked() ? m_minutesBox->value() : 0;
    s.passMark = m_passMarkBox->value();
    // A wording this bank does not ask stays as it was chosen before.
    s.excludedWordings = m_otherExcluded;
    for (int row = 0; row < m_wordingList->count(); ++row) {
        const QListWidgetItem *item = m_wordingList->item(row);
        if (item->checkState() != Qt::Checked)
            s.excludedWordings.push_back(item->data(WordingRole).toInt());
    }
    std::sort(s.excludedWordings.begin(), s.excludedWordings.end());
    return s;
}

void ExamSetupDialog::wordingsChanged()
{
    const int available = Exam::eligibleCount(m_bank, settings());
    const int wanted = m_wantedQuestions;
    m_questionsBox->setMaximum(std::max(available, 1));
    m_questionsBox->setValue(std::min(wanted, std::max(available, 1)));
    m_wantedQuestions = wanted;
    m_startButton->setEnabled(available > 0);
}

#include "ExamRunner.h"

#include "ExamPage.h"
#include "ExamResultDialog.h"
#include "ExamSetupDialog.h"
#include "core/record/LearningRecord.h"
#include "core/scores/SettingsStore.h"
#include "gui/platform/MessageBoxes.h"

#include <QStackedWidget>

ExamRunner::ExamRunner(const QuestionBank &bank, AppServices services, QStackedWidget *screens)
    : QObject(screens), m_bank(bank), m_services(services), m_screens(screens),
      m_page(new ExamPage(bank, services.boxes, screens))
{
    m_screens->addWidget(m_page);
    connect(m_page, &ExamPage::finished, this, &ExamRunner::finish);
    m_showResult = [this](const ExamResult &result) {
        ExamResultDialog window(result, m_screens->window());
        return window.exec() == QDialog::Accepted;
    };
}

bool ExamRunner::running() const
{
    return m_page->running();
}

bool ExamRunner::setUpAndStart()
{
    ExamSetupDialog setup(ExamSettings::load(m_services.settings), m_bank, m_screens->window());
    if (setup.exec() != QDialog::Accepted)
        return false;
    const ExamSettings chosen = setup.settings();
    if (!chosen.save(m_services.settings))
        m_services.boxes.show(m_screens->window(),
                              QStringLiteral("The exam settings could not be saved to:\r") +
                                  m_services.settings.location(),
                              QStringLiteral("Exam"), MessageBoxes::Buttons::Ok,
                              MessageBoxes::Icon::Information);
    m_screens->setCurrentWidget(m_page);
    m_page->begin(Exam::draw(m_bank, m_services.random, chosen));
    return true;
}

bool ExamRunner::leave(const QString &question)
{
    if (!running())
        return true;
    if (m_services.boxes.show(m_screens->window(), question, QStringLiteral("Exam"),
                              MessageBoxes::Buttons::YesNoSafe,
                              MessageBoxes::Icon::NoIcon) != MessageBoxes::Answer::Yes)
        return false;
    backToQuiz();
    return true;
}

void ExamRunner::backToQuiz()
{
    m_page->abandon();
    m_screens->setCurrentIndex(0);
}

void ExamRunner::finish()
{
    const Exam &exam = *m_page->exam();
    const ExamResult result = exam.result(m_bank);
    if (LearningRecord *record = m_services.record) {
        const QDateTime at = QDateTime::currentDateTimeUtc();
        for (const AnswerEvent &e : exam.answerEvents(m_bank, at))
            record->record(e);
        record->recordExam(
            {at, result.right, result.total, result.passMark, result.passed(), result.takenMs});
    }
    const bool practise = m_showResult(result);
    backToQuiz();
    emit ended(practise ? result.missedKeys() : std::vector<QByteArray>{});
}

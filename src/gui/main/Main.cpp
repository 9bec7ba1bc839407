// The main window's life: construction, the start-up, the exit question,
// the error reporter and the sound cues, and the events it forwards to the
// quiz session.
#include "Main.h"

#include "core/common/AppInfo.h"
#include "core/common/Error.h"
#include "core/common/ErrorReport.h"
#include "core/common/StartupTrace.h"
#include "core/quiz/AnswerKeys.h"
#include "core/quiz/BankLoader.h"
#include "core/record/LearningRecord.h"
#include "core/timed/TimedGame.h"
#include "core/update/BankJournal.h"
#include "core/update/DownloadPlan.h"
#include "gui/about/frmSplash.h"
#include "gui/platform/CuePlayer.h"
#include "gui/platform/MessageBoxes.h"
#include "gui/platform/ProgramEnd.h"
#include "gui/widgets/AnswerButton.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QTimer>

#include <new>

Main::Main(QString appPath, AppServices services, QWidget *parent)
    : QMainWindow(parent), AppPath(std::move(appPath)), Timer(new QTimer(this)),
      m_services(services), m_bank(std::make_unique<QuestionBank>()),
      m_session(std::make_unique<QuizSession>(*m_bank, services.random,
                                              static_cast<QuizEffects &>(*this)))
{
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(AppInfo::title());
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setTimerType(Qt::PreciseTimer);
    Timer->setInterval(TimedGame::TickMilliseconds);
    connect(Timer, &QTimer::timeout, this, &Main::Timer_Timer);
    buildWidgets();
    buildMenus();
    if (m_services.record) {
        m_session->setAnswerSink(m_services.record);
        connect(m_services.record, &LearningRecord::noticeReady, this, &Main::showRecordNotice,
                Qt::QueuedConnection);
        // The record may have had something to tell before the window existed.
        m_noticePending = true;
    }
}

Main::~Main()
{
    // Form_Terminate: release the sound device.
    m_services.sound.close();
}

QString Main::appFile(const QString &name) const
{
    return AppPath + QLatin1Char('/') + name;
}

bool Main::Form_Load()
{
    try {
        if (SplashShown != 1) {
            auto splash = std::make_unique<frmSplash>(AppPath, this);
            splash->Form_Load();
            splash->show();
            m_splash = splash.release();
            SplashShown = 1;
        }
        Timer->stop();
        wordingTable = standardWordings();
        AFile = appFile(QStringLiteral("A.zel"));
        ADFile = appFile(QStringLiteral("AD.zel"));
        m_session->startUp();

        // A bank download the program did not live to finish is completed
        // or undone before the bank is read: never a new "A.zel" beside an
        // old "AD.zel". When that cannot be done the program does not start
        // on whatever pair happens to be there.
        const Result<BankJournal::Outcome> recovery =
            BankJournal(AppPath, DownloadPlan::fileNames()).recover();
        if (!recovery)
            throw recovery.error();

        *m_bank = BankLoader::LoadBank(AFile, ADFile, wordingTable);
        // Two askable entries are the least the draw needs: it never repeats
        // the question on screen.
        if (m_bank->askableCount() < 2)
            throw Error(ErrorNumber::TooFewQuestions);
        if (m_trace)
            m_trace->mark("bank loaded");

        m_session->NextQuestion();
        render();
        if (m_trace)
            m_trace->mark("first question on screen");
        m_services.sound.play(appFile(QStringLiteral("startup.wav")));
        return true;
    } catch (const Error &e) {
        ReportError(e.code(), e.description());
    } catch (const std::bad_alloc &) {
        ReportError(int(ErrorNumber::OutOfMemory), Error::describe(ErrorNumber::OutOfMemory));
    }
    return false;
}

void Main::ReportError(int ErrNumber, const QString &description)
{
    const ErrorReport report = ErrorReport::forFailure(Error(ErrorNumber(ErrNumber), description));
    m_services.boxes.show(isVisible() ? this : nullptr, report.text, report.title,
                          MessageBoxes::Buttons::Ok, MessageBoxes::Icon::Information);
    m_services.sound.close();
    finishRecord();
    m_services.end.endNow(1);
}

void Main::finishRecord()
{
    // The program ends without running destructors: the answers still
    // queued are written first.
    if (m_services.record)
        m_services.record->flush();
}

void Main::PlayCue(const QString &WaveName)
{
    m_services.sound.close();
    m_services.sound.play(appFile(WaveName));
}

bool Main::askExit()
{
    return m_services.boxes.show(this, QStringLiteral("Are You Sure You Want To Exit?"),
                                 QStringLiteral("Exit ZEL Quiz?"), MessageBoxes::Buttons::YesNo,
                                 MessageBoxes::Icon::NoIcon) == MessageBoxes::Answer::Yes;
}

void Main::Endit()
{
    if (!askExit())
        return;
    m_services.sound.close();
    finishRecord();
    m_services.end.endNow(0);
}

void Main::keyPressEvent(QKeyEvent *event)
{
    // Keys 1 to 6 press the answer buttons; a disabled one takes no key.
    const int k = AnswerKeys::answerForKey(event->key(), event->nativeScanCode());
    if (k == 0 ||
        event->modifiers().testAnyFlags(Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    AnswerButton *b = Btn_Answer[std::size_t(k - 1)];
    if (b->isEnabled() && b->isVisible())
        b->click();
    event->accept();
}

void Main::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // The splash stays above the window and takes the keys, so that any
    // key closes it, as a click does.
    if (m_splash) {
        m_splash->raise();
        m_splash->activateWindow();
    }
    if (m_noticePending)
        QMetaObject::invokeMethod(this, &Main::showRecordNotice, Qt::QueuedConnection);
}

void Main::closeEvent(QCloseEvent *event)
{
    // Form_Unload: No keeps the window and everything in it as it was.
    if (!askExit()) {
        event->ignore();
        return;
    }
    m_services.sound.close();
    finishRecord();
    m_services.end.endNow(0);
    event->accept();
}

void Main::answer(int k)
{
    m_session->answerClicked(k);
    render();
}

void Main::btn_showcorrect_Click()
{
    m_session->showCorrectClicked();
    render();
}

void Main::btn_next_Click()
{
    m_session->nextClicked();
    render();
}

void Main::Menu_Standard_Click()
{
    m_session->standardChosen();
    render();
}

void Main::Menu_Timed_Click()
{
    m_session->timedChosen();
    render();
}

void Main::Btn_StartStop_Click()
{
    m_session->startStopClicked();
    render();
}

void Main::Timer_Timer()
{
    m_session->tick();
    render();
}

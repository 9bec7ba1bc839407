#include "Main.h"

#include "core/common/AppInfo.h"
#include "core/common/DisplayText.h"
#include "core/common/ErrorReport.h"
#include "core/common/RunTimeError.h"
#include "core/common/StartupTrace.h"
#include "core/quiz/BankLoader.h"
#include "core/quiz/RandomSource.h"
#include "core/sysinfo/DetachedStarter.h"
#include "core/sysinfo/PlatformSystemInfo.h"
#include "core/timed/TimedGame.h"
#include "gui/about/frmAbout.h"
#include "gui/about/frmSplash.h"
#include "gui/platform/CuePlayer.h"
#include "gui/platform/MessageBoxes.h"
#include "gui/platform/ProgramEnd.h"
#include "gui/platform/QtHttpFetcher.h"
#include "gui/scores/frmHighScore.h"
#include "gui/update/frmChkUpdt.h"
#include "gui/widgets/AnswerButton.h"
#include "gui/widgets/DesignWidgets.h"

#include "core/quiz/AnswerKeys.h"

#include <QAccessible>
#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>

#include <new>

namespace {

using DesignWidgets::setTextColour;

const QColor kWrong(255, 128, 128);
const QColor kRevealed(128, 255, 128);

QColor textColour(MainView::TextColour c)
{
    return c == MainView::TextColour::Navy ? DesignWidgets::Navy : DesignWidgets::DarkRed;
}

} // namespace

Main::Main(QString appPath, AppServices services, QWidget *parent)
    : QMainWindow(parent), AppPath(std::move(appPath)), m_services(services),
      m_bank(std::make_unique<QuestionBank>()),
      m_session(std::make_unique<QuizSession>(*m_bank, services.random,
                                              static_cast<QuizEffects &>(*this)))
{
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(AppInfo::title());
    Timer.setObjectName(QStringLiteral("Timer"));
    Timer.setTimerType(Qt::PreciseTimer);
    Timer.setInterval(TimedGame::TickMilliseconds);
    connect(&Timer, &QTimer::timeout, this, &Main::Timer_Timer);
    buildWidgets();
    buildMenus();
    m_showHighScores = [this] {
        frmHighScore window(checkscore(), NumScore(), m_services.settings, m_services.boxes, this);
        window.Form_Load();
        window.exec();
    };
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
        Timer.stop();
        wordingTable = standardWordings();
        AFile = appFile(QStringLiteral("A.zel"));
        ADFile = appFile(QStringLiteral("AD.zel"));
        m_session->startUp();

        *m_bank = BankLoader::LoadBank(AFile, ADFile, wordingTable);
        // Two askable entries are the least the draw needs: it never repeats
        // the question on screen.
        if (m_bank->askableCount() < 2)
            throw RunTimeError(RunTimeError::TooFewQuestions);
        if (m_trace)
            m_trace->mark("bank loaded");

        m_session->NextQuestion();
        render();
        if (m_trace)
            m_trace->mark("first question on screen");
        m_services.sound.play(appFile(QStringLiteral("startup.wav")));
        return true;
    } catch (const RunTimeError &e) {
        ReportError(e.number(), e.description());
    } catch (const std::bad_alloc &) {
        ReportError(RunTimeError::OutOfMemory, RunTimeError::describe(RunTimeError::OutOfMemory));
    }
    return false;
}

void Main::ReportError(int ErrNumber, const QString &description)
{
    const ErrorReport report = ErrorReport::forFailure(ErrNumber, description);
    m_services.boxes.show(isVisible() ? this : nullptr, report.text, report.title, MessageBoxes::Ok,
                          MessageBoxes::Information);
    m_services.sound.close();
    m_services.end.endNow(1);
}

void Main::PlayCue(const QString &WaveName)
{
    m_services.sound.close();
    m_services.sound.play(appFile(WaveName));
}

bool Main::askExit()
{
    return m_services.boxes.show(this, QStringLiteral("Are You Sure You Want To Exit?"),
                                 QStringLiteral("Exit ZEL Quiz?"), MessageBoxes::YesNo,
                                 MessageBoxes::NoIcon) == MessageBoxes::YesPressed;
}

void Main::Endit()
{
    if (!askExit())
        return;
    m_services.sound.close();
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
}

void Main::closeEvent(QCloseEvent *event)
{
    // Form_Unload: No keeps the window and everything in it as it was.
    if (!askExit()) {
        event->ignore();
        return;
    }
    m_services.sound.close();
    m_services.end.endNow(0);
    event->accept();
}

void Main::showPausingCountdown(const std::function<void()> &showModal)
{
    TimerWasOn = Timer.isActive();
    Timer.stop();
    showModal();
    if (TimerWasOn)
        Timer.start();
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

void Main::Mnu_About_Click()
{
    showPausingCountdown([this] {
        const std::unique_ptr<SystemInfoLookup> lookup = platformSystemInfo();
        DetachedStarter starter;
        frmAbout window(*lookup, starter, m_services.boxes, this);
        window.exec();
    });
}

void Main::Mnu_CU_Click()
{
    showPausingCountdown([this] {
        QtHttpFetcher fetcher;
        frmChkUpdt window(AppPath, fetcher, m_services.boxes, this);
        window.exec();
    });
}

void Main::mnuHisgScore_Click()
{
    checkscore() = 0;
    showHighScores();
    checkscore() = 0;
    // A game that ran out of time while the table was open from the menu
    // offers its score now, to the table just stored.
    while (m_offerPending) {
        m_offerPending = false;
        checkscore() = 1;
        showHighScores();
        checkscore() = 0;
    }
}

void Main::setTimerOn(bool on)
{
    if (on)
        Timer.start();
    else
        Timer.stop();
}

void Main::showMessage(const QString &text, const QString &title)
{
    render();
    m_services.boxes.show(this, text, title, MessageBoxes::Ok, MessageBoxes::NoIcon);
}

void Main::showHighScores()
{
    render();
    // The menu leaves the countdown running, so a game can end while the
    // table is already open. A second table window on top of the first
    // would save over it; the score waits until the first one is closed.
    if (m_highScoresOpen) {
        m_offerPending = true;
        return;
    }
    m_highScoresOpen = true;
    if (m_showHighScores)
        m_showHighScores();
    m_highScoresOpen = false;
}

void Main::speak(QWidget *control, const QString &name, bool alert)
{
    // Qt tells the screen reader of the new name itself.
    if (control->accessibleName() == name)
        return;
    control->setAccessibleName(name);
    if (alert) {
        QAccessibleEvent event(control, QAccessible::Alert);
        QAccessible::updateAccessibility(&event);
        emit alerted(control);
    }
}

void Main::render()
{
    const MainView &v = m_session->view();
    for (int i = 0; i < 6; ++i) {
        AnswerButton *b = Btn_Answer[i];
        const MainView::AnswerButton &a = v.answers[i];
        b->setCaption(a.caption);
        b->setEnabled(a.enabled);
        b->setBackground(a.colour == MainView::ButtonColour::Wrong ? kWrong
                         : a.colour == MainView::ButtonColour::Revealed
                             ? kRevealed
                             : palette().color(QPalette::Button));
    }
    Lbl_Question->setText(DisplayText::lines(v.question));
    setTextColour(Lbl_Question, textColour(v.questionColour));

    btn_next->setVisible(v.nextVisible);
    btn_showcorrect->setVisible(v.showCorrectVisible);
    btn_showcorrect->setEnabled(v.showCorrectEnabled);

    Frame_Standard->setVisible(v.standardFrameVisible);
    Lbl_Correct->setText(v.lblCorrect);
    Lbl_Wrong->setText(v.lblWrong);
    Lbl_Total->setText(v.lblTotal);

    Frame_Timed->setVisible(v.timedFrameVisible);
    Lbl_CorrectT->setText(v.lblCorrectT);
    Lbl_WrongT->setText(v.lblWrongT);
    Lbl_TotalT->setText(DisplayText::lines(v.lblTotalT));
    Lbl_Score->setText(v.lblScore);
    Lbl_Level->setText(v.lblLevel);
    Lbl_TimeRemain->setText(v.timeRemain);
    setTextColour(Lbl_TimeRemain, textColour(v.timeColour));

    speak(Lbl_Question, DisplayText::spoken(v.question),
          v.questionColour == MainView::TextColour::DarkRed);
    speak(Lbl_Correct, QStringLiteral("Correct: ") + v.lblCorrect);
    speak(Lbl_Wrong, QStringLiteral("Wrong: ") + v.lblWrong);
    speak(Lbl_Total, QStringLiteral("Total Questions: ") + v.lblTotal);
    for (QLabel *l : {Lbl_CorrectT, Lbl_WrongT, Lbl_TotalT, Lbl_Score, Lbl_Level})
        speak(l, DisplayText::spoken(l->text()));
    // The last seconds are announced once, when the display turns dark red.
    const bool turnedRed = v.timeColour == MainView::TextColour::DarkRed &&
                           m_spokenTimeColour != MainView::TextColour::DarkRed;
    m_spokenTimeColour = v.timeColour;
    speak(Lbl_TimeRemain,
          v.timeRemain.isEmpty() ? QString() : QStringLiteral("Time remaining: ") + v.timeRemain,
          turnedRed);

    Btn_StartStop->setVisible(v.startStopVisible);
    Btn_StartStop->setText(v.startStopCaption);

    Menu_Standard->setChecked(v.menuStandardChecked);
    Menu_Timed->setChecked(v.menuTimedChecked);

    applyFocus();
}

void Main::applyFocus()
{
    const auto &focus = m_session->view().focus;
    if (!focus)
        return;
    QWidget *target = nullptr;
    switch (*focus) {
    case MainView::Control::Answer1:
        target = Btn_Answer[0];
        break;
    case MainView::Control::ShowCorrect:
        target = btn_showcorrect;
        break;
    case MainView::Control::Next:
        target = btn_next;
        break;
    case MainView::Control::StartStop:
        target = Btn_StartStop;
        break;
    }
    if (target->isEnabled() && target->isVisibleTo(this))
        target->setFocus(Qt::OtherFocusReason);
}

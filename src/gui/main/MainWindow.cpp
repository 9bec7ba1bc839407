#include "MainWindow.h"

#include "AnswerPanel.h"
#include "BankMenu.h"
#include "LearningMenu.h"
#include "QuestionPanel.h"
#include "StandardCounters.h"
#include "TimedStatus.h"
#include "core/common/AppInfo.h"
#include "core/common/ErrorReport.h"
#include "core/common/StartupTrace.h"
#include "core/quiz/AnswerKeys.h"
#include "core/quiz/BankLoader.h"
#include "core/record/LearningRecord.h"
#include "core/sysinfo/DetachedStarter.h"
#include "core/sysinfo/PlatformSystemInfo.h"
#include "core/timed/TimedGame.h"
#include "core/update/BankFolderReader.h"
#include "gui/about/AboutDialog.h"
#include "gui/about/SplashScreen.h"
#include "gui/exam/ExamRunner.h"
#include "gui/platform/CuePlayer.h"
#include "gui/platform/MessageBoxes.h"
#include "gui/platform/ModuleHttpFetcher.h"
#include "gui/platform/ProgramEnd.h"
#include "gui/platform/QtFileDialogs.h"
#include "gui/scores/HighScoresDialog.h"
#include "gui/update/UpdateDialog.h"
#include "gui/widgets/AnswerButton.h"
#include "gui/widgets/DesignWidgets.h"
#include "gui/widgets/Twips.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>

#include <new>
#include <utility>

MainWindow::MainWindow(QString appFolder, AppServices services, QWidget *parent)
    : QMainWindow(parent), m_appFolder(std::move(appFolder)), m_services(services),
      m_bank(std::make_unique<QuestionBank>()),
      m_session(std::make_unique<QuizSession>(*m_bank, services.random,
                                              static_cast<QuizEffects &>(*this))),
      m_countdown(new QTimer(this)), m_bankFolders(m_appFolder, services.settings)
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(AppInfo::title());
    m_countdown->setObjectName(QStringLiteral("countdown"));
    m_countdown->setTimerType(Qt::PreciseTimer);
    m_countdown->setInterval(TimedGame::TickMilliseconds);
    connect(m_countdown, &QTimer::timeout, this, &MainWindow::countdownTicked);

    // The controls keep the fixed places they were designed at, in twips;
    // 15 twips are one pixel at 96 dpi, and Qt scales the pixels on denser
    // screens.
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(Twips::px(8310), Twips::px(5550));
    // The quiz screen, or the practice exam in its place.
    auto *screens = new QStackedWidget(this);
    screens->addWidget(client);
    setCentralWidget(screens);
    // The design's small system font; the fixed places were drawn for it.
    client->setFont(DesignWidgets::font(QStringLiteral("Arial"), 8.25));
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);

    auto *topLine = new QFrame(client);
    topLine->setObjectName(QStringLiteral("topLine"));
    topLine->setFrameShape(QFrame::HLine);
    topLine->setFrameShadow(QFrame::Sunken);
    topLine->setGeometry(0, 0, Twips::px(8310), 2);

    // Made in the order the Tab key visits them.
    m_questionPanel = new QuestionPanel(client);
    m_standardCounters = new StandardCounters(client);
    m_timedStatus = new TimedStatus(client);
    m_answerPanel = new AnswerPanel(client);
    connect(m_questionPanel, &QuestionPanel::revealRequested, this, &MainWindow::revealAnswer);
    connect(m_questionPanel, &QuestionPanel::nextRequested, this, &MainWindow::nextQuestion);
    connect(m_questionPanel, &QuestionPanel::startOrStopRequested, this,
            &MainWindow::startOrStopGame);
    connect(m_questionPanel, &QuestionPanel::alerted, this, &MainWindow::alerted);
    connect(m_timedStatus, &TimedStatus::alerted, this, &MainWindow::alerted);
    connect(m_answerPanel, &AnswerPanel::answerChosen, this, &MainWindow::chooseAnswer);

    m_exam = new ExamRunner(*m_bank, m_services, screens);
    screens->widget(1)->setFont(client->font());
    screens->widget(1)->setFixedSize(client->size());
    connect(m_exam, &ExamRunner::ended, this, [this](const std::vector<QByteArray> &practise) {
        if (!practise.empty())
            m_session->startPractice(practise);
        render();
    });

    buildMenus();
    if (m_services.record)
        m_session->setAnswerSink(m_services.record);
    DesignWidgets::fitTexts(this);
}

MainWindow::~MainWindow()
{
    // Releases the sound device.
    m_services.sound.close();
}

void MainWindow::buildMenus()
{
    auto action = [](QMenu *menu, const char *name, const QString &caption) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(QLatin1String(name));
        return a;
    };

    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("fileMenu"));
    QMenu *quizType = file->addMenu(QStringLiteral("&Quiz Type"));
    quizType->setObjectName(QStringLiteral("quizTypeMenu"));
    m_standardAction = action(quizType, "standardAction", QStringLiteral("&Standard"));
    m_standardAction->setCheckable(true);
    m_standardAction->setChecked(true);
    m_timedAction = action(quizType, "timedAction", QStringLiteral("&Timed"));
    m_timedAction->setCheckable(true);
    m_examAction = action(quizType, "examAction", QStringLiteral("&Exam..."));
    m_examAction->setCheckable(true);
    file->addSeparator();
    // The banks: after the quiz type, before the existing items that follow it.
    if (!m_services.files) {
        m_ownFiles = std::make_unique<QtFileDialogs>();
        m_services.files = m_ownFiles.get();
    }
    m_bankMenu = new BankMenu(
        m_bankFolders, m_services.boxes, *m_services.files, this,
        [this](const std::function<void()> &showModal) { showPausingCountdown(showModal); },
        [this](const QString &folder) { return openBank(folder); });
    m_bankMenu->addTo(file);
    file->addSeparator();
    QAction *highScores = action(file, "highScoresAction", QStringLiteral("High &Scores"));
    file->addSeparator();
    QAction *exit = action(file, "exitAction", QStringLiteral("E&xit"));

    // Only a program with a learning record has the menu that uses it,
    // between File and Help.
    if (m_services.record) {
        m_learningMenu = new LearningMenu(
            *m_services.record, m_services.boxes, this,
            [this](const std::function<void()> &showModal) { showPausingCountdown(showModal); },
            m_services.settings, *m_bank);
        menuBar()->addMenu(m_learningMenu);
        connect(m_learningMenu, &LearningMenu::reviewRequested, this, &MainWindow::startReview);
        connect(m_learningMenu, &LearningMenu::dueReviewRequested, this,
                [this](const auto &entries, const StudySettings &settings, QDate today) {
                    if (!leaveExam())
                        return;
                    m_session->startDueReview(entries, settings, today);
                    render();
                });
        connect(m_learningMenu, &LearningMenu::practiseRequested, this, [this](const auto &keys) {
            if (!leaveExam())
                return;
            m_session->startPractice(keys);
            render();
        });
    }

    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("helpMenu"));
    QAction *about = action(help, "aboutAction", QStringLiteral("&About"));
    QAction *update = action(help, "checkForUpdateAction", QStringLiteral("&Check for Update"));

    // The check marks follow the quiz type, not the click: a click on the
    // type already checked changes nothing, not even its mark.
    connect(m_standardAction, &QAction::triggered, this,
            [this] { chooseQuizType(QuizType::Standard); });
    connect(m_timedAction, &QAction::triggered, this, [this] { chooseQuizType(QuizType::Timed); });
    connect(m_examAction, &QAction::triggered, this, &MainWindow::startExam);
    connect(highScores, &QAction::triggered, this, &MainWindow::showHighScores);
    connect(exit, &QAction::triggered, this, &MainWindow::requestExit);
    connect(about, &QAction::triggered, this, &MainWindow::showAbout);
    connect(update, &QAction::triggered, this, &MainWindow::checkForUpdate);
}

QString MainWindow::appFile(const QString &name) const
{
    return m_appFolder + QLatin1Char('/') + name;
}

Result<> MainWindow::start()
{
    Result<> started;
    try {
        started = loadBankAndFirstQuestion();
    } catch (const Error &e) {
        // A bank file that cannot be read is found deep in the load.
        started = failure(e);
    } catch (const std::bad_alloc &) {
        started = failure(ErrorNumber::OutOfMemory);
    }
    if (!started)
        reportError(started.error());
    return started;
}

Result<> MainWindow::loadBankAndFirstQuestion()
{
    if (!m_splashShown) {
        auto splash = std::make_unique<SplashScreen>(this);
        if (Result<> loaded = splash->load(m_appFolder); !loaded)
            return loaded;
        splash->show();
        splash.release(); // it deletes itself when it closes
        m_splashShown = true;
    }
    m_countdown->stop();
    m_session->start();

    // A bank download the program did not live to finish is completed or
    // undone before anything is read, whichever bank opens: when that cannot
    // be done the program does not start on whatever pair happens to be there.
    if (const Result<> recovered = BankFolderReader::recover(m_appFolder); !recovered)
        return failure(recovered.error());

    // The bank the command line names or the one opened last; one that
    // cannot be opened gives way to the program folder's bank.
    QString folder = m_bankFolders.startFolder(m_requestedBank);
    Result<QuestionBank> bank = BankFolderReader::read(folder);
    if (!bank && !m_bankFolders.isAppFolder(folder)) {
        m_services.boxes.show(
            nullptr, BankFolders::fallbackText(folder, ErrorReport::forFailure(bank.error()).text),
            QStringLiteral("Open Bank"), MessageBoxes::Buttons::Ok,
            MessageBoxes::Icon::Information);
        folder = m_appFolder;
        bank = BankFolderReader::read(folder);
    }
    if (!bank)
        return failure(bank.error());
    *m_bank = std::move(*bank);
    useBankFolder(folder);
    if (m_trace)
        m_trace->mark("bank loaded");

    m_session->drawQuestion();
    render();
    if (m_trace)
        m_trace->mark("first question on screen");
    m_services.sound.play(appFile(QStringLiteral("startup.wav")));
    return {};
}

void MainWindow::useBankFolder(const QString &folder)
{
    m_bankFolder = folder;
    setWindowTitle(m_bankFolders.title(folder));
    (void)m_bankFolders.opened(folder); // a list not remembered loses nothing open
    m_bankMenu->setOpenFolder(folder);
}

bool MainWindow::openBank(const QString &folder)
{
    Result<QuestionBank> bank = BankFolderReader::read(folder);
    if (!bank) {
        const ErrorReport report = ErrorReport::forFailure(bank.error());
        m_services.boxes.show(this, BankFolders::notOpenedText(folder, report.text), report.title,
                              MessageBoxes::Buttons::Ok, MessageBoxes::Icon::Information);
        return false;
    }
    if (!leaveExam())
        return false;
    // As a change of quiz type: a timed game or a drill ends, and the
    // Standard quiz starts afresh on the new bank's questions.
    m_session->chooseQuizType(QuizType::Standard);
    m_countdown->stop();
    *m_bank = std::move(*bank);
    m_session->start();
    useBankFolder(folder);
    m_session->drawQuestion();
    render();
    return true;
}

void MainWindow::reportError(const Error &error)
{
    const ErrorReport report = ErrorReport::forFailure(error);
    m_services.boxes.show(isVisible() ? this : nullptr, report.text, report.title,
                          MessageBoxes::Buttons::Ok, MessageBoxes::Icon::Information);
    endProgram(1);
}

void MainWindow::finishRecord()
{
    // The program ends without running destructors: the answers still
    // queued are written first.
    if (m_services.record)
        m_services.record->flush();
}

void MainWindow::endProgram(int status)
{
    m_services.sound.close();
    finishRecord();
    m_services.end.endNow(status);
}

void MainWindow::playCue(const QString &waveName)
{
    m_services.sound.close();
    m_services.sound.play(appFile(waveName));
}

bool MainWindow::askExit()
{
    if (m_exam->running())
        return m_exam->leave(QStringLiteral("An exam is in progress. Exit without finishing it?\r"
                                            "It is not scored and its answers are not recorded."));
    return m_services.boxes.show(this, QStringLiteral("Are You Sure You Want To Exit?"),
                                 QStringLiteral("Exit ZEL Quiz?"), MessageBoxes::Buttons::YesNo,
                                 MessageBoxes::Icon::NoIcon) == MessageBoxes::Answer::Yes;
}

void MainWindow::requestExit()
{
    if (askExit())
        endProgram(0);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // No keeps the window and everything in it as it was.
    if (!askExit()) {
        event->ignore();
        return;
    }
    endProgram(0);
    event->accept();
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    // Return and Enter press the focused button, as on the desktop the
    // program's buttons come from; outside a dialog Qt's buttons take Space
    // only.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !event->modifiers().testAnyFlags(Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier |
                                         Qt::ShiftModifier)) {
        if (auto *b = qobject_cast<QAbstractButton *>(focusWidget());
            b && b->isEnabled() && b->isVisible()) {
            b->click();
            event->accept();
            return;
        }
    }
    // Keys 1 to 6 press the answer buttons; a disabled one takes no key.
    const int k = AnswerKeys::answerForKey(event->key(), event->nativeScanCode());
    if (k == 0 ||
        event->modifiers().testAnyFlags(Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    m_answerPanel->press(k);
    event->accept();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_learningMenu)
        m_learningMenu->windowShown();
}

void MainWindow::render()
{
    const MainView &v = m_session->view();
    m_answerPanel->render(v.answers);
    m_questionPanel->render(v);
    m_standardCounters->render(v.standard);
    m_timedStatus->render(v.timed);
    const bool exam = m_exam->running();
    m_standardAction->setChecked(v.checked.standard && !exam);
    m_timedAction->setChecked(v.checked.timed && !exam);
    m_examAction->setChecked(exam);
    if (m_learningMenu)
        m_learningMenu->render(v.checked.review, v.checked.reviewDue);
    applyFocus();
}

void MainWindow::applyFocus()
{
    const auto &focus = m_session->view().focus;
    if (!focus)
        return;
    QWidget *target = *focus == MainView::Control::FirstAnswer
                          ? static_cast<QWidget *>(m_answerPanel->button(1))
                          : m_questionPanel->showCorrectButton();
    if (target->isEnabled() && target->isVisibleTo(this))
        target->setFocus(Qt::OtherFocusReason);
}

void MainWindow::chooseAnswer(int k)
{
    m_session->answer(k);
    render();
}

void MainWindow::revealAnswer()
{
    m_session->revealAnswer();
    render();
}

void MainWindow::nextQuestion()
{
    m_session->next();
    render();
}

void MainWindow::chooseQuizType(QuizType type)
{
    if (!leaveExam())
        return;
    m_session->chooseQuizType(type);
    render();
}

void MainWindow::startOrStopGame()
{
    m_session->startOrStopGame();
    render();
}

void MainWindow::countdownTicked()
{
    m_session->countdownTicked();
    render();
}

bool MainWindow::leaveExam()
{
    if (m_exam->leave(QStringLiteral("An exam is in progress. Leave it without finishing?\r"
                                     "It is not scored and its answers are not recorded.")))
        return true;
    render();
    return false;
}

void MainWindow::startExam()
{
    if (m_exam->running()) {
        render();
        return;
    }
    bool started = false;
    showPausingCountdown([this, &started] { started = m_exam->setUpAndStart(); });
    // An exam ends a timed game or a drill; the Standard quiz waits behind it.
    if (started)
        m_session->chooseQuizType(QuizType::Standard);
    render();
}

void MainWindow::startReview(const std::vector<DueItem> &due)
{
    if (!leaveExam())
        return;
    m_session->startReview(due);
    render();
}

// The modal windows, and the effects the quiz rules ask of the window.

void MainWindow::showPausingCountdown(const std::function<void()> &showModal)
{
    const bool wasRunning = m_countdown->isActive();
    m_countdown->stop();
    showModal();
    if (wasRunning)
        m_countdown->start();
}

void MainWindow::showAbout()
{
    showPausingCountdown([this] {
        const std::unique_ptr<SystemInfoLookup> lookup = platformSystemInfo();
        DetachedStarter starter;
        AboutDialog window(*lookup, starter, m_services.boxes, this);
        window.exec();
    });
}

void MainWindow::checkForUpdate()
{
    showPausingCountdown([this] {
        ModuleHttpFetcher fetcher(m_appFolder);
        UpdateDialog window(m_appFolder, fetcher, this);
        window.exec();
    });
}

void MainWindow::showHighScores()
{
    showHighScoreTable(std::nullopt);
    // A game that ran out of time while the table was open from the menu
    // offers its score now, to the table just stored.
    while (m_pendingScore) {
        const int score = *std::exchange(m_pendingScore, std::nullopt);
        showHighScoreTable(score);
    }
}

void MainWindow::setCountdownRunning(bool running)
{
    if (running)
        m_countdown->start();
    else
        m_countdown->stop();
}

void MainWindow::showMessage(const QString &text, const QString &title)
{
    render();
    m_services.boxes.show(this, text, title, MessageBoxes::Buttons::Ok, MessageBoxes::Icon::NoIcon);
}

void MainWindow::offerHighScore(int score)
{
    showHighScoreTable(score);
}

void MainWindow::showHighScoreTable(std::optional<int> newScore)
{
    render();
    // The menu leaves the countdown running, so a game can end while the
    // table is already open. A second table window on top of the first
    // would save over it; the score waits until the first one is closed.
    if (m_highScoresOpen) {
        m_pendingScore = newScore;
        return;
    }
    m_highScoresOpen = true;
    if (m_showHighScores) {
        m_showHighScores(newScore);
    } else {
        HighScoresDialog window(newScore, m_services.settings, m_services.boxes, this);
        window.exec();
    }
    m_highScoresOpen = false;
}

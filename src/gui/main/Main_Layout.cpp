// The main window's controls and menus at their design places. Positions
// are given in twips, as the window was designed; 15 twips are one pixel at
// 96 dpi, and Qt scales the pixels on denser screens.
#include "Main.h"
#include "gui/widgets/AnswerButton.h"
#include "gui/widgets/DesignWidgets.h"
#include "gui/widgets/Twips.h"

#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

using Twips::px;
constexpr auto twipRect = Twips::rect;

using DesignWidgets::label;

QFont arialBold(qreal points)
{
    return DesignWidgets::font(QStringLiteral("Arial"), points, true);
}

QGroupBox *frame(QWidget *parent, const char *name, const QRect &place)
{
    auto *f = new QGroupBox(parent);
    f->setObjectName(QLatin1String(name));
    f->setGeometry(place);
    return f;
}

QPushButton *button(QWidget *parent, const char *name, const QString &text, const QRect &place)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(place);
    b->setAutoDefault(false);
    return b;
}

} // namespace

void Main::buildWidgets()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(px(8310), px(5550));
    setCentralWidget(client);
    // The design's small system font; the fixed places were drawn for it.
    client->setFont(DesignWidgets::font(QStringLiteral("Arial"), 8.25));
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);

    auto *topLine = new QFrame(client);
    topLine->setObjectName(QStringLiteral("topLine"));
    topLine->setFrameShape(QFrame::HLine);
    topLine->setFrameShadow(QFrame::Sunken);
    topLine->setGeometry(0, 0, px(8310), 2);

    Label1 = label(client, "Label1",
                   QStringLiteral("The answer for the question below may be a sign/symptom, "
                                  "term/definition, or treatment. Though there may be more than "
                                  "one possible answer, choose the answer that fits BEST."),
                   twipRect(120, 120, 3615, 855), Qt::AlignCenter);
    Label1->setWordWrap(true);

    Lbl_Question =
        label(client, "Lbl_Question", QString(), twipRect(120, 1080, 3735, 1815), Qt::AlignCenter);
    Lbl_Question->setWordWrap(true);
    Lbl_Question->setFrameShape(QFrame::Box);
    Lbl_Question->setFrameShadow(QFrame::Plain);
    Lbl_Question->setAutoFillBackground(true);
    {
        QPalette p = Lbl_Question->palette();
        p.setColor(QPalette::Window, Qt::white);
        p.setColor(QPalette::WindowText, QColor(0, 0, 128));
        Lbl_Question->setPalette(p);
    }

    btn_showcorrect = button(client, "btn_showcorrect", QStringLiteral("Show Correct Answer"),
                             twipRect(120, 3120, 1815, 375));
    Btn_StartStop =
        button(client, "Btn_StartStop", QStringLiteral("Start"), twipRect(1080, 3120, 1815, 375));
    btn_next =
        button(client, "btn_next", QStringLiteral("Next > >"), twipRect(2640, 3120, 1215, 375));
    btn_showcorrect->hide();
    Btn_StartStop->hide();
    btn_next->hide();
    connect(btn_showcorrect, &QPushButton::clicked, this, &Main::btn_showcorrect_Click);
    connect(btn_next, &QPushButton::clicked, this, &Main::btn_next_Click);
    connect(Btn_StartStop, &QPushButton::clicked, this, &Main::Btn_StartStop_Click);

    Frame_Standard = frame(client, "Frame_Standard", twipRect(120, 3600, 3735, 1815));
    const QFont counterFont = arialBold(12);
    const std::array<std::pair<const char *, QString>, 3> captions = {
        std::pair{"Label2", QStringLiteral("Correct:")},
        std::pair{"Label3", QStringLiteral("Wrong:")},
        std::pair{"Label4", QStringLiteral("Total Questions:")}};
    const std::array<const char *, 3> counterNames = {"Lbl_Correct", "Lbl_Wrong", "Lbl_Total"};
    std::array<QLabel *, 3> counters{};
    for (int row = 0; row < 3; ++row) {
        const int top = 360 + row * 480;
        QLabel *caption = label(Frame_Standard, captions[row].first, captions[row].second,
                                twipRect(240, top, 2055, 375), Qt::AlignRight | Qt::AlignVCenter);
        caption->setFont(counterFont);
        counters[row] = label(Frame_Standard, counterNames[row], QStringLiteral("0"),
                              twipRect(2400, top, 1215, 375), Qt::AlignLeft | Qt::AlignVCenter);
        counters[row]->setFont(counterFont);
    }
    Lbl_Correct = counters[0];
    Lbl_Wrong = counters[1];
    Lbl_Total = counters[2];

    Frame_Timed = frame(client, "Frame_Timed", twipRect(120, 3600, 3735, 1815));
    Frame_Timed->hide();
    Lbl_CorrectT = label(Frame_Timed, "Lbl_CorrectT", QStringLiteral("Correct: 0"),
                         twipRect(120, 240, 1815, 255));
    Lbl_CorrectT->setFont(arialBold(9.75));
    Lbl_WrongT =
        label(Frame_Timed, "Lbl_WrongT", QStringLiteral("Wrong: 0"), twipRect(120, 480, 1815, 255));
    Lbl_WrongT->setFont(arialBold(9.75));
    Lbl_TotalT = label(Frame_Timed, "Lbl_TotalT", QStringLiteral("Questions Remaining: 0"),
                       twipRect(120, 840, 1815, 495));
    Lbl_TotalT->setFont(arialBold(9.75));
    Lbl_TotalT->setWordWrap(true);
    Lbl_Score =
        label(Frame_Timed, "Lbl_Score", QStringLiteral("SCORE: 0"), twipRect(120, 1440, 1935, 315));
    Lbl_Score->setFont(arialBold(11.25));
    Lbl_Level =
        label(Frame_Timed, "Lbl_Level", QStringLiteral("Level: 1"), twipRect(2280, 240, 1335, 375));
    Lbl_Level->setFont(arialBold(12));
    QLabel *label6 = label(Frame_Timed, "Label6", QStringLiteral("Time Remaining"),
                           twipRect(1920, 720, 1575, 255), Qt::AlignHCenter | Qt::AlignTop);
    label6->setFont(arialBold(8.25));
    QGroupBox *frame4 = frame(Frame_Timed, "Frame4", twipRect(2040, 960, 1335, 615));
    Lbl_TimeRemain = label(frame4, "Lbl_TimeRemain", QString(), QRect(QPoint(0, 0), frame4->size()),
                           Qt::AlignCenter);
    Lbl_TimeRemain->setFont(arialBold(18));

    Frame1 = frame(client, "Frame1", twipRect(3960, 120, 4215, 5295));
    const std::array<int, 6> tops = {240, 1080, 1920, 2760, 3600, 4440};
    for (int i = 0; i < 6; ++i) {
        auto *b = new AnswerButton(i + 1, Frame1);
        b->setGeometry(twipRect(120, tops[i], 3975, 735));
        connect(b, &QPushButton::clicked, this, [this, k = i + 1] { answer(k); });
        Btn_Answer[i] = b;
    }
}

void Main::buildMenus()
{
    auto action = [this](QMenu *menu, const char *name, const QString &caption) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(QLatin1String(name));
        return a;
    };

    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("Mnu_File"));
    QMenu *quizType = file->addMenu(QStringLiteral("&Quiz Type"));
    quizType->setObjectName(QStringLiteral("Menu_Quiztype"));
    Menu_Standard = action(quizType, "Menu_Standard", QStringLiteral("&Standard"));
    Menu_Standard->setCheckable(true);
    Menu_Standard->setChecked(true);
    Menu_Timed = action(quizType, "Menu_Timed", QStringLiteral("&Timed"));
    Menu_Timed->setCheckable(true);
    file->addSeparator()->setObjectName(QStringLiteral("spacer2"));
    mnuHisgScore = action(file, "mnuHisgScore", QStringLiteral("High &Scores"));
    file->addSeparator()->setObjectName(QStringLiteral("spacer"));
    Mnu_Exit = action(file, "Mnu_Exit", QStringLiteral("E&xit"));

    // Only a program with a learning record has the menu that uses it.
    if (m_services.record)
        buildLearningMenu();

    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Mnu_Help"));
    Mnu_About = action(help, "Mnu_About", QStringLiteral("&About"));
    Mnu_CU = action(help, "Mnu_CU", QStringLiteral("&Check for Update"));

    // The check marks follow the quiz type, not the click: a click on the
    // type already checked changes nothing, not even its mark.
    connect(Menu_Standard, &QAction::triggered, this, &Main::Menu_Standard_Click);
    connect(Menu_Timed, &QAction::triggered, this, &Main::Menu_Timed_Click);
    connect(mnuHisgScore, &QAction::triggered, this, &Main::mnuHisgScore_Click);
    connect(Mnu_Exit, &QAction::triggered, this, &Main::Mnu_Exit_Click);
    connect(Mnu_About, &QAction::triggered, this, &Main::Mnu_About_Click);
    connect(Mnu_CU, &QAction::triggered, this, &Main::Mnu_CU_Click);
}

void Main::buildLearningMenu()
{
    // Between File and Help, with an access key of its own.
    QMenu *learning = menuBar()->addMenu(QStringLiteral("&Learning"));
    learning->setObjectName(QStringLiteral("Mnu_Learning"));
    Menu_Review = learning->addAction(QStringLiteral("Review &Mistakes"));
    Menu_Review->setObjectName(QStringLiteral("Menu_Review"));
    Menu_Review->setCheckable(true);
    Mnu_Progress = learning->addAction(QStringLiteral("&Progress..."));
    Mnu_Progress->setObjectName(QStringLiteral("Mnu_Progress"));
    connect(Menu_Review, &QAction::triggered, this, &Main::Menu_Review_Click);
    connect(Mnu_Progress, &QAction::triggered, this, &Main::Mnu_Progress_Click);
}

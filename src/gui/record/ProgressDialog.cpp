#include "ProgressDialog.h"

#include "ChartWidget.h"
#include "ExamHistoryPanel.h"
#include "RecordExportRunner.h"
#include "StudyPanel.h"
#include "core/common/DisplayText.h"
#include "core/record/LearningRecord.h"
#include "core/record/RecordExport.h"
#include "gui/platform/MessageBoxes.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QString title = QStringLiteral("Progress");

QString tallyText(const QString &span, const Tally &t)
{
    return QStringLiteral("%1: %2 answered, %3 right at the first try (%4 %)")
        .arg(span)
        .arg(t.asked)
        .arg(t.right)
        .arg(accuracyPercent(t));
}

QLabel *plainLabel(const char *name, QWidget *parent)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    // Bank texts and numbers only: never markup.
    l->setTextFormat(Qt::PlainText);
    return l;
}

QGroupBox *group(const QString &caption, QWidget *content, QWidget *parent)
{
    auto *box = new QGroupBox(caption, parent);
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(content);
    content->setAccessibleName(caption);
    return box;
}

} // namespace

ProgressDialog::ProgressDialog(LearningRecord &record, MessageBoxes &boxes, QWidget *parent)
    : QDialog(parent), m_record(record), m_boxes(boxes)
{
    setObjectName(QStringLiteral("ProgressDialog"));
    setWindowTitle(title);
    // Everything but the buttons scrolls, so that the window fits a small
    // screen and the buttons stay in reach.
    auto *outer = new QVBoxLayout(this);
    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto *content = new QWidget(scroll);
    auto *layout = new QVBoxLayout(content);
    m_todayLabel = plainLabel("todayLabel", content);
    m_weekLabel = plainLabel("weekLabel", content);
    m_allTimeLabel = plainLabel("allTimeLabel", content);
    for (QLabel *l : {m_todayLabel, m_weekLabel, m_allTimeLabel})
        layout->addWidget(l);

    m_wordingChart = new ChartWidget(ChartWidget::Orientation::Horizontal, content);
    m_wordingChart->setObjectName(QStringLiteral("wordingChart"));
    layout->addWidget(
        group(QStringLiteral("First-try accuracy per question wording"), m_wordingChart, content));
    m_daysChart = new ChartWidget(ChartWidget::Orientation::Vertical, content);
    m_daysChart->setObjectName(QStringLiteral("daysChart"));
    QGroupBox *daysBox = group(QStringLiteral("The last 30 days: answers per day (bars) and "
                                              "first-try accuracy (line)"),
                               m_daysChart, content);
    // An empty record has no days to chart.
    m_noAnswersLabel = plainLabel("noAnswersLabel", daysBox);
    m_noAnswersLabel->setText(QStringLiteral("No answers yet"));
    m_noAnswersLabel->setAlignment(Qt::AlignCenter);
    daysBox->layout()->addWidget(m_noAnswersLabel);
    layout->addWidget(daysBox);

    m_weakestTable = new QTableWidget(0, 6, content);
    m_weakestTable->setObjectName(QStringLiteral("weakestTable"));
    m_weakestTable->setHorizontalHeaderLabels(
        {QStringLiteral("Subject"), QStringLiteral("Wording"), QStringLiteral("Right answer"),
         QStringLiteral("First-try accuracy"), QStringLiteral("Times asked"),
         QStringLiteral("Last asked")});
    m_weakestTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_weakestTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_weakestTable->setTabKeyNavigation(false);
    m_weakestTable->verticalHeader()->hide();
    // Every column in view at once: the three texts share what the numbers
    // leave, shortened with "..." (the whole text is the cell's tooltip),
    // so the table never scrolls inside the scrolling window.
    m_weakestTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (int col = 0; col < 3; ++col)
        m_weakestTable->horizontalHeader()->setSectionResizeMode(col, QHeaderView::Stretch);
    m_weakestTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_weakestTable->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_weakestTable->setWordWrap(false);
    // All ten rows at once, without scrolling.
    m_weakestTable->setMinimumHeight(m_weakestTable->verticalHeader()->defaultSectionSize() * 10 +
                                     m_weakestTable->horizontalHeader()->sizeHint().height() + 6);
    layout->addWidget(group(QStringLiteral("The 10 weakest questions"), m_weakestTable, content));
    m_studyPanel = new StudyPanel(content);
    m_studyPanel->practiseOnClick(*m_wordingChart);
    layout->addWidget(m_studyPanel);
    m_examPanel = new ExamHistoryPanel(content);
    layout->addWidget(m_examPanel);
    connect(m_studyPanel, &StudyPanel::practiseRequested, this, [this](const auto &keys) {
        emit practiseRequested(keys);
        accept();
    });

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *exportButton =
        buttons->addButton(QStringLiteral("&Export..."), QDialogButtonBox::ActionRole);
    exportButton->setObjectName(QStringLiteral("exportButton"));
    QPushButton *clearButton =
        buttons->addButton(QStringLiteral("Clear &History..."), QDialogButtonBox::DestructiveRole);
    clearButton->setObjectName(QStringLiteral("clearButton"));
    QPushButton *closeButton =
        buttons->addButton(QStringLiteral("&Close"), QDialogButtonBox::RejectRole);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    for (QPushButton *b : {exportButton, clearButton})
        b->setAutoDefault(false);
    connect(exportButton, &QPushButton::clicked, this, &ProgressDialog::exportRecord);
    connect(clearButton, &QPushButton::clicked, this, &ProgressDialog::clearRecord);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    scroll->setWidget(content);
    outer->addWidget(scroll);
    outer->addWidget(buttons);
    closeButton->setDefault(true);
    // As tall as the content wants, within the screen (less room for the
    // window's title bar).
    const int wanted = content->sizeHint().height() + buttons->sizeHint().height() +
                       outer->contentsMargins().top() + outer->contentsMargins().bottom() +
                       outer->spacing();
    const int room = screen()->availableGeometry().height() - 60;
    resize(760, std::min(wanted, room));

    m_chooseFile = [this] {
        return QFileDialog::getSaveFileName(this, QStringLiteral("Export the Learning Record"),
                                            exportFolder() + QStringLiteral("/learning-record.csv"),
                                            QStringLiteral("CSV files (*.csv);;All files (*)"));
    };
    refresh();
}

QString ProgressDialog::exportFolder()
{
    // A file dialog given a folder that does not exist opens in the folder
    // the program was started from: a home without a documents folder
    // starts at home.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void ProgressDialog::refresh()
{
    const QDateTime now = QDateTime::currentDateTime();
    RecordStatistics st = m_record.store().statistics(now);
    if (m_studyPanel->isVisibleTo(this)) {
        // With the memory model at hand the weakest are those least likely recalled now.
        m_studyPanel->display(m_record.store().memoryEntries(true), now.date());
        st.weakest = m_studyPanel->weakest();
    }
    display(st);
    m_examPanel->display(m_record.store().pastExams());
}

void ProgressDialog::showStudy(const StudySettings &settings, std::vector<BankQuestion> bank)
{
    m_studyPanel->setStudy(settings, std::move(bank));
    refresh();
    const int room = screen()->availableGeometry().height() - 60;
    resize(width(), std::min(height() + m_studyPanel->sizeHint().height(), room));
}

void ProgressDialog::display(const RecordStatistics &st)
{
    m_todayLabel->setText(tallyText(QStringLiteral("Today"), st.today));
    m_weekLabel->setText(tallyText(QStringLiteral("The last 7 days"), st.lastSevenDays));
    m_allTimeLabel->setText(tallyText(QStringLiteral("All time"), st.allTime));

    std::vector<ChartWidget::Item> wordings;
    for (const auto &[wording, t] : st.byWording) {
        const QString name = wording.isEmpty() ? QStringLiteral("(no wording)") : wording;
        const QString numbers =
            t.asked == 0 ? QStringLiteral("not asked yet")
                         : QStringLiteral("%1 % of %2").arg(accuracyPercent(t)).arg(t.asked);
        wordings.push_back({name, double(accuracyPercent(t)), -1, name + QLatin1Char(' ') + numbers,
                            numbers, wording});
    }
    m_wordingChart->setItems(std::move(wordings), 100, QStringLiteral(" %"));

    std::vector<ChartWidget::Item> days;
    int most = 0;
    const QLocale locale;
    for (std::size_t i = 0; i < st.byDay.size(); ++i) {
        const Tally &t = st.byDay[i];
        const QDate day = st.lastDay.addDays(qint64(i) - qint64(st.byDay.size()) + 1);
        most = std::max(most, t.asked);
        days.push_back({day.toString(QStringLiteral("d MMM")), double(t.asked),
                        t.asked ? double(accuracyPercent(t)) : -1.0,
                        QStringLiteral("%1: %2 answered, %3 %")
                            .arg(locale.toString(day, QLocale::ShortFormat))
                            .arg(t.asked)
                            .arg(accuracyPercent(t)),
                        QString()});
    }
    m_daysChart->setItems(std::move(days), most, QString());
    m_daysChart->setVisible(st.allTime.asked > 0);
    m_noAnswersLabel->setVisible(st.allTime.asked == 0);

    m_weakestTable->setRowCount(int(st.weakest.size()));
    for (int row = 0; row < int(st.weakest.size()); ++row) {
        const WeakQuestion &w = st.weakest[std::size_t(row)];
        const QStringList cells = {
            DisplayText::cell(w.subject),
            DisplayText::cell(w.wording),
            DisplayText::cell(w.rightAnswer),
            QStringLiteral("%1 %").arg(accuracyPercent(w.tally)),
            QString::number(w.tally.asked),
            locale.toString(w.lastAsked.toLocalTime(), QLocale::ShortFormat)};
        for (int col = 0; col < cells.size(); ++col) {
            auto *item = new QTableWidgetItem(cells[col]);
            item->setToolTip(cells[col]);
            m_weakestTable->setItem(row, col, item);
        }
    }
}

void ProgressDialog::exportRecord()
{
    const QString path = m_chooseFile();
    if (path.isEmpty())
        return;
    QString problem;
    // Written over, the record would be lost for a page of CSV text.
    if (RecordExport::isRecordFile(m_record.path(), path)) {
        problem = QStringLiteral("this is the learning record's own file");
    } else {
        m_record.flush();
        const RecordExportRunner::Report done =
            RecordExportRunner::run(this, m_record.path(), path, m_record.store().studySettings());
        if (done.outcome == RecordExportRunner::Outcome::Cancelled)
            return;
        problem = done.problem;
    }
    m_boxes.show(this,
                 problem.isEmpty()
                     ? QStringLiteral("The learning record has been exported to:\r") + path
                     : QStringLiteral("The learning record could not be exported to:\r") + path +
                           QStringLiteral("\r") + problem,
                 title, MessageBoxes::Buttons::Ok, MessageBoxes::Icon::Information);
}

void ProgressDialog::clearRecord()
{
    if (m_boxes.confirm(this,
                        QStringLiteral("Clear the whole learning record? Every recorded answer, "
                                       "the list of questions due for review, what the spaced "
                                       "review knows of each question and the past exams are "
                                       "deleted."),
                        title, QStringLiteral("Clear History")) != MessageBoxes::Answer::Yes)
        return;
    m_record.flush();
    if (const Result<> cleared = m_record.store().clear(); !cleared)
        m_boxes.show(this,
                     QStringLiteral("The learning record could not be cleared:\r") +
                         cleared.error().description(),
                     title, MessageBoxes::Buttons::Ok, MessageBoxes::Icon::Information);
    refresh();
}

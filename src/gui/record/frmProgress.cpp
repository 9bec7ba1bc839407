#include "frmProgress.h"

#include "ChartWidget.h"
#include "core/record/LearningRecord.h"
#include "gui/platform/MessageBoxes.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSaveFile>
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

// Bank texts in one table cell: one line, and bounded.
QString cellText(const QString &text)
{
    QString line = text.left(500);
    line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
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

frmProgress::frmProgress(LearningRecord &record, MessageBoxes &boxes, QWidget *parent)
    : QDialog(parent), m_record(record), m_boxes(boxes)
{
    setObjectName(QStringLiteral("frmProgress"));
    setWindowTitle(title);
    // Everything but the buttons scrolls, so that the window fits a small
    // screen and the buttons stay in reach.
    auto *outer = new QVBoxLayout(this);
    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto *content = new QWidget(scroll);
    auto *layout = new QVBoxLayout(content);
    Lbl_Today = plainLabel("Lbl_Today", content);
    Lbl_Week = plainLabel("Lbl_Week", content);
    Lbl_AllTime = plainLabel("Lbl_AllTime", content);
    for (QLabel *l : {Lbl_Today, Lbl_Week, Lbl_AllTime})
        layout->addWidget(l);

    Chart_Wording = new ChartWidget(ChartWidget::Orientation::Horizontal, content);
    Chart_Wording->setObjectName(QStringLiteral("Chart_Wording"));
    layout->addWidget(
        group(QStringLiteral("First-try accuracy per question wording"), Chart_Wording, content));
    Chart_Days = new ChartWidget(ChartWidget::Orientation::Vertical, content);
    Chart_Days->setObjectName(QStringLiteral("Chart_Days"));
    layout->addWidget(group(QStringLiteral("The last 30 days: answers per day (bars) and "
                                           "first-try accuracy (line)"),
                            Chart_Days, content));

    Tbl_Weakest = new QTableWidget(0, 6, content);
    Tbl_Weakest->setObjectName(QStringLiteral("Tbl_Weakest"));
    Tbl_Weakest->setHorizontalHeaderLabels(
        {QStringLiteral("Subject"), QStringLiteral("Wording"), QStringLiteral("Right answer"),
         QStringLiteral("First-try accuracy"), QStringLiteral("Times asked"),
         QStringLiteral("Last asked")});
    Tbl_Weakest->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tbl_Weakest->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tbl_Weakest->setTabKeyNavigation(false);
    Tbl_Weakest->verticalHeader()->hide();
    Tbl_Weakest->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Tbl_Weakest->setWordWrap(false);
    // All ten rows at once, without scrolling.
    Tbl_Weakest->setMinimumHeight(Tbl_Weakest->verticalHeader()->defaultSectionSize() * 10 +
                                  Tbl_Weakest->horizontalHeader()->sizeHint().height() + 6);
    layout->addWidget(group(QStringLiteral("The 10 weakest questions"), Tbl_Weakest, content));

    auto *buttons = new QDialogButtonBox(this);
    cmdExport = buttons->addButton(QStringLiteral("&Export..."), QDialogButtonBox::ActionRole);
    cmdExport->setObjectName(QStringLiteral("cmdExport"));
    cmdClear =
        buttons->addButton(QStringLiteral("Clear &History..."), QDialogButtonBox::DestructiveRole);
    cmdClear->setObjectName(QStringLiteral("cmdClear"));
    cmdClose = buttons->addButton(QStringLiteral("&Close"), QDialogButtonBox::RejectRole);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    for (QPushButton *b : {cmdExport, cmdClear})
        b->setAutoDefault(false);
    connect(cmdExport, &QPushButton::clicked, this, &frmProgress::cmdExport_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmProgress::cmdClear_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    scroll->setWidget(content);
    outer->addWidget(scroll);
    outer->addWidget(buttons);
    cmdClose->setDefault(true);
    // As tall as the content wants, within the screen (less room for the
    // window's title bar).
    const int wanted = content->sizeHint().height() + buttons->sizeHint().height() +
                       outer->contentsMargins().top() + outer->contentsMargins().bottom() +
                       outer->spacing();
    const int room = screen()->availableGeometry().height() - 60;
    resize(760, std::min(wanted, room));

    m_chooseFile = [this] {
        return QFileDialog::getSaveFileName(
            this, QStringLiteral("Export the Learning Record"),
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                QStringLiteral("/learning-record.csv"),
            QStringLiteral("CSV files (*.csv);;All files (*)"));
    };
    load();
}

void frmProgress::load()
{
    display(m_record.store().statistics(QDateTime::currentDateTime()));
}

void frmProgress::display(const RecordStatistics &st)
{
    Lbl_Today->setText(tallyText(QStringLiteral("Today"), st.today));
    Lbl_Week->setText(tallyText(QStringLiteral("The last 7 days"), st.lastSevenDays));
    Lbl_AllTime->setText(tallyText(QStringLiteral("All time"), st.allTime));

    std::vector<ChartWidget::Item> wordings;
    for (const auto &[wording, t] : st.byWording) {
        const QString name = wording.isEmpty() ? QStringLiteral("(no wording)") : wording;
        const QString numbers =
            t.asked == 0 ? QStringLiteral("not asked yet")
                         : QStringLiteral("%1 % of %2").arg(accuracyPercent(t)).arg(t.asked);
        wordings.push_back(
            {name, double(accuracyPercent(t)), -1, name + QLatin1Char(' ') + numbers, numbers});
    }
    Chart_Wording->setItems(std::move(wordings), 100, QStringLiteral(" %"));

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
    Chart_Days->setItems(std::move(days), most, QString());

    Tbl_Weakest->setRowCount(int(st.weakest.size()));
    for (int row = 0; row < int(st.weakest.size()); ++row) {
        const WeakQuestion &w = st.weakest[std::size_t(row)];
        const QStringList cells = {
            cellText(w.subject),
            cellText(w.wording),
            cellText(w.rightAnswer),
            QStringLiteral("%1 %").arg(accuracyPercent(w.tally)),
            QString::number(w.tally.asked),
            locale.toString(w.lastAsked.toLocalTime(), QLocale::ShortFormat)};
        for (int col = 0; col < cells.size(); ++col)
            Tbl_Weakest->setItem(row, col, new QTableWidgetItem(cells[col]));
    }
}

void frmProgress::cmdExport_Click()
{
    const QString path = m_chooseFile();
    if (path.isEmpty())
        return;
    m_record.flush();
    QSaveFile file(path);
    QString problem;
    if (!file.open(QIODevice::WriteOnly))
        problem = file.errorString();
    else if (const Result<> exported = m_record.store().exportCsv(file); !exported)
        problem = exported.error().description();
    else if (!file.commit())
        problem = file.errorString();
    m_boxes.show(this,
                 problem.isEmpty()
                     ? QStringLiteral("The learning record has been exported to:\r") + path
                     : QStringLiteral("The learning record could not be exported to:\r") + path +
                           QStringLiteral("\r") + problem,
                 title, MessageBoxes::Buttons::Ok, MessageBoxes::Icon::Information);
}

void frmProgress::cmdClear_Click()
{
    if (m_boxes.show(this,
                     QStringLiteral("Clear the whole learning record? Every recorded answer and "
                                    "the list of questions due for review are deleted."),
                     title, MessageBoxes::Buttons::YesNo,
                     MessageBoxes::Icon::NoIcon) != MessageBoxes::Answer::Yes)
        return;
    m_record.flush();
    if (const Result<> cleared = m_record.store().clear(); !cleared)
        m_boxes.show(this,
                     QStringLiteral("The learning record could not be cleared:\r") +
                         cleared.error().description(),
                     title, MessageBoxes::Buttons::Ok, MessageBoxes::Icon::Information);
    load();
}

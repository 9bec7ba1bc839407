#include "StudyPanel.h"

#include "ChartWidget.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

QLabel *wrappedLabel(const char *name, QWidget *parent)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    return l;
}

} // namespace

StudyPanel::StudyPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("studyPanel"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *box = new QGroupBox(QStringLiteral("Spaced review"), this);
    outer->addWidget(box);
    auto *layout = new QVBoxLayout(box);
    m_stagesLabel = wrappedLabel("stagesLabel", box);
    m_accuracyLabel = wrappedLabel("accuracyLabel", box);
    layout->addWidget(m_stagesLabel);
    layout->addWidget(m_accuracyLabel);
    layout->addWidget(new QLabel(QStringLiteral("Reviews due on each of the next 14 days:"), box));
    m_forecastChart = new ChartWidget(ChartWidget::Orientation::Vertical, box);
    m_forecastChart->setObjectName(QStringLiteral("forecastChart"));
    m_forecastChart->setAccessibleName(QStringLiteral("Reviews due on each of the next 14 days"));
    layout->addWidget(m_forecastChart);

    auto *row = new QHBoxLayout;
    m_wordingBox = new QComboBox(box);
    m_wordingBox->setObjectName(QStringLiteral("wordingBox"));
    m_wordingBox->setAccessibleName(QStringLiteral("Wording to practise"));
    m_practiseWordingButton = new QPushButton(QStringLiteral("Practise This &Wording"), box);
    m_practiseWordingButton->setObjectName(QStringLiteral("practiseWordingButton"));
    m_practiseWeakestButton = new QPushButton(QStringLiteral("Practise the Wea&kest"), box);
    m_practiseWeakestButton->setObjectName(QStringLiteral("practiseWeakestButton"));
    for (QPushButton *b : {m_practiseWordingButton, m_practiseWeakestButton})
        b->setAutoDefault(false);
    row->addWidget(m_wordingBox, 1);
    row->addWidget(m_practiseWordingButton);
    row->addWidget(m_practiseWeakestButton);
    layout->addLayout(row);
    connect(m_practiseWordingButton, &QPushButton::clicked, this,
            [this] { practiseWording(m_wordingBox->currentData().toString()); });
    connect(m_practiseWeakestButton, &QPushButton::clicked, this, &StudyPanel::practiseWeakest);
    hide();
}

void StudyPanel::setStudy(const StudySettings &settings, std::vector<BankQuestion> bank)
{
    m_settings = settings;
    m_bank = std::move(bank);
    m_wordingBox->clear();
    for (const BankQuestion &q : m_bank) {
        // Bank texts are data: bounded, one line.
        const QString text = q.wording.left(200).simplified();
        if (m_wordingBox->findData(q.wording) < 0)
            m_wordingBox->addItem(text.isEmpty() ? QStringLiteral("(no wording)") : text,
                                  q.wording);
    }
    setVisible(!m_bank.empty());
}

void StudyPanel::display(std::vector<MemoryEntry> entries, QDate today)
{
    m_entries = std::move(entries);
    m_today = today;
    const StudyPlan plan(m_settings, today);
    const StudyPlan::Overview o = plan.overview(m_entries, m_bank);
    auto count = [&o](MemoryStage s) { return o.byStage[std::size_t(s)]; };
    m_stagesLabel->setText(
        QStringLiteral("Questions in the bank: %1 new, %2 learning, %3 due for review, %4 known "
                       "(remembered for three weeks or more).")
            .arg(count(MemoryStage::New))
            .arg(count(MemoryStage::Learning))
            .arg(count(MemoryStage::Due))
            .arg(count(MemoryStage::Known)));
    const int percent = int(std::lround(o.expectedAccuracy * 100));
    m_accuracyLabel->setText(
        QStringLiteral("If every question of the bank were asked now, you could expect about %1 "
                       "in 10 right at the first try (%2 %). That counts a lucky guess among the "
                       "six answers; a question you have never answered counts as a guess.")
            .arg(QLocale().toString(o.expectedAccuracy * 10, 'f', 1))
            .arg(percent));

    std::vector<ChartWidget::Item> days;
    int most = 1;
    for (int i = 0; i < StudyPlan::ForecastDays; ++i) {
        const QDate day = today.addDays(i);
        const int n = o.forecast[std::size_t(i)];
        most = std::max(most, n);
        const QString label =
            i == 0 ? QStringLiteral("Today") : day.toString(QStringLiteral("d MMM"));
        days.push_back({label, double(n), -1,
                        QStringLiteral("%1: %2 due")
                            .arg(i == 0 ? label : QLocale().toString(day, QLocale::ShortFormat))
                            .arg(n),
                        QString()});
    }
    m_forecastChart->setItems(std::move(days), most, QString());
    m_practiseWeakestButton->setEnabled(!plan.weakest(m_entries, 1).empty());
    m_practiseWordingButton->setEnabled(m_wordingBox->count() > 0);
}

std::vector<WeakQuestion> StudyPanel::weakest() const
{
    std::vector<WeakQuestion> list;
    for (const MemoryEntry &e : StudyPlan(m_settings, m_today).weakest(m_entries))
        list.push_back({e.subject, e.wording, e.rightAnswer, e.tally, e.lastAt});
    return list;
}

void StudyPanel::practiseOnClick(ChartWidget &wordingChart)
{
    connect(&wordingChart, &ChartWidget::itemClicked, this, [this](const ChartWidget::Item &item) {
        if (isVisible())
            practiseWording(item.key);
    });
}

void StudyPanel::practiseWording(const QString &wording)
{
    const StudyPlan plan(m_settings, m_today);
    emit practiseRequested(plan.practiceOrder(m_entries, m_bank, wording));
}

void StudyPanel::practiseWeakest()
{
    std::vector<QByteArray> keys;
    for (const MemoryEntry &e : StudyPlan(m_settings, m_today).weakest(m_entries))
        keys.push_back(e.key);
    emit practiseRequested(keys);
}

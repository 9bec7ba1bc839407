#include "ChartWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTextDocument>

#include <algorithm>
#include <vector>

namespace {
const QColor barColour(70, 110, 180);
const QColor lineColour(192, 0, 0);
} // namespace

ChartWidget::ChartWidget(Orientation orientation, QWidget *parent)
    : QWidget(parent), m_orientation(orientation)
{
    // Reachable by Tab, so that a screen reader reads the numbers out.
    setFocusPolicy(Qt::StrongFocus);
    setMinimumHeight(orientation == Orientation::Horizontal ? 180 : 160);
}

void ChartWidget::setItems(std::vector<Item> items, double barMax, const QString &barUnit)
{
    m_items = std::move(items);
    m_barMax = std::max(barMax, 1.0);
    m_barUnit = barUnit;
    QStringList spoken;
    for (const Item &item : m_items)
        spoken << item.spoken;
    setAccessibleDescription(spoken.join(QStringLiteral("; ")));
    // A tooltip may be read as markup; these texts are data.
    setToolTip(Qt::convertFromPlainText(spoken.join(QLatin1Char('\n')), Qt::WhiteSpaceNoWrap));
    update();
}

QSize ChartWidget::sizeHint() const
{
    return m_orientation == Orientation::Horizontal ? QSize(520, 200) : QSize(520, 170);
}

void ChartWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().base());
    if (m_items.empty())
        return;
    p.setPen(palette().text().color());
    if (m_orientation == Orientation::Horizontal)
        paintHorizontal(p);
    else
        paintVertical(p);
    if (hasFocus()) {
        p.setPen(QPen(palette().highlight().color(), 2));
        p.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

int ChartWidget::rowHeight() const
{
    return std::max(fontMetrics().height() + 2,
                    height() / int(std::max<std::size_t>(m_items.size(), 1)));
}

void ChartWidget::mousePressEvent(QMouseEvent *event)
{
    const int row = int(event->position().y()) / rowHeight();
    if (m_orientation == Orientation::Horizontal && event->button() == Qt::LeftButton && row >= 0 &&
        row < int(m_items.size()))
        emit itemClicked(m_items[std::size_t(row)]);
    QWidget::mousePressEvent(event);
}

void ChartWidget::paintHorizontal(QPainter &p)
{
    const QFontMetrics fm = p.fontMetrics();
    int labelWidth = 0;
    for (const Item &item : m_items)
        labelWidth = std::max(labelWidth, fm.horizontalAdvance(item.label));
    labelWidth = std::min(labelWidth, width() / 2);
    const int valueWidth = fm.horizontalAdvance(QStringLiteral("100 % of 99999"));
    const int rowHeight = this->rowHeight();
    const int barSpace = std::max(10, width() - labelWidth - valueWidth - 16);
    int y = 0;
    for (const Item &item : m_items) {
        const QRect row(4, y, width() - 8, rowHeight);
        p.drawText(QRect(row.left(), y, labelWidth, rowHeight), Qt::AlignVCenter | Qt::AlignLeft,
                   fm.elidedText(item.label, Qt::ElideRight, labelWidth));
        const int length = int(barSpace * std::clamp(item.bar / m_barMax, 0.0, 1.0));
        p.fillRect(row.left() + labelWidth + 6, y + 3, length, rowHeight - 6, barColour);
        p.drawText(QRect(row.left() + labelWidth + 10 + length, y, valueWidth, rowHeight),
                   Qt::AlignVCenter | Qt::AlignLeft,
                   item.shown.isEmpty() ? QStringLiteral("%1%2").arg(item.bar).arg(m_barUnit)
                                        : item.shown);
        y += rowHeight;
    }
}

void ChartWidget::paintVertical(QPainter &p)
{
    const QFontMetrics fm = p.fontMetrics();
    const QRect plot =
        rect().adjusted(fm.horizontalAdvance(QStringLiteral("9999")) + 8, fm.height(),
                        -fm.horizontalAdvance(QStringLiteral("100%")) - 8, -fm.height() - 4);
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.drawText(QRect(0, plot.top() - fm.height(), plot.left() - 4, fm.height()), Qt::AlignRight,
               QString::number(m_barMax) + m_barUnit);
    // The line's scale only where there is a line.
    if (std::any_of(m_items.begin(), m_items.end(), [](const Item &i) { return i.line >= 0; })) {
        p.setPen(lineColour);
        p.drawText(QRect(plot.right() + 4, plot.top() - fm.height(), width(), fm.height()),
                   Qt::AlignLeft, QStringLiteral("100%"));
        p.setPen(palette().text().color());
    }
    const double step = double(plot.width()) / double(m_items.size());
    QPainterPath line;
    std::vector<QPointF> points;
    bool started = false;
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        const Item &item = m_items[i];
        const int x = plot.left() + int(step * double(i));
        const int height = int(plot.height() * std::clamp(item.bar / m_barMax, 0.0, 1.0));
        p.fillRect(x + 1, plot.bottom() - height, std::max(1, int(step) - 2), height, barColour);
        // Every seventh label, counted back from the last (a whole number
        // of weeks included).
        if ((m_items.size() - 1 - i) % 7 == 0)
            p.drawText(QRect(x - 20, plot.bottom() + 2, int(step) + 40, fm.height()),
                       Qt::AlignHCenter, item.label);
        if (item.line >= 0) {
            const QPointF point(x + step / 2, plot.bottom() - plot.height() * item.line / 100.0);
            started ? line.lineTo(point) : line.moveTo(point);
            points.push_back(point);
            started = true;
        }
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(lineColour, 2));
    p.drawPath(line);
    // A dot on each day, so that a day without neighbours still shows.
    p.setBrush(lineColour);
    for (const QPointF &point : points)
        p.drawEllipse(point, 2.5, 2.5);
}

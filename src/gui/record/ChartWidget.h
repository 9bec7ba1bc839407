#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <vector>

class QPainter;

// A small chart drawn with QPainter: one bar per item, with an optional
// line of percentages over the bars. Horizontal bars suit long labels (the
// wordings), vertical ones a row of days. What it draws is also its
// accessible description, so a screen reader has the same numbers.
class ChartWidget : public QWidget {
    Q_OBJECT
  public:
    enum class Orientation { Horizontal, Vertical };

    struct Item {
        QString label;
        double bar = 0;   // in units of the bars' scale
        double line = -1; // percent for the line; below 0: no point
        QString spoken;   // the item's numbers as text
        QString shown;    // beside a horizontal bar; empty: the bar's value
        QString key;      // what the item stands for, for whoever handles a click
    };

    ChartWidget(Orientation orientation, QWidget *parent = nullptr);

    // barMax: the value of a full bar; at least 1.
    void setItems(std::vector<Item> items, double barMax, const QString &barUnit);
    const std::vector<Item> &items() const { return m_items; }

    QSize sizeHint() const override;

  signals:
    // A row of a horizontal chart was clicked.
    void itemClicked(const ChartWidget::Item &item);

  protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

  private:
    void paintHorizontal(QPainter &p);
    void paintVertical(QPainter &p);
    int rowHeight() const;

    Orientation m_orientation;
    std::vector<Item> m_items;
    double m_barMax = 1;
    QString m_barUnit;
};

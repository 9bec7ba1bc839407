#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

// What every window builds its controls from: the design's fonts and
// colours, and labels at their design places.
namespace DesignWidgets {

inline const QColor Navy{0, 0, 128};
inline const QColor DarkRed{192, 0, 0};

QFont font(const QString &family, qreal points, bool bold = false, bool italic = false);

// A label named `name` at `place`. Its text is data (bank texts, versions,
// messages from the server), so nothing in it is ever read as markup.
QLabel *label(QWidget *parent, const QString &name, const QString &text, const QRect &place,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop, bool wordWrap = false);

void setTextColour(QWidget *w, const QColor &colour);

} // namespace DesignWidgets

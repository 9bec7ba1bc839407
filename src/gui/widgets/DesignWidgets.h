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

// Gives every text of `window` the room its font needs, where a font here
// is wider or taller than the design's (or the desktop's font DPI larger):
// a label or button grows about its alignment, a wrapping label that was
// drawn for one line widens before it takes a second, the controls of a
// frame move below the frame's line, and whatever would then stick out of
// its parent moves back inside, the window growing only when nothing else
// helps. Places that already fit are left exactly as designed.
void fitTexts(QWidget *window);

} // namespace DesignWidgets

#include "DesignWidgets.h"

#include <QLabel>

namespace DesignWidgets {

QFont font(const QString &family, qreal points, bool bold, bool italic)
{
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

QLabel *label(QWidget *parent, const QString &name, const QString &text, const QRect &place,
              Qt::Alignment align, bool wordWrap)
{
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    l->setGeometry(place);
    l->setAlignment(align);
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(wordWrap);
    l->setText(text);
    return l;
}

void setTextColour(QWidget *w, const QColor &colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    w->setPalette(p);
}

} // namespace DesignWidgets

#include "DesignWidgets.h"

#include "AppStyle.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {

// Widens or heightens `r` to `need` about the alignment's anchor.
QRect grown(QRect r, QSize need, Qt::Alignment align)
{
    if (need.width() > r.width()) {
        const int extra = need.width() - r.width();
        r.setLeft(r.left() - (align & Qt::AlignRight     ? extra
                              : align & Qt::AlignHCenter ? extra / 2
                                                         : 0));
        r.setWidth(need.width());
    }
    if (need.height() > r.height()) {
        const int extra = need.height() - r.height();
        r.setTop(r.top() - (align & Qt::AlignBottom    ? extra
                            : align & Qt::AlignVCenter ? extra / 2
                                                       : 0));
        r.setHeight(need.height());
    }
    return r;
}

// Moves `r` inside `room` where it fits; what is wider than the room is
// cut to it (and a wrapping label then takes more lines).
QRect inside(QRect r, const QRect &room)
{
    r.setWidth(std::min(r.width(), room.width()));
    r.setHeight(std::min(r.height(), room.height()));
    r.moveLeft(std::clamp(r.left(), room.left(), room.right() - r.width() + 1));
    r.moveTop(std::clamp(r.top(), room.top(), room.bottom() - r.height() + 1));
    return r;
}

QString plainCaption(QString caption)
{
    return caption.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&'));
}

void fitLabel(QLabel *l)
{
    const QFontMetrics fm(l->font());
    QRect r = l->geometry();
    if (!l->wordWrap()) {
        r = grown(r, l->sizeHint(), l->alignment());
    } else if (l->heightForWidth(r.width()) > r.height()) {
        // A label drawn for one line keeps to one line where it can.
        if (r.height() < 2 * fm.lineSpacing() && !l->text().contains(QLatin1Char('\n')))
            r = grown(r, QSize(fm.horizontalAdvance(l->text()) + 2 * l->frameWidth() + 2, 0),
                      l->alignment());
        if (l->parentWidget())
            r = inside(r, QRect(QPoint(0, r.top()), QSize(l->parentWidget()->width(), r.height())));
        r = grown(r, QSize(r.width(), l->heightForWidth(r.width())), l->alignment());
    }
    l->setGeometry(r);
}

// Children of a frame without a layout start below its line.
void clearFrameLine(QGroupBox *box)
{
    if (box->layout())
        return;
    const QList<QWidget *> children = box->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    int highest = box->height();
    for (QWidget *c : children) {
        int top = c->y();
        if (auto *l = qobject_cast<QLabel *>(c)) {
            const int spare = l->height() - l->sizeHint().height();
            top += l->alignment() & Qt::AlignVCenter  ? spare / 2
                   : l->alignment() & Qt::AlignBottom ? spare
                                                      : 0;
        }
        highest = std::min(highest, top);
    }
    const int shift = AppStyle::groupBoxFrameTop(box) + 1 - highest;
    if (shift <= 0)
        return;
    int bottom = 0;
    for (QWidget *c : children) {
        c->move(c->x(), c->y() + shift);
        bottom = std::max(bottom, c->geometry().bottom() + 1);
    }
    if (bottom + 2 > box->height())
        box->resize(box->width(), bottom + 2);
}

} // namespace

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

void fitTexts(QWidget *window)
{
    // Controls a layout places are the layout's to size.
    QList<QWidget *> all = window->findChildren<QWidget *>();
    all.removeIf([](const QWidget *w) {
        return w->isWindow() || !w->parentWidget() || w->parentWidget()->layout();
    });
    for (QWidget *w : all) {
        const QFontMetrics fm(w->font());
        if (auto *l = qobject_cast<QLabel *>(w); l && !l->text().isEmpty()) {
            fitLabel(l);
        } else if (auto *b = qobject_cast<QPushButton *>(w); b && !b->text().isEmpty()) {
            // An answer button wraps its caption itself.
            if (!b->inherits("AnswerButton"))
                b->setGeometry(grown(
                    b->geometry(),
                    QSize(fm.horizontalAdvance(plainCaption(b->text())) + 12, fm.height() + 6),
                    Qt::AlignHCenter | Qt::AlignVCenter));
        } else if (auto *g = qobject_cast<QGroupBox *>(w); g && !g->title().isEmpty()) {
            g->setGeometry(grown(g->geometry(), QSize(fm.horizontalAdvance(g->title()) + 20, 0),
                                 Qt::AlignLeft));
        }
    }
    for (QWidget *w : all)
        if (auto *g = qobject_cast<QGroupBox *>(w))
            clearFrameLine(g);
    // Back inside the parent; a window too small for a control grows.
    QSize need = window->size();
    for (QWidget *w : all)
        if (w->parentWidget() == window)
            need = need.expandedTo(QSize(w->width(), w->height()));
    if (need != window->size() && window->isWindow())
        window->setFixedSize(need);
    for (QWidget *w : all)
        w->setGeometry(inside(w->geometry(), w->parentWidget()->rect()));
}

} // namespace DesignWidgets

#include "AnswerButton.h"

#include "core/common/DisplayText.h"

#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <algorithm>
#include <cmath>

AnswerButton::AnswerButton(int number, QWidget *parent) : QPushButton(parent), m_number(number)
{
    setObjectName(QStringLiteral("answerButton%1").arg(number));
    setAutoDefault(false);
    setToolTip(QStringLiteral("Key %1").arg(number));
    setAccessibleName(QStringLiteral("Answer %1: ").arg(number));
}

void AnswerButton::setCaption(const QString &text)
{
    m_caption = text;
    setText(DisplayText::literalCaption(text));
    // A screen reader says which button this is as well as what it shows.
    setAccessibleName(QStringLiteral("Answer %1: ").arg(m_number) + DisplayText::spoken(text));
}

void AnswerButton::setBackground(const QColor &colour)
{
    m_coloured = colour.isValid();
    if (!m_coloured) {
        setPalette(QPalette());
        return;
    }
    QPalette p = palette();
    p.setColor(QPalette::Button, colour);
    setPalette(p);
}

QColor AnswerButton::background() const
{
    return palette().color(QPalette::Button);
}

namespace {

double luminance(const QColor &c)
{
    auto channel = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

} // namespace

double AnswerButton::contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor AnswerButton::captionColour() const
{
    if (isEnabled())
        return palette().color(QPalette::ButtonText);
    if (!m_coloured)
        return palette().color(QPalette::Disabled, QPalette::ButtonText);
    const QColor face = background();
    QColor best = palette().color(QPalette::Active, QPalette::ButtonText);
    for (const QColor &c : {QColor(Qt::black), QColor(Qt::white)})
        if (contrast(c, face) > contrast(best, face))
            best = c;
    return best;
}

QSize AnswerButton::sizeHint() const
{
    return size();
}

void AnswerButton::paintEvent(QPaintEvent *)
{
    // A style draws a button's colour its own way (Fusion as a lightened
    // gradient), but right and wrong must read as the exact flat colours on
    // every style. So the style draws only the frame, the face inside it is
    // filled flat, and the caption and focus frame go on top.
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString label = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    painter.fillRect(rect().adjusted(FrameWidth, FrameWidth, -FrameWidth, -FrameWidth),
                     background());
    const QRect area = style()
                           ->subElementRect(QStyle::SE_PushButtonContents, &option, this)
                           .adjusted(3, 1, -3, -1);
    QPalette captionPalette = option.palette;
    captionPalette.setColor(QPalette::ButtonText, captionColour());
    style()->drawItemText(&painter, area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic,
                          captionPalette, true, label, QPalette::ButtonText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        focus.backgroundColor = background();
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

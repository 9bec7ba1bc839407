#include "AnswerButton.h"

#include "core/common/DisplayText.h"

#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

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
    QPalette p = palette();
    p.setColor(QPalette::Button, colour);
    setPalette(p);
}

QColor AnswerButton::background() const
{
    return palette().color(QPalette::Button);
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
    style()->drawItemText(&painter, area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic,
                          option.palette, isEnabled(), label, QPalette::ButtonText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        focus.backgroundColor = background();
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

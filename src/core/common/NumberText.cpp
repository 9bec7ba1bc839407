#include "NumberText.h"

QString PlainText(std::int32_t value)
{
    return QString::number(value);
}

QString SignedText(std::int32_t value)
{
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

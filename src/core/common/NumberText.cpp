#include "NumberText.h"

QString plainText(std::int32_t value)
{
    return QString::number(value);
}

QString signedText(std::int32_t value)
{
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

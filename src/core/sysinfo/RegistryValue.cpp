#include "RegistryValue.h"

#include <array>

namespace RegistryValue {

void decode(const char *buffer, std::uint32_t size, std::uint32_t type, QString &KeyVal)
{
    if (size > std::uint32_t(BufferSize))
        size = BufferSize;
    switch (type) {
    case TextType: {
        // A text stored with its terminating code 0 comes back without it;
        // one stored without it is taken whole.
        std::uint32_t length = size;
        if (length > 0 && buffer[length - 1] == '\0')
            --length;
        KeyVal = QString::fromLocal8Bit(buffer, qsizetype(length));
        return;
    }
    case NumberType: {
        // All four bytes count, each as two digits, so that 0x105 reads
        // "&h105" and not "&h15"; only the number's own leading zeros go.
        std::uint32_t value = 0;
        for (std::uint32_t i = 0; i < size && i < 4; ++i)
            value |= std::uint32_t(static_cast<unsigned char>(buffer[i])) << (8 * i);
        KeyVal = QStringLiteral("&h") + QString::number(value, 16).toUpper();
        return;
    }
    default:
        return;
    }
}

} // namespace RegistryValue

bool GetKeyValue(RegistryValue::Api &api, std::uint32_t &KeyRoot, QString &KeyName,
                 QString &SubKeyRef, QString &KeyVal)
{
    std::array<char, RegistryValue::BufferSize> buffer{};
    std::uint32_t size = RegistryValue::BufferSize;
    std::uint32_t type = 0;
    if (!api.query(KeyRoot, KeyName.toLocal8Bit(), SubKeyRef.toLocal8Bit(),
                   RegistryValue::KeyAccess, buffer.data(), size, type)) {
        KeyVal.clear();
        return false;
    }
    RegistryValue::decode(buffer.data(), size, type, KeyVal);
    return true;
}

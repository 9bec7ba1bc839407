#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// Reading one value of the system registry through its single-byte
// interface, split so that everything but the platform call can be tested
// on any system.
namespace RegistryValue {

constexpr std::uint32_t LocalMachine = 0x80000002u;
// Read access (query value, enumerate sub-keys, notify, read control). The
// write rights once asked for too are refused to a user without
// administrator rights on the machine-wide key, which left the lookup
// failing for everyone else; reading the value needs none of them.
constexpr std::uint32_t KeyAccess = 0x20019u;
constexpr std::uint32_t TextType = 1;
constexpr std::uint32_t NumberType = 4;
constexpr int BufferSize = 1024;

// The platform's registry functions: open the key, query the value into a
// buffer of `size` bytes (size and type come back), close the key.
class Api {
  public:
    virtual ~Api() = default;
    virtual bool query(std::uint32_t root, const QByteArray &keyName, const QByteArray &valueName,
                       std::uint32_t access, char *buffer, std::uint32_t &size,
                       std::uint32_t &type) = 0;
};

// What a value read into the buffer gives for KeyVal. A text drops its
// terminating code 0 when it has one. A 32-bit number (stored low byte
// first) becomes "&h" and its upper-case hexadecimal digits without
// leading zeros. Any other type leaves KeyVal as it was passed in.
void decode(const char *buffer, std::uint32_t size, std::uint32_t type, QString &KeyVal);

} // namespace RegistryValue

// Reads the value SubKeyRef of the key KeyName under KeyRoot into KeyVal.
// True when it was read; a missing key or value, or one longer than the
// buffer, gives False and an empty KeyVal.
bool GetKeyValue(RegistryValue::Api &api, std::uint32_t &KeyRoot, QString &KeyName,
                 QString &SubKeyRef, QString &KeyVal);

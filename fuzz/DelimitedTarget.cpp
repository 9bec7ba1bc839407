// libFuzzer entry point: see DelimitedProperty.h for what is checked.
#include "DelimitedProperty.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString failure =
        DelimitedProperty::check(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "property violated: %s\n", failure.toLocal8Bit().constData());
        std::abort();
    }
    return 0;
}

#pragma once

#include <QByteArray>
#include <QList>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// A broken property stops the fuzzer as a crash does: it names the condition, and libFuzzer
// keeps the input that broke it.
#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition);            \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)

namespace fuzz {

// Inputs that hold several files or fields separate them with this byte, ASCII's record
// separator, which no settings file, name file or date needs; everything else, line ends
// included, can stand in a part.
inline constexpr char PartSeparator = '\x1e';

// The fuzzer's bytes as they are, without a copy, so that a read past their end is caught.
inline QByteArray InputBytes(const uint8_t *data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
}

// The parts between separators; there is always at least one.
inline QList<QByteArray> InputParts(const uint8_t *data, size_t size, char separator = PartSeparator)
{
    return InputBytes(data, size).split(separator);
}

} // namespace fuzz

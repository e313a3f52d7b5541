#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// Helpers shared by the fuzz targets.

// Silences the traces (they would drown libFuzzer's output and slow it down) unless
// T2Q_FUZZ_VERBOSE is set, which is what one wants when replaying a single finding.
void fuzzInit();

// A broken property: prints what and detail and aborts, which libFuzzer records as a crash
// together with the input that caused it.
[[noreturn]] void fuzzFail(const char* what, const QString& detail = QString());

#define FUZZ_CHECK(condition, detail)                                                                                  \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            fuzzFail(#condition, detail);                                                                              \
    } while (false)

// Takes the fuzzer's input apart from the front; past the end it yields zeros and empty arrays.
class FuzzInput
{
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : m_data(data)
        , m_size(size)
    {
    }

    bool atEnd() const { return m_offset >= m_size; }
    std::uint8_t byte() { return atEnd() ? 0 : m_data[m_offset++]; }
    // Up to count bytes: fewer when the input ends first.
    QByteArray bytes(std::size_t count);

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_offset = 0;
};

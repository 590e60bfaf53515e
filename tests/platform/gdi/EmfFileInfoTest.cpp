// What `kelvppvw-emf info` calls a structural fault: any offset or count in
// the header or a record that reaches past where its data can be.
#include "EmfTestFile.h"

#include "platform/gdi/EmfFileInfo.h"
#include "platform/gdi/EmfRecordType.h"

#include <gtest/gtest.h>

namespace kelvppvw::gdi {
namespace {

using test::f;

// Header (108 bytes), a POLYLINE16 of two points at 108, an EXTTEXTOUTW of
// "AB" with advances at 144, EOF at 232.
std::vector<std::uint8_t> soundFile()
{
    return test::EmfBuilder()
        .record(EMR_POLYLINE16, {0, 0, 10, 10, 2, 0, 10 | 10 << 16})
        .record(EMR_EXTTEXTOUTW, {0, 0, 10, 10, 1, f(1), f(1), 0, 0, 2, 76, 0, 0, 0, 0, 0, 80, 'A' | 'B' << 16, 8, 8})
        .bytes();
}

void put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.at(at + i) = std::uint8_t(v >> (8 * i));
}

TEST(EmfFileInfo, offsets_and_counts_past_their_data_are_faults)
{
    ASSERT_EQ(EmfFileInfo::read(soundFile()).problem, "");
    struct Case {
        const char* what;
        std::vector<std::pair<std::size_t, std::uint32_t>> fields;
        const char* expected;
    } cases[] = {
        {"description past the header", {{60, 5}, {64, 108}}, "header description (5 characters at offset 108)"},
        {"description far past the file", {{60, 1}, {64, 0xFFFFFFF0u}}, "header description"},
        {"pixel format past the header", {{88, 64}, {92, 100}}, "header pixel format"},
        {"more points than the record holds", {{108 + 24, 1000}}, "record 2 at byte 108 has points"},
        {"point count that overflows 32 bits", {{108 + 24, 0x40000001u}}, "has points"},
        {"longer text than the record holds", {{144 + 44, 100}}, "record 3 at byte 144 has text"},
        {"text offset past the record", {{144 + 48, 0x7FFFFFFFu}}, "has text"},
        {"advances running past the record", {{144 + 72, 84}}, "has advances"},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> bytes = soundFile();
        for (const auto& [at, value] : c.fields)
            put32(bytes, at, value);
        const EmfFileInfo info = EmfFileInfo::read(bytes);
        EXPECT_TRUE(info.valid) << c.what;
        EXPECT_NE(info.problem.find(c.expected), std::string::npos) << c.what << ": " << info.problem;
        // Playing needs only the header, which stays readable.
        EXPECT_TRUE(EmfFileInfo::readHeader(bytes).valid) << c.what;
    }
}

} // namespace
} // namespace kelvppvw::gdi

#include <gtest/gtest.h>

#include <string>

#include "platform/profile/TempFolder.h"
#include "settings/ProfileStore.h"

using namespace std::string_literals;
using kelvppvw::CutAtNull;
using kelvppvw::ReadProfileKey;
using kelvppvw::ReadProfileSection;
using kelvppvw::WriteProfileKey;

namespace {

TEST(CutAtNull, cuts_at_first_nul_untouched_else_trims_spaces)
{
    EXPECT_EQ(CutAtNull(" ab \0cd\0"s), " ab ");
    EXPECT_EQ(CutAtNull("  ab  "), "ab");
    EXPECT_EQ(CutAtNull("\tab\t"), "\tab\t");
}

// Read back what was stored, the caller's default for what is not, and the
// difference between a deleted key and an empty one.
TEST(ProfileKey, reads_what_was_written_cut_at_nul_and_254_characters_or_the_default)
{
    TempFolder dir;
    const std::string ini = dir.file("preview.ini");
    writeBytes(ini, "[Host]\r\nColor1=-2147483632\r\nEmpty=\r\nNul=a\0b\r\n"s);
    EXPECT_EQ(ReadProfileKey("Host", "Color1", "0", ini), "-2147483632");
    EXPECT_EQ(ReadProfileKey("host", "missing", "-2147483633", ini), "-2147483633");
    EXPECT_EQ(ReadProfileKey("Host", "Empty", "5", ini), "");
    EXPECT_EQ(ReadProfileKey("Host", "Nul", "", ini), "a");

    const std::string written = dir.file("written.ini"), value(300, 'v');
    ASSERT_TRUE(WriteProfileKey("Host", "A", "1", written));
    ASSERT_TRUE(WriteProfileKey("Host", "B", "", written));
    EXPECT_EQ(readBytes(written), "[Host]\r\nA=1\r\nB=\r\n");
    ASSERT_TRUE(WriteProfileKey("Host", "A", std::nullopt, written));
    EXPECT_EQ(readBytes(written), "[Host]\r\nB=\r\n");
    EXPECT_EQ(ReadProfileKey("Host", "B", "default", written), "");
    ASSERT_TRUE(WriteProfileKey("Host", "Long", value, written));
    EXPECT_EQ(ReadProfileKey("Host", "Long", "", written), value.substr(0, 254));
}

// A section whose entries, each with its NUL, take exactly `length` characters.
std::string sectionOfLength(std::size_t length, std::string& expected)
{
    std::string file = "[STAMPED FILES]\r\n";
    expected.clear();
    for (std::size_t used = 0, n = 0; used < length; ++n) {
        const std::size_t remaining = length - used;
        const std::string key = "k" + std::to_string(n) + "=";
        const std::size_t entryLength = remaining > 80 ? 40 : remaining - 1;
        const std::string entry = key + std::string(entryLength - key.size(), 'v');
        file += entry + "\r\n";
        expected += entry + '\0';
        used += entry.size() + 1;
    }
    expected.pop_back();
    return file;
}

TEST(ReadProfileSection, grows_until_the_section_fits_and_gives_empty_for_none)
{
    TempFolder dir;
    const std::string ini = dir.file("Cleanup.ini");
    EXPECT_EQ(ReadProfileSection("STAMPED FILES", ini), "");
    writeBytes(ini, "[STAMPED FILES]\r\n; only a comment\r\n[Other]\r\na=1\r\n");
    EXPECT_EQ(ReadProfileSection("STAMPED FILES", ini), "");
    for (std::size_t length : {10u, 1021u, 1022u, 1023u, 1024u, 2046u, 2047u, 4094u, 50000u}) {
        std::string expected;
        writeBytes(ini, sectionOfLength(length, expected));
        ASSERT_EQ(expected.size() + 1, length);
        EXPECT_EQ(ReadProfileSection("STAMPED FILES", ini), expected) << "entries of " << length;
    }
}

}  // namespace

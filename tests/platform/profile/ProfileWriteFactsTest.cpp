// Writing behaviour of the private-profile calls, compared byte for byte.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <optional>
#include <string>

#include "platform/profile/PrivateProfile.h"
#include "platform/profile/TempFolder.h"

using namespace std::string_literals;
using kelvppvw::DeletePrivateProfileEntries;
using kelvppvw::GetPrivateProfileString;
using kelvppvw::OptionalText;
using kelvppvw::WritePrivateProfileString;

namespace {

struct WriteCase {
    const char* name;
    std::optional<std::string> before;  // nullopt: no file
    OptionalText section;
    OptionalText key;
    OptionalText value;
    bool expectedResult;
    std::optional<std::string> after;  // nullopt: still no file
};

class ProfileWriteFacts : public ::testing::TestWithParam<WriteCase> {};

TEST_P(ProfileWriteFacts, leaves_exact_bytes)
{
    const WriteCase& c = GetParam();
    TempFolder dir;
    const std::string path = dir.file("t.ini");
    if (c.before)
        writeBytes(path, *c.before);
    EXPECT_EQ(WritePrivateProfileString(c.section, c.key, c.value, path), c.expectedResult);
    EXPECT_EQ(readBytes(path), c.after);
}

const WriteCase kWriteCases[] = {
    {"replacing_keeps_spelling", "[SectionName]\r\nTestKey=old\r\n", "SECTIONNAME", "TESTKEY", "new", true,
     "[SectionName]\r\nTestKey=new\r\n"},
    {"replacing_keeps_comments_blank_and_unknown_lines",
     "; top\r\n\r\n[s]\r\n; c\r\na=1\r\n\r\nother line\r\n", "s", "a", "2", true,
     "; top\r\n\r\n[s]\r\n; c\r\na=2\r\n\r\nother line\r\n"},
    {"replacing_keeps_indentation", "[s]\n  k = old\n", "s", "k", "v", true, "[s]\n  k=v\n"},
    {"new_key_after_last_key_line", "[s]\r\na=1\r\n; c\r\n\r\n[t]\r\n", "s", "b", "2", true,
     "[s]\r\na=1\r\nb=2\r\n; c\r\n\r\n[t]\r\n"},
    {"new_key_in_keyless_section_after_header", "[s]\r\n; c\r\n[t]\r\n", "s", "b", "2", true,
     "[s]\r\nb=2\r\n; c\r\n[t]\r\n"},
    {"new_section_at_end_without_blank_line", "[s]\r\na=1\r\n", "t", "k", "v", true,
     "[s]\r\na=1\r\n[t]\r\nk=v\r\n"},
    {"line_break_added_before_new_section", "[s]\r\na=1", "t", "k", "v", true, "[s]\r\na=1\r\n[t]\r\nk=v\r\n"},
    {"line_break_added_before_new_key", "[s]\r\na=1", "s", "b", "2", true, "[s]\r\na=1\r\nb=2\r\n"},
    {"lf_file_stays_lf", "[s]\na=1\n", "t", "k", "v", true, "[s]\na=1\n[t]\nk=v\n"},
    {"value_written_verbatim_names_trimmed_of_spaces", "", " s ", " k ", "\t\"v\"  ", true,
     "[s]\r\nk=\t\"v\"  \r\n"},
    {"tab_in_name_kept", "", "s", "k\t", "v", true, "[s]\r\nk\t=v\r\n"},
    {"null_value_deletes_key", "[s]\r\na=1\r\nb=2\r\n", "s", "A", std::nullopt, true, "[s]\r\nb=2\r\n"},
    {"deleting_last_key_keeps_header", "[s]\r\na=1\r\n[t]\r\n", "s", "a", std::nullopt, true,
     "[s]\r\n[t]\r\n"},
    {"deleting_missing_key_changes_nothing", "[s]\r\na=1\r\n", "s", "zz", std::nullopt, true,
     "[s]\r\na=1\r\n"},
    {"null_key_deletes_section_but_not_its_comments",
     "[a]\r\nx=1\r\n[s]\r\n; keep\r\nk=v\r\nstray\r\n[b]\r\ny=2\r\n", "S", std::nullopt, std::nullopt, true,
     "[a]\r\nx=1\r\n; keep\r\n[b]\r\ny=2\r\n"},
    {"missing_file_created_with_crlf", std::nullopt, "App", "key", "string", true, "[App]\r\nkey=string\r\n"},
    {"delete_in_missing_file_creates_nothing", std::nullopt, "App", "key", std::nullopt, true, std::nullopt},
    {"null_section_fails", "[s]\r\na=1\r\n", std::nullopt, "a", "2", false, "[s]\r\na=1\r\n"},
    {"line_break_in_value_refused", "[s]\r\na=1\r\n", "s", "a", "2\r\n[x]", false, "[s]\r\na=1\r\n"},
    {"arguments_end_at_nul", std::nullopt, std::string_view("s\0x", 3), std::string_view("k\0y", 3),
     std::string_view("a\0b", 3), true, "[s]\r\nk=a\r\n"},
    {"line_break_in_key_refused", std::nullopt, "s", "a\nb", "2", false, std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Facts, ProfileWriteFacts, ::testing::ValuesIn(kWriteCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ProfileWrite, unchanged_file_is_not_rewritten_and_a_write_reads_back)
{
    TempFolder dir;
    const std::string path = dir.file("t.ini");
    writeBytes(path, "[s]\r\na=1\r\n");
    struct stat before{}, after{};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);
    EXPECT_TRUE(WritePrivateProfileString("s", "missing", std::nullopt, path));
    EXPECT_TRUE(WritePrivateProfileString("s", "a", "1", path));
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_EQ(before.st_ino, after.st_ino);

    // What is written reads back through the read rules.
    ASSERT_TRUE(WritePrivateProfileString("s", "k", "  'quoted'  ", path));
    std::string buffer(32, '#');
    EXPECT_EQ(GetPrivateProfileString("s", "K", "", buffer, path), 6u);
    EXPECT_EQ(buffer.substr(0, 7), "quoted\0"s);
}

TEST(ProfileWrite, missing_folder_or_folder_in_place_of_the_file_fails_and_changes_nothing)
{
    TempFolder dir;
    EXPECT_FALSE(WritePrivateProfileString("s", "k", "v", dir.file("no/such/t.ini")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("no")));
    std::filesystem::create_directory(dir.file("t.ini"));
    EXPECT_FALSE(WritePrivateProfileString("s", "k", "v", dir.file("t.ini")));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("t.ini")));
}

TEST(ProfileDeleteEntries, removes_the_line_of_each_key_and_value_in_one_rewrite)
{
    TempFolder dir;
    const std::string path = dir.file("t.ini");
    writeBytes(path, "[x]\r\na=0\r\n[s]\r\na=1\r\n; c\r\nB=2\r\nc=3\r\na=4\r\n");
    EXPECT_TRUE(DeletePrivateProfileEntries("s", {{"a", "4"}, {"b", "2"}, {"nope", "x"}, {"c", "9"}}, path));
    EXPECT_EQ(readBytes(path), "[x]\r\na=0\r\n[s]\r\na=1\r\n; c\r\nc=3\r\n");
}

}  // namespace

// Reading behaviour of the private-profile calls, one row per observed fact.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/profile/PrivateProfile.h"
#include "platform/profile/ProfileFile.h"
#include "platform/profile/TempFolder.h"

using namespace std::string_literals;
using kelvppvw::GetPrivateProfileSection;
using kelvppvw::GetPrivateProfileString;
using kelvppvw::OptionalText;

namespace {

struct ReadCase {
    const char* name;
    std::optional<std::string> file;  // nullopt: no file
    OptionalText section;
    OptionalText key;
    OptionalText defaultValue;
    std::uint32_t size;
    std::uint32_t expectedCount;
    std::string expectedBytes;  // buffer from its start; '#' marks untouched bytes
    bool wholeSection = false;  // GetPrivateProfileSection of `section` instead
};

class ProfileReadFacts : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ProfileReadFacts, returns_count_and_bytes)
{
    const ReadCase& c = GetParam();
    TempFolder dir;
    const std::string path = dir.file("t.ini");
    if (c.file)
        writeBytes(path, *c.file);
    std::string buffer(c.size, '#');
    const auto count = c.wholeSection ? GetPrivateProfileSection(*c.section, buffer, path)
                                      : GetPrivateProfileString(c.section, c.key, c.defaultValue, buffer, path);
    EXPECT_EQ(count, c.expectedCount);
    EXPECT_EQ(buffer.substr(0, c.expectedBytes.size()), c.expectedBytes);
    EXPECT_EQ(std::filesystem::exists(path), c.file.has_value());
}

constexpr std::uint32_t kBig = 64;

// Buffers show the copied text and its NUL; the rest of a 64-byte buffer is '#'.
std::string out(const std::string& text) { return text + '\0' + std::string(kBig - text.size() - 1, '#'); }

const ReadCase kReadCases[] = {
    {"names_ignore_case", "[name1]\r\nkey=v\r\n", "NaMe1", "KEY", "d", kBig, 1, out("v")},
    {"blanks_around_key_in_file", "[S]\n \tk\v =v\n", "S", "k", "d", kBig, 1, out("v")},
    {"spaces_around_section_argument", "[S]\nk=v\n", " S ", "k", "d", kBig, 1, out("v")},
    {"tab_in_key_argument_is_part_of_name", "[S]\nk=v\n", "S", "k\t", "d", kBig, 1, out("d")},
    {"value_trimmed_then_quotes_removed", "[s]\nk=  \"   v   \"  \n", "s", "k", "", kBig, 7, out("   v   ")},
    {"mixed_quotes_kept", "[s]\nk=\"  v  '\n", "s", "k", "", kBig, 7, out("\"  v  '")},
    {"outer_single_quotes_removed_only", "[s]\nk='\"v\"'\n", "s", "k", "", kBig, 3, out("\"v\"")},
    {"lone_quote_kept", "[s]\nk=\"\n", "s", "k", "", kBig, 1, out("\"")},
    {"value_tabs_and_vtabs_trimmed", "[s]\nk=\t\vv w\v\t\n", "s", "k", "", kBig, 3, out("v w")},
    {"quotes_in_names_are_literal", "[\"s\"]\n\"k\"=v\n", "\"s\"", "\"k\"", "d", kBig, 1, out("v")},
    {"line_without_equals_is_no_key", "[s]\nk\n", "s", "k", "d", kBig, 1, out("d")},
    {"empty_value_is_not_the_default", "[s]\nk=\n", "s", "k", "d", kBig, 0, out("")},
    {"comment_line", "[s]\n  ;k=v\n", "s", ";k", "d", kBig, 1, out("d")},
    {"no_inline_comment", "[s]\nk=v ;c\n", "s", "k", "", kBig, 4, out("v ;c")},
    {"hash_is_ordinary", "[s]\n#k=v\n", "s", "#k", "", kBig, 1, out("v")},
    {"first_duplicate_key_wins", "[s]\nk=1\nK=2\n", "s", "k", "", kBig, 1, out("1")},
    {"only_first_duplicate_section_searched", "[s]\na=1\n[t]\n[S]\nb=2\n", "s", "b", "d", kBig, 1, out("d")},
    {"spaces_inside_brackets", "[ s ]\nk=v\n", "s", "k", "", kBig, 1, out("v")},
    {"header_without_bracket", "[S\nk=v\n", "s", "k", "", kBig, 1, out("v")},
    {"text_after_bracket_ignored", "[sec]x]\nk=v\n", "sec", "k", "", kBig, 1, out("v")},
    {"bracket_later_in_line_is_no_header", "x[s]\nk=v\n", "s", "k", "d", kBig, 1, out("d")},
    {"lines_before_first_header_unreachable", "k=v\n[s]\n", "", "k", "d", kBig, 1, out("d")},
    {"empty_section_and_key_names", "[]\n=v\n", "", "", "d", kBig, 1, out("v")},
    {"mixed_line_ends", "[s]\r\na=1\nb=2\rc=3", "s", "c", "", kBig, 1, out("3")},
    {"missing_section_gives_default", "[s]\nk=v\n", "t", "k", "dflt", kBig, 4, out("dflt")},
    {"default_loses_trailing_spaces", "", "s", "k", "default  ", kBig, 7, out("default")},
    {"default_keeps_leading_and_other_blanks", "", "s", "k", "  d\t", kBig, 4, out("  d\t")},
    {"null_default_is_empty", "", "s", "k", std::nullopt, kBig, 0, out("")},
    {"size_fits_value", "[s]\nk=val1\n", "s", "k", "", 5, 4, "val1\0"s},
    {"size_truncates_to_size_minus_one", "[s]\nk=val1\n", "s", "k", "", 4, 3, "val\0"s},
    {"size_one_gives_empty", "[s]\nk=val1\n", "s", "k", "", 1, 0, "\0"s},
    {"size_zero_touches_nothing", "[s]\nk=val1\n", "s", "k", "", 0, 0, ""},
    {"default_truncated_too", "", "s", "k", "abcdef", 4, 3, "abc\0"s},
    {"null_key_lists_keys", "[s]\nname1=a\nname2=b\nx\nname4=c\n", "s", std::nullopt, "", kBig, 18,
     "name1\0name2\0name4\0\0"s},
    {"key_list_cut_reports_size_minus_two", "[s]\nname1=a\nname2=b\nname4=c\n", "s", std::nullopt, "", 16, 14,
     "name1\0name2\0na\0\0"s},
    {"key_list_exact_fit_reports_size_minus_two", "[s]\nname1=a\nname2=b\nname4=c\n", "s", std::nullopt, "", 19,
     17, "name1\0name2\0name4\0\0"s},
    {"key_list_of_missing_section_is_empty", "[s]\nk=v\n", "t", std::nullopt, "d", 8, 0, "\0\0######"s},
    {"null_section_lists_sections", "[a]\n[B]\nk=v\n[c]\n", std::nullopt, std::nullopt, "", kBig, 6,
     "a\0B\0c\0\0"s},
    {"missing_file_gives_default", std::nullopt, "s", "k", "dflt", 16, 4, "dflt\0"s},
    {"missing_file_lists_no_keys", std::nullopt, "s", std::nullopt, "dflt", 16, 0, "\0\0"s},
    {"section_of_missing_file", std::nullopt, "s", {}, {}, 16, 0, "\0\0"s, true},
    {"section_lines_as_written", "[s]\r\nname1=val1\r\nname2=\r\nname3\r\nname4=val4\r\n[t]\r\nx=y\r\n", "s", {}, {}, kBig, 35,
     "name1=val1\0name2=\0name3\0name4=val4\0\0"s, true},
    {"section_comments_and_blank_lines_left_out", "[s]\n; note\n\na=1\n", "s", {}, {}, kBig, 4, "a=1\0\0"s, true},
    {"section_missing_section", "[t]\na=1\n", "s", {}, {}, kBig, 0, "\0\0"s, true},
    {"section_too_small_reports_size_minus_two", "[s]\nabc=1\ndef=2\n", "s", {}, {}, 9, 7, "abc=1\0d\0\0"s, true},
    {"section_exact_fit_reports_size_minus_two", "[s]\nabc=1\ndef=2\n", "s", {}, {}, 13, 11, "abc=1\0def=2\0\0"s, true},
    {"section_one_spare_byte_is_a_fit", "[s]\nabc=1\ndef=2\n", "s", {}, {}, 14, 12, "abc=1\0def=2\0\0"s, true},
};

INSTANTIATE_TEST_SUITE_P(Facts, ProfileReadFacts, ::testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

// The file side of the profile engine: parse reuse, hostile bytes, atomic
// replacement and cross-process serialisation. Round trips of arbitrary bytes
// are the fuzz target's.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/profile/ChildProcess.h"
#include "platform/profile/PrivateProfile.h"
#include "platform/profile/TempFolder.h"

using namespace std::string_literals;
using kelvppvw::GetPrivateProfileString;
using kelvppvw::WritePrivateProfileString;

namespace {

std::string read(const std::string& path, const char* section, const char* key)
{
    std::string buffer(256, '\0');
    buffer.resize(GetPrivateProfileString(section, key, "<none>", buffer, path));
    return buffer;
}

// The parsed copy is reused only while the file is unchanged: a same-size
// rewrite within the same second, our own write and a removal are all seen.
TEST(ProfileCache, every_change_of_the_file_is_seen_by_the_next_read)
{
    TempFolder dir;
    const std::string path = dir.file("t.ini");
    writeBytes(path, "[s]\nk=1\n");
    EXPECT_EQ(read(path, "s", "k"), "1");
    writeBytes(path, "[s]\nk=2\n");
    EXPECT_EQ(read(path, "s", "k"), "2");
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(WritePrivateProfileString("s", "k", std::to_string(i % 10), path));
        EXPECT_EQ(read(path, "s", "k"), std::to_string(i % 10));
    }
    std::filesystem::remove(path);
    EXPECT_EQ(read(path, "s", "k"), "<none>");
}

TEST(ProfileParser, survives_hostile_files)
{
    TempFolder dir;
    const std::string path = dir.file("t.ini");
    const std::string hugeLine(10 * 1024 * 1024, 'x');
    const std::pair<std::string, std::string> cases[] = {  // file, value of [s] k (or j)
        {"[s]\nk=" + hugeLine + "\nj=after\n", "after"},
        {"[s]\nk=" + hugeLine, hugeLine.substr(0, 255)},
        {"[s]\nk=a\0b\n"s, "a\0b"s},
        {"[s\0t]\nk=v\n"s, "<none>"},
        {"\xff\xfe[\0\0s\0]\0\n\x01\x02=\x03", "<none>"},
        {"[s]\rk=v", "v"},
        {"\xef\xbb\xbf[s]\nk=v\n", "<none>"},
    };
    for (const auto& [bytes, expected] : cases) {
        writeBytes(path, bytes);
        EXPECT_EQ(read(path, "s", bytes.find("\nj=") != std::string::npos ? "j" : "k"), expected);
        ASSERT_TRUE(WritePrivateProfileString("s", "new", "1", path));
        EXPECT_EQ(read(path, "s", "new"), "1");
    }
}

TEST(ProfileConcurrency, two_processes_writing_200_keys_each_lose_nothing)
{
    TempFolder dir;
    const std::string path = dir.file("Cleanup.ini");
    const pid_t first = startProfileWriter(path.c_str(), "first", "200");
    const pid_t second = startProfileWriter(path.c_str(), "second", "200");
    ASSERT_TRUE(exitedCleanly(first));
    ASSERT_TRUE(exitedCleanly(second));
    std::string keys(64 * 1024, '\0');
    const auto n = GetPrivateProfileString("STAMPED FILES", std::nullopt, "", keys, path);
    EXPECT_EQ(std::count(keys.begin(), keys.begin() + n, '\0'), 400);
    for (int i = 0; i < 200; i += 37)
        for (const std::string prefix : {"first", "second"})
            EXPECT_EQ(read(path, "STAMPED FILES", (prefix + std::to_string(i)).c_str()),
                      "value of " + prefix + std::to_string(i));
    EXPECT_EQ(filesIn(dir.path()), 2u) << "the file and its lock file: no temporary file leaked";
}

}  // namespace

// The file side of the profile engine: parse reuse, hostile bytes, atomic
// replacement, cross-process serialisation and clean failure.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "platform/profile/ChildProcess.h"
#include "platform/profile/IniDocument.h"
#include "platform/profile/PrivateProfile.h"
#include "platform/profile/ProfileFile.h"
#include "platform/profile/TempFolder.h"

using namespace std::string_literals;
using kelvppvw::GetPrivateProfileSection;
using kelvppvw::GetPrivateProfileString;
using kelvppvw::IniDocument;
using kelvppvw::ProfileFile;
using kelvppvw::WritePrivateProfileString;

namespace {

std::string read(const std::string& path, const char* section, const char* key)
{
    std::string buffer(256, '\0');
    buffer.resize(GetPrivateProfileString(section, key, "<none>", buffer, path));
    return buffer;
}

std::size_t filesIn(const std::filesystem::path& dir)
{
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir), {}));
}

TEST(ProfileCache, same_size_rewrite_in_the_same_second_is_seen)
{
    TempFolder dir;
    const std::string path = dir.file("t.ini");
    writeBytes(path, "[s]\nk=1\n");
    EXPECT_EQ(read(path, "s", "k"), "1");
    writeBytes(path, "[s]\nk=2\n");
    EXPECT_EQ(read(path, "s", "k"), "2");
    ::unlink(path.c_str());
    EXPECT_EQ(read(path, "s", "k"), "<none>");
}

TEST(ProfileCache, own_write_is_seen_by_the_next_read)
{
    TempFolder dir;
    const std::string path = dir.file("t.ini");
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(WritePrivateProfileString("s", "k", std::to_string(i % 10), path));
        EXPECT_EQ(read(path, "s", "k"), std::to_string(i % 10));
    }
}

TEST(ProfileParser, any_bytes_round_trip_exactly)
{
    std::mt19937 rng(1234);
    const std::string alphabet = "[]=;'\" \t\v\r\nab\0\xff"s;
    for (int round = 0; round < 200; ++round) {
        std::string bytes(rng() % 400, '\0');
        for (char& c : bytes)
            c = (round % 2) ? static_cast<char>(rng()) : alphabet[rng() % alphabet.size()];
        const IniDocument doc = IniDocument::parse(bytes);
        ASSERT_EQ(doc.serialize(), bytes);
    }
}

TEST(ProfileParser, survives_hostile_files)
{
    TempFolder dir;
    const std::string path = dir.file("t.ini");
    const std::string hugeLine(10 * 1024 * 1024, 'x');
    struct Case {
        std::string bytes;
        const char* section;
        const char* key;
        std::string expected;
    } cases[] = {
        {"[s]\nk=" + hugeLine + "\nj=after\n", "s", "j", "after"},
        {"[s]\nk=" + hugeLine, "s", "k", hugeLine.substr(0, 255)},
        {"[s]\nk=a\0b\n"s, "s", "k", "a\0b"s},
        {"[s\0t]\nk=v\n"s, "s", "k", "<none>"},
        {"\xff\xfe[\0\0s\0]\0\n\x01\x02=\x03", "s", "k", "<none>"},
        {"[s]\rk=v", "s", "k", "v"},
        {"\xef\xbb\xbf[s]\nk=v\n", "s", "k", "<none>"},
    };
    for (const Case& c : cases) {
        writeBytes(path, c.bytes);
        EXPECT_EQ(read(path, c.section, c.key), c.expected.substr(0, 255));
        ASSERT_TRUE(WritePrivateProfileString("s", "new", "1", path));
        EXPECT_EQ(read(path, "s", "new"), "1");
    }
}

TEST(ProfileParser, seed_and_crash_inputs_parse_and_round_trip)
{
    const std::filesystem::path corpus = std::filesystem::path(KELVPPVW_SOURCE_DIR) / "tests/fuzz/corpus/profile";
    ASSERT_TRUE(std::filesystem::is_directory(corpus));
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        const std::string bytes = readBytes(entry.path().string()).value_or("");
        IniDocument doc = IniDocument::parse(bytes);
        EXPECT_EQ(doc.serialize(), bytes) << entry.path();
        doc.setValue("s", "k", "v");
        EXPECT_EQ(IniDocument::parse(doc.serialize()).value("s", "k"), "v") << entry.path();
        ++files;
    }
    EXPECT_GT(files, 5u);
}

TEST(ProfileConcurrency, two_processes_writing_200_keys_each_lose_nothing)
{
    TempFolder dir;
    const std::string path = dir.file("Cleanup.ini");
    pid_t writers[2];
    const char* prefixes[2] = {"first", "second"};
    for (int i = 0; i < 2; ++i) {
        writers[i] = ::fork();
        if (writers[i] == 0) {
            ::execl(PROFILE_WRITER_PATH, PROFILE_WRITER_PATH, path.c_str(), prefixes[i], "200", nullptr);
            ::_exit(127);
        }
    }
    for (pid_t w : writers) {
        int status = 0;
        ASSERT_EQ(::waitpid(w, &status, 0), w);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    std::string keys(64 * 1024, '\0');
    const auto n = GetPrivateProfileString("STAMPED FILES", std::nullopt, "", keys, path);
    std::size_t count = 0;
    for (std::size_t i = 0; i < n; ++i)
        count += keys[i] == '\0';
    EXPECT_EQ(count, 400u);
    for (int i = 0; i < 200; i += 37) {
        EXPECT_EQ(read(path, "STAMPED FILES", ("first" + std::to_string(i)).c_str()), "value of first" + std::to_string(i));
        EXPECT_EQ(read(path, "STAMPED FILES", ("second" + std::to_string(i)).c_str()), "value of second" + std::to_string(i));
    }
    // Only the file and its lock file remain: no temporary file leaked.
    EXPECT_EQ(filesIn(dir.path()), 2u);
}

TEST(ProfileFailure, full_disk_fails_and_keeps_the_file)
{
    TempFolder dir;
    const std::string path = dir.file("preview.ini");
    const std::string original = "[s]\r\nk=v\r\n";
    writeBytes(path, original);
    // A file-size limit makes the write of the new copy fail part-way, as a full disk does.
    const int status = inChild([&] {
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        return WritePrivateProfileString("s", "k", std::string(100000, 'x'), path) ? 1 : 0;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(readBytes(path), original);
    EXPECT_EQ(filesIn(dir.path()), 2u);  // the file and its lock file
}

}  // namespace

// A batch of profile writes is one rewrite of the file, made on the file as it
// is at commit: what another process wrote meanwhile stays.
#include "ChildProcess.h"
#include "TempFolder.h"

#include "platform/profile/PrivateProfile.h"
#include "platform/profile/ProfileWriteBatch.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>

using namespace kelvppvw;

namespace {

std::string read(const std::string& section, const std::string& key, const std::string& file)
{
    std::string buffer(255, '\0');
    buffer.resize(GetPrivateProfileString(section, key, "<none>", buffer, file));
    return buffer;
}

ino_t inode(const std::string& file)
{
    struct stat st {};
    return ::stat(file.c_str(), &st) == 0 ? st.st_ino : 0;
}

} // namespace

TEST(ProfileWriteBatch, writes_wait_for_the_commit_and_keep_another_processs_keys)
{
    TempFolder dir;
    const std::string file = (dir.path() / "preview.ini").string();
    ASSERT_TRUE(WritePrivateProfileString("App", "Old", "1", file));
    ASSERT_TRUE(WritePrivateProfileString("App", "Gone", "x", file));
    const ino_t before = inode(file);
    {
        ProfileWriteBatch batch(file);
        EXPECT_TRUE(WritePrivateProfileString("App", " Old ", "2", file));
        EXPECT_TRUE(WritePrivateProfileString("App", "Gone", std::nullopt, file));
        EXPECT_TRUE(WritePrivateProfileString("Ruler", "Color_0", "255", file));
        EXPECT_FALSE(WritePrivateProfileString("App", "Bad", "a\nb", file)) << "checked as ever";
        // Another file is written at once.
        EXPECT_TRUE(WritePrivateProfileString("App", "Elsewhere", "1", file + ".other"));
        EXPECT_EQ(read("App", "Elsewhere", file + ".other"), "1");
        EXPECT_EQ(inode(file), before) << "nothing is rewritten before the commit";
        EXPECT_EQ(read("App", "Old", file), "1");

        // Meanwhile another process writes its own key.
        ASSERT_TRUE(exitedCleanly(startProfileWriter(file.c_str(), "theirs", "1")));
    }
    EXPECT_EQ(read("App", "Old", file), "2");
    EXPECT_EQ(read("App", "Gone", file), "<none>");
    EXPECT_EQ(read("Ruler", "Color_0", file), "255");
    EXPECT_EQ(read("STAMPED FILES", "theirs0", file), "value of theirs0");
}

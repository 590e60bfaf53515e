// Settings files in the situations users put them in: read-only, linked
// elsewhere, in a folder they may not write, on a full disk. The permission
// cases run as an unprivileged user in a child process.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/profile/ChildProcess.h"
#include "platform/profile/PrivateProfile.h"
#include "platform/profile/TempFolder.h"

using kelvppvw::WritePrivateProfileString;

namespace {

const std::string kOriginal = "; kept\r\n[s]\r\nk=v\r\n";

// Writes one key as "nobody" (or the caller, when not root) and returns
// whether the write reported success; -1 when the child could not run.
int writeAsUser(const std::string& path, const std::string& value, rlim_t fileSizeLimit = RLIM_INFINITY)
{
    return inChild([&] {
        becomeNobody();
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{fileSizeLimit, fileSizeLimit};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        return WritePrivateProfileString("s", "k", value, path) ? 1 : 0;
    });
}

struct Folder {
    TempFolder dir;
    std::string ini = dir.file("preview.ini");
    Folder(mode_t folderMode, mode_t fileMode)
    {
        writeBytes(ini, kOriginal);
        ::chmod(ini.c_str(), fileMode);
        ::chmod(dir.path().c_str(), folderMode);
    }
    ~Folder() { ::chmod(dir.path().c_str(), 0700); }
};

// A read-only file, or a full disk while the new copy is written beside it,
// fails the write and leaves the file as it was, with no temporary behind.
TEST(ProfileFileAccess, read_only_file_or_full_disk_fails_and_keeps_the_file)
{
    for (const auto& [fileMode, sizeLimit] : {std::pair<mode_t, rlim_t>{0444, RLIM_INFINITY}, {0666, 4096}}) {
        Folder f(0777, fileMode);
        SKIP_UNLESS_NOBODY_CAN_ENTER(f.dir.path().c_str());
        EXPECT_EQ(writeAsUser(f.ini, std::string(100000, 'x'), sizeLimit), 0);
        EXPECT_EQ(readBytes(f.ini), kOriginal);
        EXPECT_EQ(filesIn(f.dir.path()), 2u);  // the file and its lock file
    }
}

TEST(ProfileFileAccess, writable_file_in_read_only_folder_is_edited_in_place)
{
    Folder f(0555, 0666);
    SKIP_UNLESS_NOBODY_CAN_ENTER(f.dir.path().c_str());
    EXPECT_EQ(writeAsUser(f.ini, "changed"), 1);  // a read-only folder leaves no way but in place
    EXPECT_EQ(readBytes(f.ini), "; kept\r\n[s]\r\nk=changed\r\n");
    EXPECT_EQ(filesIn(f.dir.path()), 1u);

    // A longer text that the disk cannot hold leaves the file as it was.
    EXPECT_EQ(writeAsUser(f.ini, std::string(100000, 'x'), 4096), 0);
    EXPECT_EQ(readBytes(f.ini), "; kept\r\n[s]\r\nk=changed\r\n");
}

TEST(ProfileFileAccess, linked_file_is_written_through_and_stays_a_link)
{
    TempFolder home, elsewhere;
    const std::string real = elsewhere.file("settings.ini");
    writeBytes(real, kOriginal);
    const std::string link = home.file("preview.ini");
    // A relative link, resolved from the link's own folder.
    ASSERT_EQ(::symlink(std::filesystem::relative(real, home.path()).c_str(), link.c_str()), 0);

    ASSERT_TRUE(WritePrivateProfileString("s", "k", "through", link));
    ASSERT_TRUE(WritePrivateProfileString("s", "new", "1", link));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readBytes(real), "; kept\r\n[s]\r\nk=through\r\nnew=1\r\n");
}

}  // namespace

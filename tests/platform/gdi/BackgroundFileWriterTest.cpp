// Files handed to the writer thread land in the order handed over, complete
// when a reader asks for them, and a file that cannot be written leaves none.
#include "EmfTestFile.h"

#include "platform/gdi/BackgroundFileWriter.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Picture.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>

#include <sys/stat.h>

using namespace kelvppvw;
using namespace kelvppvw::gdi;
using kelvppvw::test::readBytes;

namespace {

std::vector<std::uint8_t> bytes(const std::string& s) { return {s.begin(), s.end()}; }

} // namespace

TEST(BackgroundFileWriter, files_keep_their_order_and_a_failed_one_is_reported_and_gone)
{
    QTemporaryDir dir;
    auto& writer = BackgroundFileWriter::instance();
    const std::string same = dir.filePath("same.emf").toStdString();
    // More than the queue holds, all to one path: the last one handed over wins.
    for (int i = 0; i < int(BackgroundFileWriter::MaxQueued) * 3; ++i)
        writer.write(same, bytes("version " + std::to_string(i)));
    writer.waitFor(same);
    EXPECT_EQ(readBytes(same), bytes("version " + std::to_string(BackgroundFileWriter::MaxQueued * 3 - 1)));

    const std::string lost = dir.filePath("missing/folder/page.emf").toStdString();
    writer.write(lost, bytes("never"));
    writer.write(dir.filePath("after.emf").toStdString(), bytes("kept"));
    EXPECT_EQ(writer.finish(), ENOENT);
    EXPECT_EQ(writer.finish(), 0) << "told once";
    EXPECT_FALSE(std::filesystem::exists(lost));
    EXPECT_EQ(readBytes(dir.filePath("after.emf").toStdString()), bytes("kept"));
}

TEST(BackgroundFileWriter, a_metafile_closed_in_the_background_is_whole_when_loaded)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("page.emf").toStdString();
    setEnhMetaFilesInBackground(true);
    const Handle dc = createEnhMetaFile(0, path, Rect{0, 0, 2000, 2000}, std::nullopt);
    setEnhMetaFilesInBackground(false);
    ASSERT_NE(dc, 0u);
    for (int i = 0; i < 3000; ++i)
        lineTo(dc, i % 200, i % 150);
    const Handle closed = closeEnhMetaFile(dc);
    EXPECT_NE(closed, 0u);
    deleteEnhMetaFile(closed);
    const auto picture = Picture::load(path);
    ASSERT_NE(picture, nullptr);
    const auto* loaded = enhMetaFileBits(picture->handle());
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->size(), readBytes(path).size());
    EXPECT_GT(loaded->size(), 3000u * 16);
    EXPECT_EQ(finishEnhMetaFiles(), 0);

    setEnhMetaFilesInBackground(true);
    EXPECT_EQ(createEnhMetaFile(0, dir.filePath("no/such/folder.emf").toStdString(), std::nullopt, std::nullopt), 0u)
        << "a page that cannot be created fails at once, as without the thread";
    setEnhMetaFilesInBackground(false);
}

// Page names are predictable: a link, a second name or a pipe planted under
// one is refused, never written through or waited on.
TEST(BackgroundFileWriter, a_link_second_name_or_pipe_under_a_files_name_is_refused)
{
    QTemporaryDir dir;
    const std::string outside = dir.filePath("outside").toStdString(), page = dir.filePath("p.emf").toStdString();
    std::ofstream(outside) << "precious";
    const std::function<void()> plants[] = {[&] { std::filesystem::create_symlink(outside, page); },
                                            [&] { std::filesystem::create_hard_link(outside, page); },
                                            [&] { ::mkfifo(page.c_str(), 0600); }};
    for (const auto& plant : plants) {
        std::filesystem::remove(page);
        plant();
        BackgroundFileWriter::instance().write(page, bytes("page"));
        EXPECT_NE(BackgroundFileWriter::instance().finish(), 0);
        EXPECT_EQ(createEnhMetaFile(0, page, Rect{0, 0, 2000, 2000}, std::nullopt), 0u);
        EXPECT_EQ(readBytes(outside), bytes("precious"));
    }
}

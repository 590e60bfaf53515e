#include "EmfTestFile.h"

#include "platform/gdi/EmfFileInfo.h"
#include "platform/gdi/EmfRecordType.h"
#include "platform/gdi/FontMetrics.h"
#include "platform/gdi/Gdi.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFontInfo>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <numeric>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kelvppvw::gdi {
namespace {

using test::i32;
using test::readBytes;
using test::recordsOfType;
using test::u16;
using test::u32;

class EmfWriterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        reference = getScreenDC();
    }
    // Every metafile a test wrote must be one that emf2svg reads.
    void TearDown() override
    {
        deleteDC(reference);
        for (const QString& name : QDir(dir.path()).entryList({"*.emf"}, QDir::Files))
            EXPECT_FALSE(test::emf2svg(dir.filePath(name).toStdString()).empty()) << name.toStdString();
    }

    std::string path(const char* name) const { return dir.filePath(name).toStdString(); }

    Handle open(const std::string& file, std::optional<Rect> frame = Rect{0, 0, 21590, 27940})
    {
        return createEnhMetaFile(reference, file, frame, std::u16string(u"App\0Title", 9));
    }

    std::vector<std::uint8_t> close(Handle dc, const std::string& file)
    {
        const Handle metafile = closeEnhMetaFile(dc);
        EXPECT_NE(metafile, 0u);
        EXPECT_TRUE(deleteEnhMetaFile(metafile));
        auto bytes = readBytes(file);
        // Sizes and counts in the header agree with the records, which end in EOF.
        EXPECT_EQ(EmfFileInfo::read(bytes).problem, "") << file;
        return bytes;
    }

    static LogFont font(const char* face, std::int32_t height)
    {
        LogFont f;
        f.height = height;
        f.weight = 400;
        std::strncpy(f.faceName.data(), face, 32);
        return f;
    }

    QTemporaryDir dir;
    Handle reference = 0;
};

TEST_F(EmfWriterTest, header_counts_bytes_records_handles_and_accumulates_bounds)
{
    const std::string file = path("header.emf");
    const Handle dc = open(file);
    ASSERT_NE(dc, 0u);
    const Handle pen = createPen(PS_SOLID, 1, 0xFF);
    selectObject(dc, pen);
    moveToEx(dc, 10, 20, nullptr);
    lineTo(dc, 110, 20);
    rectangle(dc, 5, 5, 50, 60);
    const auto bytes = close(dc, file);
    deleteObject(pen);

    // Sizes and counts are checked on closing; here what they describe.
    EXPECT_EQ(i32(bytes, 8), 5);
    EXPECT_EQ(i32(bytes, 12), 5);
    EXPECT_EQ(i32(bytes, 16), 110);
    EXPECT_EQ(i32(bytes, 20), 59) << "a rectangle's right and bottom edges are outside it";
    EXPECT_EQ(i32(bytes, 32), 21590);
    EXPECT_EQ(i32(bytes, 36), 27940);
    EXPECT_EQ(u16(bytes, 56), 2u) << "one pen in slot 1";
    EXPECT_EQ(u32(bytes, 60), 11u) << "\"App\\0Title\\0\\0\", every NUL counted";
    EXPECT_EQ(u16(bytes, 108 + 2 * 4), u'T');
    EXPECT_EQ(i32(bytes, 80), getDeviceCaps(reference, HORZSIZE));
}

TEST_F(EmfWriterTest, text_is_utf16_with_one_advance_per_character_and_a_clip_rectangle)
{
    const std::string file = path("text.emf");
    const Handle dc = open(file);
    const LogFont lf = font("Courier New", -11);
    const Handle f = createFontIndirect(lf);
    selectObject(dc, f);
    textOut(dc, 40, 50, "Grüße");
    setTextAlign(dc, TA_UPDATECP);
    moveToEx(dc, 100, 200, nullptr);
    textOut(dc, 0, 0, "ab");
    textOut(dc, 0, 0, "c");
    const auto bytes = close(dc, file);
    selectObject(reference, getStockObject(SYSTEM_FONT));
    EXPECT_NE(test::emf2svg(file).find("Grüße"), std::string::npos) << "another reader finds the text";

    const auto texts = recordsOfType(bytes, EMR_EXTTEXTOUTW);
    ASSERT_EQ(texts.size(), 3u);
    const std::size_t at = texts[0].offset;
    EXPECT_EQ(i32(bytes, at + 36), 40);
    EXPECT_EQ(i32(bytes, at + 40), 50);
    ASSERT_EQ(u32(bytes, at + 44), 5u);
    EXPECT_EQ(u16(bytes, at + u32(bytes, at + 48) + 6), 0x00DFu) << "ß as UTF-16";
    const std::size_t offDx = u32(bytes, at + 72);
    std::int32_t total = 0;
    for (int i = 0; i < 5; ++i) {
        EXPECT_GT(i32(bytes, at + offDx + 4 * i), 0);
        total += i32(bytes, at + offDx + 4 * i);
    }
    const FontMetrics metrics(lf);
    EXPECT_NEAR(total, QFontMetricsF(metrics.font()).horizontalAdvance(QString::fromUtf8("Grüße")), 1.0);
    EXPECT_EQ(i32(bytes, at + 16), 40 + total - 1) << "bounds: the advances wide";

    // With the current position updated, the second text starts where the first ended.
    const std::size_t second = texts[1].offset, third = texts[2].offset;
    EXPECT_EQ(i32(bytes, second + 36), 100);
    ASSERT_EQ(u32(bytes, second + 72), 80u);
    EXPECT_EQ(i32(bytes, third + 36), 100 + i32(bytes, second + 80) + i32(bytes, second + 84));
    deleteObject(f);
}

TEST_F(EmfWriterTest, courier_new_is_measured_with_its_metric_compatible_substitute)
{
    const FontMetrics courier(font("Courier New", -20));
    EXPECT_EQ(QFontInfo(courier.font()).family(), QStringLiteral("Liberation Mono"));
    // Monospaced: every character advances 0.6 em, as Courier New does.
    const auto narrow = courier.advances(u"iiiiiiiiii");
    const auto wide = courier.advances(u"MMMMMMMMMM");
    EXPECT_EQ(std::accumulate(narrow.begin(), narrow.end(), 0), 120);
    EXPECT_EQ(narrow, wide);
    EXPECT_EQ(courier.advances(u"ab"), (std::vector<std::int32_t>{12, 12}));
    // Whole-pixel advances keep the running sum within half a pixel: 11 px at 0.6 em is 6.6.
    const FontMetrics small(font("Courier New", -11));
    EXPECT_EQ(small.advances(u"aaaaa"), (std::vector<std::int32_t>{7, 6, 7, 6, 7}));
}

TEST_F(EmfWriterTest, font_records_carry_the_logical_font_and_free_slots_are_reused)
{
    const std::string file = path("fonts.emf");
    const Handle dc = open(file);
    LogFont lf = font("Courier New", -11);
    lf.weight = 700;
    lf.italic = 1;
    const Handle a = createFontIndirect(lf);
    const Handle b = createFontIndirect(font("Arial", -16));
    selectObject(dc, a);
    selectObject(dc, b);
    EXPECT_TRUE(deleteObject(a));
    const Handle c = createFontIndirect(font("Tahoma", -9));
    selectObject(dc, c);
    selectObject(dc, getStockObject(SYSTEM_FONT));
    deleteObject(b);
    deleteObject(c);
    const auto bytes = close(dc, file);

    const auto fonts = recordsOfType(bytes, EMR_EXTCREATEFONTINDIRECTW);
    ASSERT_EQ(fonts.size(), 3u);
    const std::size_t at = fonts[0].offset;
    EXPECT_EQ(u32(bytes, at + 8), 1u);
    EXPECT_EQ(i32(bytes, at + 28), 700);
    EXPECT_EQ(bytes[at + 32], 1) << "italic";
    EXPECT_EQ(u32(bytes, fonts[1].offset + 8), 2u);
    EXPECT_EQ(u32(bytes, fonts[2].offset + 8), 1u) << "the slot of the deleted font is taken again";
    const auto deletes = recordsOfType(bytes, EMR_DELETEOBJECT);
    ASSERT_EQ(deletes.size(), 3u);
    EXPECT_EQ(u32(bytes, deletes[0].offset + 8), 1u);
    EXPECT_EQ(u16(bytes, 56), 3u);
}

TEST_F(EmfWriterTest, an_unwritable_file_creates_no_dc)
{
    EXPECT_EQ(open(dir.filePath("missing/folder/x.emf").toStdString()), 0u);
    EXPECT_EQ(closeEnhMetaFile(reference), 0u) << "a screen DC is not a metafile";
}

TEST_F(EmfWriterTest, a_full_disk_makes_closing_fail)
{
    // A file-size limit makes the writes fail part-way, as a full disk does; in
    // a child process, so that the limit stays there.
    const std::string file = path("full.emf");
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const Handle dc = createEnhMetaFile(reference, file, Rect{0, 0, 100, 100}, std::nullopt);
        if (dc == 0)
            ::_exit(2);
        for (int i = 0; i < 2000; ++i)
            lineTo(dc, i, i);
        const bool closeFailed = closeEnhMetaFile(dc) == 0;
        const bool dcGone = !lineTo(dc, 1, 1);
        ::_exit(closeFailed && dcGone ? 0 : 1);
    }
    int status = -1;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "closing succeeded or the DC outlived it";
    EXPECT_NE(::access(file.c_str(), F_OK), 0) << "a cut file was left behind";
}

} // namespace
} // namespace kelvppvw::gdi

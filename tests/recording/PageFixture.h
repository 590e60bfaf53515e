#pragma once
// A page recorded through the toolkit into a temporary folder, and the means
// to look at it: its bytes, and its pixels as our player draws them at the
// reference device's own scale.
#include "platform/gdi/EmfFileInfo.h"
#include "platform/gdi/EmfPlayer.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/QtRuntime.h"
#include "platform/gdi/EmfTestFile.h"
#include "recording/MetafileToolkit.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QDir>
#include <QTemporaryDir>

namespace kelvppvw::test {

class PageFixture : public ::testing::Test {
protected:
    // Letter paper at 96 pixels per inch: 816 x 1056 pixels, in twips.
    static constexpr double pageWidthTwips = 816 * 15;
    static constexpr double pageHeightTwips = 1056 * 15;

    void SetUp() override
    {
        gdi::QtRuntime::ensure();
        ASSERT_TRUE(dir.isValid());
        surface.widthTwips = pageWidthTwips;
        surface.heightTwips = pageHeightTwips;
        surface.hdc = gdi::getScreenDC();
    }
    void TearDown() override
    {
        if (glDrwHwnd) {
            bool show = false;
            ClosePageMetafile(show);
        }
        gdi::deleteDC(surface.hdc);
        gPageRecordingHooks = {};
        // Every page a test wrote must be one that emf2svg reads.
        for (const QString& name : QDir(dir.path()).entryList({"*.emf"}, QDir::Files))
            EXPECT_FALSE(emf2svg(dir.filePath(name).toStdString()).empty()) << name.toStdString();
    }

    std::string file(const std::string& name) const { return dir.filePath(QString::fromStdString(name)).toStdString(); }

    void openPage(const std::string& name = "Page_1.emf") { NewPageMetafile(surface, file(name)); }

    std::vector<std::uint8_t> closePage()
    {
        bool show = false;
        ClosePageMetafile(show);
        return readBytes(gsPageFile);
    }

    // One destination pixel per reference pixel.
    static QImage render(const std::vector<std::uint8_t>& bytes, double zoom = 1.0)
    {
        const gdi::EmfFileInfo info = gdi::EmfFileInfo::readHeader(bytes);
        const double w = info.frame.right * double(info.deviceWidthPx) / info.deviceWidthMm / 100 * zoom;
        const double h = info.frame.bottom * double(info.deviceHeightPx) / info.deviceHeightMm / 100 * zoom;
        QImage image(int(std::ceil(w)), int(std::ceil(h)), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        gdi::EmfPlayer::play(painter, bytes, QRectF(0, 0, w, h));
        return image;
    }

    QTemporaryDir dir;
    PageSurface surface;
};

} // namespace kelvppvw::test

#pragma once

#include "platform/automation/DispatchObject.h"
#include "platform/printer/DeviceCaps.h"
#include "platform/printer/PrinterPicture.h"

#include <functional>
#include <memory>
#include <string>

namespace kelvppvw {

// A printer (a CUPS queue) with the settings a job is printed with, and the
// job itself. Coordinates of painting are twips from the top-left corner of
// the printable area. The first painting opens a job; EndDoc hands it to the
// queue, KillDoc abandons it so that nothing reaches the queue.
//
// Late-bound members: DeviceName, Orientation, PaperSize, PrintQuality,
// ColorMode, Duplex, Copies, PaperBin, DocumentName, Width, Height, hDC,
// PaintPicture(picture, x, y, width, height), NewPage, EndDoc, KillDoc.
class Printer : public DispatchObject {
public:
    // Orientation values.
    static constexpr int32_t Portrait = 1;
    static constexpr int32_t Landscape = 2;
    // Quality codes besides a positive resolution in dots per inch.
    static constexpr int32_t QualityDraft = -1;
    static constexpr int32_t QualityLow = -2;
    static constexpr int32_t QualityMedium = -3;
    static constexpr int32_t QualityHigh = -4;
    // Paper code of a size with no code of its own.
    static constexpr int32_t PaperUser = 256;

    // The queue's default paper and resolution, portrait. Raises 484 when the
    // name is empty.
    static std::shared_ptr<Printer> open(const std::string& deviceName);
    ~Printer() override;

    // The current printer of the process: the one last made current, else the
    // system's default queue, else the first installed one; nullptr when no
    // printer is installed or the print server cannot be reached.
    static std::shared_ptr<Printer> current();
    static void setCurrent(std::shared_ptr<Printer> printer);
    // Forgets the current printer so that the next current() asks the system again.
    static void resetCurrent();

    const std::string& deviceName() const;

    int32_t orientation() const;
    void setOrientation(int32_t orientation);        // 1 or 2, else 380
    // The Windows paper code of the page size (1 Letter, 5 Legal, 8 A3, 9 A4,
    // 11 A5, 70 A6, ...); 256 for a size with no code.
    int32_t paperSize() const;
    void setPaperSize(int32_t code);                 // a code with no known size raises 380
    // A positive resolution as set, or the draft..high code as set.
    int32_t printQuality() const;
    void setPrintQuality(int32_t quality);           // 0 and codes below -4 raise 380
    int32_t colorMode() const;                       // 1 monochrome, 2 colour
    void setColorMode(int32_t mode);
    int32_t duplex() const;                          // 1 simplex, 2 long edge, 3 short edge
    void setDuplex(int32_t mode);
    int32_t copies() const;
    void setCopies(int32_t copies);                  // at least 1
    int32_t paperBin() const;                        // kept with the settings; CUPS picks the tray
    void setPaperBin(int32_t bin);
    const std::string& documentName() const;         // the job title
    void setDocumentName(std::string name);

    // The sheet in twips, in the current orientation.
    int32_t width() const;
    int32_t height() const;
    // Resolution in dots per inch that pages are painted with.
    int32_t resolution() const;

    DeviceCaps deviceCaps() const;
    int32_t deviceCaps(int index) const { return deviceCaps().value(index); }

    // A 32-bit handle standing for this printer's DC. Without a provider the
    // printer hands out a handle of its own; either way fromDC() resolves it.
    int32_t hDC();
    using DcProvider = std::function<int32_t(Printer&)>;
    static void setDcProvider(DcProvider provider);
    static std::shared_ptr<Printer> fromDC(int32_t hdc);
    // GetDeviceCaps on a printer handle; 0 for a handle that is no printer's.
    static int32_t deviceCapsOfDC(int32_t hdc, int index);

    // Paints a picture stretched into the rectangle. Raises 481 for a picture
    // that cannot be drawn (missing file, unreadable image, metafile without
    // a player).
    void paintPicture(const PrinterPicture& picture, double x, double y, double width, double height);
    void newPage();
    // Finishes the job and submits it; returns the CUPS job id, 0 when no job
    // was open. Raises 482 when the queue refuses the job.
    int endDoc();
    void killDoc();
    bool jobOpen() const;
    // Pages of the open job so far (0 without a job).
    int jobPages() const;

    // How the late-bound PaintPicture turns its picture argument into
    // something to paint. A string is a file path; objects need a resolver,
    // which the graphics layer installs for its picture objects.
    using PictureResolver = std::function<PrinterPicture(const Variant&)>;
    static void setPictureResolver(PictureResolver resolver);

private:
    explicit Printer(std::string deviceName);
    void declareMembers();
    void openJobIfNeeded();

    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace kelvppvw

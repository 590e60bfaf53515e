#include "platform/printer/Printer.h"

#include "platform/automation/AutomationError.h"
#include "platform/printer/CupsQueue.h"
#include "platform/printer/MetafilePlayer.h"
#include "platform/printer/PrintJob.h"
#include "platform/printer/Printers.h"
#include "platform/forms/Application.h"

#include <QFile>
#include <QImage>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>

namespace kelvppvw {

namespace {

constexpr int32_t InvalidPropertyValue = 380;
constexpr int32_t InvalidPicture = 481;
constexpr int32_t NoPrinterInformation = 484;

int32_t twipsOf(double millimetres) {
    return static_cast<int32_t>(roundHalfEven(millimetres * 1440.0 / 25.4));
}

struct Registry {
    std::mutex mutex;
    std::shared_ptr<Printer> current;
    bool currentChosen = false;
    Printer::DcProvider dcProvider;
    Printer::PictureResolver pictureResolver;
    std::map<int32_t, std::weak_ptr<Printer>> handles;
    int32_t nextHandle = 0x50D00001;
};

Registry& registry() {
    static Registry r;
    return r;
}

// Resolutions the quality codes stand for, from draft to high; each is moved to
// the nearest resolution the queue offers.
constexpr int qualityResolutions[] = {150, 300, 600, 1200};

} // namespace

struct Printer::Impl {
    std::string deviceName;
    std::unique_ptr<QPrinter> probe;     // the queue's own answers: defaults and hardware margins
    QList<int> resolutions;
    QPageSize pageSize;
    int32_t paperCode = 0;               // the code last set, when it names the current size
    int32_t orientation = Portrait;
    int32_t quality = 0;                 // 0 until set: then the queue's resolution is reported
    int resolution = 300;
    int32_t colorMode = 2;
    int32_t duplex = 1;
    int32_t copies = 1;
    int32_t paperBin = 0;
    std::string documentName;
    int32_t handle = 0;
    std::unique_ptr<PrintJob> job;
    std::string jobMedia;                // the sheet the job asks the queue for

    QMarginsF hardwareMargins() {
        probe->setPageSize(pageSize);
        return probe->pageLayout().minimumMargins();
    }

    QPageLayout layout() {
        QMarginsF m = hardwareMargins();
        // The queue states the unprintable edges of the upright sheet; a landscape
        // page is that sheet turned a quarter counter-clockwise.
        if (orientation == Landscape)
            m = QMarginsF(m.bottom(), m.left(), m.top(), m.right());
        const auto o = orientation == Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
        return QPageLayout(pageSize, o, m, QPageLayout::Point, m);
    }

    int nearestResolution(int wanted) const {
        if (resolutions.isEmpty())
            return wanted;
        int best = resolutions.front();
        for (int r : resolutions)
            if (std::abs(r - wanted) < std::abs(best - wanted))
                best = r;
        return best;
    }
};

std::shared_ptr<Printer> Printer::open(const std::string& deviceName) {
    if (deviceName.empty())
        throw AutomationError(NoPrinterInformation);
    Application::ensure();
    return std::shared_ptr<Printer>(new Printer(deviceName));
}

Printer::Printer(std::string deviceName) : d(std::make_unique<Impl>()) {
    d->deviceName = std::move(deviceName);
    d->probe = std::make_unique<QPrinter>(QPrinter::HighResolution);
    d->probe->setPrinterName(QString::fromStdString(d->deviceName));
    const QPrinterInfo info = QPrinterInfo::printerInfo(QString::fromStdString(d->deviceName));
    d->resolutions = info.supportedResolutions();
    std::sort(d->resolutions.begin(), d->resolutions.end());
    d->resolution = d->probe->resolution() > 0 ? d->probe->resolution() : 300;
    d->pageSize = info.defaultPageSize().isValid() ? info.defaultPageSize() : d->probe->pageLayout().pageSize();
    if (!d->pageSize.isValid())
        d->pageSize = QPageSize(QPageSize::A4);
    declareMembers();
}

// The DC handle goes with the printer; a job still open is abandoned, as KillDoc would.
Printer::~Printer() {
    if (d->handle == 0)
        return;
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    r.handles.erase(d->handle);
}

void Printer::declareMembers() {
    property("DeviceName", [this] { return Variant(deviceName()); });
    property("Orientation", [this] { return Variant(orientation()); },
             [this](const Variant& v) { setOrientation(v.toLong()); });
    property("PaperSize", [this] { return Variant(paperSize()); },
             [this](const Variant& v) { setPaperSize(v.toLong()); });
    property("PrintQuality", [this] { return Variant(printQuality()); },
             [this](const Variant& v) { setPrintQuality(v.toLong()); });
    property("ColorMode", [this] { return Variant(colorMode()); },
             [this](const Variant& v) { setColorMode(v.toLong()); });
    property("Duplex", [this] { return Variant(duplex()); }, [this](const Variant& v) { setDuplex(v.toLong()); });
    property("Copies", [this] { return Variant(copies()); }, [this](const Variant& v) { setCopies(v.toLong()); });
    property("PaperBin", [this] { return Variant(paperBin()); },
             [this](const Variant& v) { setPaperBin(v.toLong()); });
    property("DocumentName", [this] { return Variant(documentName()); },
             [this](const Variant& v) { setDocumentName(v.toString()); });
    property("Width", [this] { return Variant(width()); });
    property("Height", [this] { return Variant(height()); });
    property("hDC", [this] { return Variant(hDC()); });
    method("PaintPicture", [this](Args& a) {
        if (a.size() < 5)
            throw AutomationError(err::ArgumentNotOptional);
        const PictureResolver& resolve = registry().pictureResolver;
        PrinterPicture picture;
        if (a[0].type() == Variant::Type::String)
            picture = PrinterPicture::fromFile(a[0].toString());
        else if (resolve)
            picture = resolve(a[0]);
        else
            throw AutomationError(InvalidPicture);
        paintPicture(picture, a[1].toDouble(), a[2].toDouble(), a[3].toDouble(), a[4].toDouble());
        return Variant();
    });
    method("NewPage", [this](Args&) {
        newPage();
        return Variant();
    });
    method("EndDoc", [this](Args&) {
        endDoc();
        return Variant();
    });
    method("KillDoc", [this](Args&) {
        killDoc();
        return Variant();
    });
}

std::shared_ptr<Printer> Printer::current() {
    Registry& r = registry();
    {
        std::lock_guard lock(r.mutex);
        if (r.currentChosen)
            return r.current;
    }
    std::shared_ptr<Printer> chosen;
    const std::vector<std::string> names = Printers::systemNames();
    if (!names.empty()) {
        const std::string preferred = Printers::systemDefaultName();
        const bool known = std::find(names.begin(), names.end(), preferred) != names.end();
        chosen = open(known ? preferred : names.front());
    }
    std::lock_guard lock(r.mutex);
    if (!r.currentChosen) {
        r.current = std::move(chosen);
        r.currentChosen = true;
    }
    return r.current;
}

void Printer::setCurrent(std::shared_ptr<Printer> printer) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    r.current = std::move(printer);
    r.currentChosen = true;
}

void Printer::resetCurrent() {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    r.current.reset();
    r.currentChosen = false;
}

const std::string& Printer::deviceName() const { return d->deviceName; }

int32_t Printer::orientation() const { return d->orientation; }

void Printer::setOrientation(int32_t orientation) {
    if (orientation != Portrait && orientation != Landscape)
        throw AutomationError(InvalidPropertyValue);
    d->orientation = orientation;
}

int32_t Printer::paperSize() const {
    if (d->paperCode != 0 && QPageSize::id(d->paperCode) == d->pageSize.id())
        return d->paperCode;
    const int code = d->pageSize.windowsId();
    return code > 0 ? code : PaperUser;
}

void Printer::setPaperSize(int32_t code) {
    const QPageSize::PageSizeId id = QPageSize::id(code);
    if (code <= 0 || id == QPageSize::Custom)
        throw AutomationError(InvalidPropertyValue);
    d->pageSize = QPageSize(id);
    d->paperCode = code;
}

int32_t Printer::printQuality() const { return d->quality != 0 ? d->quality : d->resolution; }

void Printer::setPrintQuality(int32_t quality) {
    if (quality == 0 || quality < QualityHigh)
        throw AutomationError(InvalidPropertyValue);
    const int wanted = quality > 0 ? quality : qualityResolutions[-quality - 1];
    d->resolution = quality > 0 ? quality : d->nearestResolution(wanted);
    d->quality = quality;
}

int32_t Printer::colorMode() const { return d->colorMode; }
void Printer::setColorMode(int32_t mode) {
    if (mode != 1 && mode != 2)
        throw AutomationError(InvalidPropertyValue);
    d->colorMode = mode;
}

int32_t Printer::duplex() const { return d->duplex; }
void Printer::setDuplex(int32_t mode) {
    if (mode < 1 || mode > 3)
        throw AutomationError(InvalidPropertyValue);
    d->duplex = mode;
}

int32_t Printer::copies() const { return d->copies; }
void Printer::setCopies(int32_t copies) {
    if (copies < 1)
        throw AutomationError(InvalidPropertyValue);
    d->copies = copies;
}

int32_t Printer::paperBin() const { return d->paperBin; }
void Printer::setPaperBin(int32_t bin) { d->paperBin = bin; }

const std::string& Printer::documentName() const { return d->documentName; }
void Printer::setDocumentName(std::string name) { d->documentName = std::move(name); }

int32_t Printer::width() const {
    const QSizeF mm = d->pageSize.size(QPageSize::Millimeter);
    return twipsOf(d->orientation == Landscape ? mm.height() : mm.width());
}

int32_t Printer::height() const {
    const QSizeF mm = d->pageSize.size(QPageSize::Millimeter);
    return twipsOf(d->orientation == Landscape ? mm.width() : mm.height());
}

int32_t Printer::resolution() const { return d->resolution; }

DeviceCaps Printer::deviceCaps() const {
    const QPageLayout layout = d->layout();
    // The paint device works from the whole-point sheet size, so this does too.
    const QRectF sheet = QRectF(QPointF(0, 0), QSizeF(d->pageSize.sizePoints()));
    const bool turned = d->orientation == Landscape;
    const QMarginsF m = layout.margins(QPageLayout::Point);
    return DeviceCaps::fromPoints(turned ? sheet.height() : sheet.width(), turned ? sheet.width() : sheet.height(),
                                  m.left(), m.top(), m.right(), m.bottom(), d->resolution, d->resolution);
}

int32_t Printer::hDC() {
    Registry& r = registry();
    DcProvider provider;
    {
        std::lock_guard lock(r.mutex);
        provider = r.dcProvider;
    }
    if (provider) {
        // A provider's handle still leads back here through fromDC().
        const int32_t handle = provider(*this);
        std::lock_guard lock(r.mutex);
        r.handles[handle] = std::static_pointer_cast<Printer>(shared_from_this());
        return handle;
    }
    std::lock_guard lock(r.mutex);
    if (d->handle == 0) {
        d->handle = r.nextHandle++;
        r.handles[d->handle] = std::static_pointer_cast<Printer>(shared_from_this());
    }
    return d->handle;
}

void Printer::setDcProvider(DcProvider provider) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    r.dcProvider = std::move(provider);
}

std::shared_ptr<Printer> Printer::fromDC(int32_t hdc) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    const auto it = r.handles.find(hdc);
    return it == r.handles.end() ? nullptr : it->second.lock();
}

int32_t Printer::deviceCapsOfDC(int32_t hdc, int index) {
    const auto printer = fromDC(hdc);
    return printer ? printer->deviceCaps(index) : 0;
}

void Printer::setPictureResolver(PictureResolver resolver) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    r.pictureResolver = std::move(resolver);
}

void Printer::openJobIfNeeded() {
    if (d->job)
        return;
    const std::string title = d->documentName.empty() ? std::string("kelvppvw") : d->documentName;
    d->job = std::make_unique<PrintJob>(d->layout(), d->resolution, QString::fromStdString(title));
    d->jobMedia = d->pageSize.key().toStdString();
}

void Printer::paintPicture(const PrinterPicture& picture, double x, double y, double width, double height) {
    const double sx = d->resolution / 1440.0;
    const QRectF target(x * sx, y * sx, width * sx, height * sx);
    QImage image;
    switch (picture.kind) {
    case PrinterPicture::Kind::None: throw AutomationError(InvalidPicture);
    case PrinterPicture::Kind::EnhancedMetafile:
        if (!printerMetafilePlayer() || !QFile::exists(QString::fromStdString(picture.path)))
            throw AutomationError(InvalidPicture);
        break;
    case PrinterPicture::Kind::ImageFile:
        if (!image.load(QString::fromStdString(picture.path)))
            throw AutomationError(InvalidPicture, "Invalid picture: " + picture.path);
        break;
    case PrinterPicture::Kind::Drawable:
        if (!picture.draw)
            throw AutomationError(InvalidPicture);
        break;
    case PrinterPicture::Kind::Bitmap:
        if (picture.width <= 0 || picture.height <= 0 ||
            picture.argb.size() != static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height))
            throw AutomationError(InvalidPicture);
        image = QImage(reinterpret_cast<const uchar*>(picture.argb.data()), picture.width, picture.height,
                       picture.width * 4, QImage::Format_ARGB32);
        break;
    }
    // Only a picture known to be drawable opens the job.
    openJobIfNeeded();
    QPainter& painter = d->job->painter();
    if (picture.kind == PrinterPicture::Kind::EnhancedMetafile || picture.kind == PrinterPicture::Kind::Drawable) {
        painter.save();
        const bool played = picture.kind == PrinterPicture::Kind::Drawable
                                ? picture.draw(painter, target)
                                : printerMetafilePlayer()(picture.path, painter, target);
        painter.restore();
        if (!played)
            throw AutomationError(InvalidPicture, "Invalid picture: " + picture.path);
        return;
    }
    painter.drawImage(target, image);
}

void Printer::newPage() {
    openJobIfNeeded();
    d->job->newPage(d->layout());
}

int Printer::endDoc() {
    if (!d->job)
        return 0;
    std::unique_ptr<PrintJob> job = std::move(d->job);
    const QString pdf = job->finish();
    // The queue is told the sheet to take; without it, it would fit the pages
    // onto its default paper. A landscape page arrives turned on that sheet,
    // as any printer prints it.
    CupsQueue::Options options{{"media", d->jobMedia}};
    if (d->copies > 1)
        options.emplace_back("copies", std::to_string(d->copies));
    if (d->duplex == 2)
        options.emplace_back("sides", "two-sided-long-edge");
    else if (d->duplex == 3)
        options.emplace_back("sides", "two-sided-short-edge");
    if (d->colorMode == 1)
        options.emplace_back("print-color-mode", "monochrome");
    // The resolution the pages were painted at, and for a quality code the
    // queue's own notion of it (draft 3, normal 4, high 5).
    options.emplace_back("printer-resolution", std::to_string(d->resolution) + "dpi");
    if (d->quality < 0)
        options.emplace_back("print-quality", d->quality >= QualityLow ? "3" : d->quality == QualityMedium ? "4" : "5");
    const std::string title = d->documentName.empty() ? std::string("kelvppvw") : d->documentName;
    return CupsQueue::submit(d->deviceName, pdf.toStdString(), title, options);
}

void Printer::killDoc() { d->job.reset(); }

bool Printer::jobOpen() const { return d->job != nullptr; }

int Printer::jobPages() const { return d->job ? d->job->pageCount() : 0; }

} // namespace kelvppvw

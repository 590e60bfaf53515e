#include "platform/gdi/EmfFileInfo.h"

#include "platform/gdi/EmfRecord.h"
#include "platform/gdi/EmfRecordType.h"

#include <string>
#include <vector>

namespace kelvppvw::gdi {
namespace {

Rect rectAt(const EmfRecord& r, std::size_t at)
{
    return {r.i32(at), r.i32(at + 4), r.i32(at + 8), r.i32(at + 12)};
}

// Where a record says some of its data lies: at a fixed place or at the
// offset held in a field, as many items of `unit` bytes as the count field says.
struct DataRef {
    bool offsetIsField;
    std::uint32_t offset; // the place itself, or where the offset field is
    std::uint32_t countAt;
    std::uint32_t unit;
    const char* what;
};

std::vector<DataRef> dataRefs(std::uint32_t type)
{
    constexpr std::uint32_t point16 = 4, point32 = 8;
    switch (type) {
    case EMR_POLYBEZIER: case EMR_POLYGON: case EMR_POLYLINE: case EMR_POLYBEZIERTO: case EMR_POLYLINETO:
        return {{false, 28, 24, point32, "points"}};
    case EMR_POLYBEZIER16: case EMR_POLYGON16: case EMR_POLYLINE16: case EMR_POLYBEZIERTO16:
    case EMR_POLYLINETO16:
        return {{false, 28, 24, point16, "points"}};
    case EMR_POLYPOLYLINE: case EMR_POLYPOLYGON: case EMR_POLYPOLYLINE16: case EMR_POLYPOLYGON16:
        return {{false, 32, 24, 4, "polygon sizes"}};
    case EMR_EXTTEXTOUTW:
        return {{true, 48, 44, 2, "text"}, {true, 72, 44, 4, "advances"}};
    case EMR_EXTTEXTOUTA:
        return {{true, 48, 44, 1, "text"}, {true, 72, 44, 4, "advances"}};
    case EMR_BITBLT: case EMR_STRETCHBLT: case EMR_ALPHABLEND:
        return {{true, 84, 88, 1, "bitmap header"}, {true, 92, 96, 1, "bitmap bits"}};
    case EMR_STRETCHDIBITS: case EMR_SETDIBITSTODEVICE:
        return {{true, 48, 52, 1, "bitmap header"}, {true, 56, 60, 1, "bitmap bits"}};
    case EMR_CREATEDIBPATTERNBRUSHPT:
        return {{true, 16, 20, 1, "bitmap header"}, {true, 24, 28, 1, "bitmap bits"}};
    default:
        return {};
    }
}

// Empty when every offset and count of the record stays inside it.
std::string recordDataProblem(const EmfRecord& r)
{
    for (const DataRef& d : dataRefs(r.type())) {
        if (!r.has(d.countAt, 4) || (d.offsetIsField && !r.has(d.offset, 4)))
            return "is too short for its kind";
        const std::uint64_t at = d.offsetIsField ? r.u32(d.offset) : d.offset;
        const std::uint64_t count = r.u32(d.countAt);
        // An offset of 0 says the data is not there (text without advances).
        if (at != 0 && !r.has(at, count * d.unit))
            return "has " + std::string(d.what) + " (" + std::to_string(count) + " x " + std::to_string(d.unit) +
                   " bytes at offset " + std::to_string(at) + ") past its end";
    }
    return {};
}

} // namespace

EmfFileInfo EmfFileInfo::readHeader(std::span<const std::uint8_t> bytes)
{
    EmfFileInfo info;
    const EmfRecord all(0, bytes);
    if (bytes.size() < 88 || all.u32(0) != EMR_HEADER || all.u32(40) != EMF_SIGNATURE) {
        info.problem = "not an enhanced metafile (no EMF header)";
        return info;
    }
    const std::uint32_t size = all.u32(4);
    if (size < 88 || size > bytes.size()) {
        info.problem = "header record size out of range";
        return info;
    }
    const EmfRecord h(EMR_HEADER, bytes.subspan(0, size));
    info.headerSize = size;
    info.bounds = rectAt(h, 8);
    info.frame = rectAt(h, 24);
    info.nBytes = h.u32(48);
    info.nRecords = h.u32(52);
    info.nHandles = h.u16(56);
    info.deviceWidthPx = h.i32(72);
    info.deviceHeightPx = h.i32(76);
    info.deviceWidthMm = h.i32(80);
    info.deviceHeightMm = h.i32(84);
    const std::uint32_t nDescription = h.u32(60);
    const std::uint32_t offDescription = h.u32(64);
    if (nDescription && h.has(offDescription, std::uint64_t(nDescription) * 2))
        for (std::uint32_t i = 0; i < nDescription; ++i)
            info.description.push_back(char16_t(h.u16(offDescription + 2 * std::size_t(i))));
    else if (nDescription)
        info.problem = "header description (" + std::to_string(nDescription) + " characters at offset " +
                       std::to_string(offDescription) + ") lies past the header's end";
    // Pixel format fields exist from a header of 100 bytes on.
    if (info.problem.empty() && size >= 100 && h.u32(88) && !h.has(h.u32(92), h.u32(88)))
        info.problem = "header pixel format (" + std::to_string(h.u32(88)) + " bytes at offset " +
                       std::to_string(h.u32(92)) + ") lies past the header's end";
    info.valid = true;
    return info;
}

EmfFileInfo EmfFileInfo::read(std::span<const std::uint8_t> bytes)
{
    EmfFileInfo info = readHeader(bytes);
    if (!info.valid)
        return info;
    std::size_t offset = 0;
    while (offset < bytes.size()) {
        if (bytes.size() - offset < 8) {
            if (info.problem.empty())
                info.problem = "trailing bytes after the last record";
            break;
        }
        const EmfRecord head(0, bytes.subspan(offset, 8));
        const std::uint32_t type = head.u32(0);
        const std::uint32_t size = head.u32(4);
        const auto where = [&] {
            return "record " + std::to_string(info.recordsFound + 1) + " at byte " + std::to_string(offset);
        };
        if (size < 8 || size % 4 || size > bytes.size() - offset) {
            if (info.problem.empty())
                info.problem = where() + " has an invalid size " + std::to_string(size);
            break;
        }
        if (info.problem.empty()) {
            if (std::string p = recordDataProblem(EmfRecord(type, bytes.subspan(offset, size))); !p.empty())
                info.problem = where() + " " + p;
        }
        info.recordCounts[type]++;
        info.recordsFound++;
        offset += size;
        if (type == EMR_EOF) {
            info.hasEof = true;
            break;
        }
    }
    if (info.problem.empty()) {
        if (!info.hasEof)
            info.problem = "no EOF record";
        else if (info.nBytes != bytes.size())
            info.problem = "header byte count " + std::to_string(info.nBytes) + " differs from the file size " +
                           std::to_string(bytes.size());
        else if (info.nRecords != info.recordsFound)
            info.problem = "header record count " + std::to_string(info.nRecords) + " differs from the " +
                           std::to_string(info.recordsFound) + " records found";
    }
    return info;
}

const char* EmfFileInfo::recordName(std::uint32_t type)
{
    switch (type) {
    case EMR_HEADER: return "HEADER";
    case EMR_POLYBEZIER: return "POLYBEZIER";
    case EMR_POLYGON: return "POLYGON";
    case EMR_POLYLINE: return "POLYLINE";
    case EMR_POLYBEZIERTO: return "POLYBEZIERTO";
    case EMR_POLYLINETO: return "POLYLINETO";
    case EMR_POLYPOLYLINE: return "POLYPOLYLINE";
    case EMR_POLYPOLYGON: return "POLYPOLYGON";
    case EMR_SETWINDOWEXTEX: return "SETWINDOWEXTEX";
    case EMR_SETWINDOWORGEX: return "SETWINDOWORGEX";
    case EMR_SETVIEWPORTEXTEX: return "SETVIEWPORTEXTEX";
    case EMR_SETVIEWPORTORGEX: return "SETVIEWPORTORGEX";
    case EMR_EOF: return "EOF";
    case EMR_SETPIXELV: return "SETPIXELV";
    case EMR_SETMAPMODE: return "SETMAPMODE";
    case EMR_SETBKMODE: return "SETBKMODE";
    case EMR_SETPOLYFILLMODE: return "SETPOLYFILLMODE";
    case EMR_SETTEXTALIGN: return "SETTEXTALIGN";
    case EMR_SETTEXTCOLOR: return "SETTEXTCOLOR";
    case EMR_SETBKCOLOR: return "SETBKCOLOR";
    case EMR_MOVETOEX: return "MOVETOEX";
    case EMR_INTERSECTCLIPRECT: return "INTERSECTCLIPRECT";
    case EMR_EXCLUDECLIPRECT: return "EXCLUDECLIPRECT";
    case EMR_SAVEDC: return "SAVEDC";
    case EMR_RESTOREDC: return "RESTOREDC";
    case EMR_SETWORLDTRANSFORM: return "SETWORLDTRANSFORM";
    case EMR_MODIFYWORLDTRANSFORM: return "MODIFYWORLDTRANSFORM";
    case EMR_SELECTOBJECT: return "SELECTOBJECT";
    case EMR_CREATEPEN: return "CREATEPEN";
    case EMR_CREATEBRUSHINDIRECT: return "CREATEBRUSHINDIRECT";
    case EMR_DELETEOBJECT: return "DELETEOBJECT";
    case EMR_ELLIPSE: return "ELLIPSE";
    case EMR_RECTANGLE: return "RECTANGLE";
    case EMR_LINETO: return "LINETO";
    case EMR_BEGINPATH: return "BEGINPATH";
    case EMR_ENDPATH: return "ENDPATH";
    case EMR_CLOSEFIGURE: return "CLOSEFIGURE";
    case EMR_FILLPATH: return "FILLPATH";
    case EMR_STROKEANDFILLPATH: return "STROKEANDFILLPATH";
    case EMR_STROKEPATH: return "STROKEPATH";
    case EMR_SELECTCLIPPATH: return "SELECTCLIPPATH";
    case EMR_GDICOMMENT: return "GDICOMMENT";
    case EMR_EXTSELECTCLIPRGN: return "EXTSELECTCLIPRGN";
    case EMR_BITBLT: return "BITBLT";
    case EMR_STRETCHBLT: return "STRETCHBLT";
    case EMR_STRETCHDIBITS: return "STRETCHDIBITS";
    case EMR_EXTCREATEFONTINDIRECTW: return "EXTCREATEFONTINDIRECTW";
    case EMR_EXTTEXTOUTW: return "EXTTEXTOUTW";
    case EMR_POLYBEZIER16: return "POLYBEZIER16";
    case EMR_POLYGON16: return "POLYGON16";
    case EMR_POLYLINE16: return "POLYLINE16";
    case EMR_POLYBEZIERTO16: return "POLYBEZIERTO16";
    case EMR_POLYLINETO16: return "POLYLINETO16";
    case EMR_POLYPOLYLINE16: return "POLYPOLYLINE16";
    case EMR_POLYPOLYGON16: return "POLYPOLYGON16";
    case EMR_EXTCREATEPEN: return "EXTCREATEPEN";
    case EMR_CREATEDIBPATTERNBRUSHPT: return "CREATEDIBPATTERNBRUSHPT";
    case EMR_ROUNDRECT: return "ROUNDRECT";
    case EMR_ARC: return "ARC";
    case EMR_CHORD: return "CHORD";
    case EMR_PIE: return "PIE";
    case EMR_ARCTO: return "ARCTO";
    case EMR_OFFSETCLIPRGN: return "OFFSETCLIPRGN";
    case EMR_SCALEVIEWPORTEXTEX: return "SCALEVIEWPORTEXTEX";
    case EMR_SCALEWINDOWEXTEX: return "SCALEWINDOWEXTEX";
    case EMR_ABORTPATH: return "ABORTPATH";
    case EMR_FLATTENPATH: return "FLATTENPATH";
    case EMR_WIDENPATH: return "WIDENPATH";
    case EMR_SETDIBITSTODEVICE: return "SETDIBITSTODEVICE";
    case EMR_EXTTEXTOUTA: return "EXTTEXTOUTA";
    case EMR_ALPHABLEND: return "ALPHABLEND";
    default: return nullptr;
    }
}

} // namespace kelvppvw::gdi

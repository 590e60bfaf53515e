#pragma once
// What `kelvppvw-emf info` prints and what the player needs to start: the
// header fields of a metafile and a census of its records.
#include "platform/gdi/GdiTypes.h"

#include <cstdint>
#include <map>
#include <span>
#include <string>

namespace kelvppvw::gdi {

struct EmfFileInfo {
    bool valid = false;
    std::string problem; // why the file is not (entirely) sound; empty when it is
    std::uint32_t headerSize = 0;
    Rect bounds;
    Rect frame;
    std::uint32_t nBytes = 0;
    std::uint32_t nRecords = 0;
    std::uint16_t nHandles = 0;
    std::int32_t deviceWidthPx = 0, deviceHeightPx = 0;
    std::int32_t deviceWidthMm = 0, deviceHeightMm = 0;
    std::u16string description;
    // Record type to count, header and EOF included, as far as the records are sound.
    std::map<std::uint32_t, std::uint32_t> recordCounts;
    std::uint32_t recordsFound = 0;
    bool hasEof = false;

    // The header only: enough for playing.
    static EmfFileInfo readHeader(std::span<const std::uint8_t> bytes);
    // Header and every record.
    static EmfFileInfo read(std::span<const std::uint8_t> bytes);
    static const char* recordName(std::uint32_t type);
};

} // namespace kelvppvw::gdi

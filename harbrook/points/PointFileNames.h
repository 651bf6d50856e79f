#pragma once
// Names of a point's picture and comment files: the date and time words of a fresh stamp in
// hexadecimal (so they read as the decimal date and time) and the slot, e.g.
// "2026120712345600_010.BMP". Also the fixed names of the unit's point files.
#include <points/PointStamp.h>

#include <optional>
#include <string>

namespace points {

inline constexpr char kRecordFileName[] = "POINTREC.V04";
inline constexpr char kGroupFileName[] = "POINTGRP.V04";
inline constexpr char kPictureIndexName[] = "POINTIMG.DAT";
inline constexpr char kCommentIndexName[] = "POINTCMT.DAT";

class PointFileNames {
public:
    // "%08X%08X_%03d.BMP"; without a stamp (no clock) the slot alone: "%03d.BMP".
    static std::string pictureName(const std::optional<PointStamp>& stamp, int slot);
    // "%08X%08X_%03d.txt"; without a stamp "%03d.txt".
    static std::string commentName(const std::optional<PointStamp>& stamp, int slot);

    // A name read from a file may only name a file inside its folder: not empty, no path
    // separator, not "." or "..".
    static bool isPlainFileName(const std::string& name);
};

}  // namespace points

#include <points/PointFileNames.h>

#include <cstdio>

namespace points {
namespace {

std::string makeName(const std::optional<PointStamp>& stamp, int slot, const char* extension) {
    char buffer[64];
    if (stamp)
        std::snprintf(buffer, sizeof buffer, "%08X%08X_%03d.%s", stamp->date, stamp->time, slot,
                      extension);
    else
        std::snprintf(buffer, sizeof buffer, "%03d.%s", slot, extension);
    return buffer;
}

}  // namespace

std::string PointFileNames::pictureName(const std::optional<PointStamp>& stamp, int slot) {
    return makeName(stamp, slot, "BMP");
}

std::string PointFileNames::commentName(const std::optional<PointStamp>& stamp, int slot) {
    return makeName(stamp, slot, "txt");
}

bool PointFileNames::isPlainFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\") == std::string::npos;
}

}  // namespace points

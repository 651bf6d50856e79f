// Record files ("POINTREC.V04", PC work files) are read from the unit and from the user's disk:
// any bytes must be refused or read without touching memory outside the input.
#include <points/PointRecordFileReader.h>
#include <points/PointResult.h>

#include <platform/Cp932.h>

#include "NonRegularInputs.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

using namespace points;

namespace {

void readAllLayouts(const std::uint8_t* data, std::size_t size) {
    for (int layout : {PointRecordFileReader::kAnyLayout, kPcEntryCount, kSlotCount}) {
        PointRecordFileReader reader(layout);
        if (reader.parse(data, size) != 0) continue;
        std::size_t total = 0;
        for (int i = -1; i <= reader.entryCount(); ++i) {
            PointRecord record;
            reader.entry(i, record);
            total += platform::fieldText(record.name, sizeof record.name).size();
            total += platform::fieldText(record.pictureName, sizeof record.pictureName).size();
            total += platform::fieldText(record.commentName, sizeof record.commentName).size();
        }
        if (total > static_cast<std::size_t>(reader.entryCount()) * 108) __builtin_trap();
    }
}

// The input's bytes behind a header that passes the checks (padded to the layout's length when
// `pad` is set), so that random inputs also reach the entries.
std::vector<std::uint8_t> withValidHeader(const std::uint8_t* data, std::size_t size, int entries,
                                          bool pad) {
    const PointRecordLayout layout(entries);
    const auto header = PointFileHeader::make(kRecordFileKind,
                                              static_cast<std::uint32_t>(layout.dataSize()),
                                              static_cast<std::uint32_t>(layout.trailerSize()),
                                              PointStamp{});
    std::vector<std::uint8_t> file(sizeof header + size);
    std::memcpy(file.data(), &header, sizeof header);
    if (size > 0) std::memcpy(file.data() + sizeof header, data, size);
    if (pad && file.size() < sizeof header + layout.arraysSize())
        file.resize(sizeof header + layout.arraysSize(), 0);
    return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzsupport::requireNonRegularInputsRefused("point record read", [](const std::string& path) {
        return PointRecordFileReader(PointRecordFileReader::kAnyLayout).read(path) == kPointOk;
    });
    readAllLayouts(data, size);
    if (size == 0) return 0;
    const int entries = data[0] & 1 ? kSlotCount : kPcEntryCount;
    const auto file = withValidHeader(data + 1, size - 1, entries, (data[0] & 2) != 0);
    readAllLayouts(file.data(), file.size());
    return 0;
}

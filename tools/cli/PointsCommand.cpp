// harbrook-cli points dump FILE: the points of a record file (the unit's 510-entry file or a
// 200-entry PC work file or card copy) as UTF-8 tab-separated lines: slot, group, name, reading,
// telephone number, longitude, latitude (map-bridge integers), longitude and latitude in decimal
// degrees, picture file name, comment file name.
#include "Command.h"
#include "Messages.h"

#include <points/PointRecordFileReader.h>
#include <points/PointResult.h>

#include <platform/Cp932.h>

#include <cstdio>
#include <string>

namespace {

// The map bridge's integer unit is the milliarcsecond.
constexpr double kUnitsPerDegree = 3600.0 * 1000.0;

// A CP932 field as UTF-8, its control characters escaped so each point stays on one line.
std::string column(const char* field, std::size_t size) {
    return cli::printable(platform::cp932ToUtf8Lossy(platform::fieldText(field, size)));
}

void printPoint(int index, const points::PointRecord& r) {
    std::printf("%d\t%d\t%s\t%s\t%s\t%d\t%d\t%.7f\t%.7f\t%s\t%s\n", index, r.group,
                column(r.name, sizeof r.name).c_str(), column(r.reading, sizeof r.reading).c_str(),
                column(r.telephone, sizeof r.telephone).c_str(), r.longitude, r.latitude,
                r.longitude / kUnitsPerDegree, r.latitude / kUnitsPerDegree,
                column(r.pictureName, sizeof r.pictureName).c_str(),
                column(r.commentName, sizeof r.commentName).c_str());
}

int dump(const std::string& path) {
    if (const std::string problem = cli::inputProblem(path); !problem.empty()) {
        cli::reportFailure("points", path, problem);
        return cli::kExitFailed;
    }
    points::PointRecordFileReader reader(points::PointRecordFileReader::kAnyLayout);
    const int code = reader.read(path);
    if (code != points::kPointOk) {
        cli::reportFailure("points", path,
                           points::pointErrorTexts()[code - points::kFirstPointResult] + " (" +
                               std::to_string(code) + ")");
        return cli::kExitFailed;
    }
    for (int i = 0; i < reader.entryCount(); ++i) {
        points::PointRecord record;
        reader.entry(i, record);
        if (record.slot != points::kEmptySlot) printPoint(i, record);
    }
    return cli::kExitOk;
}

int runPoints(const std::vector<std::string>& args) {
    if (args.size() != 2 || args[0] != "dump") {
        std::fprintf(stderr, "usage: harbrook-cli points dump FILE\n");
        return cli::kExitUsage;
    }
    return dump(args[1]);
}

}  // namespace

HARBROOK_CLI_COMMAND(points, "points", "points dump FILE",
                     "list the points of a point record file as tab-separated text", runPoints);

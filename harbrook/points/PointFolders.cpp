#include <points/PointFolders.h>

#include <platform/TempName.h>

#include <filesystem>
#include <system_error>

namespace points {
namespace {

bool makeFolder(const std::string& folder) {
    std::error_code error;
    std::filesystem::create_directory(folder, error);
    return std::filesystem::is_directory(folder, error);
}

}  // namespace

PointFolders::PointFolders(std::string navidata, std::string point)
    : m_navidata(std::move(navidata)),
      m_point(std::move(point)),
      m_image(m_point + "IMG/"),
      m_detail(m_point + "DETAIL/") {}

PointFolders PointFolders::underRoot(const std::string& root) {
    const std::string navidata = platform::withTrailingSlash(root) + "NAVIDATA/";
    return PointFolders(navidata, navidata + "POINT/");
}

PointFolders PointFolders::plain(const std::string& folder) {
    return PointFolders(std::string(), platform::withTrailingSlash(folder));
}

std::string PointFolders::folderOf(const std::string& filePath) {
    const auto slash = filePath.rfind('/');
    return slash == std::string::npos ? std::string("./") : filePath.substr(0, slash + 1);
}

bool PointFolders::create() const {
    if (!m_navidata.empty() && !makeFolder(m_navidata)) return false;
    return makeFolder(m_point) && makeFolder(m_detail) && makeFolder(m_image);
}

}  // namespace points

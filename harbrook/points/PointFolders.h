#pragma once
// The folders of a point file set, each ending with '/'. The unit set and the card set live in
// "NAVIDATA/POINT/" under a root; a PC work file's folder is itself the point folder. Pictures go
// to "IMG", comments to "DETAIL".
#include <string>

namespace points {

class PointFolders {
public:
    // The unit set or the card set under `root`.
    static PointFolders underRoot(const std::string& root);
    // The folder that holds a PC work file.
    static PointFolders plain(const std::string& folder);
    // The folder part of `filePath` (everything up to its last '/'; "./" when it has none).
    static std::string folderOf(const std::string& filePath);

    const std::string& pointFolder() const { return m_point; }
    const std::string& imageFolder() const { return m_image; }
    const std::string& detailFolder() const { return m_detail; }

    // Creates, when missing and in this order, "NAVIDATA" (unit and card sets only), the point
    // folder, "DETAIL" and "IMG". False when one cannot be made.
    bool create() const;

private:
    PointFolders(std::string navidata, std::string point);
    std::string m_navidata;  // empty for a plain point folder
    std::string m_point;
    std::string m_image;
    std::string m_detail;
};

}  // namespace points

#pragma once
// Registered points for the pictures of the point view, made at run time with the point store's
// own writers: a unit folder (its points come in as the unit's), a PC work file (its points come
// in as saved on the PC), one new point, and a picture file for the entry dialog.
#include <QString>

namespace points {
class CPointData;
}

class PointDemoData {
public:
    // Writes the files into `folder` (which must exist).
    explicit PointDemoData(const QString& folder);
    bool IsComplete() const { return m_complete; }

    // The unit set's root and the picture file.
    QString UnitRoot() const;
    QString PicturePath() const;

    // Gives `store` the unit folder's points (as a fetch from the unit would), then the PC work
    // file's points, then one new point, so that the list shows all three states.
    bool Fill(points::CPointData& store) const;

private:
    QString m_folder;
    bool m_complete = false;
};

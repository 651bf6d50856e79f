#include "PointDemoData.h"

#include <points/CPointData.h>
#include <points/PictureLoader.h>
#include <points/PointEntry.h>

#include <platform/Cp932.h>

#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <memory>

namespace {

struct DemoPoint {
    const char* name;
    const char* reading;
    const char* telephone;
    int group;
    int latitude[3];  // degrees, minutes, seconds
    int longitude[3];
    bool picture;
    const char* comment;
};

const DemoPoint kUnitPoints[] = {
    {"東京タワー",
     "トウキョウタワー",
     "03-3433-5111",
     1,
     {35, 39, 31},
     {139, 44, 43},
     true,
     "展望台は夜景がきれい。\r\n駐車場あり。"},
    {"横浜中華街",
     "ヨコハマチュウカガイ",
     "045-662-1252",
     2,
     {35, 26, 33},
     {139, 38, 46},
     false,
     ""},
    {"箱根湯本駅", "ハコネユモトエキ", "0460-85-5700", 3, {35, 13, 57}, {139, 6, 20}, false, ""},
    {"富士山五合目", "フジサンゴゴウメ", "", 3, {35, 23, 42}, {138, 43, 58}, false, ""},
    {"浜名湖ＳＡ",
     "ハマナコサービスエリア",
     "053-526-7411",
     4,
     {34, 43, 22},
     {137, 35, 49},
     false,
     ""},
    {"名古屋城", "ナゴヤジョウ", "052-231-1700", 1, {35, 11, 7}, {136, 53, 59}, false, ""},
};

const DemoPoint kPcPoints[] = {
    {"兼六園", "ケンロクエン", "076-234-3800", 5, {36, 33, 43}, {136, 39, 46}, false, ""},
    {"金沢駅", "カナザワエキ", "", 5, {36, 34, 40}, {136, 38, 54}, false, ""},
};

const DemoPoint kNewPoint = {"海ほたるＰＡ", "ウミホタル",  "0438-41-7373", 2,
                             {35, 27, 50},   {139, 52, 31}, false,          ""};

std::int32_t milliarcseconds(const int (&dms)[3]) {
    return ((dms[0] * 60 + dms[1]) * 60 + dms[2]) * 1000;
}

// A small evening picture: sky, sea and a tower.
bool writePicture(const QString& path) {
    QImage image(320, 240, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, 160);
    sky.setColorAt(0, QColor(0x1B, 0x2A, 0x55));
    sky.setColorAt(1, QColor(0xF2, 0x9E, 0x4C));
    painter.fillRect(0, 0, 320, 160, sky);
    painter.fillRect(0, 160, 320, 80, QColor(0x1E, 0x3D, 0x5C));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0xD6, 0x3A, 0x2A));
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(QPolygonF({QPointF(160, 30), QPointF(190, 160), QPointF(130, 160)}));
    painter.setBrush(QColor(0xFF, 0xE0, 0x9A));
    painter.drawEllipse(QPointF(250, 150), 18, 18);
    painter.end();
    return image.save(path, "PNG");
}

// Puts the points into a fresh slot each; pictures from `picture` where a point has one.
bool addPoints(points::CPointData& store, const DemoPoint* begin, const DemoPoint* end,
               const QString& picture) {
    for (const DemoPoint* point = begin; point != end; ++point) {
        const int slot = store.FindFreeSlot();
        auto entry = std::make_unique<points::PointEntry>();
        if (slot < 0 || store.GetPoint(slot, entry.get()) == 0) return false;
        platform::copyCp932Field(entry->name, sizeof entry->name,
                                 platform::utf8ToCp932(point->name).value_or(""));
        platform::copyCp932Field(entry->reading, sizeof entry->reading,
                                 platform::utf8ToCp932(point->reading).value_or(""));
        platform::copyCp932Field(entry->telephone, sizeof entry->telephone, point->telephone);
        platform::copyCp932Field(entry->comment, sizeof entry->comment,
                                 platform::utf8ToCp932(point->comment).value_or(""));
        entry->group = static_cast<std::int16_t>(point->group);
        entry->latitude = milliarcseconds(point->latitude);
        entry->longitude = milliarcseconds(point->longitude);
        if (point->picture && !points::PictureLoader::load(
                                  picture.toStdString(), points::PictureLoader::kPointPictureWidth,
                                  points::PictureLoader::kPointPictureHeight, *entry->picture)) {
            return false;
        }
        if (!store.PutPoint(slot, entry.get())) return false;
    }
    return true;
}

template <std::size_t N>
bool addAll(points::CPointData& store, const DemoPoint (&list)[N], const QString& picture) {
    return addPoints(store, list, list + N, picture);
}

}  // namespace

PointDemoData::PointDemoData(const QString& folder) : m_folder(folder) {
    if (!writePicture(PicturePath()) || !QDir().mkpath(UnitRoot())) return;
    // The unit's file set, as a send to the unit writes it.
    auto unit = std::make_unique<points::CPointData>();
    if (!addAll(*unit, kUnitPoints, PicturePath())) return;
    unit->SetTransferAllowed(true);
    if (!unit->WriteForUsb(UnitRoot().toStdString())) return;
    // A PC work file.
    auto pc = std::make_unique<points::CPointData>();
    if (!addAll(*pc, kPcPoints, PicturePath())) return;
    m_complete =
        pc->WritePointFile(QDir(m_folder).filePath(QStringLiteral("demo.V04")).toStdString(),
                           points::CPointData::kSelectListed);
}

QString PointDemoData::UnitRoot() const {
    return QDir(m_folder).filePath(QStringLiteral("unit/"));
}

QString PointDemoData::PicturePath() const {
    return QDir(m_folder).filePath(QStringLiteral("tower.png"));
}

bool PointDemoData::Fill(points::CPointData& store) const {
    int count = 0;
    const std::string root = UnitRoot().toStdString();
    if (!m_complete || !store.StageUnitFile(root, count)) return false;
    store.DeleteUnitPoints();
    if (!store.MergeUnitPoints(root)) return false;
    store.SetTransferAllowed(true);
    const std::string pcFile = QDir(m_folder).filePath(QStringLiteral("demo.V04")).toStdString();
    if (!store.ReadPointFile(pcFile, points::CPointData::kAddToPcPoints)) return false;
    return addPoints(store, &kNewPoint, &kNewPoint + 1, PicturePath());
}

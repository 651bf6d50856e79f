// Point files: record files of both layouts and the group file written by the program's own
// writers, comment texts with every kind of line end and cut, and pictures in the formats the
// picture loader decodes.
#include "Seeds.h"

#include "SeedFolder.h"

#include <points/PictureHolder.h>
#include <points/PointGroupFileWriter.h>
#include <points/PointPictureFileWriter.h>
#include <points/PointRecordFileWriter.h>

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>

#include <cstring>
#include <string>

using namespace points;

namespace fuzzseeds {
namespace {

const PointStamp kStamp{0x20261207, 0x12345600};

template <std::size_t N>
void setText(char (&field)[N], std::string_view text) {
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), std::min(text.size(), N - 1));
}

PointRecord point(int slot, int group) {
    PointRecord r;
    initNewPointRecord(r, static_cast<std::int16_t>(slot));
    r.group = static_cast<std::int16_t>(group);
    setText(r.name, slot % 2 ? kNihongo : std::string_view("Point"));
    setText(r.reading, kKatakana);
    setText(r.telephone, "03-1234-5678");
    setPointPosition(r, 503000000 + slot * 1000, 128000000 - slot * 1000);
    char name[32];
    std::snprintf(name, sizeof name, "%08X%08X_%03d.BMP", kStamp.date, kStamp.time, slot);
    setText(r.pictureName, name);
    std::snprintf(name, sizeof name, "%08X%08X_%03d.txt", kStamp.date, kStamp.time, slot);
    setText(r.commentName, name);
    r.date1 = r.date2 = kStamp.date;
    r.time1 = r.time2 = kStamp.time;
    return r;
}

// The unit's file holds every slot where it stands; a PC file packs its points from entry 0.
std::vector<std::uint8_t> recordFile(int entries, int points) {
    PointRecordFileWriter writer(entries);
    for (int i = 0; i < points; ++i) {
        const int slot = entries == kSlotCount ? kFirstUserSlot + i * 2 : i;
        writer.setEntry(slot, point(slot, i % 13));
    }
    return writer.bytes(kStamp);
}

std::vector<std::uint8_t> groupFile() {
    PointGroupTable table{};
    for (int g = 0; g < kGroupCount; ++g)
        setText(table.groups[g].name, g % 2 ? kNihongo : std::string_view("Group"));
    return PointGroupFileWriter::bytes(table, kStamp);
}

// A small picture with a colour gradient, so that every decoder has real pixels to produce.
QImage gradient(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixelColor(x, y, QColor(x * 255 / width, y * 255 / height, 128, 200));
    return image;
}

std::string encoded(const QImage& image, const char* format, int quality = -1) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes.toStdString();
}

std::vector<std::uint8_t> bitmap(int width, int height) {
    std::vector<std::uint8_t> bits(PictureHolder::rowLengthFor(width) *
                                   static_cast<std::size_t>(height));
    for (std::size_t i = 0; i < bits.size(); ++i) bits[i] = static_cast<std::uint8_t>(i * 7);
    PictureHolder holder;
    holder.setBits(width, height, std::move(bits));
    return PointPictureFileWriter::bytes(holder);
}

}  // namespace

void writePointSeeds(const std::string& root) {
    const SeedFolder records(root, "PointRecordFuzz");
    records.add("unit_510.v04", recordFile(kSlotCount, 20));
    records.add("pc_200.v04", recordFile(kPcEntryCount, 200));
    records.add("pc_empty.v04", recordFile(kPcEntryCount, 0));

    const SeedFolder groups(root, "PointGroupFuzz");
    groups.add("groups.v04", groupFile());

    const SeedFolder comments(root, "PointCommentFuzz");
    const std::string line = std::string(kNihongo) + "comment";
    comments.add("crlf.txt", line + "\r\n" + line + "\r\n");
    comments.add("lf.txt", line + "\n" + line + "\n\n");
    comments.add("cr.txt", line + "\r" + line);
    comments.add("nul.txt", line + std::string(1, '\0') + line);
    // A double-byte character across the 4096-byte cut, and a file longer than the reader takes.
    comments.add("cut.txt", std::string(4095, 'a') + std::string(kNihongo) + "tail");
    comments.add("long_lf.txt", std::string(3000, 'b') + std::string(2000, '\n'));

    const SeedFolder pictures(root, "PointPictureFuzz");
    pictures.add("small.bmp", bitmap(5, 3));
    pictures.add("largest.bmp", bitmap(128, 102));
    pictures.add("wide.png", encoded(gradient(300, 20), "PNG"));
    pictures.add("tall.png", encoded(gradient(2, 400), "PNG"));
    pictures.add("photo.jpg", encoded(gradient(160, 120), "JPEG", 50));
    pictures.add("palette.bmp",
                 encoded(gradient(16, 16).convertToFormat(QImage::Format_Indexed8), "BMP"));
    // Qt writes no GIF: a transparent 1 x 1 picture by hand.
    pictures.add("pixel.gif",
                 std::string_view("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00"
                                  "!\xf9\x04\x01\x00\x00\x00\x00,\x00\x00\x00\x00\x01\x00"
                                  "\x01\x00\x00\x02\x02\x44\x01\x00;",
                                  43));
}

}  // namespace fuzzseeds

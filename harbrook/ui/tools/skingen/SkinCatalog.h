#pragma once
// Every resource of the skin: its kind, its name (the resource number for images and sounds) and
// how it is made. The generator writes them all and the resource list that compiles them in.
#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

namespace skingen {

struct SkinEntry {
    const char* kind;   // "image", "bitmap", "wave" or "icon"
    QString name;       // resource name: the number, or an icon's name
    const char* suffix; // file suffix on disk: "png", "bmp" or "wav"
    std::function<QByteArray()> make;
};

std::vector<SkinEntry> SkinCatalog();

// Writes every entry below `folder` as <kind>/<name>.<suffix> and the resource list `qrcName`
// that names each file ":/<kind>/<name>". False, with a message on stderr, when a write fails.
bool WriteSkin(const QString& folder, const QString& qrcName);

}  // namespace skingen

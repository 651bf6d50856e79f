// skingen: paints Harbrook's skin images, synthesises its effect sounds and writes the resource
// list that compiles them into the program; with --icons it paints the program's desktop icons.
// Usage: skingen <output folder> <qrc file name>
//        skingen --icons <output folder>
#include "DesktopIcons.h"
#include "SkinCatalog.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr,
                     "usage: skingen <output folder> <qrc file name>\n"
                     "       skingen --icons <output folder>\n");
        return 2;
    }
    // Text in the images needs the font database, hence a GUI application (offscreen is enough).
    QGuiApplication app(argc, argv);
    const QString first = QString::fromLocal8Bit(argv[1]);
    const QString second = QString::fromLocal8Bit(argv[2]);
    const bool written = std::strcmp(argv[1], "--icons") == 0 ? skingen::WriteDesktopIcons(second)
                                                              : skingen::WriteSkin(first, second);
    return written ? 0 : 1;
}

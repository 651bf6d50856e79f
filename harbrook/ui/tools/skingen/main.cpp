// skingen: paints Harbrook's skin images, synthesises its effect sounds and writes the resource
// list that compiles them into the program. Usage: skingen <output folder> <qrc file name>
#include "SkinCatalog.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: skingen <output folder> <qrc file name>\n");
        return 2;
    }
    // Text in the images needs the font database, hence a GUI application (offscreen is enough).
    QGuiApplication app(argc, argv);
    return skingen::WriteSkin(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}

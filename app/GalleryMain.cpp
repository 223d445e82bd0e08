// kelvaro-gallery FOLDER: renders every window offscreen into FOLDER, one PNG each.
#include <QApplication>
#include <cstdio>

#include "app/Gallery.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kelvaro-gallery FOLDER\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int written = WriteGallery(QString::fromLocal8Bit(argv[1]));
    const int wanted = static_cast<int>(GalleryShots().size());
    std::printf("%d of %d pictures written to %s\n", written, wanted, argv[1]);
    return written == wanted ? 0 : 1;
}

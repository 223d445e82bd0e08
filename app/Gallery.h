#pragma once
// Every window of the program in a meaningful state, for pictures of what a user sees.
#include <QString>
#include <functional>
#include <vector>

class QWidget;
class TFrmmain;

struct GalleryShot {
    QString name;  // file name without extension
    // Creates (or finds) the window to grab, given the shown main window.
    std::function<QWidget*(TFrmmain&)> make;
};

std::vector<GalleryShot> GalleryShots();

// Writes one PNG per shot into `folder`; returns the number written.
int WriteGallery(const QString& folder);

#pragma once
// Loads a picture file (JPEG, PNG, BMP, GIF; whatever QImage decodes) into a picture holder,
// scaled down to fit a bound with its proportions kept and never enlarged.
#include <points/PictureHolder.h>

#include <string>
#include <utility>

namespace points {

class PictureLoader {
public:
    // The bound of point pictures.
    static constexpr int kPointPictureWidth = 128;
    static constexpr int kPointPictureHeight = 102;

    // The size a picture of (width, height) gets within the bound (boundWidth, boundHeight).
    // Divisions truncate; a bound that is not positive keeps the picture's size in that direction.
    static std::pair<int, int> fittedSize(int width, int height, int boundWidth, int boundHeight);

    // Decodes the file and renders it into `picture` at the fitted size (transparent parts black,
    // as on a fresh bitmap). On any failure the holder keeps its previous picture and the result
    // is false.
    static bool load(const std::string& path, int boundWidth, int boundHeight,
                     PictureHolder& picture);
};

}  // namespace points

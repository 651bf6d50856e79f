#pragma once
// Loads a picture file (JPEG, PNG, BMP, GIF; whatever QImage decodes) into a picture holder,
// scaled down to fit a bound with its proportions kept and never enlarged. The decoding lives in
// the picture module (PictureFunctions), loaded on first use: Qt's GUI libraries are not loaded
// by runs that show no picture.
#include <points/PictureHolder.h>

#include <cstdint>
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
    static constexpr std::pair<int, int> fittedSize(int width, int height, int boundWidth,
                                                    int boundHeight) {
        const std::int64_t w = width, h = height;
        const std::int64_t bw = boundWidth > 0 ? boundWidth : width;
        const std::int64_t bh = boundHeight > 0 ? boundHeight : height;
        if (w <= bw && h <= bh) return {width, height};
        if (w * bh == h * bw) return {static_cast<int>(bw), static_cast<int>(bh)};
        if (w * bh > h * bw) return {static_cast<int>(bw), static_cast<int>(h * bw / w)};
        return {static_cast<int>(w * bh / h), static_cast<int>(bh)};
    }

    // Decodes the file and renders it into `picture` at the fitted size (transparent parts black,
    // as on a fresh bitmap). On any failure the holder keeps its previous picture and the result
    // is false.
    static bool load(const std::string& path, int boundWidth, int boundHeight,
                     PictureHolder& picture);
};

}  // namespace points

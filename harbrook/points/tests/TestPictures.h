#pragma once
// Small synthetic pictures for the point tests.
#include <points/PictureHolder.h>

#include <cstdint>
#include <vector>

namespace points::test {

// A picture whose every pixel differs from its neighbours: blue follows x, green follows y.
inline PictureHolder gradientPicture(int width, int height) {
    const std::size_t rowLength = PictureHolder::rowLengthFor(width);
    std::vector<std::uint8_t> bits(rowLength * static_cast<std::size_t>(height), 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            auto* px = bits.data() + static_cast<std::size_t>(height - 1 - y) * rowLength + 3 * x;
            px[0] = static_cast<std::uint8_t>(x * 20);
            px[1] = static_cast<std::uint8_t>(y * 40);
            px[2] = 200;
        }
    PictureHolder picture;
    picture.setBits(width, height, std::move(bits));
    return picture;
}

}  // namespace points::test

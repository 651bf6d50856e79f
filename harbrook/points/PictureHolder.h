#pragma once
// A point's picture: a 24-bit device-independent bitmap, rows bottom-up, each row of blue, green,
// red bytes padded to a multiple of 4 bytes. A holder without bits means no picture.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace points {

class PictureHolder {
public:
    // Bytes of one row of `width` pixels: 3 x width rounded up to a multiple of 4.
    static constexpr std::size_t rowLengthFor(int width) {
        return (static_cast<std::size_t>(width) * 3 + 3) & ~static_cast<std::size_t>(3);
    }

    bool hasBits() const { return !m_bits.empty(); }
    int width() const { return m_width; }
    int height() const { return m_height; }
    std::size_t rowLength() const { return m_rowLength; }
    const std::vector<std::uint8_t>& bits() const { return m_bits; }

    // Takes new bits (rowLengthFor(width) x height bytes, bottom-up). Wrong sizes or a
    // non-positive width or height are refused and leave the holder as it was.
    bool setBits(int width, int height, std::vector<std::uint8_t> bits);
    // Becomes a copy of `other` (cleared when `other` has no bits).
    void copyFrom(const PictureHolder& other);
    void clear();

    // The blue, green, red bytes of pixel (x, y), y counted from the top; the caller keeps x and y
    // inside the picture.
    const std::uint8_t* pixel(int x, int y) const;

private:
    std::vector<std::uint8_t> m_bits;
    int m_width = 0;
    int m_height = 0;
    std::size_t m_rowLength = 0;
};

}  // namespace points

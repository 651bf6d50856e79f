#include <points/PictureHolder.h>

namespace points {

bool PictureHolder::setBits(int width, int height, std::vector<std::uint8_t> bits) {
    if (width <= 0 || height <= 0) return false;
    const std::size_t rowLength = rowLengthFor(width);
    if (bits.size() != rowLength * static_cast<std::size_t>(height)) return false;
    m_bits = std::move(bits);
    m_width = width;
    m_height = height;
    m_rowLength = rowLength;
    return true;
}

void PictureHolder::copyFrom(const PictureHolder& other) {
    if (this == &other) return;
    m_bits = other.m_bits;
    m_width = other.m_width;
    m_height = other.m_height;
    m_rowLength = other.m_rowLength;
}

void PictureHolder::clear() {
    m_bits.clear();
    m_bits.shrink_to_fit();
    m_width = 0;
    m_height = 0;
    m_rowLength = 0;
}

const std::uint8_t* PictureHolder::pixel(int x, int y) const {
    const auto row = static_cast<std::size_t>(m_height - 1 - y);
    return m_bits.data() + row * m_rowLength + static_cast<std::size_t>(x) * 3;
}

}  // namespace points

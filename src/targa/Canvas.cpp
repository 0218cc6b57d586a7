#include "targa/Canvas.h"

#include <algorithm>

namespace vantrel {

Canvas::Canvas(std::uint32_t startColor, int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      startColor_(startColor),
      pixels_(static_cast<std::size_t>(width_) * height_, ToStored(startColor)) {}

void Canvas::paintRun(int x, int y, int n, std::uint32_t color) {
    if (n <= 0 || static_cast<unsigned>(y) >= static_cast<unsigned>(height_)) return;
    const long long first = std::max<long long>(x, 0);
    const long long end = std::min<long long>(static_cast<long long>(x) + n, width_);
    if (first >= end) return;
    std::uint32_t* row = pixels_.data() + static_cast<std::size_t>(y) * width_;
    std::fill(row + first, row + end, ToStored(color));
}

void Canvas::fill(std::uint32_t color) { std::fill(pixels_.begin(), pixels_.end(), ToStored(color)); }

void BlendPixel(Canvas& lngDC, std::int16_t intX, std::int16_t intY, std::int16_t intRed, std::int16_t intGreen,
                std::int16_t intBlue, std::int16_t intAlpha) {
    if (!lngDC.contains(intX, intY)) return;
    std::uint32_t& pixel = lngDC.row(intY)[intX];
    pixel = BlendStored(pixel, intRed, intGreen, intBlue, intAlpha);
}

void PaintBackground(std::int16_t intHeight, std::int16_t intWidth, Canvas& frmTarget, std::int16_t intRed,
                     std::int16_t intGreen, std::int16_t intBlue) {
    // Pixels outside the canvas are untouched whatever order they are walked in, so only the part
    // of the rectangle that lies on the canvas is walked.
    const int rows = std::min<int>(intHeight, frmTarget.height());
    const int columns = std::min<int>(intWidth, frmTarget.width());
    for (int y = rows - 1; y >= 0; --y) {
        for (int x = columns - 1; x >= 0; --x) {
            BlendPixel(frmTarget, static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), intRed, intGreen,
                       intBlue, 255);
        }
    }
}

}  // namespace vantrel

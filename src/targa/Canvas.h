#pragma once

#include <cstdint>
#include <functional>
#include <vector>

// The main window's persistent image: what is painted here survives repaints. The Qt layer shows
// the pixel memory directly (a QImage of Format_RGB32 over bits()), so painting never copies.
//
// Colours cross this interface as colour values, red + 256 * green + 65536 * blue (the Windows
// COLORREF layout). Inside, a pixel is stored as 0xFFRRGGBB, the layout QImage::Format_RGB32 reads.
// Painting outside the canvas is clipped quietly: packets that run past a row's end land to the
// right of the texture and may leave the canvas.
namespace vantrel {

constexpr std::uint32_t PackColor(int red, int green, int blue) {
    return static_cast<std::uint32_t>(red & 255) | (static_cast<std::uint32_t>(green & 255) << 8) |
           (static_cast<std::uint32_t>(blue & 255) << 16);
}
constexpr int ColorRed(std::uint32_t color) { return static_cast<int>(color & 255); }
constexpr int ColorGreen(std::uint32_t color) { return static_cast<int>((color >> 8) & 255); }
constexpr int ColorBlue(std::uint32_t color) { return static_cast<int>((color >> 16) & 255); }

class Canvas {
public:
    // Large enough for the widest (1984) and tallest (2117) texture the main window can be fitted
    // to, plus the frame strip to the texture's right and the run-length overhang of one packet.
    static constexpr int kDefaultWidth = 2240;
    static constexpr int kDefaultHeight = 2240;

    explicit Canvas(std::uint32_t startColor, int width = kDefaultWidth, int height = kDefaultHeight);

    int width() const { return width_; }
    int height() const { return height_; }
    std::uint32_t startColor() const { return startColor_; }

    // Row-major 0xFFRRGGBB pixels, width() per row.
    std::uint32_t* bits() { return pixels_.data(); }
    const std::uint32_t* bits() const { return pixels_.data(); }
    // The stored pixels of row y (0 <= y < height()).
    std::uint32_t* row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    const std::uint32_t* row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }

    bool contains(int x, int y) const {
        return static_cast<unsigned>(x) < static_cast<unsigned>(width_) &&
               static_cast<unsigned>(y) < static_cast<unsigned>(height_);
    }

    // Put pixel: one pixel in a colour value; outside the canvas nothing happens.
    void putPixel(int x, int y, std::uint32_t color) {
        if (contains(x, y)) pixels_[static_cast<std::size_t>(y) * width_ + x] = ToStored(color);
    }

    // The colour value at (x, y); outside the canvas 0xFFFFFFFF, as the platform's GetPixel answers.
    std::uint32_t getPixel(int x, int y) const {
        if (!contains(x, y)) return 0xFFFFFFFFu;
        return FromStored(pixels_[static_cast<std::size_t>(y) * width_ + x]);
    }

    // Paint run: columns x to x + n - 1 of row y (a line from (x, y) to (x + n, y), end point not
    // painted). Clipped to the canvas; n <= 0 paints nothing.
    void paintRun(int x, int y, int n, std::uint32_t color);

    // Fills the whole canvas (used once, at start, with the window's background colour).
    void fill(std::uint32_t color);

    // Present progress: the handler brings the window up to date and lets pending window events
    // run. The reader calls it every 32 rows. With no handler it does nothing.
    void setProgressHandler(std::function<void()> handler) { progress_ = std::move(handler); }
    void presentProgress() {
        if (progress_) progress_();
    }

    static constexpr std::uint32_t ToStored(std::uint32_t color) {
        return 0xFF000000u | ((color & 0xFFu) << 16) | (color & 0xFF00u) | ((color >> 16) & 0xFFu);
    }
    static constexpr std::uint32_t FromStored(std::uint32_t stored) {
        return ((stored >> 16) & 0xFFu) | (stored & 0xFF00u) | ((stored & 0xFFu) << 16);
    }

private:
    int width_;
    int height_;
    std::uint32_t startColor_;
    std::vector<std::uint32_t> pixels_;
    std::function<void()> progress_;
};

// One blended channel: old + (value - old) * alpha / 256, the quotient taken to the nearest integer
// and a quotient exactly halfway to the even neighbour. The product is exact.
//
// Written without branches so that a row of blends vectorises: with product = 256 q + r (q the floor
// quotient, 0 <= r < 256), adding 127 + (q & 1) before the floor shift carries into q exactly when
// r > 128, or when r == 128 and q is odd.
constexpr int BlendChannel(int oldValue, int value, int alpha) {
    const int product = (value - oldValue) * alpha;
    return oldValue + ((product + 127 + ((product >> 8) & 1)) >> 8);
}

// BlendChannel applied to the three channels of a stored (0xFFRRGGBB) pixel.
constexpr std::uint32_t BlendStored(std::uint32_t stored, int red, int green, int blue, int alpha) {
    const int newRed = BlendChannel(static_cast<int>((stored >> 16) & 0xFFu), red, alpha);
    const int newGreen = BlendChannel(static_cast<int>((stored >> 8) & 0xFFu), green, alpha);
    const int newBlue = BlendChannel(static_cast<int>(stored & 0xFFu), blue, alpha);
    return 0xFF000000u | (static_cast<std::uint32_t>(newRed & 255) << 16) |
           (static_cast<std::uint32_t>(newGreen & 255) << 8) | static_cast<std::uint32_t>(newBlue & 255);
}

// Blends (red, green, blue) at alpha over the canvas pixel (x, y). Outside the canvas: nothing.
void BlendPixel(Canvas& lngDC, std::int16_t intX, std::int16_t intY, std::int16_t intRed, std::int16_t intGreen,
                std::int16_t intBlue, std::int16_t intAlpha);

// Washes the rectangle of intWidth x intHeight pixels at the canvas origin toward the colour, blending
// at alpha 255 from the bottom-right pixel to the top-left one. Does not present progress.
void PaintBackground(std::int16_t intHeight, std::int16_t intWidth, Canvas& frmTarget, std::int16_t intRed,
                     std::int16_t intGreen, std::int16_t intBlue);

}  // namespace vantrel

#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A picture in memory, for PNG output: width × height pixels, row after row, each 0xAARRGGBB.
// Plain C++, so vantrel-check needs no toolkit on any system.
namespace vantrel::check {

constexpr std::uint32_t Argb(int red, int green, int blue, int alpha = 255) {
    return (static_cast<std::uint32_t>(alpha & 255) << 24) | (static_cast<std::uint32_t>(red & 255) << 16) |
           (static_cast<std::uint32_t>(green & 255) << 8) | static_cast<std::uint32_t>(blue & 255);
}

struct PixelSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

class Picture {
public:
    Picture() = default;
    Picture(int width, int height, std::uint32_t fill = 0);

    bool isNull() const { return width_ <= 0 || height_ <= 0; }
    int width() const { return width_; }
    int height() const { return height_; }
    PixelSize size() const { return {width_, height_}; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    std::uint32_t pixel(int x, int y) const { return pixels_[Index(x, y)]; }
    void setPixel(int x, int y, std::uint32_t argb) { pixels_[Index(x, y)] = argb; }
    // Sets the pixel when it lies inside the picture; does nothing otherwise.
    void plot(int x, int y, std::uint32_t argb) {
        if (contains(x, y)) setPixel(x, y, argb);
    }
    // Copies source's pixels, transparent ones too, with its top-left corner at (left, top); what
    // falls outside this picture is left out.
    void copyIn(const Picture& source, int left, int top);
    // The part of the picture in the box; what lies outside the picture is transparent black.
    Picture copy(int left, int top, int width, int height) const;
    const std::vector<std::uint32_t>& pixels() const { return pixels_; }
    friend bool operator==(const Picture&, const Picture&) = default;

private:
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }

    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

// Writes the picture as an 8-bit RGBA PNG file. The path is opened through std::filesystem, so
// on Windows names outside the ANSI code page work. On failure, says why in *error.
bool WritePng(const Picture& picture, const std::filesystem::path& path, std::string* error);

// The PNG file's bytes, for tests and for callers that write elsewhere.
std::vector<std::uint8_t> EncodePng(const Picture& picture);

}  // namespace vantrel::check

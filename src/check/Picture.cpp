#include "check/Picture.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>

#include "check/FolderWalk.h"

namespace vantrel::check {

Picture::Picture(int width, int height, std::uint32_t fill) {
    if (width <= 0 || height <= 0) return;
    width_ = width;
    height_ = height;
    pixels_.assign(static_cast<std::size_t>(width) * height, fill);
}

void Picture::copyIn(const Picture& source, int left, int top) {
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) plot(left + x, top + y, source.pixel(x, y));
}

Picture Picture::copy(int left, int top, int width, int height) const {
    Picture part(width, height);
    for (int y = 0; y < part.height(); ++y)
        for (int x = 0; x < part.width(); ++x)
            if (contains(left + x, top + y)) part.setPixel(x, y, pixel(left + x, top + y));
    return part;
}

std::vector<std::uint8_t> EncodePng(const Picture& picture) {
    std::vector<std::uint8_t> rgba;
    rgba.reserve(picture.pixels().size() * 4);
    for (const std::uint32_t p : picture.pixels()) {
        rgba.push_back(static_cast<std::uint8_t>(p >> 16));
        rgba.push_back(static_cast<std::uint8_t>(p >> 8));
        rgba.push_back(static_cast<std::uint8_t>(p));
        rgba.push_back(static_cast<std::uint8_t>(p >> 24));
    }
    std::vector<std::uint8_t> png;
    if (picture.isNull()) return png;
    auto append = [](void* context, void* data, int size) {
        auto* out = static_cast<std::vector<std::uint8_t>*>(context);
        const auto* bytes = static_cast<const std::uint8_t*>(data);
        out->insert(out->end(), bytes, bytes + size);
    };
    if (!stbi_write_png_to_func(append, &png, picture.width(), picture.height(), 4, rgba.data(), picture.width() * 4))
        png.clear();
    return png;
}

bool WritePng(const Picture& picture, const std::filesystem::path& path, std::string* error) {
    const std::vector<std::uint8_t> png = EncodePng(picture);
    if (png.empty()) {
        if (error) *error = "the picture is empty";
        return false;
    }
    std::ofstream file(SystemPath(path), std::ios::binary | std::ios::trunc);
    if (!file) {
        if (error) *error = std::strerror(errno);
        return false;
    }
    file.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    file.close();
    if (!file) {
        if (error) *error = "the file could not be written in full";
        return false;
    }
    return true;
}

}  // namespace vantrel::check

#include "TgaWriter.h"

#include "targa/Canvas.h"

namespace vantrel::check::test {

namespace {

std::string Text(const vantrel::test::Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

}  // namespace

std::string MakeTarga24(int width, int height, const PixelFunction& pixel, RowOrder order) {
    const vantrel::test::TargaPicture picture{.width = width, .height = height, .pixel = pixel, .order = order};
    return Text(vantrel::test::EncodeTarga(picture));
}

std::string MakeTarga32(int width, int height, const PixelFunction& pixel, const std::function<int(int x, int y)>& alpha) {
    const vantrel::test::TargaPicture picture{
        .width = width,
        .height = height,
        .pixel = [&](int x, int y) {
            return (pixel(x, y) & 0xFFFFFFu) | static_cast<std::uint32_t>(alpha(x, y) & 255) << 24;
        },
        .bitsPerPixel = 32};
    return Text(vantrel::test::EncodeTarga(picture));
}

std::string MakeTargaHeaderOnly(int imageType, int bitsPerPixel, int width, int height) {
    vantrel::test::TargaFields fields;
    fields.imageType = imageType;
    fields.bitsPerPixel = bitsPerPixel;
    fields.width = width;
    fields.height = height;
    return Text(vantrel::test::TargaHeaderBytes(fields));
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    vantrel::test::WriteFileBytes(path, bytes);
}

std::uint32_t DistinctColor(int x, int y) { return PackColor(x * 7 + 3, y * 11 + 5, (x * 3 + y * 5) & 255); }

}  // namespace vantrel::check::test

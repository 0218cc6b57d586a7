#include "support/TargaWriter.h"

#include <fstream>
#include <stdexcept>

namespace vantrel::test {

namespace {

void PutWord(Bytes& bytes, int value) {
    bytes.push_back(static_cast<std::uint8_t>(value & 255));
    bytes.push_back(static_cast<std::uint8_t>((value >> 8) & 255));
}

// What the file keeps of a pixel's value at this depth: pixels that store the same bytes are equal.
std::uint32_t Stored(std::uint32_t value, int bitsPerPixel) {
    switch (bitsPerPixel) {
        case 8: return value & 255;
        case 16: return ((value & 0xF8) << 7) | ((value >> 6) & 0x3E0) | ((value >> 19) & 0x1F);
        case 24: return value & 0xFFFFFF;
        default: return value;
    }
}

// The bytes of a stored value (Stored above), as the file holds them.
void PutStored(Bytes& out, std::uint32_t stored, int bitsPerPixel) {
    switch (bitsPerPixel) {
        case 8: out.push_back(static_cast<std::uint8_t>(stored)); break;
        case 16: PutWord(out, static_cast<int>(stored)); break;
        default:  // blue, green, red and, at 32 bits, alpha
            out.insert(out.end(), {std::uint8_t(stored >> 16), std::uint8_t(stored >> 8), std::uint8_t(stored)});
            if (bitsPerPixel == 32) out.push_back(static_cast<std::uint8_t>(stored >> 24));
    }
}

void PutRunLengthRow(const std::vector<std::uint32_t>& row, int bitsPerPixel, Bytes& out) {
    const int width = static_cast<int>(row.size());
    int i = 0;
    while (i < width) {
        int run = 1;
        while (i + run < width && run < 128 && row[i + run] == row[i]) ++run;
        if (run >= 2) {
            out.push_back(static_cast<std::uint8_t>(0x80 | (run - 1)));
            PutStored(out, row[i], bitsPerPixel);
            i += run;
            continue;
        }
        int raw = 1;
        while (i + raw < width && raw < 128 && !(i + raw + 1 < width && row[i + raw] == row[i + raw + 1])) ++raw;
        out.push_back(static_cast<std::uint8_t>(raw - 1));
        for (int k = 0; k < raw; ++k) PutStored(out, row[i + k], bitsPerPixel);
        i += raw;
    }
}

template <typename Text>
void WriteFile(const std::filesystem::path& path, const Text& bytes) {
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

Bytes TargaHeaderBytes(const TargaFields& f) {
    Bytes bytes;
    bytes.push_back(static_cast<std::uint8_t>(f.idLength));
    bytes.push_back(static_cast<std::uint8_t>(f.colorMapType));
    bytes.push_back(static_cast<std::uint8_t>(f.imageType));
    PutWord(bytes, f.colorMapStart);
    PutWord(bytes, f.colorMapLength);
    bytes.push_back(static_cast<std::uint8_t>(f.colorMapDepth));
    PutWord(bytes, 0);  // x origin
    PutWord(bytes, 0);  // y origin
    PutWord(bytes, f.width);
    PutWord(bytes, f.height);
    bytes.push_back(static_cast<std::uint8_t>(f.bitsPerPixel));
    bytes.push_back(static_cast<std::uint8_t>(f.descriptor));
    return bytes;
}

Bytes EncodeTarga(const TargaPicture& picture) {
    const bool mapped = picture.bitsPerPixel == 8;
    TargaFields fields;
    fields.colorMapType = mapped ? 1 : 0;
    fields.imageType = (mapped ? 1 : 2) + (picture.runLength ? 8 : 0);
    fields.colorMapLength = mapped ? static_cast<int>(picture.colorTable.size()) : 0;
    fields.colorMapDepth = mapped ? 24 : 0;
    fields.width = picture.width;
    fields.height = picture.height;
    fields.bitsPerPixel = picture.bitsPerPixel;
    fields.descriptor = (picture.bitsPerPixel == 32 ? 8 : 0) | (picture.order == RowOrder::TopDown ? 0x20 : 0);
    Bytes bytes = TargaHeaderBytes(fields);
    if (mapped)
        for (std::uint32_t color : picture.colorTable) PutStored(bytes, Stored(color, 24), 24);

    std::vector<std::uint32_t> row(static_cast<std::size_t>(picture.width));
    for (int stored = 0; stored < picture.height; ++stored) {
        const int y = picture.order == RowOrder::TopDown ? stored : picture.height - 1 - stored;
        for (int x = 0; x < picture.width; ++x) row[x] = Stored(picture.pixel(x, y), picture.bitsPerPixel);
        if (picture.runLength) {
            PutRunLengthRow(row, picture.bitsPerPixel, bytes);
        } else {
            for (std::uint32_t value : row) PutStored(bytes, value, picture.bitsPerPixel);
        }
    }
    return bytes;
}

void WriteFileBytes(const std::filesystem::path& path, const Bytes& bytes) { WriteFile(path, bytes); }
void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes) { WriteFile(path, bytes); }

}  // namespace vantrel::test

#include "targa/TargaReader.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstring>
#include <exception>
#include <new>
#include <string>

#include "targa/ByteReader.h"
#include "targa/FileByteSource.h"
#include "targa/PixelRows.h"
#include "targa/TargaHeader.h"

namespace vantrel {

namespace {

constexpr const char* kErrorTitle = "Error";
constexpr const char* kNotValid = "This is not a valid TGA file.";
constexpr const char* kTypeNotSupported = "This image type is not supported.";
constexpr const char* kDepthNotSupported = "We only support 8, 16, 24, and 32 bits per pixel.";
constexpr const char* kReadErrorLead = "There was an error reading the file:\r\n";

// Every failure after the open has begun ends the load through one message: kReadErrorLead and a
// one-line description.
struct ReadFailure {
    std::string description;
};

// One process has one reader. Presenting progress lets window events run in the middle of a load, so
// a second load can be started from one of them; it is refused instead of painting into the first.
std::atomic<bool> gLoadInProgress{false};

class LoadInProgressGuard {
public:
    LoadInProgressGuard() : acquired_(!gLoadInProgress.exchange(true)) {}
    ~LoadInProgressGuard() { release(); }
    LoadInProgressGuard(const LoadInProgressGuard&) = delete;
    LoadInProgressGuard& operator=(const LoadInProgressGuard&) = delete;
    bool acquired() const { return acquired_; }
    void release() {
        if (acquired_) gLoadInProgress.store(false);
        acquired_ = false;
    }

private:
    bool acquired_;
};

bool IsRejectedType(int imageType) { return imageType == 3 || imageType == 11 || imageType == 32 || imageType == 33; }
bool HasColorTable(int imageType) { return imageType == 1 || imageType == 9; }
bool IsUncompressed(int imageType) { return imageType == 1 || imageType == 2; }
bool IsRunLength(int imageType) { return imageType == 9 || imageType == 10; }

constexpr std::uint32_t kOpaque = 0xFF000000u;

// Paints the decoded pixels onto the canvas. Pixels are put straight into the canvas memory, each
// clipped range computed once per row or packet, so the per-pixel work is a load, a conversion and
// a store.
class TargaDecoder {
public:
    TargaDecoder(ByteReader& input, Canvas& canvas, const TargaHeader& header)
        : input_(input),
          canvas_(canvas),
          width_(header.ImageWidth),
          height_(header.ImageHeight),
          bytesPerPixel_(header.BitsPerPixel / 8) {}

    // Entries 0 upwards, three bytes each: blue, green, red, whatever the header's colour-map fields
    // say. The table has 2^BitsPerPixel entries counted in a 16-bit signed counter, so only the
    // 256-entry table of 8-bit images can be read; 65536 entries and more are refused.
    void readColorTable(int bitsPerPixel) {
        if (bitsPerPixel != 8)
            throw ReadFailure{"A colour table for " + std::to_string(bitsPerPixel) +
                              " bits per pixel has more entries than can be read."};
        for (std::uint32_t& entry : table_) {
            const std::uint8_t blue = input_.ReadByte();
            const std::uint8_t green = input_.ReadByte();
            const std::uint8_t red = input_.ReadByte();
            entry = kOpaque | (static_cast<std::uint32_t>(red) << 16) | (static_cast<std::uint32_t>(green) << 8) | blue;
        }
        hasTable_ = true;
    }

    void decodeUncompressed() {
        const std::size_t rowBytes = static_cast<std::size_t>(width_) * bytesPerPixel_;
        input_.reserveBlock(rowBytes);
        for (int y = height_ - 1; y >= 0; --y) {
            if (input_.atEnd()) {
                paintZeroRows(y);
                return;
            }
            const std::uint8_t* bytes = input_.readBlock(rowBytes);
            paintPixels(0, y, bytes, width_);
            if (y % 32 == 0) canvas_.presentProgress();
        }
    }

    void decodeRunLength() {
        input_.reserveBlock(128u * bytesPerPixel_);
        int x = 0;
        int y = height_ - 1;
        while (y >= 0) {
            if (input_.atEnd()) {
                paintZeroPackets(x, y);
                return;
            }
            const int packetHeader = input_.ReadByte();
            int count;
            if (packetHeader < 128) {
                count = packetHeader + 1;
                paintPixels(x, y, input_.readBlock(static_cast<std::size_t>(count) * bytesPerPixel_), count);
            } else {
                count = packetHeader - 127;
                std::array<std::uint8_t, 4> value{};
                for (int i = 0; i < bytesPerPixel_; ++i) value[i] = input_.ReadByte();
                paintRun(x, y, count, value.data());
            }
            // A packet is never split at a row end: its surplus lands to the right of the image.
            x += count;
            if (x >= width_) {
                x = 0;
                --y;
                if (y % 32 == 0) canvas_.presentProgress();
            }
        }
    }

private:
    std::uint32_t tableEntry(std::uint8_t index) const {
        if (!hasTable_)
            throw ReadFailure{"Colour index " + std::to_string(index) +
                              " is out of range: the image has no colour table."};
        return table_[index];
    }

    // Columns [first, end) of row y that lie on the canvas, with first >= x; empty when none.
    std::uint32_t* clip(int x, int y, int count, int& first, int& end) const {
        first = std::max(x, 0);
        end = static_cast<int>(std::min<long long>(static_cast<long long>(x) + count, canvas_.width()));
        if (y < 0 || y >= canvas_.height() || first >= end) return nullptr;
        return canvas_.row(y);
    }

    // count pixels of the given bytes at columns x onwards of row y.
    void paintPixels(int x, int y, const std::uint8_t* bytes, int count) {
        if (count <= 0) return;
        if (bytesPerPixel_ == 1 && !hasTable_) tableEntry(bytes[0]);
        int first, end;
        std::uint32_t* row = clip(x, y, count, first, end);
        if (!row) return;
        const std::uint8_t* in = bytes + static_cast<std::size_t>(first - x) * bytesPerPixel_;
        std::uint32_t* out = row + first;
        const int n = end - first;
        switch (bytesPerPixel_) {
            case 1: PaintRow8(out, in, n, table_.data()); break;
            case 2: PaintRow16(out, in, n); break;
            case 3: PaintRow24(out, in, n); break;
            default: BlendRow32(out, in, n); break;
        }
    }

    // count pixels of one value at columns x onwards of row y: one run at 8, 16 and 24 bits, one
    // blend per pixel at 32.
    void paintRun(int x, int y, int count, const std::uint8_t* value) {
        std::uint32_t stored = 0;
        switch (bytesPerPixel_) {
            case 1: stored = tableEntry(value[0]); break;
            case 2: PaintRow16(&stored, value, 1); break;
            case 3: PaintRow24(&stored, value, 1); break;
            default: break;
        }
        int first, end;
        std::uint32_t* row = clip(x, y, count, first, end);
        if (!row) return;
        if (bytesPerPixel_ == 4) {
            std::array<std::uint8_t, 4 * 128> repeated;
            for (int i = 0; i < end - first; ++i) std::memcpy(&repeated[4 * i], value, 4);
            BlendRow32(row + first, repeated.data(), end - first);
        } else {
            std::fill(row + first, row + end, stored);
        }
    }

    // What a pixel of zero bytes paints, or false at 32 bits, where alpha 0 leaves the canvas as it is.
    bool zeroPixel(std::uint32_t& stored) const {
        switch (bytesPerPixel_) {
            case 1: stored = tableEntry(0); return true;
            case 4: return false;
            default: stored = kOpaque; return true;
        }
    }

    // Once the data has ended every remaining row is zero bytes. Painting them as whole runs, and only
    // where they meet the canvas, keeps a short file that declares a huge image from taking longer than
    // the canvas takes to fill.
    void paintZeroRows(int fromY) {
        std::uint32_t stored = 0;
        const bool visible = width_ > 0 && zeroPixel(stored);
        for (int y = fromY; y >= 0; --y) {
            if (visible) fillSpan(0, y, width_, stored);
            if (y % 32 == 0) canvas_.presentProgress();
        }
    }

    // Past the end every packet header is zero: a raw packet of one zero pixel. They fill the rest of
    // row fromY from column x (at least one pixel), then each later row (y - 1 down to 0) from column 0.
    void paintZeroPackets(int x, int fromY) {
        std::uint32_t stored = 0;
        const bool visible = zeroPixel(stored);
        for (int y = fromY; y >= 0; --y) {
            const int rowStart = y == fromY ? x : 0;
            const int rowEnd = std::max(width_, rowStart + 1);
            if (visible) fillSpan(rowStart, y, rowEnd - rowStart, stored);
            if (y - 1 >= 0 && (y - 1) % 32 == 0) canvas_.presentProgress();
        }
    }

    void fillSpan(int x, int y, int count, std::uint32_t stored) {
        int first, end;
        std::uint32_t* row = clip(x, y, count, first, end);
        if (row) std::fill(row + first, row + end, stored);
    }

    ByteReader& input_;
    Canvas& canvas_;
    const int width_;
    const int height_;
    const int bytesPerPixel_;
    bool hasTable_ = false;
    std::array<std::uint32_t, 256> table_{};
};

// The load proper. Returns the message to show, empty when there is none.
std::string Decode(ByteSource& source, Canvas& canvas, std::int16_t& intWidth, std::int16_t& intHeight) {
    ByteReader input(source);
    if (input.atEnd()) throw ReadFailure{"The file is empty."};

    const TargaHeader header = ParseTargaHeader(input.readBlock(kTargaHeaderSize));
    if (header.ColorMapType > 1) return kNotValid;

    intWidth = header.ImageWidth;
    intHeight = header.ImageHeight;

    input.skip(header.IDLength);

    if (IsRejectedType(header.ImageType)) return kTypeNotSupported;
    const int bits = header.BitsPerPixel;
    if (bits != 8 && bits != 16 && bits != 24 && bits != 32) return kDepthNotSupported;

    TargaDecoder decoder(input, canvas, header);
    if (HasColorTable(header.ImageType)) decoder.readColorTable(bits);

    const bool uncompressed = IsUncompressed(header.ImageType);
    if (!uncompressed && !IsRunLength(header.ImageType)) return {};  // neither decoded nor rejected

    if (header.ImageWidth < 0 || header.ImageHeight < 0)
        throw ReadFailure{"The image is wider or taller than 32767 pixels."};

    if (uncompressed)
        decoder.decodeUncompressed();
    else
        decoder.decodeRunLength();
    return {};
}

std::string OneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\r', ' ');
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text.empty() ? std::string("Unknown error.") : text;
}

std::string ReadErrorMessage(const std::string& description) { return kReadErrorLead + OneLine(description); }

// Decode with every failure turned into the general error message.
std::string DecodeReportingFailures(ByteSource& source, Canvas& canvas, std::int16_t& intWidth,
                                    std::int16_t& intHeight) {
    try {
        return Decode(source, canvas, intWidth, intHeight);
    } catch (const ReadFailure& failure) {
        return ReadErrorMessage(failure.description);
    } catch (const std::bad_alloc&) {
        return ReadErrorMessage("There is not enough memory to read the image.");
    } catch (const std::exception& error) {
        return ReadErrorMessage(error.what());
    }
}

const char* kStillLoading = "Another texture is still loading.";

void ShowMessage(UserInteraction& ui, const std::string& message) {
    if (!message.empty()) ui.message(message, kErrorTitle, MessageIcon::Critical);
}

}  // namespace

bool TargaLoadInProgress() { return gLoadInProgress.load(); }

void LoadTarga(const std::string& strFileName, Canvas& frmTarget, std::int16_t& intWidth, std::int16_t& intHeight,
               UserInteraction& ui) {
    std::string message;
    {
        LoadInProgressGuard guard;
        if (!guard.acquired()) {
            message = ReadErrorMessage(kStillLoading);
        } else {
            FileByteSource file(strFileName);
            message = file.isOpen() ? DecodeReportingFailures(file, frmTarget, intWidth, intHeight)
                                    : ReadErrorMessage(file.openFailure());
        }
        // The file is closed and the guard released before the message box waits for the user.
    }
    ShowMessage(ui, message);
}

void LoadTarga(ByteSource& source, Canvas& frmTarget, std::int16_t& intWidth, std::int16_t& intHeight,
               UserInteraction& ui) {
    std::string message;
    {
        LoadInProgressGuard guard;
        message = guard.acquired() ? DecodeReportingFailures(source, frmTarget, intWidth, intHeight)
                                   : ReadErrorMessage(kStillLoading);
    }
    ShowMessage(ui, message);
}

}  // namespace vantrel

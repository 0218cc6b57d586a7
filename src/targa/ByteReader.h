#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "targa/TargaReader.h"

// Buffered, zero-filled reading from a ByteSource for the Targa reader.
//
// A Targa file may end before the image its header describes is complete; the reader then goes on
// counting pixels and rows and every missing byte reads as zero. Reading goes through a buffer so
// that the per-pixel path never calls the (virtual) source: ReadByte is an inline load, and a row or
// a raw packet is handed out as a pointer into the buffer, or into the source's own memory when it
// offers to be read in place.
namespace vantrel {

class ByteReader {
public:
    explicit ByteReader(ByteSource& source, std::size_t capacity = 64 * 1024);

    ByteReader(const ByteReader&) = delete;
    ByteReader& operator=(const ByteReader&) = delete;

    // The next byte of the data, 0 to 255; 0 once the data has ended.
    std::uint8_t ReadByte() {
        if (next_ != end_) return *next_++;
        return readByteSlow();
    }

    // The next n bytes as one block, missing bytes zero. The pointer stays valid until the next
    // call on this reader. Blocks larger than the buffer grow it (once, before the first pixel).
    const std::uint8_t* readBlock(std::size_t n);

    // Reads and discards n bytes.
    void skip(std::size_t n);

    // Makes sure blocks of n bytes need no allocation later.
    void reserveBlock(std::size_t n);

    // True when every byte of the data has been consumed (asks the source when the buffer is empty).
    bool atEnd() { return next_ == end_ && fill(1) == 0; }

    // Total bytes consumed so far, zero bytes past the end included.
    std::uint64_t consumed() const { return consumedBefore_ + static_cast<std::uint64_t>(next_ - windowStart_); }

private:
    std::uint8_t readByteSlow();
    // Moves the unread bytes to the front and reads from the source until at least n bytes are
    // buffered or the source has ended. Returns the number of buffered bytes.
    std::size_t fill(std::size_t n);

    bool windowIsBuffer() const { return windowStart_ == buffer_.data(); }

    ByteSource& source_;
    std::vector<std::uint8_t> buffer_;
    // The bytes being read: the buffer, or the source's own memory when it offers it in place.
    const std::uint8_t* windowStart_;
    const std::uint8_t* next_;
    const std::uint8_t* end_;
    std::uint64_t consumedBefore_ = 0;
    bool sourceEnded_ = false;
};

}  // namespace vantrel

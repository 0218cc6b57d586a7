#include "targa/ByteReader.h"

#include <algorithm>
#include <cstring>

namespace vantrel {

ByteReader::ByteReader(ByteSource& source, std::size_t capacity)
    : source_(source),
      buffer_(std::max<std::size_t>(capacity, 16)),
      windowStart_(buffer_.data()),
      next_(buffer_.data()),
      end_(buffer_.data()) {
    std::size_t count = 0;
    if (const std::uint8_t* inPlace = source_.readAllInPlace(count)) {
        windowStart_ = next_ = inPlace;
        end_ = inPlace + count;
        sourceEnded_ = true;
    }
}

std::size_t ByteReader::fill(std::size_t n) {
    std::size_t buffered = static_cast<std::size_t>(end_ - next_);
    if (buffered >= n || sourceEnded_) return buffered;
    if (n > buffer_.size()) reserveBlock(n);
    std::uint8_t* base = buffer_.data();
    const std::size_t offset = static_cast<std::size_t>(next_ - windowStart_);
    consumedBefore_ += offset;
    if (buffered > 0 && offset > 0) std::memmove(base, next_, buffered);
    windowStart_ = next_ = base;
    while (buffered < n && !sourceEnded_) {
        const std::size_t wanted = buffer_.size() - buffered;
        const std::size_t got = source_.read(base + buffered, wanted);
        buffered += std::min(got, wanted);
        if (got < wanted) sourceEnded_ = true;
    }
    end_ = base + buffered;
    return buffered;
}

std::uint8_t ByteReader::readByteSlow() {
    if (fill(1) == 0) {
        ++consumedBefore_;
        return 0;
    }
    return *next_++;
}

const std::uint8_t* ByteReader::readBlock(std::size_t n) {
    const std::size_t buffered = fill(n);
    const std::uint8_t* block = next_;
    if (buffered >= n) {
        next_ += n;
        return block;
    }
    // The data ends inside the block: the bytes after the last real one read as zero. The real
    // bytes move to the front, the zeros are written behind them, and all of it counts as consumed.
    if (n > buffer_.size()) reserveBlock(n);
    std::uint8_t* base = buffer_.data();
    consumedBefore_ += static_cast<std::size_t>(next_ - windowStart_) + (n - buffered);
    if (buffered > 0) std::memmove(base, next_, buffered);
    std::memset(base + buffered, 0, n - buffered);
    windowStart_ = base;
    next_ = end_ = base + buffered;
    return base;
}

void ByteReader::skip(std::size_t n) {
    while (n > 0) {
        const std::size_t buffered = fill(std::min(n, buffer_.size()));
        if (buffered == 0) {
            consumedBefore_ += n;
            return;
        }
        const std::size_t step = std::min(n, buffered);
        next_ += step;
        n -= step;
    }
}

void ByteReader::reserveBlock(std::size_t n) {
    if (n <= buffer_.size()) return;
    if (!windowIsBuffer()) {
        buffer_.resize(n);
        return;
    }
    const std::size_t offset = static_cast<std::size_t>(next_ - windowStart_);
    const std::size_t buffered = static_cast<std::size_t>(end_ - next_);
    buffer_.resize(n);
    windowStart_ = buffer_.data();
    next_ = windowStart_ + offset;
    end_ = next_ + buffered;
}


}  // namespace vantrel

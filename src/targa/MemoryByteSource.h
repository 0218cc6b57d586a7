#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "targa/TargaReader.h"

// A ByteSource over bytes already in memory (tests, the fuzz target, the benchmark). The bytes are
// not copied and must outlive the source.
namespace vantrel {

class MemoryByteSource : public ByteSource {
public:
    MemoryByteSource(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    template <typename Container>
    explicit MemoryByteSource(const Container& bytes)
        : MemoryByteSource(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()) {}
    // The source keeps no copy: a temporary container would be gone before the first read.
    template <typename Container>
    explicit MemoryByteSource(const Container&& bytes) = delete;

    std::size_t read(std::uint8_t* destination, std::size_t n) override {
        const std::size_t count = std::min(n, size_ - position_);
        if (count > 0) std::memcpy(destination, data_ + position_, count);
        position_ += count;
        return count;
    }

    const std::uint8_t* readAllInPlace(std::size_t& count) override {
        count = size_ - position_;
        const std::uint8_t* remaining = data_ + position_;
        position_ = size_;
        return remaining;
    }

    // How many bytes have been handed out so far.
    std::size_t position() const { return position_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

}  // namespace vantrel

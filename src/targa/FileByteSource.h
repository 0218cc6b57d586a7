#pragma once

#include <cstdio>
#include <string>

#include "targa/TargaReader.h"

// A ByteSource over a regular file opened for reading. Opening never creates a file; a path that is
// empty, missing, a folder, a device or unreadable leaves the source closed with a one-line
// description of why.
namespace vantrel {

class FileByteSource : public ByteSource {
public:
    // strFileName is UTF-8 on every platform.
    explicit FileByteSource(const std::string& strFileName);
    ~FileByteSource() override;
    FileByteSource(const FileByteSource&) = delete;
    FileByteSource& operator=(const FileByteSource&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    const std::string& openFailure() const { return openFailure_; }

    // Throws std::runtime_error when the file cannot be read (not at its end).
    std::size_t read(std::uint8_t* destination, std::size_t n) override;

    void close();

private:
    std::FILE* file_ = nullptr;
    std::string openFailure_;
};

}  // namespace vantrel

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/UserInteraction.h"
#include "targa/Canvas.h"

// The Targa (TGA) reader: checks the 18-byte header, reads the colour table of colour-mapped
// images, decodes uncompressed and run-length data at 8, 16, 24 and 32 bits per pixel and paints
// it, bottom row first, onto a canvas. It reports every failure itself through the
// UserInteraction (title "Error", critical icon) and never passes one back to its caller.
namespace vantrel {

// A sequential stream of bytes read from the start without seeking.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Copies up to n bytes into destination and returns how many were copied; fewer than n only
    // at the end of the data.
    virtual std::size_t read(std::uint8_t* destination, std::size_t n) = 0;
    // A source that holds all its remaining bytes in memory may offer them to be read in place,
    // without copying: it returns them and their count and counts them as read. Others return nullptr.
    virtual const std::uint8_t* readAllInPlace(std::size_t& count) {
        count = 0;
        return nullptr;
    }
};

// Loads the file at strFileName (UTF-8). intWidth and intHeight are set from the header as soon
// as its colour-map type has been accepted and are left unchanged when the load fails before that.
void LoadTarga(const std::string& strFileName, Canvas& frmTarget, std::int16_t& intWidth, std::int16_t& intHeight,
               UserInteraction& ui);

// The same, reading from an already opened source.
void LoadTarga(ByteSource& source, Canvas& frmTarget, std::int16_t& intWidth, std::int16_t& intHeight,
               UserInteraction& ui);

// True while a load is painting. Progress lets window events run in the middle of a load; a load
// started from one of them is refused ("There was an error reading the file:" and "Another texture
// is still loading."), and a command can ask this first to avoid changing anything before that.
bool TargaLoadInProgress();

}  // namespace vantrel

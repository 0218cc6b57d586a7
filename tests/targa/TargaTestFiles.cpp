#include "TargaTestFiles.h"

#include <gtest/gtest.h>

#include <cmath>

#include "targa/MemoryByteSource.h"
#include "targa/TargaReader.h"

namespace vantrel::test {

void Append(Bytes& bytes, std::initializer_list<int> more) {
    for (int value : more) bytes.push_back(static_cast<std::uint8_t>(value));
}

void Append(Bytes& bytes, const Bytes& more) { bytes.insert(bytes.end(), more.begin(), more.end()); }

Bytes TargaFile(const TargaFields& fields, std::initializer_list<int> data) {
    Bytes bytes = TargaHeaderBytes(fields);
    Append(bytes, data);
    return bytes;
}

Bytes TargaFile(const TargaFields& fields, const Bytes& data) {
    Bytes bytes = TargaHeaderBytes(fields);
    Append(bytes, data);
    return bytes;
}

Bytes ColorTable(std::uint32_t (*colorOf)(int index)) {
    Bytes bytes;
    for (int i = 0; i < 256; ++i) {
        const std::uint32_t color = colorOf(i);
        Append(bytes, {ColorBlue(color), ColorGreen(color), ColorRed(color)});
    }
    return bytes;
}

std::string LoadOutcome::message() const {
    EXPECT_LE(messages.size(), 1u) << "more than one message box";
    return messages.empty() ? std::string() : messages.front().text;
}

LoadOutcome LoadBytes(const Bytes& bytes, Canvas& canvas) {
    ScriptedUserInteraction ui;
    MemoryByteSource source(bytes);
    LoadOutcome outcome;
    LoadTarga(source, canvas, outcome.width, outcome.height, ui);
    outcome.messages = ui.messages();
    for (const auto& shown : outcome.messages) {
        EXPECT_EQ(shown.title, "Error");
        EXPECT_EQ(shown.icon, MessageIcon::Critical);
        EXPECT_EQ(shown.buttons, MessageButtons::Ok);
    }
    return outcome;
}

bool IsReadErrorMessage(const std::string& text) {
    const std::string lead = kReadErrorLead;
    if (text.size() <= lead.size() || text.compare(0, lead.size(), lead) != 0) return false;
    return text.find_first_of("\r\n", lead.size()) == std::string::npos;
}

int ReferenceBlend(int oldValue, int value, int alpha) {
    const double quotient = static_cast<double>((value - oldValue) * alpha) / 256.0;
    const double below = std::floor(quotient);
    const double fraction = quotient - below;
    double rounded = fraction > 0.5 ? below + 1 : below;
    if (fraction == 0.5 && std::fmod(below, 2.0) != 0.0) rounded = below + 1;
    return oldValue + static_cast<int>(rounded);
}

long CountPixelsOtherThan(const Canvas& canvas, std::uint32_t color) {
    long count = 0;
    const std::uint32_t stored = Canvas::ToStored(color);
    const std::uint32_t* bits = canvas.bits();
    for (long i = 0, n = static_cast<long>(canvas.width()) * canvas.height(); i < n; ++i)
        if (bits[i] != stored) ++count;
    return count;
}

}  // namespace vantrel::test

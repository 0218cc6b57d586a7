// Loading from a path, and the guard against a second load started while one is painting.
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "TargaTestFiles.h"
#include "support/TestData.h"
#include "targa/MemoryByteSource.h"
#include "targa/TargaReader.h"

namespace vantrel::test {
namespace {

constexpr std::uint32_t kGrey = PackColor(240, 240, 240);

void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::string Utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

LoadOutcome LoadPath(const std::string& path, Canvas& canvas) {
    ScriptedUserInteraction ui;
    LoadOutcome outcome;
    LoadTarga(path, canvas, outcome.width, outcome.height, ui);
    outcome.messages = ui.messages();
    return outcome;
}

// A 40 x 70 run-length image, one packet per row: progress comes at rows 64, 32 and 0.
Bytes StripedImage() {
    TargaFields fields;
    fields.imageType = 10;
    fields.width = 40;
    fields.height = 70;
    Bytes data;
    for (int y = 0; y < 70; ++y) Append(data, {0x80 + 39, y, 3 * y, 255 - y});
    return TargaFile(fields, data);
}

Bytes TinyImage() {
    TargaFields fields;
    fields.width = 5;
    fields.height = 5;
    return TargaFile(fields, Bytes(75, 9));
}

TEST(TargaLoadFromPath, LoadsAFileWhoseNameIsNotAscii) {
    TempDir folder;
    const std::filesystem::path path = folder.path() / std::filesystem::path(u8"Textur \u00e9\u00fc \u65e5\u672c.tga");
    WriteFile(path, TinyImage());
    Canvas canvas(kGrey, 8, 8);
    const LoadOutcome outcome = LoadPath(Utf8(path), canvas);
    EXPECT_EQ(outcome.message(), "");
    EXPECT_EQ(outcome.width, 5);
    EXPECT_EQ(canvas.getPixel(4, 4), PackColor(9, 9, 9));
}

TEST(TargaLoadFromPath, MissingFolderEmptyPathAndEmptyFileAreReadErrorsThatChangeNothing) {
    TempDir folder;
    WriteFile(folder / "empty.tga", {});
    for (const std::string& path : {Utf8(folder / "missing.tga"), Utf8(folder / "no-folder" / "x.tga"),
                                    Utf8(folder.path()), std::string(), Utf8(folder / "empty.tga")}) {
        Canvas canvas(kGrey, 4, 4);
        const LoadOutcome outcome = LoadPath(path, canvas);
        ASSERT_EQ(outcome.messages.size(), 1u) << path;
        EXPECT_TRUE(IsReadErrorMessage(outcome.messages[0].text)) << outcome.messages[0].text;
        EXPECT_EQ(outcome.messages[0].title, "Error");
        EXPECT_EQ(outcome.messages[0].icon, MessageIcon::Critical);
        EXPECT_EQ(outcome.width, kUntouchedWidth) << path;
        EXPECT_EQ(outcome.height, kUntouchedHeight);
        EXPECT_EQ(CountPixelsOtherThan(canvas, kGrey), 0);
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "missing.tga")) << "opening never creates a file";
    EXPECT_FALSE(std::filesystem::exists(folder / "no-folder"));
}

TEST(TargaLoadFromPath, ADeviceIsNotReadBecauseItHasNoEnd) {
#ifdef _WIN32
    GTEST_SKIP() << "needs an endless device; Windows has none to open as a file (and Wine answers "
                    "\"not found\" for NUL and CON)";
#endif
    // An endless stream would let a header that declares a huge image read for minutes.
    Canvas canvas(kGrey, 4, 4);
    const LoadOutcome outcome = LoadPath("/dev/zero", canvas);
    EXPECT_TRUE(IsReadErrorMessage(outcome.message())) << outcome.message();
    EXPECT_EQ(outcome.width, kUntouchedWidth);
}

// The files this process holds open: descriptors on Linux, handles on Windows; -1 where the system
// does not tell.
long OpenDescriptors() {
#if defined(_WIN32)
    DWORD handles = 0;
    return GetProcessHandleCount(GetCurrentProcess(), &handles) && handles > 0 ? static_cast<long>(handles) : -1;
#elif defined(__linux__)
    return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), std::filesystem::directory_iterator());
#else
    return -1;
#endif
}

TEST(TargaLoadFromPath, ClosesTheFileOnEveryWayOut) {
    TempDir folder;
    TargaFields invalid;
    invalid.colorMapType = 2;
    TargaFields badTable;
    badTable.imageType = 1;
    badTable.bitsPerPixel = 16;
    WriteFile(folder / "good.tga", TinyImage());
    WriteFile(folder / "invalid.tga", TargaFile(invalid));
    WriteFile(folder / "table.tga", TargaFile(badTable));
    const long before = OpenDescriptors();
    if (before < 0) GTEST_SKIP() << "this system does not tell how many files a process holds open";
    for (const char* name : {"good.tga", "invalid.tga", "table.tga"}) {
        Canvas canvas(kGrey, 8, 8);
        LoadPath(Utf8(folder / name), canvas);
        EXPECT_EQ(OpenDescriptors(), before) << name;
    }
}

TEST(TargaSecondLoad, IsRefusedWhileTheFirstIsPaintingAndTheFirstGoesOnUndisturbed) {
    const Bytes first = StripedImage();
    Canvas undisturbed(kGrey, 64, 80);
    ASSERT_EQ(LoadBytes(first, undisturbed).message(), "");

    TempDir folder;
    WriteFile(folder / "tiny.tga", TinyImage());
    const Bytes tiny = TinyImage();

    for (bool secondFromPath : {false, true}) {
        Canvas canvas(kGrey, 64, 80);
        std::int16_t width = kUntouchedWidth, height = kUntouchedHeight;
        ScriptedUserInteraction firstUi, secondUi;
        int presented = 0;
        canvas.setProgressHandler([&] {
            // What a window event run here would do: the Open command with the same outputs.
            if (++presented != 1) return;
            if (secondFromPath) {
                LoadTarga(Utf8(folder / "tiny.tga"), canvas, width, height, secondUi);
            } else {
                MemoryByteSource source(tiny);
                LoadTarga(source, canvas, width, height, secondUi);
            }
            EXPECT_TRUE(TargaLoadInProgress());
            EXPECT_EQ(width, 40) << "the refused load leaves the outputs as the first load set them";
            EXPECT_EQ(height, 70);
        });
        MemoryByteSource source(first);
        LoadTarga(source, canvas, width, height, firstUi);

        EXPECT_EQ(presented, 3);
        EXPECT_FALSE(TargaLoadInProgress());
        EXPECT_TRUE(firstUi.messages().empty());
        ASSERT_EQ(secondUi.messages().size(), 1u);
        EXPECT_TRUE(IsReadErrorMessage(secondUi.messages()[0].text)) << secondUi.messages()[0].text;
        EXPECT_EQ(width, 40);
        EXPECT_EQ(height, 70);
        EXPECT_TRUE(std::equal(canvas.bits(), canvas.bits() + 64 * 80, undisturbed.bits())) << secondFromPath;
    }
}

class ThrowingUserInteraction : public ScriptedUserInteraction {
public:
    MessageResult messageBox(const MessageBoxRequest&) override { throw std::runtime_error("dialog failed"); }
};

TEST(TargaSecondLoad, TheLoadInProgressIsReleasedOnEveryWayOut) {
    TargaFields invalid;
    invalid.colorMapType = 2;
    TargaFields badTable;
    badTable.imageType = 1;
    badTable.bitsPerPixel = 24;
    Canvas canvas(kGrey, 64, 80);
    EXPECT_EQ(LoadBytes(TargaFile(invalid), canvas).message(), kNotValidMessage);
    EXPECT_EQ(LoadBytes(TinyImage(), canvas).message(), "");
    EXPECT_TRUE(IsReadErrorMessage(LoadBytes(TargaFile(badTable), canvas).message()));
    EXPECT_EQ(LoadBytes(TinyImage(), canvas).message(), "");

    {  // a failure from the progress handler ends the load through the general error path
        canvas.setProgressHandler([] { throw std::runtime_error("window gone\nfor good"); });
        const LoadOutcome outcome = LoadBytes(StripedImage(), canvas);
        EXPECT_EQ(outcome.message(), std::string(kReadErrorLead) + "window gone for good");
        canvas.setProgressHandler(nullptr);
        EXPECT_EQ(LoadBytes(TinyImage(), canvas).message(), "");
    }
    {  // something that is not a std::exception passes through, and still releases the load
        canvas.setProgressHandler([] { throw 42; });
        ScriptedUserInteraction ui;
        const Bytes striped = StripedImage();
        MemoryByteSource source(striped);
        std::int16_t width = 0, height = 0;
        EXPECT_THROW(LoadTarga(source, canvas, width, height, ui), int);
        canvas.setProgressHandler(nullptr);
        EXPECT_EQ(LoadBytes(TinyImage(), canvas).message(), "");
    }
    {  // a user interaction that fails while showing the message
        ThrowingUserInteraction ui;
        const Bytes invalidFile = TargaFile(invalid);
        MemoryByteSource source(invalidFile);
        std::int16_t width = 0, height = 0;
        EXPECT_THROW(LoadTarga(source, canvas, width, height, ui), std::runtime_error);
        EXPECT_EQ(LoadBytes(TinyImage(), canvas).message(), "");
    }
}

}  // namespace
}  // namespace vantrel::test

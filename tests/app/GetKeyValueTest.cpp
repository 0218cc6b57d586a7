#include <gtest/gtest.h>

#include "FakeSystem.h"
#include "app/RegistrySysInfoLauncher.h"
#include "support/ScriptedUserInteraction.h"

namespace vantrel::test {
namespace {

constexpr const char* kKey = "SOFTWARE\\Test";

class GetKeyValueTest : public ::testing::Test {
protected:
    // Reads kKey\name; KeyVal starts as "before" so that a value left alone is visible.
    bool Read(const std::string& name, std::string& value) {
        value = "before";
        return launcher.GetKeyValue(kHkeyLocalMachine, kKey, name, value);
    }
    void TearDown() override {
        EXPECT_EQ(registry.openKeyCount(), 0u) << "a key was left open";
        EXPECT_FALSE(registry.closedTwiceOrUnknown);
    }

    FakeRegistry registry;
    FakeFileProbe files;
    FakeProgramStarter starter;
    ScriptedUserInteraction ui;
    RegistrySysInfoLauncher launcher{registry, files, starter, ui};
};

TEST_F(GetKeyValueTest, TerminatingZeroIsDroppedAndOnlyThat) {
    registry.Set(kKey, "with", StringValue("C:\\Tools\\info.exe"));
    registry.Set(kKey, "without", {kRegSz, "C:\\Tools\\info.exe"});
    std::string value;
    ASSERT_TRUE(Read("with", value));
    EXPECT_EQ(value, "C:\\Tools\\info.exe");
    ASSERT_TRUE(Read("without", value));
    EXPECT_EQ(value, "C:\\Tools\\info.exe");
    EXPECT_TRUE(ui.requests.empty()) << "GetKeyValue shows nothing itself";
}

TEST_F(GetKeyValueTest, TextEndsAtAnEmbeddedZero) {
    registry.Set(kKey, "v", {kRegSz, std::string("C:\\Folder\0junk\0", 16)});
    std::string value;
    ASSERT_TRUE(Read("v", value));
    EXPECT_EQ(value, "C:\\Folder");
}

TEST_F(GetKeyValueTest, ValueThatFillsTheBufferExactlyIsKeptWhole) {
    const std::string text(1024, 'x');
    registry.Set(kKey, "v", {kRegSz, text});
    std::string value;
    ASSERT_TRUE(Read("v", value));
    EXPECT_EQ(value, text);
}

TEST_F(GetKeyValueTest, ValueLongerThanTheBufferCountsAsAbsent) {
    registry.Set(kKey, "v", StringValue(std::string(1024, 'x')));  // 1025 bytes with its zero
    std::string value;
    EXPECT_FALSE(Read("v", value));
    EXPECT_EQ(value, "");
}

TEST_F(GetKeyValueTest, EmptyValueReadsAsEmptyText) {
    registry.Set(kKey, "v", {kRegSz, ""});
    std::string value;
    EXPECT_TRUE(Read("v", value));
    EXPECT_EQ(value, "");
}

TEST_F(GetKeyValueTest, MissingKeyOrValueClearsTheResult) {
    registry.Set(kKey, "present", StringValue("x"));
    std::string value = "before";
    EXPECT_FALSE(launcher.GetKeyValue(kHkeyLocalMachine, "SOFTWARE\\Missing", "present", value));
    EXPECT_EQ(value, "");
    EXPECT_FALSE(Read("absent", value));
    EXPECT_EQ(value, "");
}

TEST_F(GetKeyValueTest, DwordIsHexOfAllFourBytesHighestFirst) {
    registry.Set(kKey, "small", {kRegDword, std::string("\x0A\0\0\0", 4)});
    registry.Set(kKey, "large", {kRegDword, std::string("\x78\x56\x34\x12", 4)});
    std::string value;
    ASSERT_TRUE(Read("small", value));
    EXPECT_EQ(value, "&h0000000A");
    ASSERT_TRUE(Read("large", value));
    EXPECT_EQ(value, "&h12345678");
}

TEST_F(GetKeyValueTest, OtherTypesLeaveTheTextAsItWasButAnswerTrue) {
    registry.Set(kKey, "binary", {3, "\x01\x02"});
    registry.Set(kKey, "expand", {2, StringValue("%SystemRoot%").bytes});
    std::string value;
    EXPECT_TRUE(Read("binary", value));
    EXPECT_EQ(value, "before");
    EXPECT_TRUE(Read("expand", value));
    EXPECT_EQ(value, "before");
}

}  // namespace
}  // namespace vantrel::test

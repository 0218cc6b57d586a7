#include <gtest/gtest.h>

#include "FakeSystem.h"
#include "app/PathSysInfoLauncher.h"
#include "app/RegistrySysInfoLauncher.h"
#include "support/ScriptedUserInteraction.h"

namespace vantrel::test {
namespace {

using Launcher = RegistrySysInfoLauncher;

const std::string kToolPath = "C:\\Windows\\System32\\msinfo32.exe";
const std::string kFolder = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";
const std::string kFolderTool = kFolder + "\\MSINFO32.EXE";

void ExpectOnlyFailureMessage(const ScriptedUserInteraction& ui) {
    const auto messages = ui.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "System Information Is Unavailable At This Time");
    EXPECT_EQ(messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(messages[0].icon, MessageIcon::None);
    EXPECT_EQ(messages[0].title, "Vantrel");
}

class StartSysInfoTest : public ::testing::Test {
protected:
    void SetPathValue(StoredValue value) { registry.Set(Launcher::kToolPathKey, Launcher::kToolPathValue, value); }
    void SetFolderValue(StoredValue value) {
        registry.Set(Launcher::kToolFolderKey, Launcher::kToolFolderValue, value);
    }
    void TearDown() override {
        EXPECT_EQ(registry.openKeyCount(), 0u) << "a key was left open";
        EXPECT_FALSE(registry.closedTwiceOrUnknown);
    }

    FakeRegistry registry;
    FakeFileProbe files;
    FakeProgramStarter starter;
    ScriptedUserInteraction ui;
    Launcher launcher{registry, files, starter, ui};
};

TEST_F(StartSysInfoTest, FullPathValueIsStartedWithoutLookingForTheFile) {
    SetPathValue(StringValue(kToolPath));
    SetFolderValue(StringValue(kFolder));
    starter.startable = {kToolPath};
    launcher.StartSysInfo();
    EXPECT_EQ(starter.attempts, std::vector<std::string>{kToolPath});
    EXPECT_TRUE(files.probed.empty());
    EXPECT_TRUE(ui.requests.empty());
    EXPECT_EQ(registry.opened, std::vector<std::string>{Launcher::kToolPathKey}) << "second value read needlessly";
}

TEST_F(StartSysInfoTest, FolderValueIsUsedWhenTheToolExistsThere) {
    SetFolderValue(StringValue(kFolder));
    files.files = {kFolderTool};
    starter.startable = {kFolderTool};
    launcher.StartSysInfo();
    EXPECT_EQ(files.probed, std::vector<std::string>{kFolderTool});
    EXPECT_EQ(starter.attempts, std::vector<std::string>{kFolderTool});
    EXPECT_TRUE(ui.requests.empty());
}

TEST_F(StartSysInfoTest, FolderWithoutTheToolGivesTheFailureMessage) {
    registry.AddEmptyKey(Launcher::kToolPathKey);  // key there, value not
    SetFolderValue(StringValue(kFolder));
    launcher.StartSysInfo();
    EXPECT_EQ(files.probed, std::vector<std::string>{kFolderTool});
    EXPECT_TRUE(starter.attempts.empty());
    ExpectOnlyFailureMessage(ui);
}

TEST_F(StartSysInfoTest, NeitherValueGivesTheFailureMessage) {
    launcher.StartSysInfo();
    EXPECT_EQ(registry.opened, (std::vector<std::string>{Launcher::kToolPathKey, Launcher::kToolFolderKey}));
    EXPECT_TRUE(starter.attempts.empty());
    ExpectOnlyFailureMessage(ui);
}

TEST_F(StartSysInfoTest, FullPathThatCannotBeStartedFailsWithoutTryingTheFolder) {
    SetPathValue(StringValue("C:\\Gone\\msinfo32.exe"));
    SetFolderValue(StringValue(kFolder));
    files.files = {kFolderTool};
    starter.startable = {kFolderTool};
    launcher.StartSysInfo();
    EXPECT_EQ(starter.attempts, std::vector<std::string>{"C:\\Gone\\msinfo32.exe"});
    EXPECT_EQ(registry.opened, std::vector<std::string>{Launcher::kToolPathKey});
    ExpectOnlyFailureMessage(ui);
}

TEST_F(StartSysInfoTest, EmptyFullPathValueFailsAndStartsNothing) {
    SetPathValue({kRegSz, ""});
    SetFolderValue(StringValue(kFolder));
    files.files = {kFolderTool};
    starter.startable = {kFolderTool, ""};
    launcher.StartSysInfo();
    EXPECT_TRUE(starter.attempts.empty());
    ExpectOnlyFailureMessage(ui);
}

TEST_F(StartSysInfoTest, EmptyFolderValueFailsWithoutLookingAtTheDriveRoot) {
    SetFolderValue({kRegSz, std::string(1, '\0')});
    files.files = {"\\MSINFO32.EXE"};
    starter.startable = {"\\MSINFO32.EXE"};
    launcher.StartSysInfo();
    EXPECT_TRUE(starter.attempts.empty());
    ExpectOnlyFailureMessage(ui);
}

TEST_F(StartSysInfoTest, OverlongFullPathCountsAsAbsentSoTheFolderIsTried) {
    SetPathValue(StringValue(std::string(1100, 'p')));
    SetFolderValue(StringValue(kFolder));
    files.files = {kFolderTool};
    starter.startable = {kFolderTool};
    launcher.StartSysInfo();
    EXPECT_EQ(starter.attempts, std::vector<std::string>{kFolderTool});
    EXPECT_TRUE(ui.requests.empty());
}

TEST_F(StartSysInfoTest, FolderStoredWithoutTerminatingZeroKeepsItsLastCharacter) {
    SetFolderValue({kRegSz, kFolder});
    files.files = {kFolderTool};
    starter.startable = {kFolderTool};
    launcher.StartSysInfo();
    EXPECT_EQ(starter.attempts, std::vector<std::string>{kFolderTool});
}

class PathSysInfoLauncherTest : public ::testing::Test {
protected:
    FakeProgramLocator locator;
    FakeProgramStarter starter;
    ScriptedUserInteraction ui;
    PathSysInfoLauncher launcher{locator, starter, ui, {"hardinfo", "kinfocenter", "gnome-system-monitor"}};
};

TEST_F(PathSysInfoLauncherTest, StartsTheFirstCandidateFoundOnThePath) {
    locator.onPath = {{"kinfocenter", "/usr/bin/kinfocenter"}, {"gnome-system-monitor", "/usr/bin/gnome-system-monitor"}};
    starter.startable = {"/usr/bin/kinfocenter", "/usr/bin/gnome-system-monitor"};
    launcher.StartSysInfo();
    EXPECT_EQ(starter.attempts, std::vector<std::string>{"/usr/bin/kinfocenter"});
    EXPECT_TRUE(ui.requests.empty());
}

TEST_F(PathSysInfoLauncherTest, NoCandidateOnThePathGivesTheFailureMessage) {
    launcher.StartSysInfo();
    EXPECT_TRUE(starter.attempts.empty());
    ExpectOnlyFailureMessage(ui);
}

TEST_F(PathSysInfoLauncherTest, CandidateThatCannotStartGivesTheFailureMessage) {
    locator.onPath = {{"hardinfo", "/usr/bin/hardinfo"}, {"kinfocenter", "/usr/bin/kinfocenter"}};
    starter.startable = {"/usr/bin/kinfocenter"};
    launcher.StartSysInfo();
    EXPECT_EQ(starter.attempts, std::vector<std::string>{"/usr/bin/hardinfo"});
    ExpectOnlyFailureMessage(ui);
}

}  // namespace
}  // namespace vantrel::test

// Save, Save As and Exit, including every way a save can fail without losing the old file.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "EditorFixture.h"
#include "ui/AppIdentity.h"
#include "editor/DocumentFile.h"

namespace vantrel::test {
namespace {

namespace fs = std::filesystem;

std::string HeaderText() {
    std::string text;
    for (const auto& line : MappingDocument::HeaderLines()) text += line + "\r\n";
    return text;
}

std::vector<std::string> FilesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::u8string name = entry.path().filename().u8string();
        names.emplace_back(name.begin(), name.end());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class Saving : public EditorFixture {
protected:
    void addEntry(const std::string& name) {
        if (editor.intTextureWidth() == 0) loadTexture(64, 32);
        completeEntry(1, 2, 3, 4, name);
        ASSERT_FALSE(editor.blnSaved());
    }
};

TEST_F(Saving, SaveRightAfterStartAsksForAPathAndWritesTheHeaderOnly) {
    const auto path = temp / "cameos.ini";
    ui.saveAnswers.push_back(path.string());
    editor.Save();

    ASSERT_EQ(ui.requests.size(), 1u);
    const FileDialogRequest& dialog = ui.requests[0].file;
    EXPECT_EQ(ui.requests[0].kind, RecordedRequest::Kind::SaveDialog);
    EXPECT_EQ(dialog.title, "Save As");
    EXPECT_EQ(dialog.filterDescription, "Ini File (*.ini)");
    EXPECT_EQ(dialog.filterPattern, "*.ini");
    EXPECT_EQ(dialog.defaultExtension, "ini");
    EXPECT_FALSE(dialog.initialFolder.empty());

    const std::string text = savedText(path);
    EXPECT_EQ(text, HeaderText());
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 5);
    EXPECT_EQ(text.substr(text.size() - 3), " \r\n");
    EXPECT_TRUE(editor.blnSaved());
    EXPECT_FALSE(editor.blnFirstSave());

    // The second Save writes to the same path without a dialog.
    addEntry("Tank1");
    ui.clear();
    editor.Save();
    EXPECT_TRUE(ui.requests.empty());
    EXPECT_EQ(savedText(path), editor.document().Text());
}

TEST_F(Saving, TwoEntriesGiveFivePlusSixteenLinesAndNothingMore) {
    addEntry("Tank1");
    addEntry("Tank2");
    const auto path = temp / "two.ini";
    ui.saveAnswers.push_back(path.string());
    editor.SaveAs();
    const std::string text = savedText(path);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 21);
    EXPECT_EQ(text, editor.document().Text());
    EXPECT_EQ(text.find("\n\n"), std::string::npos);
    EXPECT_EQ(text.substr(0, 3), "; V");  // no byte-order mark
}

TEST_F(Saving, FlagStatesDecideWhatSaveAndExitDo) {
    // Just started: Save is Save As, Exit ends at once.
    EXPECT_TRUE(editor.blnFirstSave());
    EXPECT_TRUE(editor.blnSaved());
    EXPECT_TRUE(editor.Exit());
    EXPECT_TRUE(ui.requests.empty());

    // Changes never written: Exit asks; Save shows the dialog.
    addEntry("A");
    ui.clear();
    ui.messageAnswers.push_back(MessageResult::Cancel);
    EXPECT_FALSE(editor.Exit());
    ASSERT_EQ(ui.messages().size(), 1u);
    const MessageBoxRequest question = ui.messages()[0];
    EXPECT_EQ(question.text,
              "The map information has changed since your last save.  Would you like to save your work?");
    EXPECT_EQ(question.buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(question.defaultButton, MessageResult::Yes);
    EXPECT_EQ(question.icon, MessageIcon::None);
    EXPECT_EQ(question.title, "Vantrel");

    const auto path = temp / "a.ini";
    ui.clear();
    ui.messageAnswers.push_back(MessageResult::Yes);
    ui.saveAnswers.push_back(path.string());
    EXPECT_FALSE(editor.Exit());  // Yes saves and keeps running
    EXPECT_EQ(ui.requests.size(), 2u);
    EXPECT_TRUE(editor.blnSaved());
    // Up to date: Exit ends at once.
    EXPECT_TRUE(editor.Exit());

    // Changes since the last write: Save writes without a dialog; Exit asks, No ends.
    addEntry("B");
    ui.clear();
    ui.messageAnswers.push_back(MessageResult::No);
    EXPECT_TRUE(editor.Exit());
    EXPECT_NE(savedText(path), editor.document().Text());
    editor.Save();
    EXPECT_EQ(ui.messages().size(), 1u);  // only the question; Save needed no dialog
    EXPECT_EQ(savedText(path), editor.document().Text());
}

TEST_F(Saving, YesWithACancelledSaveDialogKeepsRunningAndAsksAgain) {
    addEntry("A");
    ui.messageAnswers = {MessageResult::Yes, MessageResult::Cancel};
    EXPECT_FALSE(editor.Exit());
    EXPECT_FALSE(editor.blnSaved());
    EXPECT_FALSE(editor.Exit());
    EXPECT_EQ(ui.messages().size(), 2u);
}

TEST_F(Saving, SaveAsTwiceGoesToTheSecondPathAndLeavesTheFirstAsItWas) {
    const auto first = temp / "first.ini";
    const auto second = temp / "second.ini";
    ui.saveAnswers = {first.string(), second.string()};
    editor.SaveAs();
    addEntry("A");
    editor.SaveAs();
    addEntry("B");
    editor.Save();
    EXPECT_EQ(savedText(first), HeaderText());
    EXPECT_EQ(savedText(second), editor.document().Text());
    EXPECT_EQ(editor.strSaveFileName(), second.string());
}

TEST_F(Saving, CancellingTheFirstSaveDialogChangesNothing) {
    addEntry("A");
    ui.clear();
    editor.Save();  // unscripted: cancelled
    EXPECT_TRUE(editor.blnFirstSave());
    EXPECT_FALSE(editor.blnSaved());
    EXPECT_TRUE(editor.strSaveFileName().empty());
    EXPECT_TRUE(ui.messages().empty());
    // The next Save opens the dialog again.
    editor.Save();
    EXPECT_EQ(ui.requests.size(), 2u);
    EXPECT_EQ(ui.requests[1].kind, RecordedRequest::Kind::SaveDialog);
}

TEST_F(Saving, SavingOverALongerFileLeavesNoTraceOfIt) {
    const auto path = temp / "old.ini";
    WriteBytes(path, std::vector<std::uint8_t>(10000, 'x'));
    ui.saveAnswers.push_back(path.string());
    editor.SaveAs();
    EXPECT_EQ(savedText(path), HeaderText());
    EXPECT_EQ(FilesIn(temp.path()), std::vector<std::string>{"old.ini"});
}

// Every failing save leaves the old file exactly as it was, leaves no temporary file, keeps the
// flags (so Exit still asks), and is never reported as success.
class FailingSave : public Saving {
protected:
    const std::string oldContent = "; the file as it was before\r\n";

    void expectNothingChanged(const fs::path& folder, const std::vector<std::string>& filesBefore) {
        EXPECT_FALSE(editor.blnSaved());
        EXPECT_EQ(FilesIn(folder), filesBefore);
        ui.clear();
        EXPECT_FALSE(editor.Exit());  // unscripted answer: Cancel
        EXPECT_EQ(ui.messages().size(), 1u);
    }
};

TEST_F(FailingSave, SaveAsToAFolderFailsSilently) {
    fs::create_directory(temp / "folder.ini");
    addEntry("A");
    ui.clear();
    ui.saveAnswers.push_back((temp / "folder.ini").string());
    editor.SaveAs();
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_TRUE(editor.blnFirstSave());
    EXPECT_EQ(editor.strSaveFileName(), (temp / "folder.ini").string());
    EXPECT_TRUE(fs::is_directory(temp / "folder.ini"));
    expectNothingChanged(temp.path(), {"Icons.tga", "folder.ini"});
}

TEST_F(FailingSave, SaveAsIntoAMissingFolderFailsSilently) {
    addEntry("A");
    ui.clear();
    ui.saveAnswers.push_back((temp / "missing" / "a.ini").string());
    editor.SaveAs();
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_TRUE(editor.blnFirstSave());
    expectNothingChanged(temp.path(), {"Icons.tga"});
}

TEST_F(FailingSave, SaveIntoAFolderThatTakesNoNewFilesReportsTheFileAndReason) {
#ifdef _WIN32
    GTEST_SKIP() << "needs a folder that refuses new files even to an administrator; Windows has no /proc, "
                    "and Wine maps its Z: drive onto the Linux /proc";
#endif
    // /proc takes no new files, even for root, which ignores permission bits on ordinary folders.
    const fs::path target = "/proc/vantrel-save-test.ini";
    if (!fs::is_directory("/proc")) GTEST_SKIP() << "no /proc on this system";
    ui.saveAnswers.push_back((temp / "a.ini").string());
    editor.SaveAs();  // a first good save, so Save has its path
    ASSERT_FALSE(editor.blnFirstSave());
    addEntry("A");
    ui.clear();
    ui.saveAnswers.push_back(target.string());
    editor.SaveAs();
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_FALSE(fs::exists(target));

    ui.clear();
    editor.Save();  // no dialog: straight to the unwritable path
    ASSERT_EQ(ui.messages().size(), 1u);
    const MessageBoxRequest failure = ui.messages()[0];
    EXPECT_NE(failure.text.find(target.string()), std::string::npos) << failure.text;
    EXPECT_EQ(failure.title, "Vantrel");
    EXPECT_EQ(failure.icon, MessageIcon::Critical);
    EXPECT_EQ(failure.buttons, MessageButtons::Ok);
    EXPECT_EQ(editor.document().entryCount(), 1);
    EXPECT_FALSE(editor.blnSaved());
}

#ifndef _WIN32
// A file-size limit makes the write itself fail part way, as a full disk does.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

#endif

TEST_F(FailingSave, AWriteThatFailsPartWayKeepsTheOldFile) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no per-process file-size limit to make a write fail part way";
#else
    const auto path = temp / "cameos.ini";
    WriteBytes(path, std::vector<std::uint8_t>(oldContent.begin(), oldContent.end()));
    ui.saveAnswers.push_back(path.string());
    editor.SaveAs();  // the header fits
    ASSERT_EQ(savedText(path), HeaderText());
    for (int i = 0; i < 40; ++i) addEntry("Entry" + std::to_string(i));  // about 5 KB

    ui.clear();
    {
        FileSizeLimit limit(2048);
        editor.Save();
    }
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_NE(ui.messages()[0].text.find(path.string()), std::string::npos);
    EXPECT_EQ(savedText(path), HeaderText());
    expectNothingChanged(temp.path(), {"Icons.tga", "cameos.ini"});

    // Once the disk has room again the same Save succeeds.
    editor.Save();
    EXPECT_TRUE(editor.blnSaved());
    EXPECT_EQ(savedText(path), editor.document().Text());
#endif
}

// A target marked read-only (Windows' read-only attribute; on POSIX, no write bit at all, which
// even root must not override) is refused with the same reason on both systems and kept as it was.
void SetReadOnly(const fs::path& path, bool readOnly) {
#ifdef _WIN32
    SetFileAttributesW(path.wstring().c_str(), readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
#else
    fs::permissions(path, readOnly ? fs::perms(0444) : fs::perms(0644), fs::perm_options::replace);
#endif
}

TEST_F(FailingSave, AReadOnlyTargetIsReportedAndKeptAsItWas) {
    const auto path = temp / "cameos.ini";
    ui.saveAnswers.push_back(path.string());
    editor.SaveAs();
    ASSERT_FALSE(editor.blnFirstSave());
    addEntry("A");
    SetReadOnly(path, true);
    ui.clear();
    editor.Save();
    SetReadOnly(path, false);
    ASSERT_EQ(ui.messages().size(), 1u);
    const std::string lead = "The map information could not be saved to " + path.string() + ":\r\n";
    EXPECT_EQ(ui.messages()[0].text.substr(0, lead.size()), lead);
#ifndef _WIN32
    EXPECT_EQ(ui.messages()[0].text, lead + "Access is denied.");  // Windows' own words
#endif
    EXPECT_EQ(savedText(path), HeaderText());
    expectNothingChanged(temp.path(), {"Icons.tga", "cameos.ini"});
}

#ifndef _WIN32
// A file its owner may write but this user may not: the folder lets anybody rename over it, yet
// the save refuses as the plain write would. Run as root, the check drops to nobody in a child.
TEST(WriteFileAtomically, RefusesAFileThisUserMayNotWrite) {
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root, to make a file owned by another user and check as nobody";
    TempDir temp;
    fs::permissions(temp.path(), fs::perms(0777), fs::perm_options::replace);
    const auto path = temp / "cameos.ini";
    WriteBytes(path, std::vector<std::uint8_t>{'o', 'l', 'd'});
    fs::permissions(path, fs::perms(0644), fs::perm_options::replace);

    enum : int { kRefused = 10, kReplaced, kOtherFailure, kCannotDrop, kFolderClosed };
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0) _exit(kCannotDrop);
        const std::string probe = (temp / "probe").string();
        if (FILE* file = std::fopen(probe.c_str(), "w")) {
            std::fclose(file);
            std::remove(probe.c_str());
        } else {
            _exit(kFolderClosed);
        }
        const auto failure = WriteFileAtomically(path.string(), "new");
        if (!failure) _exit(kReplaced);
        _exit(*failure == "Access is denied." ? kRefused : kOtherFailure);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == kCannotDrop) GTEST_SKIP() << "cannot switch to the user nobody (65534)";
    if (WEXITSTATUS(status) == kFolderClosed)
        GTEST_SKIP() << "nobody cannot create files in " << temp.path() << " (its parent folders are closed)";
    EXPECT_EQ(WEXITSTATUS(status), kRefused) << "10 refused, 11 replaced, 12 refused with another reason";
    EXPECT_EQ(ReadFileText(path), "old");
    EXPECT_EQ(FilesIn(temp.path()), std::vector<std::string>{"cameos.ini"});
}
#endif

#ifdef _WIN32
// Another failure Windows itself produces: a target another program holds open without letting
// it be replaced.
TEST_F(FailingSave, ATargetHeldOpenByAnotherProgramIsKeptAsItWas) {
    const auto path = temp / "cameos.ini";
    ui.saveAnswers.push_back(path.string());
    editor.SaveAs();
    addEntry("A");
    // Opened without FILE_SHARE_DELETE, as an editor that keeps its file open does: the file
    // cannot be replaced or removed while the handle is open.
    HANDLE held = CreateFileW(path.wstring().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    ui.clear();
    editor.Save();
    CloseHandle(held);
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(savedText(path), HeaderText());
    expectNothingChanged(temp.path(), {"Icons.tga", "cameos.ini"});

    editor.Save();  // released: the same Save goes through
    EXPECT_TRUE(editor.blnSaved());
    EXPECT_EQ(savedText(path), editor.document().Text());
}
#endif

// A path with characters outside any 8-bit code page is created, replaced and read back intact.
TEST_F(Saving, APathOutsideTheAnsiCodePageSavesAndReplaces) {
    const fs::path folder = temp.path() / fs::path(u8"Zo\u00eb \u6f22\u5b57");
    fs::create_directory(folder);
    const fs::path path = folder / fs::path(u8"\u0422\u0430\u043d\u043a\u0438.ini");
    const std::u8string utf8 = path.u8string();
    ui.saveAnswers.push_back(std::string(utf8.begin(), utf8.end()));
    editor.SaveAs();
    ASSERT_FALSE(editor.blnFirstSave());
    EXPECT_EQ(savedText(path), HeaderText());
    addEntry("A");
    editor.Save();
    EXPECT_TRUE(editor.blnSaved());
    EXPECT_EQ(savedText(path), editor.document().Text());
    EXPECT_EQ(FilesIn(folder).size(), 1u);
}

TEST(WriteFileAtomically, ReplacesWholeOrNotAtAll) {
    TempDir temp;
    const auto path = temp / "f.ini";
    EXPECT_FALSE(WriteFileAtomically(path.string(), "new").has_value());
    EXPECT_EQ(ReadFileText(path), "new");
    EXPECT_TRUE(WriteFileAtomically("", "x").has_value());
    EXPECT_TRUE(WriteFileAtomically(temp.path().string(), "x").has_value());
    EXPECT_EQ(FilesIn(temp.path()), std::vector<std::string>{"f.ini"});
}

}  // namespace
}  // namespace vantrel::test

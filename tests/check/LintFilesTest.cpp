// Lint over several files: the game's load order, names merged across files, the real files
// other modders wrote, and what the editor's own Save writes.
#include <gtest/gtest.h>

#include <fstream>

#include "check/IniFileOrder.h"
#include "FindingPrinter.h"
#include "check/Linter.h"
#include "editor/MappingDocument.h"
#include "support/TestData.h"
#include "TgaWriter.h"

namespace vantrel::check {

namespace {

using vantrel::test::TempDir;

std::string Block(const std::string& name) {
    return "MappedImage " + name +
           "\r\n Texture = a.tga\r\n TextureWidth = 64\r\n TextureHeight = 32\r\n"
           " Coords = Left:0 Top:0 Right:16 Bottom:8\r\nEnd\r\n";
}

std::vector<Finding> LintAll(const std::vector<std::filesystem::path>& files) {
    Linter linter(LintOptions{});
    for (const auto& file : files) linter.addFile(file.filename().string(), vantrel::test::ReadFileText(file));
    return linter.finish();
}

TEST(IniFileOrder, OwnFilesFirstThenSubfolderFilesByCaseInsensitivePath) {
    TempDir dir;
    for (const char* name : {"b.INI", "A.ini", "notes.txt", "sub/z.ini", "sub/deeper/a.ini", "sub_x/y.Ini", "Old.v1/c.ini",
                             "sub/x.d/c.ini"})
        test::WriteBytes(dir / name, "; nothing\n");
    std::vector<std::string> order;
    for (const auto& file : IniFilesInGameOrder(dir.path())) order.push_back(file.lexically_relative(dir.path()).generic_string());
    // Only the top folder's own files go first; below it the sorted path decides, so a deeper
    // folder's file can come before its parent's own ('\' sorts before letters and '_').
    EXPECT_EQ(order, (std::vector<std::string>{"A.ini", "b.INI", "sub/deeper/a.ini", "sub/z.ini", "sub_x/y.Ini"}));
}

TEST(LintFiles, ANameMergedAcrossFilesNamesBothPlacesAndFindingsKeepFileOrder) {
    Linter linter(LintOptions{});
    linter.addFile("first.ini", "MappedImage NoCoords\r\n Texture = a.tga\r\nEnd\r\n" + Block("Shared"));
    linter.addFile("second.ini", Block("SHARED") + "stray\r\n");
    const std::vector<Finding> expected = {
        {"first.ini", 1, Severity::Warning, "MappedImage 'NoCoords' sets no Coords; the game gives it a size of 0 x 0"},
        {"second.ini", 1, Severity::Warning,
         "image 'SHARED' differs only in letter case from 'Shared' at first.ini:4; the game treats both as one "
         "image and merges this block into it, field by field"},
        {"second.ini", 7, Severity::Error,
         "text outside a block: 'stray' (only MappedImage blocks and ; comments may stand here)"},
    };
    EXPECT_EQ(linter.finish(), expected);
}

TEST(LintFiles, AnUnreadableFileIsAnError) {
    Linter linter(LintOptions{});
    linter.addUnreadableFile("gone.ini", "No such file or directory");
    const auto findings = linter.finish();
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(FormatFinding(findings[0]), "gone.ini: error: cannot read the file: No such file or directory");
    EXPECT_TRUE(HasErrors(findings));
}

TEST(LintFiles, EachOfTheSixRealFilesLintsCleanOnItsOwn) {
    SKIP_UNLESS_SHARED_TESTDATA();
    const auto folder = vantrel::test::SharedTestDataDir() / "ini";
    const auto files = IniFilesInGameOrder(folder);
    ASSERT_EQ(files.size(), 6u);
    for (const auto& file : files) {
        SCOPED_TRACE(file.string());
        EXPECT_EQ(LintAll({file}), std::vector<Finding>{});
    }
}

TEST(LintFiles, TheRealFilesTogetherHaveNoErrorsAndTheSharedNamesAreReported) {
    SKIP_UNLESS_SHARED_TESTDATA();
    const auto findings = LintAll(IniFilesInGameOrder(vantrel::test::SharedTestDataDir() / "ini"));
    EXPECT_FALSE(HasErrors(findings));
    // AFactionIconsPro.INI loads before FactionIconsPro.INI, so the 14 names it shares are
    // reported in the second, each naming its place in the first.
    ASSERT_EQ(findings.size(), 14u);
    for (const auto& finding : findings) {
        EXPECT_EQ(finding.file, "FactionIconsPro.INI");
        EXPECT_EQ(finding.severity, Severity::Warning);
        EXPECT_NE(finding.text.find("is defined again; the game merges this block into the one at AFactionIconsPro.INI:"),
                  std::string::npos)
            << finding.text;
    }
    EXPECT_EQ(findings.front().text,
              "image 'GameinfoRANDOM' is defined again; the game merges this block into the one at "
              "AFactionIconsPro.INI:5, field by field");
}

TEST(LintFiles, WhatTheEditorSavesLintsClean) {
    MappingDocument document;
    document.Initialise();
    document.AppendEntry("Tank1", "Icons.tga", 512, 256, {10, 20, 73, 83});
    document.AppendEntry("Tank ", "Icons.tga", 512, 256, {0, 0, 511, 255});  // a name cut at a blank ends in one
    document.AppendEntry("Jet", "Planes.tga", 128, 64, {5, 9, 6, 10});
    Linter linter(LintOptions{});
    linter.addFile("saved.ini", document.Text());
    EXPECT_EQ(linter.finish(), std::vector<Finding>{});
}

}  // namespace
}  // namespace vantrel::check

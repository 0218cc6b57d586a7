#include "editor/EntryText.h"

#include <gtest/gtest.h>

#include <vector>

namespace vantrel {
namespace {

TEST(IsNumericText, AcceptsSignedDecimalsWithPointAndExponent) {
    for (const char* text : {"0", "37", " 12 ", "\t-3", "+4", "7.5", ".5", "5.", "1e2", "1E+2", "2.5e-1", "-0"})
        EXPECT_TRUE(IsNumericText(text)) << '"' << text << '"';
    for (const char* text : {"", " ", "-", ".", "e5", "1e", "1e+", "12abc", "1 2", "0x10", "&H10", "1,000", "$5",
                             "--1", "1..2", "7,5"})
        EXPECT_FALSE(IsNumericText(text)) << '"' << text << '"';
}

TEST(ToCoordinate, RoundsHalfwayToEven) {
    EXPECT_EQ(ToCoordinate("7.5"), 8);
    EXPECT_EQ(ToCoordinate("6.5"), 6);
    EXPECT_EQ(ToCoordinate("10.5"), 10);
    EXPECT_EQ(ToCoordinate("11.5"), 12);
    EXPECT_EQ(ToCoordinate("-2.5"), -2);
    EXPECT_EQ(ToCoordinate("6.51"), 7);
    EXPECT_EQ(ToCoordinate(" 1e2 "), 100);
    EXPECT_EQ(ToCoordinate("+37"), 37);
}

TEST(ToCoordinate, RefusesWhatA16BitIntegerCannotHold) {
    EXPECT_EQ(ToCoordinate("32767"), 32767);
    EXPECT_EQ(ToCoordinate("32767.4"), 32767);
    EXPECT_EQ(ToCoordinate("-32768"), -32768);
    EXPECT_EQ(ToCoordinate("-32768.5"), -32768);  // halfway to the even -32768
    EXPECT_EQ(ToCoordinate("32767.5"), std::nullopt);
    EXPECT_EQ(ToCoordinate("-32769"), std::nullopt);
    EXPECT_EQ(ToCoordinate("1e400"), std::nullopt);
    EXPECT_EQ(ToCoordinate("abc"), std::nullopt);
}

TEST(ToCoordinate, AValueTooSmallForADoubleIsZeroNotOutOfRange) {
    for (const char* tiny : {"1e-400", "-1e-400", "0.1e-320", "+000.000001e-999999999999", "123456e-400",
                             "0.0000000000000000000001e-330"})
        EXPECT_EQ(ToCoordinate(tiny), 0) << tiny;
    // Too large stays out of range, whatever the exponent's sign says about the digits before it.
    const std::string hugeDigits = "1" + std::string(400, '0');
    for (const std::string& huge : {std::string("1e400"), std::string("-1e400"), hugeDigits, hugeDigits + "e-50",
                                    std::string("0.001e400")})
        EXPECT_EQ(ToCoordinate(huge), std::nullopt) << huge;
    // And large digit strings that a negative exponent brings back into range are read exactly.
    EXPECT_EQ(ToCoordinate(hugeDigits + "e-398"), 100);
    EXPECT_EQ(ToCoordinate("0e999999"), 0);
}

TEST(CutEntryName, CutsAfterTheFirstBlankFromTheSecondCharacter) {
    EXPECT_EQ(CutEntryName("Tank one"), "Tank ");
    EXPECT_EQ(CutEntryName("Tank two"), "Tank ");
    EXPECT_EQ(CutEntryName("Tank"), "Tank");
    EXPECT_EQ(CutEntryName(" Tank one"), " Tank ");  // the first character is never examined
    EXPECT_EQ(CutEntryName(" "), " ");
    EXPECT_EQ(CutEntryName("A  B"), "A ");
    EXPECT_EQ(CutEntryName("Ä b"), "Ä ");  // a two-byte first character is one character
    EXPECT_EQ(CutEntryName("Tank\tone"), "Tank\tone");  // only a space cuts
}

TEST(GameNameProblem, RefusesNamesTheGameCannotRead) {
    const auto codePage = MakeWindows1252CodePage();
    for (const char* fine : {"Tank1", "Tank ", "SNIcon_Émile", "a-b.c_d"})
        EXPECT_EQ(GameNameProblem(fine, *codePage), std::nullopt) << fine;
    for (const std::string& bad : std::vector<std::string>{" ", "  ", "a;b", "a=b", "a\tb", std::string("a\x01"), std::string("a\x7f"),
                                  std::string("Tank\xe5\x9b\xbe"), std::string(1015, 'x')})
        EXPECT_NE(GameNameProblem(bad, *codePage), std::nullopt) << bad;
    // "MappedImage " is 12 characters: 1014 more make the longest line the game takes whole.
    EXPECT_EQ(GameNameProblem(std::string(1014, 'x'), *codePage), std::nullopt);
}

// C1 controls are refused as control characters by the name rules themselves, so a build whose
// code page would hold them (Windows' 1252 maps U+0081 to byte 0x81) refuses the same names.
TEST(GameNameProblem, RefusesC1ControlsWhateverTheCodePageHolds) {
    class EverythingCodePage final : public AnsiCodePage {
    public:
        std::optional<std::string> Encode(std::string_view utf8) const override { return std::string(utf8); }
        std::string Decode(std::string_view bytes) const override { return std::string(bytes); }
        std::string Name() const override { return "everything"; }
    } everything;
    const auto windows1252 = MakeWindows1252CodePage();
    for (const AnsiCodePage* codePage : std::vector<const AnsiCodePage*>{&everything, windows1252.get()}) {
        for (const char* c1 : {"Tank\xc2\x80", "Tank\xc2\x81", "\xc2\x9dTank", "Ta\xc2\x9fnk"}) {
            const auto problem = GameNameProblem(c1, *codePage);
            ASSERT_TRUE(problem.has_value()) << codePage->Name();
            EXPECT_NE(problem->find("control character"), std::string::npos) << *problem;
        }
        // The characters just outside the block are ordinary.
        EXPECT_EQ(GameNameProblem("Tank\xc2\xa0x", *codePage), std::nullopt) << codePage->Name();  // no-break space
        EXPECT_EQ(GameNameProblem("Tank\xc5\xb8", *codePage), std::nullopt) << codePage->Name();   // Ÿ (byte 0x9F)
    }
}

TEST(Windows1252CodePage, EncodesItsCharactersAndRefusesOthers) {
    const auto codePage = MakeWindows1252CodePage();
    EXPECT_EQ(codePage->Encode("Tank"), "Tank");
    EXPECT_EQ(codePage->Encode("\xc3\xa9"), "\xe9");         // é
    EXPECT_EQ(codePage->Encode("\xe2\x82\xac"), "\x80");     // €, in the 0x80-0x9F block 1252 adds to Latin-1
    EXPECT_EQ(codePage->Encode("\xe5\x9b\xbe"), std::nullopt);  // a CJK character
    EXPECT_EQ(codePage->Encode("\xff"), std::nullopt);        // not UTF-8
}

TEST(Windows1252CodePage, MapsTheWholeHighBlockAndRefusesItsGapsAndBadUtf8) {
    const auto codePage = MakeWindows1252CodePage();
    // Every character of the 0x80-0x9F block, in byte order; the five gaps have none.
    const char* block[32] = {"\u20ac", nullptr,  "\u201a", "\u0192", "\u201e", "\u2026", "\u2020", "\u2021",
                             "\u02c6", "\u2030", "\u0160", "\u2039", "\u0152", nullptr,  "\u017d", nullptr,
                             nullptr,  "\u2018", "\u2019", "\u201c", "\u201d", "\u2022", "\u2013", "\u2014",
                             "\u02dc", "\u2122", "\u0161", "\u203a", "\u0153", nullptr,  "\u017e", "\u0178"};
    for (int k = 0; k < 32; ++k) {
        if (block[k]) EXPECT_EQ(codePage->Encode(block[k]), std::string(1, static_cast<char>(0x80 + k))) << k;
        // The C1 control of the same value is never written as that byte, but a gap byte read
        // from a file is shown as it.
        const char c1[] = {'\xc2', static_cast<char>(0x80 + k), 0};
        EXPECT_EQ(codePage->Encode(c1), std::nullopt) << k;
        EXPECT_EQ(codePage->Decode(std::string(1, static_cast<char>(0x80 + k))), block[k] ? block[k] : c1) << k;
    }
    EXPECT_EQ(codePage->Decode("Tank \xe9\xff"), "Tank \u00e9\u00ff");
    // Latin-1 above the block maps to itself.
    EXPECT_EQ(codePage->Encode("\u00a0\u00ff"), "\xa0\xff");
    for (const std::string& bad : {std::string("\xc0\xaf"),            // overlong '/'
                                   std::string("\xed\xa0\x80"),        // a surrogate
                                   std::string("\xe2\x82"),            // cut short
                                   std::string("\x80"),                // a lone continuation byte
                                   std::string("\xf4\x90\x80\x80")})  // above U+10FFFF
        EXPECT_EQ(codePage->Encode(bad), std::nullopt);
    EXPECT_EQ(codePage->Encode(""), "");
}

TEST(SingleToText, WritesWholeNumbersWithoutAPoint) {
    EXPECT_EQ(SingleToText(37.0f), "37");
    EXPECT_EQ(SingleToText(0.0f), "0");
    EXPECT_EQ(SingleToText(37.5f), "37.5");
    EXPECT_EQ(SingleToText(1.0f / 3.0f), "0.3333333");
}

}  // namespace
}  // namespace vantrel

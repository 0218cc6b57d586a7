// Lint's facts about a texture: what the editor's reader reports beside what the game makes of the
// same bytes.
#include <gtest/gtest.h>

#include "check/PaintedTexture.h"
#include "support/TestData.h"
#include "TgaWriter.h"

namespace vantrel::check {
namespace {

TargaFacts Inspect(const std::string& bytes) {
    return InspectTarga(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), "t.tga");
}

TEST(TextureFacts, AGreyscaleTextureIsRejectedByTheEditorButLoadedByTheGame) {
    std::string grey = test::MakeTargaHeaderOnly(3, 8, 8, 4);
    grey += std::string(32, '\x40');
    const TargaFacts facts = Inspect(grey);
    EXPECT_EQ(facts.width, 8);
    EXPECT_EQ(facts.height, 4);
    EXPECT_EQ(facts.readerMessage, "This image type is not supported.");
    EXPECT_EQ(facts.gameLoad, TargaFacts::GameLoad::Loads);
    EXPECT_EQ(facts.gameProblem, "");
}

TEST(TextureFacts, ATruncatedTextureIsPaintedByTheEditorButLeftUnfilledInTheGame) {
    std::string cut = test::MakeTarga24(8, 4, test::DistinctColor);
    cut.resize(cut.size() - 7);
    const TargaFacts facts = Inspect(cut);
    EXPECT_FALSE(facts.unreadable);
    EXPECT_FALSE(facts.readerMessage);
    EXPECT_EQ(facts.gameLoad, TargaFacts::GameLoad::Fails);
    EXPECT_EQ(facts.gameProblem, "the file ends after 89 of the 96 bytes of pixel data its header declares");
    EXPECT_EQ(facts.gameShows, GameShows::UnfilledTexture);
}

TEST(TextureFacts, TheFileAndItsBytesGiveTheSameFacts) {
    vantrel::test::TempDir dir;
    const std::string bytes = test::MakeTarga24(6, 5, test::DistinctColor, test::RowOrder::TopDown);
    test::WriteBytes(dir / "a.tga", bytes);
    const TargaFacts fromFile = InspectTarga(dir / "a.tga");
    const TargaFacts fromBytes = Inspect(bytes);
    EXPECT_EQ(fromFile.width, 6);
    EXPECT_EQ(fromFile.height, 5);
    EXPECT_EQ(fromFile.gameLoad, TargaFacts::GameLoad::Loads);
    EXPECT_EQ(fromBytes.width, fromFile.width);
    EXPECT_EQ(fromBytes.gameLoad, fromFile.gameLoad);

    const TargaFacts missing = InspectTarga(dir / "none.tga");
    EXPECT_TRUE(missing.unreadable);
    EXPECT_EQ(missing.gameLoad, TargaFacts::GameLoad::Fails);
    EXPECT_EQ(missing.gameShows, GameShows::MissingTexture);
}

}  // namespace
}  // namespace vantrel::check

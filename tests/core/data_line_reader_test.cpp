#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/data/data_line_reader.h"
#include "support/workspace_fixture.h"

namespace {

using namespace std::string_literals;

class DataLineReaderTest : public WorkspaceTest {
protected:
    std::vector<DataLine> Pieces(const std::string& content) {
        WriteFile("f.qdf", content);
        DataLineReader reader(workspace / "f.qdf");
        EXPECT_TRUE(reader.IsOpen());
        std::vector<DataLine> pieces;
        DataLine line;
        while (reader.Next(line)) {
            pieces.push_back(line);
        }
        return pieces;
    }
};

TEST_F(DataLineReaderTest, LineEndsAndTheLastLine) {
    const auto pieces = Pieces("a\r\nb\n\nc\rd\nlast");
    ASSERT_EQ(pieces.size(), 5u);
    EXPECT_EQ(pieces[0].text, "a");
    EXPECT_EQ(pieces[1].text, "b");
    EXPECT_EQ(pieces[2].text, "");
    EXPECT_EQ(pieces[3].text, "c\rd"); // a lone carriage return is text
    EXPECT_EQ(pieces[4].text, "last");
    EXPECT_EQ(pieces[4].number, 5);
    EXPECT_TRUE(Pieces("").empty());
    EXPECT_EQ(Pieces("x\n").size(), 1u); // a final line end adds no empty line
}

TEST_F(DataLineReaderTest, LongLinesComeInPiecesOf255) {
    const std::string exact(255, 'e');
    const std::string longer = std::string(255, 'a') + std::string(255, 'b') + "cc";
    const auto pieces = Pieces(exact + "\r\n" + longer + "\nnext\n");
    ASSERT_EQ(pieces.size(), 5u);
    EXPECT_EQ(pieces[0].text, exact);
    EXPECT_FALSE(pieces[0].continues); // exactly 255 before "\r\n" is still one piece
    EXPECT_EQ(pieces[1].text, std::string(255, 'a'));
    EXPECT_TRUE(pieces[1].continues);
    EXPECT_EQ(pieces[1].piece, 0);
    EXPECT_EQ(pieces[2].text, std::string(255, 'b'));
    EXPECT_EQ(pieces[2].piece, 1);
    EXPECT_EQ(pieces[3].text, "cc");
    EXPECT_EQ(pieces[3].piece, 2);
    EXPECT_FALSE(pieces[3].continues);
    EXPECT_EQ(pieces[3].number, 2);
    EXPECT_EQ(pieces[4].text, "next");
    EXPECT_EQ(pieces[4].number, 3);
}

TEST_F(DataLineReaderTest, NulBytesCutTheRestOfThePiece) {
    const auto pieces = Pieces("ab\0cd\nef\n"s);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0].text, "ab");
    EXPECT_TRUE(pieces[0].had_nul);
    EXPECT_EQ(pieces[1].text, "ef");
    EXPECT_FALSE(pieces[1].had_nul);
}

TEST_F(DataLineReaderTest, ReadsAcrossItsBufferBoundary) {
    // 70000 short lines: many buffers full, with "\r\n" falling across its edge.
    std::string content;
    for (int i = 0; i < 70000; ++i) {
        content += std::to_string(i % 10) + "\r\n";
    }
    const auto pieces = Pieces(content);
    ASSERT_EQ(pieces.size(), 70000u);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        ASSERT_EQ(pieces[i].text, std::to_string(i % 10)) << i;
    }
}

TEST_F(DataLineReaderTest, MissingFileIsNotOpen) {
    DataLineReader reader(workspace / "absent.qdf");
    EXPECT_FALSE(reader.IsOpen());
    DataLine line;
    EXPECT_FALSE(reader.Next(line));
}

} // namespace

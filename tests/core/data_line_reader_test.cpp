#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/data/data_line_reader.h"
#include "support/workspace_fixture.h"

namespace {

using namespace std::string_literals;

class DataLineReaderTest : public WorkspaceTest {
protected:
    // Every piece as "number.piece:text", with "+" when the line goes on and "!" after a NUL.
    std::vector<std::string> Pieces(const std::string& content) {
        WriteFile("f.qdf", content);
        DataLineReader reader(workspace / "f.qdf");
        EXPECT_TRUE(reader.IsOpen());
        std::vector<std::string> pieces;
        for (DataLine line; reader.Next(line);) {
            pieces.push_back(std::to_string(line.number) + "." + std::to_string(line.piece) + ":" +
                             line.text + (line.continues ? "+" : "") + (line.had_nul ? "!" : ""));
        }
        return pieces;
    }
};

TEST_F(DataLineReaderTest, LineEndsTheLastLineAndNulBytes) {
    // A lone carriage return is text; a final line end adds no empty line.
    EXPECT_EQ(Pieces("a\r\nb\n\nc\rd\nlast"),
              (std::vector<std::string>{"1.0:a", "2.0:b", "3.0:", "4.0:c\rd", "5.0:last"}));
    EXPECT_TRUE(Pieces("").empty());
    EXPECT_EQ(Pieces("x\n"), std::vector<std::string>{"1.0:x"});
    // A NUL byte cuts the rest of its piece.
    EXPECT_EQ(Pieces("ab\0cd\nef\n"s), (std::vector<std::string>{"1.0:ab!", "2.0:ef"}));
    DataLineReader missing(workspace / "absent.qdf");
    EXPECT_FALSE(missing.IsOpen());
    DataLine line;
    EXPECT_FALSE(missing.Next(line));
}

TEST_F(DataLineReaderTest, LongLinesComeInPiecesOf255) {
    const std::string exact(255, 'e'), a(255, 'a'), b(255, 'b');
    // Exactly 255 before "\r\n" is still one piece.
    EXPECT_EQ(Pieces(exact + "\r\n" + a + b + "cc\nnext\n"),
              (std::vector<std::string>{"1.0:" + exact, "2.0:" + a + "+", "2.1:" + b + "+",
                                        "2.2:cc", "3.0:next"}));
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
        ASSERT_EQ(pieces[i], std::to_string(i + 1) + ".0:" + std::to_string(i % 10)) << i;
    }
}

} // namespace

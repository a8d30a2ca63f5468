#include <filesystem>
#include <vector>

#include <gtest/gtest.h>

#include "core/model/options.h"
#include "support/workspace_fixture.h"

namespace {

class OptionsTest : public WorkspaceTest {
protected:
    static std::string Word(int32_t value) {
        const auto u = static_cast<uint32_t>(value);
        return {static_cast<char>(u & 0xff), static_cast<char>((u >> 8) & 0xff),
                static_cast<char>((u >> 16) & 0xff), static_cast<char>((u >> 24) & 0xff)};
    }
};

TEST_F(OptionsTest, FileHoldsEachSwitchLittleEndianThenAZeroWordAndReadsBack) {
    LoadOptions(); // a missing file is made from the switches
    EXPECT_EQ(ReadFile("options.qdb"), std::string(404, '\0'));
    BooksToUse[0] = 1;
    BooksToUse[6] = 1;
    BooksToUse[99] = -2;
    BooksToUse[100] = 7; // beyond the stored switches
    SaveOptions();
    std::string expected(404, '\0');
    expected.replace(0, 4, Word(1));
    expected.replace(24, 4, Word(1));
    expected.replace(396, 4, Word(-2));
    EXPECT_EQ(ReadFile("options.qdb"), expected);
    BooksToUse[6] = 0;
    BooksToUse[99] = 0;
    LoadOptions();
    EXPECT_EQ(BooksToUse[6], 1);
    EXPECT_EQ(BooksToUse[99], -2);
    BooksToUse[7] = 2; // only an entry of exactly one enables its book
    EXPECT_TRUE(BookEnabled(6));
    EXPECT_FALSE(BookEnabled(7) || BookEnabled(99) || BookEnabled(-1) || BookEnabled(5000));
}

TEST_F(OptionsTest, ShortEmptyAndOversizedFilesSetWhatTheyHold) {
    BooksToUse[1] = 5;
    BooksToUse[2] = BooksToUse[3] = 1;
    // Two whole words and half a third.
    WriteFile("options.qdb", Word(1) + Word(0) + std::string("\x01\x00", 2));
    LoadOptions();
    EXPECT_EQ(std::vector<int32_t>(BooksToUse, BooksToUse + 4), (std::vector<int32_t>{1, 0, 1, 1}));
    EXPECT_EQ(ReadFile("options.qdb").size(), 10u) << "a short file is not rewritten";

    WriteFile("options.qdb", "");
    LoadOptions();
    EXPECT_EQ(BooksToUse[3], 1);

    std::string big(404, '\0');
    big.replace(20, 4, Word(1));
    WriteFile("options.qdb", big + std::string(1000, '\xff'));
    LoadOptions();
    EXPECT_EQ(BooksToUse[5], 1);
    EXPECT_EQ(BooksToUse[6], 0);
}

TEST_F(OptionsTest, ADirectoryNamedLikeTheFileChangesNothing) {
    std::filesystem::create_directory(workspace / "options.qdb");
    BooksToUse[4] = 1;
    LoadOptions();
    SaveOptions();
    EXPECT_EQ(BooksToUse[4], 1);
    EXPECT_TRUE(std::filesystem::is_directory(workspace / "options.qdb"));
}

} // namespace

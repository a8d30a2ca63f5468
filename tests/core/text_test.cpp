#include "core/model/text.h"

#include <gtest/gtest.h>

namespace {

// Texts shorter than the formatting buffer and longer ones, around its edge.
TEST(PrintfTest, TextOfEveryLengthComesOutWhole) {
    for (const std::size_t length : {0u, 1u, 254u, 255u, 256u, 257u, 5000u}) {
        const std::string text(length, 'a');
        EXPECT_EQ(Printf("%s", text.c_str()), text) << length;
        EXPECT_EQ(Printf("<%s|%i>", text.c_str(), -7), "<" + text + "|-7>") << length;
    }
}

} // namespace

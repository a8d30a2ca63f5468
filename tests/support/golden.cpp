#include "support/golden.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace {
std::string GoldenPath(const std::string& name) {
    return std::string(FRAYMARK_SOURCE_DIR) + "/tests/golden/" + name;
}
} // namespace

void ExpectMatchesGolden(const std::string& name, const std::string& text) {
    const char* update = std::getenv("FRAYMARK_UPDATE_GOLDENS");
    if (update && std::string(update) == "1") {
        std::ofstream(GoldenPath(name), std::ios::binary) << text;
        return;
    }
    std::ifstream in(GoldenPath(name), std::ios::binary);
    ASSERT_TRUE(in) << "no golden file " << GoldenPath(name);
    std::stringstream golden;
    golden << in.rdbuf();
    std::istringstream got(text), want(golden.str());
    std::string got_line, want_line;
    for (int n = 1; std::getline(want, want_line); ++n) {
        ASSERT_TRUE(std::getline(got, got_line)) << name << ": output ends before line " << n;
        ASSERT_EQ(got_line, want_line) << name << ": line " << n;
    }
    EXPECT_EQ(text, golden.str()) << name << ": output goes on after the golden's last line";
}

std::string Bands(int low, int high, const std::function<std::string(int)>& value) {
    std::ostringstream out;
    int start = low;
    std::string current = value(low);
    for (int r = low + 1; r <= high + 1; ++r) {
        const std::string next = r <= high ? value(r) : std::string();
        if (r > high || next != current) {
            out << start << '-' << (r - 1) << ": " << current << '\n';
            start = r;
            current = next;
        }
    }
    return out.str();
}

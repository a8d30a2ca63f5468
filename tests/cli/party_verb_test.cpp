// fraymark party: a party of saved characters made, shown, printed and given experience that
// reaches each member's file; a missing member, broken and newer party files, usage errors.
#include <string>

#include <gtest/gtest.h>

#include "cli_runner.h"
#include "support/golden.h"

namespace {

namespace fs = std::filesystem;

class PartyVerbTest : public CliWorkspace {
protected:
    void SetUp() override {
        CliWorkspace::SetUp();
        fs::copy(fs::path(FRAYMARK_SOURCE_DIR) / "gamedata", dir, fs::copy_options::recursive);
    }
};

TEST_F(PartyVerbTest, AnEveningOfThePartyAndWhatGoesWrong) {
    ASSERT_EQ(Run("generate --clock 3 --count 3").exit_code, 0);
    Write("Parties/broken.party", "FRAYMARK-PARTY 1\nnotes\t\nmember\tx.xml\tlots\t\n");
    Write("Parties/newer.party", "FRAYMARK-PARTY 2\n");
    std::string transcript;
    for (const std::string command :
         {"party new band 'Borrik Anvilborn' 'Briony Larkspur.xml' 'CharacterXML/Edwin "
          "Fletcher.xml'",
          "party show band", "party show band --json", "party award-xp band 2501",
          "party award-xp band 1500", "-", "party sheet band", "party show broken",
          "party show newer.party", "party award-xp band 0", "party new band", "party show nowhere",
          "party list"}) {
        if (command == "-") {
            fs::rename(dir / "CharacterXML/Edwin Fletcher.xml", dir / "Edwin.xml");
            transcript += "$ mv 'CharacterXML/Edwin Fletcher.xml' Edwin.xml\n";
            continue;
        }
        const CliResult r = Run(command);
        transcript +=
            "$ " + command + " (exit " + std::to_string(r.exit_code) + ")\n" + r.out + r.err;
    }
    ExpectMatchesGolden("cli_party.txt", transcript);
    EXPECT_NE(Read("CharacterHTML/Briony Larkspur.html").find("Thief: 1334 XP"), std::string::npos);
}

} // namespace

// The kept party: its file read back byte for byte and refused when broken, its members
// opened from their character files, awards written back to them, the character in hand kept.
#include "character_file_fixture.h"
#include "core/gm/party_awards.h"
#include "core/gm/party_commands.h"
#include "core/gm/party_members.h"
#include "core/gm/party_session.h"
#include "core/model/program_state.h"
#include "support/scripted_port.h"

namespace {

class PartyTest : public CharacterFileTest {
protected:
    // The sample character saved as `name` with `honor`, as "Save file" names the file.
    void SaveMember(const std::string& name, int honor) const {
        current_character.character_name = name;
        current_character.honor = honor;
        WriteFile("CharacterXML/" + name + ".xml", Written());
    }
    std::string SavedHonor(const std::string& name) const {
        const std::string file = ReadFile("CharacterXML/" + name + ".xml");
        const auto at = file.find("<HONOR_BASE>") + 12;
        return file.substr(at, file.find('<', at) - at);
    }
};

TEST_F(PartyTest, FileReadsBackByteForByteAndRefusesWhatItCannotRead) {
    const PartyFile party{{{"Brenna.xml", -3, "owes\tTam 5 gp\nand a horse"},
                           {"/far away/Kira <the Quick> & Co.xml", 2147483647, ""}},
                          "met at the \"Drowned Rat\"; & more"};
    const std::string text = PartyFileText(party);
    std::string error;
    ASSERT_TRUE(SavePartyFile(PartyFilePath("Band/of 5"), party, error)) << error;
    const PartyFileReading read = LoadPartyFile(workspace / "Parties/Band_of 5.party");
    ASSERT_EQ(read.error, "");
    EXPECT_EQ(read.party, party);
    EXPECT_EQ(PartyFileText(read.party), text);
    EXPECT_EQ(text.find('\n'), text.find("FRAYMARK-PARTY 1\n") + 16);

    const std::pair<std::string, std::string> broken[] = {
        {"", "line 1: this is no party file"},
        {"FRAYMARK-PARTY 2\nmember\ta\t0\t\n", "the party file is of format 2, written by a newer"},
        {"FRAYMARK-PARTY 1\r\nmember\ta.xml\tlots\t\r\n", "line 2: the temporal honor 'lots'"},
        {"FRAYMARK-PARTY 1\nnotes\t\nmember\ta.xml\t0\n", "line 3: 'member&#9;a.xml&#9;0' is"},
        {"FRAYMARK-PARTY 1\nnotes\ta\nnotes\tb\n", "line 3: the party's notes are given twice"},
        {"FRAYMARK-PARTY 1\nmember\t\t0\t\n", "line 2: a member without a character file"},
    };
    for (const auto& [file, error] : broken) {
        const PartyFileReading reading = ReadPartyFileText(file);
        EXPECT_EQ(reading.error.substr(0, error.size()), error) << file;
        EXPECT_TRUE(reading.party.members.empty());
    }
}

TEST_F(PartyTest, OpeningNamesAMissingMemberOpensTheRestAndKeepsIt) {
    MakeBrenna();
    SaveMember("Brenna", 14);
    SaveMember("Tam", 3);
    const PartyFile party{
        {{"Brenna.xml", 7, "the leader"}, {"Gone.xml", 4, ""}, {"Tam.xml", 0, ""}}, ""};
    const PartyOpening opening = OpenPartyMembers(party);
    EXPECT_EQ(opening.problems, std::vector<std::string>{"Gone.xml: missing"});
    ASSERT_EQ(PartyCount(), 2);
    EXPECT_EQ(pcs[0].name, "Brenna");
    EXPECT_EQ(pcs[0].honor, 14);
    EXPECT_EQ(pcs[0].temporal_honor, 7);
    EXPECT_EQ(pcs[1].name, "Tam");
    const PartyFile saved = PartyFileOfTable(opening);
    EXPECT_EQ(saved.members[1].file, "Tam.xml");
    EXPECT_EQ(saved.members[2], party.members[1]); // the absent member is not lost
}

TEST_F(PartyTest, AnAwardDividesEquallyTheFirstTakingWhatDoesNotDivide) {
    EXPECT_EQ(PartyShares(100, 3), (std::vector<long long>{34, 33, 33}));
    EXPECT_EQ(PartyShares(2, 3), (std::vector<long long>{1, 1, 0}));
    EXPECT_EQ(PartyShares(12, 4), (std::vector<long long>{3, 3, 3, 3}));
}

// An evening: honor given in the tracker while Brenna's file gained honor elsewhere, and Tam's
// file now holding another character; the character in hand comes back as it was.
TEST_F(PartyTest, AwardsReachTheFilesKeepChangesMadeMeanwhileAndTheCharacterInHand) {
    MakeBrenna();
    SaveMember("Brenna", 10);
    SaveMember("Tam", 3);
    OpenPartyMembers({{{"Brenna.xml", 0, ""}, {"Tam.xml", 0, ""}}, ""});
    pcs[0].honor += 5;
    pcs[1].honor -= 2;
    SaveMember("Brenna", 20); // honor gained in another window meanwhile
    current_character.character_name = "Ulric";
    WriteFile("CharacterXML/Tam.xml", Written());
    current_character.character_name = "In Hand";
    const std::string in_hand = Written();
    const std::string run_log = program_data.log_file_name;

    program_data.creation_stage = 4;
    EXPECT_NE(WriteHonorToCharacters().refusal, "");
    program_data.creation_stage = 0;

    const PartyWorkReport honor = WriteHonorToCharacters();
    EXPECT_EQ(honor.written,
              std::vector<std::string>{"Brenna.xml: Honor from the party: 20 +5 = 25"});
    EXPECT_EQ(honor.problems,
              std::vector<std::string>{"Tam.xml: now holds Ulric, not Tam; skipped"});
    EXPECT_EQ(SavedHonor("Brenna"), "25");
    EXPECT_EQ(SavedHonor("Tam"), "20"); // Ulric's, untouched
    EXPECT_EQ(pcs[0].loaded_honor, 25);
    EXPECT_NE(ReadFile("CharacterLogs/Brenna.log").find("Honor from the party: 20 +5 = 25"),
              std::string::npos);
    EXPECT_TRUE(WriteHonorToCharacters().written.empty()); // nothing new to write

    const PartyWorkReport experience = AwardPartyExperience(301);
    EXPECT_EQ(experience.written, std::vector<std::string>{"Brenna.xml: 151 experience points"});
    EXPECT_NE(ReadFile("CharacterXML/Brenna.xml").find("<CLASS_EXP>151<"), std::string::npos);
    EXPECT_EQ(Written(), in_hand);
    EXPECT_EQ(program_data.log_file_name, run_log);
}

} // namespace

namespace {

// A changed party is not lost without a word: "Stay with it" keeps it, "Leave it unsaved"
// lets it go; saving under the name of another kept party asks first.
TEST_F(PartyTest, AChangedPartyAsksBeforeItIsLeftAndAnotherIsNotReplacedUnasked) {
    ScriptedPort port;
    MakeBrenna();
    SaveMember("Brenna", 14);
    std::string error;
    ASSERT_TRUE(SavePartyFile(PartyFilePath("Band"), {{{"Brenna.xml", 0, ""}}, ""}, error));
    port.AnswerChoice(0);
    ASSERT_TRUE(OpenPartyCommand());
    NotePartyChanged();
    port.AnswerChoice(2);
    EXPECT_FALSE(NewPartyCommand());
    EXPECT_EQ(PartyCount(), 1);
    EXPECT_TRUE(SavePartyCommand() && !CurrentPartySession().changed); // its own file: no question
    NotePartyChanged();
    port.AnswerText("Other");
    ASSERT_TRUE(SavePartyAsCommand());
    port.AnswerText("Band"); // another kept party now
    port.AnswerNo();
    port.AnswerCancel();
    EXPECT_FALSE(SavePartyAsCommand());
    NotePartyChanged();
    port.AnswerChoice(1);
    EXPECT_TRUE(NewPartyCommand());
    EXPECT_EQ(PartyCount(), 0);
    EXPECT_EQ(port.AnswersLeft(), 0u);
}

} // namespace

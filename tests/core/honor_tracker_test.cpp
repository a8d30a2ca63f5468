// The honor tracker: the party table, awards by alignment, adjustments with a reason, and
// the honor log, driven through the scripted port as the window drives it.
#include <climits>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/dice/dice.h"
#include "core/gm/honor_party.h"
#include "core/gm/honor_tracker.h"
#include "core/gm/saved_character_list.h"
#include "support/golden.h"
#include "support/scripted_port.h"
#include "support/workspace_fixture.h"

namespace {

SavedCharacterSummary Saved(const char* name, const char* alignment, const char* honor = "12") {
    return {name, "Fighter", "1", "Human", "Male", alignment, honor, ""};
}

class HonorTrackerTest : public WorkspaceTest {
protected:
    // The log's name comes from 12d12: here 6 + 11 * 1 = 17.
    void SetUp() override {
        WorkspaceTest::SetUp();
        QueueDieFaces({6, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
        tracker = std::make_unique<HonorTracker>();
    }

    std::string Log() const { return ReadFile(tracker->LogFileName()); }

    ScriptedPort port;
    std::unique_ptr<HonorTracker> tracker;
};

TEST_F(HonorTrackerTest, EveryChangeIsOneLineOfTheHonorLogAndAdjustmentsAskWhyAndHowMuch) {
    ASSERT_EQ(std::string(tracker->LogFileName()), "Honor_17.log");
    EXPECT_TRUE(std::filesystem::exists(workspace / "Honor_17.log"));
    ASSERT_TRUE(tracker->AddSavedCharacter(Saved("Ysolde Marr", "Lawful-good")));
    ASSERT_TRUE(tracker->AddSavedCharacter(Saved("Tam", "Chaotic-evil")));
    ASSERT_TRUE(tracker->AddSavedCharacter(Saved("Odo", "True Neutral")));
    ASSERT_TRUE(tracker->AddSavedCharacter(Saved("Pellam", "Chaotic-evil")));
    ASSERT_TRUE(tracker->AddSavedCharacter(Saved("Pell", "lawful good")));
    EXPECT_FALSE(tracker->AwardHonor("Odo", "Completing a quest")); // no such alignment
    EXPECT_TRUE(tracker->AwardHonor("Pell", "Completing a quest")); // the whole name
    port.AnswerText("Gwyl");                                        // typed in rather than saved
    port.AnswerChoice(7);                                           // Chaotic-neutral
    port.AnswerText("23 or so");
    ASSERT_TRUE(tracker->AddTypedCharacter());
    port.AnswerText("Hobb");
    port.AnswerCancel();
    EXPECT_FALSE(tracker->AddTypedCharacter());
    EXPECT_TRUE(tracker->AwardHonor("Ysolde Marr", "Completing a quest"));
    EXPECT_TRUE(tracker->AwardHonor("Tam", "Murder of a family member"));
    EXPECT_TRUE(tracker->AwardHonor("Ysolde Marr", "Murder of a family member"));
    // Without a selected character nothing is asked; a cancelled reason asks no amount, a
    // cancelled amount (-1 from the dialog) or one the dialog does not allow changes nothing.
    const std::optional<std::string> none;
    EXPECT_FALSE(tracker->AwardHonor(none, "Completing a quest"));
    EXPECT_FALSE(tracker->AdjustHonor(none) || tracker->AdjustTemporalHonor(none));
    EXPECT_FALSE(tracker->RemovePC(none));
    port.AnswerCancel();
    EXPECT_FALSE(tracker->AdjustHonor("Tam"));
    port.AnswerText("duel");
    port.AnswerCancel();
    EXPECT_FALSE(tracker->AdjustTemporalHonor("Tam"));
    for (const long outside : {0L, 21L}) {
        port.AnswerText("duel");
        port.AnswerNumber(outside);
        EXPECT_FALSE(tracker->AdjustHonor("Tam")) << outside;
    }
    for (const char* award : {"", "Completing a ques"}) {
        EXPECT_FALSE(tracker->AwardHonor("Tam", award)) << award;
    }
    EXPECT_FALSE(tracker->AwardHonor("Nobody", "Completing a quest"));
    port.AnswerText("duel");
    port.AnswerNumber(20);
    EXPECT_TRUE(tracker->AdjustHonor("Tam"));
    port.AnswerText("kept the watch");
    port.AnswerNumber(3);
    EXPECT_TRUE(tracker->AdjustTemporalHonor("Ysolde Marr"));
    // The log's lines, the messages, the party with each one's honor and temporal honor, then
    // each question asked: the typed character's and each adjustment's reason and amount, the
    // cancelled ones included (reviewed).
    std::string transcript = Log();
    for (const std::string& message : port.messages) {
        transcript += "message|" + message + "\n";
    }
    for (int i = 0; i < PartyCount(); ++i) {
        transcript += "party|" + pcs[i].name + "|" + pcs[i].alignment + "|" +
                      std::to_string(pcs[i].honor) + "|" + std::to_string(pcs[i].temporal_honor) +
                      "\n";
    }
    for (const ScriptedPort::Question& q : port.questions) {
        transcript += q.kind + "|" + q.message + "|" + q.prompt + "|" + q.caption + "|" +
                      std::to_string(q.min) + "-" + std::to_string(q.max);
        for (const std::string& choice : q.choices) {
            transcript += "|" + choice;
        }
        transcript += "\n";
    }
    ExpectMatchesGolden("honor_log.txt", transcript);
    // The lines went to the log window, opened once (the dice log's tests cover how it shows
    // them), and the tree was left alone.
    EXPECT_EQ(port.log_window_opens, 1);
    EXPECT_EQ(port.tree_updates, 0);
}

TEST_F(HonorTrackerTest, JoiningAndLeavingThePartyWithTheSavedHonor) {
    for (int i = 0; i < kPartySize; ++i) {
        ASSERT_TRUE(
            tracker->AddSavedCharacter(Saved(("PC" + std::to_string(i)).c_str(), "Neutral")));
    }
    EXPECT_FALSE(tracker->AddSavedCharacter(Saved("Twenty-first", "Neutral")));
    EXPECT_FALSE(tracker->AddSavedCharacter(Saved("PC3", "Neutral")));
    // Removing the first of a full party moves all up and empties the last entry.
    pcs[kPartySize - 1].temporal_honor = 9;
    EXPECT_TRUE(tracker->RemovePC("PC0"));
    EXPECT_FALSE(tracker->RemovePC("PC0"));
    EXPECT_EQ(pcs[kPartySize - 2].name, "PC19");
    EXPECT_EQ(pcs[kPartySize - 2].temporal_honor, 9);
    EXPECT_TRUE(pcs[kPartySize - 1].name.empty());
    EXPECT_EQ(pcs[kPartySize - 1].temporal_honor, 0);
    ClearParty();
    EXPECT_FALSE(tracker->AddSavedCharacter(Saved("", "Neutral")));
    EXPECT_EQ(PartyCount(), 0);
    EXPECT_EQ(port.messages,
              (std::vector<std::string>{
                  "Add Character: The party is full: it holds 20 characters. Remove one before "
                  "adding another.",
                  "Add Character: PC3 is already in the party.",
                  "Add Character: A character without a name cannot join the party."}));
    // The saved honor is read as the program reads numbers (their own tests cover the edges),
    // and honor raised at the top of its range stays there.
    ASSERT_TRUE(tracker->AddSavedCharacter(Saved("Vell", "Neutral", "12abc")));
    ASSERT_TRUE(tracker->AddSavedCharacter(Saved("Wren", "Neutral", "2147483640")));
    EXPECT_EQ(pcs[0].honor, 12);
    port.AnswerText("feast");
    port.AnswerNumber(20);
    EXPECT_TRUE(tracker->AdjustHonor("Wren"));
    EXPECT_EQ(pcs[1].honor, INT32_MAX);
}

} // namespace

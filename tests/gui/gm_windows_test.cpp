// The game master's windows: critical hit rolling and honor tracking.
#include <filesystem>
#include <string>
#include <vector>

#include <wx/combobox.h>
#include <wx/listctrl.h>
#include <wx/textctrl.h>

#include "core/app/clear_all.h"
#include "core/data/rules_lists.h"
#include "core/dice/dice.h"
#include "core/gm/honor_party.h"
#include "core/gm/party_file.h"
#include "core/model/character.h"
#include "core/model/data_items.h"
#include "core/model/program_state.h"
#include "core/player/character_batch.h"
#include "gui/base/command_ids.h"
#include "gui/gm/critical_frame.h"
#include "gui/gm/honor_file_frame.h"
#include "gui/gm/honor_tracking_frame.h"
#include "gui/gm/party_frame.h"
#include "gui_fixture.h"
#include "support/golden.h"

namespace {

const char* const kTitle = "Critical hit Rolling";

class CriticalFrameTest : public GuiTest {
protected:
    // Types into the fields and asks for the wound, as the game master does.
    static wxString Explain(CriticalFrame* frame, const char* roll, const char* severity,
                            const char* type) {
        frame->LocationField()->SetValue(roll);
        frame->SeverityField()->SetValue(severity);
        frame->DamageTypeList()->SetValue(type);
        Click(frame, ID_CriticalExplain);
        return frame->ResultField()->GetValue();
    }
};

// The window reads the numbers typed above as far as they go and shows core's wound; the roll
// buttons fill their fields from the generator. Each window works on its own, and closing one
// leaves a creation in progress alone.
TEST_F(CriticalFrameTest, ShowsItsControlsTheWoundOfTheFieldsAndTheirRolls) {
    Menu(main_window, ID_NewCharacter);
    CriticalFrame* frame = OpenFromMenu<CriticalFrame>(ID_Critical);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->GetParent(), main_window);
    ExpectMatchesGolden("window_critical_hits.txt", Captions(frame));
    // As wide as the window: the legend spans the panel but for its margins.
    EXPECT_GE(frame->LegendList()->GetSize().GetWidth(), frame->GetClientSize().GetWidth() - 10);
    EXPECT_EQ(Explain(frame, " 1500 feet", "24abc", "Hacking"), "Thigh: x3, ls, d8, u, m10");
    EXPECT_EQ(Explain(frame, "99999999999", "5", "Hacking"), "Error, incomplete data in program");

    QueueDieFaces({1234});
    Click(frame, ID_CriticalRollBase);
    EXPECT_EQ(frame->LocationField()->GetValue(), "1234");
    // d8 faces 8 and 5: with BSL 3 the severity is 3 + 8 + (5 + 3 - 1).
    QueueDieFaces({8, 5});
    frame->BaseSeverityField()->SetValue("3");
    Click(frame, ID_CriticalRollSevere);
    EXPECT_EQ(frame->SeverityField()->GetValue(), "18");

    CriticalFrame* second = OpenFromMenu<CriticalFrame>(ID_Critical);
    ASSERT_NE(second, frame);
    EXPECT_EQ(CountWindowsTitled(kTitle), 2);
    EXPECT_EQ(Explain(second, "10000", "24", "Monster Bites"), "Head, top: brain goo");
    EXPECT_EQ(frame->ResultField()->GetValue(), "Error, incomplete data in program");
    second->Close(true);
    Flush();
    EXPECT_EQ(CountWindowsTitled(kTitle), 1);
    EXPECT_EQ(program_data.creation_stage, 3);
}

class HonorTrackingTest : public GuiTest {
protected:
    static void Award(HonorTrackingFrame* frame, const char* award) {
        Pick(frame->AwardBox(), award, wxEVT_COMBOBOX);
        Click(frame, ID_HonorApplyAward);
    }
};

TEST_F(HonorTrackingTest, OpensWithItsControlsAndTheFilterNarrowsTheAwards) {
    HonorTrackingFrame* frame = OpenFromMenu<HonorTrackingFrame>(ID_Honor);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->GetParent(), main_window);
    ExpectMatchesGolden("window_honor_tracking.txt", Captions(frame));
    EXPECT_FALSE(frame->NoteField()->IsEditable());
    EXPECT_TRUE(std::filesystem::exists(workspace / frame->Tracker().LogFileName()));

    // The filter keeps one table's awards; an award with a note shows it.
    wxComboBox* awards = frame->AwardBox();
    const unsigned all = awards->GetCount();
    Pick(frame->FilterBox(), "GMG Table 4B: Honor Point Awards - Combat-related Actions",
         wxEVT_COMBOBOX);
    EXPECT_LT(awards->GetCount(), all);
    Pick(awards, "Dirty Fighting", wxEVT_COMBOBOX);
    EXPECT_TRUE(frame->NoteField()->GetValue().StartsWith("Penalties for dirty fighting"));
    Pick(frame->FilterBox(), "Unfiltered - Honor Point Awards", wxEVT_COMBOBOX);
    EXPECT_EQ(awards->GetCount(), all);
    EXPECT_TRUE(frame->NoteField()->GetValue().empty());
}

// Without saved characters Add PC asks for one; with them it opens the picker. Awards and
// adjustments go to the selected character only, into the list and the window's log. A window
// opened later lists the party at once and a change in one shows in both; the picker closes
// with its tracker, and the party outlives the windows, which leave a creation alone.
TEST_F(HonorTrackingTest, ThePartyItsAwardsAndAdjustmentsShowInTheListsAndTheLog) {
    Menu(main_window, ID_NewCharacter);
    HonorTrackingFrame* frame = OpenFromMenu<HonorTrackingFrame>(ID_Honor);
    port->AnswerText("Gwyl");
    port->AnswerChoice(8);
    port->AnswerText("17");
    Click(frame, ID_HonorAddPC);
    EXPECT_EQ(Newest<HonorFileFrame>(), nullptr);
    // Three saved characters, files in this order, with the fields the list reads.
    const char* const tags[] = {"CHARACTER_NAME", "CLASS_LONG_NAME", "LEVEL", "RACE", "SEX",
                                "ALIGNMENT",      "HONOR_BASE"};
    const std::vector<std::vector<std::string>> saved = {
        {"Ysolde Marr", "Paladin", "3", "Human", "Female", "Lawful-good", "21"},
        {"Tam", "Thief", "2", "Halfling", "Male", "Chaotic-evil", "9"},
        {"Corwin", "Bard", "1", "Elf", "Male", "Neutral", "14"}};
    for (std::size_t i = 0; i < saved.size(); ++i) {
        std::string file;
        for (std::size_t f = 0; f < std::size(tags); ++f) {
            file += std::string("<") + tags[f] + ">" + saved[i][f] + "</" + tags[f] + ">\n";
        }
        WriteFile("CharacterXML/" + std::to_string(i) + ".xml", file);
    }
    Click(frame, ID_HonorAddPC);
    HonorFileFrame* picker = Newest<HonorFileFrame>();
    ASSERT_NE(picker, nullptr);
    ActivateRow(picker->CharacterList(), 0);
    ActivateRow(picker->CharacterList(), 1);
    ExpectMatchesGolden("window_honor_picker.txt", Captions(picker));
    EXPECT_EQ(picker->GetParent(), frame);
    EXPECT_FALSE(picker->GetScreenRect().Intersects(frame->GetScreenRect())) << "side by side";
    wxListCtrl* party = frame->PartyList();
    // Nothing selected: nothing happens and nothing is asked.
    Award(frame, "Completing a quest");
    Click(frame, ID_HonorAdjust);
    Click(frame, ID_HonorAdjustTemporal);

    party->SetItemState(2, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    Click(frame, ID_HonorApplyAward);
    // The list is rebuilt with the same character still selected.
    EXPECT_EQ(party->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED), 2);
    port->AnswerText("duel");
    port->AnswerNumber(20);
    Click(frame, ID_HonorAdjust);
    port->AnswerText("watch");
    port->AnswerNumber(2);
    Click(frame, ID_HonorAdjustTemporal);
    // Tam gains 4 temporal for the quest, then 20 honor and 2 temporal.
    ExpectMatchesGolden("window_honor_party.txt",
                        Captions(frame) + "log:\n" + ReadFile(frame->Tracker().LogFileName()));
    Click(frame, ID_HonorRemovePC);
    ASSERT_EQ(party->GetItemCount(), 2);
    EXPECT_EQ(party->FindItem(-1, "Tam"), -1);

    HonorTrackingFrame* second = OpenFromMenu<HonorTrackingFrame>(ID_Honor);
    ASSERT_NE(second, frame);
    ASSERT_EQ(second->PartyList()->GetItemCount(), 2);
    second->PartyList()->SetItemState(1, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    Award(second, "Completing a quest");
    EXPECT_EQ(second->PartyList()->GetItemText(1, 7), "10");
    EXPECT_EQ(party->GetItemText(1, 7), "10");
    EXPECT_NE(ReadFile(second->Tracker().LogFileName()), "");
    frame->Close(true);
    second->Close(true);
    Flush();
    EXPECT_EQ(CountWindowsTitled("Honor Tracking"), 0);
    EXPECT_EQ(Newest<HonorFileFrame>(), nullptr) << "the picker closes with its tracker";
    EXPECT_EQ(program_data.creation_stage, 3);
    EXPECT_EQ(PartyCount(), 2);
}

} // namespace

namespace {

// One evening with a kept party: opened from its file, honor adjusted and written to the
// members' files, experience shared, the party side by side, a member opened with its new
// figures, and the party kept under a new name.
TEST_F(HonorTrackingTest, AKeptPartyOpensItsAwardsReachTheFilesAndAMemberOpensWithThem) {
    std::filesystem::copy(std::filesystem::path(FRAYMARK_SOURCE_DIR) / "gamedata", workspace,
                          std::filesystem::copy_options::recursive);
    CharacterBatch batch(workspace, workspace);
    std::string error;
    ASSERT_TRUE(batch.Start(5, error)) << error;
    PartyFile kept;
    for (int i = 0; i < 2; ++i) {
        const auto made = batch.MakeOne(i, {}, error);
        ASSERT_TRUE(made) << error;
        kept.members.push_back({std::filesystem::path(made->file).filename().string(), 0, ""});
    }
    ASSERT_TRUE(SavePartyFile(PartyFilePath("Evening"), kept, error)) << error;
    ResetProgramForTests();
    LoadAllRulesLists();

    HonorTrackingFrame* frame = OpenFromMenu<HonorTrackingFrame>(ID_Honor);
    port->AnswerChoice(0);
    Menu(frame, ID_PartyOpen);
    ASSERT_EQ(frame->PartyList()->GetItemCount(), 2);
    const std::string name = pcs[0].name;
    const int honor = pcs[0].honor;
    frame->PartyList()->SetItemState(0, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    port->AnswerText("held the bridge");
    port->AnswerNumber(5);
    Click(frame, ID_HonorAdjust);
    Menu(frame, ID_PartyWriteHonor);
    EXPECT_NE(port->messages.back().find("Honor written"), std::string::npos);
    port->AnswerNumber(4000);
    Menu(frame, ID_PartyAwardExperience);
    EXPECT_NE(port->messages.back().find("May now advance:"), std::string::npos);

    auto* party = OpenFromMenu<PartyFrame>(ID_PartyWindow);
    ASSERT_NE(party, nullptr);
    ASSERT_EQ(party->Table()->GetItemCount(), 2);
    ExpectMatchesGolden("window_party.txt", Captions(party));
    const long row = party->Table()->FindItem(-1, wxString::FromUTF8(name));
    party->Table()->SetItemState(row, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    Click(party, ID_PartyOpenMember);
    EXPECT_EQ(current_character.character_name, name);
    EXPECT_EQ(current_character.honor, honor + 5);
    double experience = 0; // its half of the award, shared among its classes
    for (const ClassDataItem* item = ClassDataItem::pHead.get(); item; item = item->next.get()) {
        experience += item->experience;
    }
    EXPECT_EQ(experience, 2000);

    port->AnswerText("Evening Two");
    Menu(frame, ID_PartySaveAs);
    EXPECT_TRUE(std::filesystem::exists(PartyFilePath("Evening Two")));
}

} // namespace

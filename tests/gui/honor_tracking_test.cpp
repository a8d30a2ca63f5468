#include <filesystem>
#include <string>
#include <vector>

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/listctrl.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "core/gm/honor_party.h"
#include "core/gm/saved_character_list.h"
#include "core/model/program_state.h"
#include "gui/app/command_ids.h"
#include "gui/gm/honor_file_frame.h"
#include "gui/gm/honor_tracking_frame.h"
#include "gui_fixture.h"
#include "support/saved_character_fixtures.h"

namespace {

const char* const kTitle = "Honor Tracking";

const std::vector<SavedCharacterSummary> kSaved = {
    {"Ysolde Marr", "Paladin", "3", "Human", "Female", "Lawful-good", "21"},
    {"Tam", "Thief", "2", "Halfling", "Male", "Chaotic-evil", "9"},
    {"Corwin", "Bard", "1", "Elf", "Male", "Neutral", "14"},
};

class HonorTrackingTest : public GuiTest {
protected:
    // The saved characters, listed in the order of their file names.
    void SaveCharacters() {
        for (std::size_t i = 0; i < kSaved.size(); ++i) {
            WriteSavedCharacter(workspace, std::to_string(i) + ".xml", kSaved[i]);
        }
    }

    HonorTrackingFrame* Open() {
        const int before = CountWindowsTitled(kTitle);
        Menu(main_window, ID_Honor);
        EXPECT_EQ(CountWindowsTitled(kTitle), before + 1);
        HonorTrackingFrame* newest = nullptr;
        for (wxWindow* window : wxTopLevelWindows) {
            if (auto* frame = dynamic_cast<HonorTrackingFrame*>(window)) {
                newest = frame; // windows are listed in creation order
            }
        }
        return newest;
    }

    static HonorFileFrame* Picker() {
        for (wxWindow* window : wxTopLevelWindows) {
            if (auto* picker = dynamic_cast<HonorFileFrame*>(window)) {
                return picker;
            }
        }
        return nullptr;
    }

    // Saves the characters, then adds some by activating their rows in the picker, as a
    // double click does.
    void AddFromPicker(HonorTrackingFrame* frame, const std::vector<long>& rows) {
        SaveCharacters();
        Click(frame, ID_HonorAddPC);
        HonorFileFrame* picker = Picker();
        ASSERT_NE(picker, nullptr);
        for (const long row : rows) {
            wxListEvent activate(wxEVT_LIST_ITEM_ACTIVATED, ID_HonorPickerList);
            activate.SetEventObject(picker->CharacterList());
            activate.m_itemIndex = row;
            picker->CharacterList()->ProcessWindowEvent(activate);
        }
    }

    static void Choose(wxComboBox* box, const wxString& text) {
        const int index = box->FindString(text, true);
        ASSERT_NE(index, wxNOT_FOUND) << text;
        box->SetSelection(index);
        wxCommandEvent chosen(wxEVT_COMBOBOX, box->GetId());
        chosen.SetEventObject(box);
        chosen.SetInt(index);
        chosen.SetString(text);
        box->ProcessWindowEvent(chosen);
    }

    static void SelectRow(wxListCtrl* list, long row) {
        list->SetItemState(row, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    }

    static std::vector<std::string> Row(wxListCtrl* list, long row) {
        std::vector<std::string> cells;
        for (int column = 0; column < list->GetColumnCount(); ++column) {
            cells.emplace_back(list->GetItemText(row, column).utf8_str());
        }
        return cells;
    }

    static bool HasLabel(wxWindow* window, const wxString& text) {
        for (wxWindow* child : window->GetChildren()) {
            auto* label = dynamic_cast<wxStaticText*>(child);
            if ((label && label->GetLabel() == text) || HasLabel(child, text)) {
                return true;
            }
        }
        return false;
    }
};

TEST_F(HonorTrackingTest, OpensWithItsButtonsListsAndLabels) {
    HonorTrackingFrame* frame = Open();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->GetSize(), wxSize(640, 500));
    EXPECT_EQ(frame->GetParent(), main_window);
    const std::pair<int, const char*> buttons[] = {
        {ID_HonorAddPC, "Add PC"},
        {ID_HonorRemovePC, "Remove PC"},
        {ID_HonorApplyAward, "Apply Honor Award"},
        {ID_HonorAdjust, "Adjust Honor"},
        {ID_HonorAdjustTemporal, "Adjust Temporal Honor"},
    };
    for (const auto& [id, label] : buttons) {
        wxWindow* button = frame->FindWindow(id);
        ASSERT_NE(dynamic_cast<wxButton*>(button), nullptr) << label;
        EXPECT_EQ(button->GetLabel(), label);
    }
    for (const char* text : {"Honor Table Filter", "Honor Reward Selection", "Notes"}) {
        EXPECT_TRUE(HasLabel(frame, text)) << text;
    }
    ASSERT_EQ(frame->FilterBox()->GetCount(), 8u);
    EXPECT_EQ(frame->FilterBox()->GetValue(), "Unfiltered - Honor Point Awards");
    EXPECT_EQ(frame->FilterBox()->GetString(7),
              "GMG Table 4H: Honor Point Awards - Action/Event: Party Related");
    EXPECT_EQ(frame->AwardBox()->GetCount(), 122u);
    EXPECT_EQ(frame->AwardBox()->GetString(0),
              "Allowing a disarmed opponent to pick up his weapon");
    EXPECT_FALSE(frame->NoteField()->IsEditable());
    wxListCtrl* party = frame->PartyList();
    ASSERT_EQ(party->GetColumnCount(), 8);
    wxListItem column;
    column.SetMask(wxLIST_MASK_TEXT);
    ASSERT_TRUE(party->GetColumn(7, column));
    EXPECT_EQ(column.GetText(), "Temporal Honor");
    EXPECT_EQ(party->GetItemCount(), 0);
    EXPECT_TRUE(std::filesystem::exists(workspace / frame->Tracker().LogFileName()));
}

TEST_F(HonorTrackingTest, TheFilterNarrowsTheAwardsAndTheNoteFollowsTheAward) {
    HonorTrackingFrame* frame = Open();
    ASSERT_NE(frame, nullptr);
    Choose(frame->FilterBox(), "GMG Table 4H: Honor Point Awards - Action/Event: Party Related");
    wxComboBox* awards = frame->AwardBox();
    ASSERT_EQ(awards->GetCount(), 7u);
    EXPECT_EQ(awards->GetString(0), "Banished/Ousted by Party");
    EXPECT_EQ(awards->GetString(6), "Unnecessary deaths in course of mission");

    Choose(frame->FilterBox(), "GMG Table 4B: Honor Point Awards - Combat-related Actions");
    EXPECT_EQ(awards->GetCount(), 36u);
    Choose(awards, "Dirty Fighting");
    EXPECT_EQ(frame->NoteField()->GetValue(),
              "Penalties for dirty fighting do not apply if the other guy is 'dirty fighting' "
              "first");
    Choose(awards, "Delivering a critical hit");
    EXPECT_EQ(frame->NoteField()->GetValue(), "Notes");
    Choose(frame->FilterBox(), "Unfiltered - Honor Point Awards");
    EXPECT_EQ(awards->GetCount(), 122u);
    EXPECT_TRUE(frame->NoteField()->GetValue().empty());
}

TEST_F(HonorTrackingTest, PickerListsSavedCharactersAndAddsTheActivatedOnes) {
    HonorTrackingFrame* frame = Open();
    ASSERT_NE(frame, nullptr);
    AddFromPicker(frame, {2, 0});
    HonorFileFrame* picker = Picker();
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->GetTitle(), "Add Character");
    EXPECT_EQ(picker->GetSize(), wxSize(300, 300));
    EXPECT_EQ(picker->GetParent(), frame);
    EXPECT_FALSE(picker->GetScreenRect().Intersects(frame->GetScreenRect())) << "side by side";
    wxListCtrl* saved = picker->CharacterList();
    EXPECT_EQ(saved->GetColumnCount(), 5);
    ASSERT_EQ(saved->GetItemCount(), 3);
    EXPECT_EQ(Row(saved, 1), (std::vector<std::string>{"Tam", "Thief", "2", "Halfling", "Male"}));

    wxListCtrl* party = frame->PartyList();
    ASSERT_EQ(party->GetItemCount(), 2);
    EXPECT_EQ(Row(party, 0), (std::vector<std::string>{"Corwin", "Bard", "1", "Elf", "Male", "14",
                                                       "Neutral", "0"}));
    EXPECT_EQ(Row(party, 1)[0], "Ysolde Marr");
    EXPECT_EQ(Row(party, 1)[5], "21");
}

TEST_F(HonorTrackingTest, AwardsAndAdjustmentsShowInTheListAndTheLog) {
    HonorTrackingFrame* frame = Open();
    ASSERT_NE(frame, nullptr);
    AddFromPicker(frame, {0, 1});
    wxListCtrl* party = frame->PartyList();

    // Nothing selected: nothing happens and nothing is asked.
    Choose(frame->AwardBox(), "Completing a quest");
    Click(frame, ID_HonorApplyAward);
    Click(frame, ID_HonorAdjust);
    Click(frame, ID_HonorAdjustTemporal);
    EXPECT_TRUE(port->questions.empty());
    EXPECT_EQ(Row(party, 0)[7], "0");

    SelectRow(party, 1);
    Click(frame, ID_HonorApplyAward);
    EXPECT_EQ(Row(party, 1)[7], "4");
    EXPECT_EQ(Row(party, 0)[7], "0");
    // The list is rebuilt with the same character still selected.
    EXPECT_EQ(party->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED), 1);
    port->AnswerText("duel");
    port->AnswerNumber(20);
    Click(frame, ID_HonorAdjust);
    EXPECT_EQ(Row(party, 1)[5], "29");
    port->AnswerText("watch");
    port->AnswerNumber(2);
    Click(frame, ID_HonorAdjustTemporal);
    EXPECT_EQ(Row(party, 1)[7], "6");
    EXPECT_EQ(ReadFile(frame->Tracker().LogFileName()),
              "Tam has been awarded: Completing a quest for 4 points of Temporal Honor \n"
              "Tam has had Honor adjusted: duel for 20 points of Honor \n"
              "Tam has had Temporal Honor adjusted: watch for 2 points of Temporal Honor \n");

    Click(frame, ID_HonorRemovePC);
    ASSERT_EQ(party->GetItemCount(), 1);
    EXPECT_EQ(Row(party, 0)[0], "Ysolde Marr");
}

TEST_F(HonorTrackingTest, WindowsShareThePartyEachWithItsOwnLog) {
    HonorTrackingFrame* first = Open();
    ASSERT_NE(first, nullptr);
    AddFromPicker(first, {0});
    HonorTrackingFrame* second = Open();
    ASSERT_NE(second, nullptr);
    ASSERT_NE(second, first);
    // A window opened later lists the party at once, and a change in one shows in both.
    ASSERT_EQ(second->PartyList()->GetItemCount(), 1);
    SelectRow(second->PartyList(), 0);
    Choose(second->AwardBox(), "Completing a quest");
    Click(second, ID_HonorApplyAward);
    EXPECT_EQ(Row(first->PartyList(), 0)[7], "10");
    EXPECT_EQ(
        ReadFile(second->Tracker().LogFileName()),
        "Ysolde Marr has been awarded: Completing a quest for 10 points of Temporal Honor \n");
    if (std::string(first->Tracker().LogFileName()) != second->Tracker().LogFileName()) {
        EXPECT_EQ(ReadFile(first->Tracker().LogFileName()), "");
    }
}

TEST_F(HonorTrackingTest, WithNoSavedCharactersAddPcAsksForOne) {
    HonorTrackingFrame* frame = Open();
    ASSERT_NE(frame, nullptr);
    port->AnswerText("Gwyl");
    port->AnswerChoice(8);
    port->AnswerText("17");
    Click(frame, ID_HonorAddPC);
    EXPECT_EQ(Picker(), nullptr);
    ASSERT_EQ(frame->PartyList()->GetItemCount(), 1);
    EXPECT_EQ(Row(frame->PartyList(), 0),
              (std::vector<std::string>{"Gwyl", "", "", "", "", "17", "Chaotic-evil", "0"}));
}

TEST_F(HonorTrackingTest, ClosingTheWindowLeavesACreationInProgressAlone) {
    Menu(main_window, ID_NewCharacter);
    ASSERT_EQ(program_data.creation_stage, 3);
    HonorTrackingFrame* frame = Open();
    ASSERT_NE(frame, nullptr);
    AddFromPicker(frame, {0});
    frame->Close(true);
    Flush();
    EXPECT_EQ(CountWindowsTitled(kTitle), 0);
    EXPECT_EQ(Picker(), nullptr) << "the picker closes with its tracker";
    EXPECT_EQ(program_data.creation_stage, 3);
    EXPECT_EQ(PartyCount(), 1) << "the party outlives the window";
}

} // namespace

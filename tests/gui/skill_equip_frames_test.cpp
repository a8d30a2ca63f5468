// The last creation windows on the shipped data: skills, talents and proficiencies, the
// alignment and name, the shop, and the finished character saved, opened and saved again.

#include <filesystem>
#include <string>

#include <wx/combobox.h>
#include <wx/listctrl.h>
#include <wx/textctrl.h>

#include "core/app/clear_all.h"
#include "core/data/class_data.h"
#include "core/data/race_data.h"
#include "core/data/rules_lists.h"
#include "core/model/character.h"
#include "core/model/program_state.h"
#include "gui/app/command_ids.h"
#include "gui/app/window_registry.h"
#include "gui/files/file_frame.h"
#include "gui/wizard/alignment_step_frame.h"
#include "gui/wizard/equip_frame.h"
#include "gui/wizard/skill_frame.h"
#include "gui_fixture.h"
#include "window_screenshot.h"

namespace {

// A Human Fighter as the honor step leaves it, about to open the skills window.
class SkillEquipFramesTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        std::filesystem::copy(std::filesystem::path(FRAYMARK_SOURCE_DIR) / "gamedata", workspace,
                              std::filesystem::copy_options::recursive);
        LoadAllRulesLists();
        Clear_All();
        Character_Class& c = current_character;
        c.race_item = CharacterRace::Find("Human"); // the female record comes first
        c.race = "Human";
        c.sex = c.race_item->sex;
        c.class_item = CharacterClass::Find("Fighter");
        c.class_long_name = "Fighter";
        for (int32_t* score : c.Scores()) {
            *score = 12;
        }
        auto entry = std::make_unique<ClassDataItem>();
        entry->name = "Fighter";
        entry->level = 1;
        ClassDataItem::AddTail(std::move(entry));
        c.level = 1;
        c.free_proficiencies = 4;
        c.honor_die_sides = 6;
        c.honor_standing = "Average";
        c.gold = 30;
        program_data.creation_stage = 10;
        program_data.building_points = 12.5f;
        OpenSkillStep();
        skills = dynamic_cast<SkillFrame*>(VexlFrames[kSlotSkills]);
    }

    static void Choose(wxComboBox* box, int id, int entry) {
        box->SetSelection(entry);
        wxCommandEvent event(wxEVT_COMBOBOX, id);
        event.SetEventObject(box);
        box->ProcessWindowEvent(event);
    }
    // Selects the row whose first column is `name`.
    static void Select(wxListCtrl* list, const wxString& name) {
        for (long row = 0; row < list->GetItemCount(); ++row) {
            if (list->GetItemText(row) == name) {
                list->SetItemState(row, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
                return;
            }
        }
        ADD_FAILURE() << "no row " << name;
    }
    static std::string Row(wxListCtrl* list, long row) {
        return std::string(
            (list->GetItemText(row, 0) + "|" + list->GetItemText(row, 1)).utf8_str());
    }
    void Buy(int entry, const wxString& name) {
        Choose(skills->FilterBox(), ID_SkillFilter, entry);
        Select(skills->ShopList(), name);
        Click(skills, ID_SkillAdd);
    }

    SkillFrame* skills = nullptr;
};

TEST_F(SkillEquipFramesTest, AFinishedCharacterSavesOpensAndSavesTheSame) {
    ASSERT_NE(skills, nullptr);
    EXPECT_EQ(skills->GetSize(), wxSize(731, 545));
    ASSERT_EQ(skills->FilterBox()->GetCount(), 15u);
    EXPECT_EQ(skills->FilterBox()->GetString(11), "Skills: Suites");
    Buy(5, "Cooking");
    EXPECT_EQ(skills->BuildingPointsBox()->GetValue(), "11.5  ");
    skills->TakenList()->SetItemState(0, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    Click(skills, ID_SkillRemove);
    EXPECT_EQ(skills->BuildingPointsBox()->GetValue(), "12.5  ");
    Buy(5, "Swimming");
    Buy(13, "Acute Hearing");
    Buy(14, "Awl Pike");
    ASSERT_EQ(skills->TakenList()->GetItemCount(), 3);
    EXPECT_EQ(skills->SlotsBox()->GetValue(), "3");
    SaveWindowScreenshot(skills, "skill_frame.png");
    Menu(skills, ID_Continue); // 4.5 BP left: 112 gold more
    Flush();
    EXPECT_EQ(current_character.gold, 142);
    auto* alignment = dynamic_cast<AlignmentStep*>(VexlFrames[kSlotAlignment]);
    ASSERT_NE(alignment, nullptr);
    EXPECT_EQ(VexlFrames[kSlotSkills], nullptr);
    EXPECT_EQ(alignment->AlignmentBox()->GetValue(), "Lawful-good");
    alignment->AlignmentBox()->SetSelection(4);
    SaveWindowScreenshot(alignment, "alignment_step.png");
    port->AnswerText("Orla Venn");
    Click(alignment, ID_AlignmentContinue);
    Flush();
    EXPECT_EQ(program_data.creation_stage, 0);
    EXPECT_EQ(current_character.alignment, "Neutral");
    EXPECT_GT(current_character.hit_points, 20);

    auto* shop = dynamic_cast<EquipFrame*>(VexlFrames[kSlotEquipment]);
    ASSERT_NE(shop, nullptr);
    EXPECT_EQ(shop->FilterBox()->GetString(0), "Weapons, Melee");
    Choose(shop->FilterBox(), ID_EquipFilter, 6);
    Select(shop->ShopList(), "Torch");
    Click(shop, ID_EquipAdd);
    Click(shop, ID_EquipAdd);
    Select(shop->ShopList(), "Rope, Hemp (50 ft.)");
    Click(shop, ID_EquipAdd);
    ASSERT_EQ(shop->OwnedList()->GetItemCount(), 6);
    EXPECT_EQ(Row(shop->OwnedList(), 0) + " " + Row(shop->OwnedList(), 1) + " " +
                  Row(shop->OwnedList(), 2),
              "Gold pieces|140 Silver pieces|9 Copper pieces|8");
    EXPECT_EQ(Row(shop->OwnedList(), 4), "Torch|x2");
    shop->OwnedList()->SetItemState(4, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    Click(shop, ID_EquipRemove);
    EXPECT_EQ(Row(shop->OwnedList(), 4), "Torch|x1");
    EXPECT_TRUE(shop->OwnedList()->GetItemState(4, wxLIST_STATE_SELECTED));
    SaveWindowScreenshot(shop, "equip_frame.png");
    shop->Close(true);
    Flush();

    Menu(main_window, ID_SaveFile);
    const std::string saved = ReadFile("CharacterXML/Orla Venn.xml");
    const std::string sheet = ReadFile("CharacterHTML/Orla Venn.html");
    for (const char* part : {"Swimming", "Acute Hearing", "Awl Pike", "Neutral", "Torch"}) {
        EXPECT_NE(saved.find(part), std::string::npos) << part;
        EXPECT_NE(sheet.find(part), std::string::npos) << part;
    }
    const std::string log = ReadFile(program_data.log_file_name);
    for (const char* line : {"Purchasing Talent Acute Hearing for 5 BP", "Alignment = Neutral",
                             "Purchasing Torch for 1 Copper", "Selling Torch for 1 Copper"}) {
        EXPECT_NE(log.find(line), std::string::npos) << line;
    }
    Menu(main_window, ID_OpenFile);
    auto* files = dynamic_cast<FileFrame*>(WindowTitled("Load Character"));
    ASSERT_NE(files, nullptr);
    ASSERT_EQ(files->List()->GetItemCount(), 1);
    wxListEvent open(wxEVT_LIST_ITEM_ACTIVATED, ID_FileList);
    open.SetEventObject(files->List());
    open.SetIndex(0);
    files->List()->ProcessWindowEvent(open);
    Flush();
    Menu(main_window, ID_SaveFile);
    EXPECT_EQ(ReadFile("CharacterXML/Orla Venn.xml"), saved);
}

} // namespace

// A character made the way a player makes one, on the shipped data: New Character through every
// creation window to the shop, then saved, opened again and saved unchanged.

#include <filesystem>
#include <string>

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/listctrl.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "core/data/rules_lists.h"
#include "core/dice/dice.h"
#include "core/model/character.h"
#include "core/model/program_state.h"
#include "gui/base/command_ids.h"
#include "gui/base/window_registry.h"
#include "gui/files/file_frame.h"
#include "gui/wizard/alignment_step_frame.h"
#include "gui/wizard/equip_frame.h"
#include "gui/wizard/frame_step10.h"
#include "gui/wizard/frame_step3.h"
#include "gui/wizard/frame_step6.h"
#include "gui/wizard/frame_step7.h"
#include "gui/wizard/frame_step8.h"
#include "gui/wizard/skill_frame.h"
#include "gui_fixture.h"
#include "support/golden.h"

namespace {

class NewCharacterTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        std::filesystem::copy(std::filesystem::path(FRAYMARK_SOURCE_DIR) / "gamedata", workspace,
                              std::filesystem::copy_options::recursive);
        LoadAllRulesLists();
        // Every die of the walk, window by window: New Character names the log (12d12: 94.log);
        // the seven scores (3d6, then d100) give Strength 14 and Wisdom 9, a fighter who picks a
        // side; the background rolls its first age twice; the free quirk is Fear of Heights;
        // then the money and the age, the skills' dice and the hit points.
        QueueDieFaces({1, 5, 1, 11, 9, 9, 12, 12, 4, 11, 8, 11});
        QueueDieFaces({6, 5,  3, 71, 4, 4,  6, 43, 4, 1,  5, 93, 4, 4,
                       3, 77, 6, 2,  1, 13, 4, 1,  6, 77, 5, 2,  5, 51});
        QueueDieFaces({2,  3,  49, 7,  10, 7, 8,  10, 3,  5, 6, 2,  79, 38, 15, 87, 37, 44,
                       67, 12, 13, 35, 40, 7, 56, 50, 33, 1, 8, 18, 71, 2,  25, 72, 55, 64});
        QueueDieFaces({38, 83, 5, 4, 2, 1, 5});
    }

    static void Select(wxListCtrl* list, const wxString& name) {
        const long row = list->FindItem(-1, name);
        ASSERT_NE(row, -1) << "no row " << name;
        list->SetItemState(row, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    }
};

TEST_F(NewCharacterTest, FromNewCharacterToTheShopThenSavedOpenedAndSavedTheSame) {
    Menu(main_window, ID_NewCharacter);
    auto* abilities = dynamic_cast<FrameStep3*>(VexlFrames[kSlotStep3]);
    ASSERT_NE(abilities, nullptr);
    Click(abilities, ID_Step3Roll);
    Pick(abilities->RaceList(), "Human, Male");
    Click(abilities, ID_Step3ContinueButton);
    Flush();
    EXPECT_FLOAT_EQ(program_data.building_points, 10.0f);

    // The first age is rolled again for 1 BP; every other roll is accepted, and the free quirk
    // the loving mother brings is rolled on the first table offered.
    auto* priors = dynamic_cast<FrameStep6*>(VexlFrames[kSlotStep6]);
    ASSERT_NE(priors, nullptr);
    port->AnswerNo();
    for (int i = 0; i < 29; ++i) {
        port->AnswerYes();
    }
    while (priors->RollButton()) {
        Click(priors, priors->RollButton()->GetId());
    }
    EXPECT_EQ(port->questions.front().caption, "Accept this roll? (reroll costs 1BP)");
    EXPECT_FLOAT_EQ(program_data.building_points, 9.0f);
    port->AnswerChoice(0);
    Menu(priors, ID_Continue);
    Flush();
    auto* quirks = dynamic_cast<FrameStep7*>(VexlFrames[kSlotStep7]);
    ASSERT_NE(quirks, nullptr);
    port->AnswerYes();
    Click(quirks, ID_Step7Roll);
    Click(quirks, ID_Continue);
    Flush();
    wxFrame* cherry = WindowTitled("Character Creation: Quirks and Flaws (Cherry Picking)");
    ASSERT_NE(cherry, nullptr);
    Click(cherry, ID_Continue); // nothing picked
    Flush();

    auto* raise = dynamic_cast<FrameStep8*>(VexlFrames[kSlotStep8]);
    ASSERT_NE(raise, nullptr);
    Pick(raise->ClassList(), "Fighter");
    Click(raise, ID_Step8ContinueButton);
    Flush();
    // Money first: the age is still to roll, so Continue waits. Each roll button gives way to
    // the rolled value.
    EXPECT_EQ(WindowTitled("Thief Skills"), nullptr) << "a fighter places no thief points";
    auto* age_money = dynamic_cast<FrameStep10*>(VexlFrames[kSlotStep10]);
    ASSERT_NE(age_money, nullptr);
    const std::string age_money_opened = Captions(age_money);
    port->AnswerNumber(0); // no BP spent on money
    port->AnswerYes();
    Click(age_money, ID_Step10RollMoney);
    Click(age_money, ID_Step10ContinueButton);
    Flush();
    ASSERT_EQ(VexlFrames[kSlotStep10], age_money);
    port->AnswerYes();
    Click(age_money, ID_Step10RollAge);
    ExpectMatchesGolden("window_age_and_money.txt",
                        age_money_opened + "rolled:\n" + Captions(age_money));
    Click(age_money, ID_Step10ContinueButton);
    Flush();
    EXPECT_EQ(port->AnswersLeft(), 0u);

    // One skill, one talent, one proficiency.
    auto* skills = dynamic_cast<SkillFrame*>(VexlFrames[kSlotSkills]);
    ASSERT_NE(skills, nullptr);
    const std::string skills_opened = Captions(skills);
    for (const auto& [filter, name] : {std::pair{"Tasks: Mundane", "Swimming"},
                                       {"Talents", "Acute Hearing"},
                                       {"Proficiencies", "Awl Pike"}}) {
        Pick(skills->FilterBox(), filter, wxEVT_COMBOBOX);
        Select(skills->ShopList(), name);
        Click(skills, ID_SkillAdd);
    }
    ExpectMatchesGolden("window_skills.txt", skills_opened + "taken:\n" + Captions(skills));
    Click(skills, ID_Continue); // the button, beside the menu's Continue
    Flush();

    auto* alignment = dynamic_cast<AlignmentStep*>(VexlFrames[kSlotAlignment]);
    ASSERT_NE(alignment, nullptr);
    ExpectMatchesGolden("window_alignment.txt", Captions(alignment));
    alignment->AlignmentBox()->SetSelection(4);
    port->AnswerText("Orla Venn");
    Click(alignment, ID_AlignmentContinue);
    Flush();
    EXPECT_EQ(program_data.creation_stage, 0);

    // A torch bought for a copper, the starting clothes sold for five silver: the purse of
    // 405 gold, the BP left cashed in at 25 gold each, keeps the fewest coins. The spyglass
    // is beyond the purse, and the status bar says so.
    auto* shop = dynamic_cast<EquipFrame*>(VexlFrames[kSlotEquipment]);
    ASSERT_NE(shop, nullptr);
    const std::string shop_opened = Captions(shop);
    Pick(shop->FilterBox(), "Adventuring Gear", wxEVT_COMBOBOX);
    Select(shop->ShopList(), "Spyglass");
    Click(shop, ID_EquipAdd);
    EXPECT_EQ(shop->GetStatusBar()->GetStatusText(0),
              "Spyglass costs 1000 Gold; the purse holds 405 gold, 0 silver, 0 copper");
    Select(shop->ShopList(), "Torch");
    Click(shop, ID_EquipAdd);
    Select(shop->OwnedList(), "Starting Clothes");
    Click(shop, ID_EquipRemove);
    ExpectMatchesGolden("window_shop.txt", shop_opened + "traded:\n" + Captions(shop));
    Click(shop, ID_EquipDone);
    Flush();
    EXPECT_EQ(port->AnswersLeft(), 0u);

    // Everything chosen in the windows is in the file.
    Menu(main_window, ID_SaveFile);
    const std::string saved = ReadFile("CharacterXML/Orla Venn.xml");
    ExpectMatchesGolden("new_character_orla.xml", saved);
    auto* files = OpenFromMenu<FileFrame>(ID_OpenFile);
    ASSERT_NE(files, nullptr);
    Select(files->List(), "Orla Venn");
    Click(files, ID_FileOpen);
    Flush();
    EXPECT_EQ(current_character.character_name, "Orla Venn");
    Menu(main_window, ID_SaveFile);
    EXPECT_EQ(ReadFile("CharacterXML/Orla Venn.xml"), saved);
}

} // namespace

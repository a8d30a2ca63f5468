#include <wx/button.h>
#include <wx/stattext.h>

#include "core/app/clear_all.h"
#include "core/data/class_data.h"
#include "core/model/character.h"
#include "core/model/program_state.h"
#include "gui/wizard/frame_step10.h"
#include "gui/wizard/skill_frame.h"
#include "gui_fixture.h"
#include "support/golden.h"

namespace {

// A human fighter of eighteen with all twelves (honor 12, +1 for Charisma) and no BP left, as the
// class step leaves it.
class FrameStep10Test : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        Clear_All(); // names the dice log
        record.agedie = 4;
        record.agedierolls = 1;
        current_character.class_item = &record;
        current_character.race = "Human";
        current_character.age = 18;
        current_character.social_id = 7;
        for (int32_t* score : current_character.Scores()) {
            *score = 12;
        }
        program_data.creation_stage = 9;
        window = OpenStep<FrameStep10>(kSlotStep10, "Character Creation: Age and Money",
                                       wxSize(290, 155));
    }
    void TearDown() override {
        GuiTest::TearDown();
        current_character.class_item = nullptr;
    }

    CharacterClass record;
    FrameStep10* window = nullptr;
};

TEST_F(FrameStep10Test, BothRollsInEitherOrderThenHonorAndTheSkillsStep) {
    ExpectMatchesGolden("window_age_and_money.txt", Captions(window));
    port->AnswerNumber(0); // no BP to spend
    Click(window, ID_Step10RollMoney);
    Flush();
    ASSERT_NE(window->GoldLabel(), nullptr);
    EXPECT_EQ(window->GoldLabel()->GetLabel(), "Gold: " + std::to_string(current_character.gold));
    EXPECT_EQ(window->FindWindow(ID_Step10RollMoney), nullptr) << "the button is removed";
    Click(window, ID_Step10ContinueButton); // the age is still to roll
    Flush();
    ASSERT_EQ(VexlFrames[kSlotStep10], window);

    Click(window, ID_Step10RollAge);
    Flush();
    ASSERT_NE(window->AgeLabel(), nullptr);
    EXPECT_EQ(window->AgeLabel()->GetLabel(), "Age: " + std::to_string(current_character.age));

    port->messages.clear();
    Click(window, ID_Step10ContinueButton);
    Flush();
    EXPECT_EQ(WindowTitled("Character Creation: Age and Money"), nullptr);
    EXPECT_EQ(port->messages, std::vector<std::string>{"Honor: Your starting Honor is 13"});
    EXPECT_EQ(program_data.creation_stage, 12);
    auto* skills = dynamic_cast<SkillFrame*>(
        WindowTitled("Character Creation: Skills Talents & Proficiencies"));
    ASSERT_NE(skills, nullptr);
    EXPECT_EQ(VexlFrames[kSlotSkills], skills);
    EXPECT_EQ(skills->GetSize(), wxSize(731, 545));
}

} // namespace

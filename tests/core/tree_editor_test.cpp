#include "core/tree/tree_editor.h"

#include <string>

#include <gtest/gtest.h>

#include "core/model/character.h"
#include "core/model/program_state.h"
#include "support/golden.h"
#include "support/workspace_fixture.h"
#include "tree_recorder.h"

namespace {

using Action = TreeEditor::Action;

class TreeEditing : public WorkspaceTest {
protected:
    TreeRecorder port;
};

// Whole-number dialogs with a stated range, prefilled with the value; an answer beyond the
// range is brought into it. Each question and its outcome against
// tests/golden/tree_edit_numbers.txt.
TEST_F(TreeEditing, NumbersAreAskedPrefilledInRangeAndShownWithTheirUnit) {
    Character_Class& c = current_character;
    c.age = 18, c.character_height = 60, c.character_weight = 120, c.siblings = 4;
    const struct {
        const char* key;
        long typed;
        const int32_t* field;
    } cases[] = {{"Age", 21, &c.age},
                 {"Height", 70, &c.character_height},
                 {"Weight", 99999999999, &c.character_weight},
                 {"Siblings", -2, &c.siblings}};
    std::string transcript;
    for (const auto& test : cases) {
        port.AnswerNumber(test.typed);
        const TreeEditor::Result result = TreeEditor::Edit(test.key);
        ASSERT_FALSE(port.questions.empty());
        const auto& q = port.questions.back();
        transcript += q.kind + "|" + q.message + "|" + q.caption + "|" + std::to_string(q.value) +
                      "|" + std::to_string(q.min) + "-" + std::to_string(q.max) + " -> " +
                      (result.action == Action::kChanged ? "changed, " : "unchanged, ") +
                      result.shown + ", " + std::to_string(*test.field) + '\n';
    }
    ExpectMatchesGolden("tree_edit_numbers.txt", transcript);
    port.AnswerCancel();
    EXPECT_EQ(TreeEditor::Edit("Height").action, Action::kNothing);
    EXPECT_EQ(c.character_height, 70) << "a cancelled dialog changes nothing";
}

// Each typed text with the value the dialog was prefilled with, what was kept and what the
// tree shows, against tests/golden/tree_edit_texts.txt.
TEST_F(TreeEditing, TextsAreCheckedWhereTheRulesSaySo) {
    Character_Class& c = current_character;
    c.social_class = "Lower Middle Class";
    c.handedness = "Right";
    const struct {
        const char* key;
        const char* typed;
        const std::string* field;
    } cases[] = {
        {"Social_Class", "Upper Lower Class", &c.social_class},
        {"Social_Class", "Nobility", &c.social_class},
        {"Social_Class", "upper class", &c.social_class},
        {"Handeness", "Ambidextrous", &c.handedness},
        {"Handeness", "left", &c.handedness},
        {"Handeness", "Left ", &c.handedness},
        {"Handeness", "Left", &c.handedness},
        {"Birth_Order", "Third of five", &c.birth_order},
        {"Step_Parent", "", &c.stepparent},
    };
    std::string transcript;
    for (const auto& test : cases) {
        port.AnswerText(test.typed);
        const TreeEditor::Result result = TreeEditor::Edit(test.key);
        transcript += std::string(test.key) + " '" + port.prefilled.back() + "' typed '" +
                      test.typed + "' -> '" + *test.field + "', " +
                      (result.action == Action::kChanged ? "shown '" + result.shown + "'"
                                                         : std::string("unchanged")) +
                      '\n';
    }
    ExpectMatchesGolden("tree_edit_texts.txt", transcript);
}

TEST_F(TreeEditing, ATextLongerThanASavedCharacterKeepsIsRefused) {
    current_character.family_heritage = "Farmers";
    port.AnswerText(std::string(1024, 'a'));
    EXPECT_EQ(TreeEditor::Edit("Heritage").action, Action::kNothing);
    EXPECT_EQ(current_character.family_heritage, "Farmers");
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0], "Character Editing: Family Heritage: This text is longer than the "
                                "1023 characters a saved character keeps; it was not changed.");
    port.AnswerText(std::string(1023, 'a'));
    EXPECT_EQ(TreeEditor::Edit("Heritage").action, Action::kChanged);
}

// During a creation nothing is edited from the tree; after it the item lists open their
// windows and the other items are not editable.
TEST_F(TreeEditing, ItemListsOpenTheirWindowsAndNothingDuringACreation) {
    for (int stage : {3, 5, 9, 18, 1}) {
        program_data.creation_stage = stage;
        for (const char* key : {"Height", "Handeness", "Skills", "Equipment"}) {
            EXPECT_EQ(TreeEditor::Edit(key).action, Action::kNothing) << key << " at " << stage;
        }
    }
    program_data.creation_stage = 0;
    for (const char* key : {"Skills", "Talents", "Proficiencies"}) {
        EXPECT_EQ(TreeEditor::Edit(key).action, Action::kOpenSkills) << key;
    }
    EXPECT_EQ(TreeEditor::Edit("Equipment").action, Action::kOpenEquipment);
    for (const char* key :
         {"Sibling 1", "Strength", "Race", "Hit Points", "PC", "", "age", "Thief Skills"}) {
        EXPECT_EQ(TreeEditor::Edit(key).action, Action::kNothing) << key;
    }
    EXPECT_TRUE(port.questions.empty());
}

} // namespace

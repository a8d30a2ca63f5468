#include <gtest/gtest.h>

#include "core/app/clear_all.h"
#include "core/data/quirk_flaw.h"
#include "core/dice/dice.h"
#include "core/model/character.h"
#include "core/model/options.h"
#include "core/model/program_state.h"
#include "support/scripted_port.h"
#include "support/workspace_fixture.h"

namespace {

class ClearAllTest : public WorkspaceTest {
protected:
    ScriptedPort port;
};

// One new character after another: the creation and the quirk table reset but for what later
// steps reset themselves, the options reloaded with the core book on whatever the file says,
// and the log named once and emptied for each character.
TEST_F(ClearAllTest, ResetsTheCreationTheOptionsAndTheLog) {
    program_data.creation_stage = 8;
    program_data.building_points = 7.5f;
    program_data.money_roll_modifier = 3;
    program_data.honor_roll_modifier = 2;
    program_data.quirk_rolls_pending = 1;
    quirkflaw[0].bp = 99;
    std::snprintf(quirkflaw[0].name, sizeof quirkflaw[0].name, "%s", "changed");
    WriteFile("options.qdb", std::string(404, '\0'));
    BooksToUse[2] = 1;
    QueueDieFaces({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2}); // the log's name: 12d12
    Clear_All();
    EXPECT_EQ(program_data.creation_stage, 0);
    EXPECT_FLOAT_EQ(program_data.building_points, 0.0f);
    EXPECT_EQ(program_data.money_roll_modifier, 0);
    EXPECT_EQ(program_data.honor_roll_modifier, 2);
    EXPECT_EQ(program_data.quirk_rolls_pending, 1);
    // Entry 0 is the blank entry that ends the exclusion lists.
    EXPECT_EQ(quirkflaw[0].bp, 0);
    EXPECT_STREQ(quirkflaw[0].name, "");
    EXPECT_EQ(BooksToUse[0], 1);
    EXPECT_EQ(BooksToUse[2], 0);
    EXPECT_EQ(ReadFile("options.qdb"), std::string(404, '\0')) << "the file keeps entry 0 off";
    const std::string name = program_data.log_file_name;
    ASSERT_EQ(name, "13.log");
    EXPECT_EQ(ReadFile(name), "BP=0.0    | All variables have been cleared \n");
    EXPECT_EQ(port.tree_clears, 1);
    program_data.creation_stage = 8;
    Clear_All();
    EXPECT_EQ(std::string(program_data.log_file_name), name);
    EXPECT_EQ(ReadFile(name), "BP=0.0    | All variables have been cleared \n");
}

} // namespace

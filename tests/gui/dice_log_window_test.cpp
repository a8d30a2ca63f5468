#include <wx/textctrl.h>

#include "core/dice/dice_log.h"
#include "core/model/program_state.h"
#include "gui/app/dice_log_frame.h"
#include "gui/app/window_registry.h"
#include "gui/app/wx_user_port.h"
#include "gui_fixture.h"

namespace {

// These tests drive the real log window through the toolkit's own port.
class DiceLogWindowTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        previous = InstallUserPort(&wx_port);
        std::snprintf(program_data.log_file_name, kLogFileNameSize, "%s", "77.log");
    }
    void TearDown() override {
        InstallUserPort(previous);
        GuiTest::TearDown();
    }
    void Log(float balance, const std::string& text) {
        std::string line = text;
        Format_Entry(balance, line, program_data.log_file_name);
    }
    WxUserPort wx_port;
    UserPort* previous = nullptr;
};

TEST_F(DiceLogWindowTest, FirstLineOpensTheWindowAlongTheBottom) {
    Log(0.0f, "first");
    auto* log = VexlFrames[kSlotDiceLog];
    ASSERT_NE(log, nullptr);
    EXPECT_EQ(log->GetTitle(), "Character Creation: DiceLog");
    EXPECT_EQ(log->GetPosition(), wxPoint(0, MasterHeight - 200));
    EXPECT_EQ(log->GetSize(), wxSize(MasterWidth - 200, 200));
    EXPECT_FALSE(Early_Close);
    EXPECT_EQ(theLogText->GetValue(), "BP=0.0    | first\n");
    EXPECT_EQ(ReadFile("77.log"), "BP=0.0    | first \n");
}

TEST_F(DiceLogWindowTest, ReopenedWindowShowsTheWholeFileOnce) {
    Log(1.0f, "one");
    Log(2.0f, "two");
    wxCommandEvent exit(wxEVT_MENU, 10000);
    VexlFrames[kSlotDiceLog]->ProcessWindowEvent(exit);
    Flush();
    EXPECT_TRUE(Early_Close);
    EXPECT_EQ(VexlFrames[kSlotDiceLog], nullptr);
    Log(3.0f, "three");
    ASSERT_NE(theLogText, nullptr);
    EXPECT_EQ(theLogText->GetValue(), "BP=1.0    | one \nBP=2.0    | two \nBP=3.0    | three\n");
}

TEST_F(DiceLogWindowTest, HonorLogWindowIsFullWidth) {
    std::string line = "Honor changed";
    Format_Entry(line, "Honor_5.log");
    ASSERT_NE(VexlFrames[kSlotDiceLog], nullptr);
    EXPECT_EQ(VexlFrames[kSlotDiceLog]->GetSize(), wxSize(MasterWidth, 200));
    EXPECT_EQ(ReadFile("Honor_5.log"), "Honor changed \n");
}

} // namespace

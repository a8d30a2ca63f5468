
#include <wx/combobox.h>
#include <wx/textctrl.h>

#include "core/dice/dice.h"
#include "core/dice/vexl_random.h"
#include "core/model/program_state.h"
#include "gui/app/command_ids.h"
#include "gui/gm/critical_frame.h"
#include "gui_fixture.h"
#include "support/golden.h"

namespace {

const char* const kTitle = "Critical hit Rolling";

class CriticalFrameTest : public GuiTest {
protected:
    void TearDown() override {
        ResetVexlrand();
        GuiTest::TearDown();
    }

    CriticalFrame* Open() {
        Menu(main_window, ID_Critical);
        return Newest<CriticalFrame>();
    }

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

TEST_F(CriticalFrameTest, OpensWithItsTitleSizeControlsAndLegend) {
    CriticalFrame* frame = Open();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->GetParent(), main_window);
    ExpectMatchesGolden("window_critical_hits.txt", Captions(frame));
    wxComboBox* legend = frame->LegendList();
    // As wide as the window: the legend spans the panel but for its margins.
    EXPECT_GE(legend->GetSize().GetWidth(), frame->GetClientSize().GetWidth() - 10);
}

TEST_F(CriticalFrameTest, UseNumbersEnteredAboveShowsTheWound) {
    CriticalFrame* frame = Open();
    ASSERT_NE(frame, nullptr);
    struct Case {
        const char* roll;
        const char* severity;
        const char* type;
        const char* result;
    };
    const Case cases[] = {
        {"1500", "12", "Hacking", "Thigh: x2, d2, f, m5, mt2"},
        {" 1500 feet", "24abc", "Hacking", "Thigh: x3, ls, d8, u, m10"},
        {"1500", "none", "Crushing", "Severity level below 1; Critical Hit negated"},
        {"99999999999", "5", "Hacking", "Error, incomplete data in program"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Explain(frame, c.roll, c.severity, c.type), c.result)
            << c.roll << " / " << c.severity << " / " << c.type;
    }
}

TEST_F(CriticalFrameTest, RollButtonsFillTheirFieldsFromTheGenerator) {
    CriticalFrame* frame = Open();
    ASSERT_NE(frame, nullptr);
    QueueDieFaces({1234});
    Click(frame, ID_CriticalRollBase);
    EXPECT_EQ(frame->LocationField()->GetValue(), "1234");

    // d8 faces 8 and 5: with BSL 3 the severity is 3 + 8 + (5 + 3 - 1).
    QueueDieFaces({8, 5});
    frame->BaseSeverityField()->SetValue("3");
    Click(frame, ID_CriticalRollSevere);
    EXPECT_EQ(frame->SeverityField()->GetValue(), "18");
}

// Each window works on its own, and closing one leaves a creation in progress alone.
TEST_F(CriticalFrameTest, SeveralWindowsWorkEachOnItsOwn) {
    Menu(main_window, ID_NewCharacter);
    CriticalFrame* first = Open();
    CriticalFrame* second = Open();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(CountWindowsTitled(kTitle), 2);
    EXPECT_EQ(Explain(second, "10000", "24", "Monster Bites"), "Head, top: brain goo");
    EXPECT_TRUE(first->ResultField()->GetValue().empty());
    second->Close(true);
    Flush();
    EXPECT_EQ(CountWindowsTitled(kTitle), 1);
    EXPECT_EQ(program_data.creation_stage, 3);
}

} // namespace

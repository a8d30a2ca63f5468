#include <cstdint>
#include <vector>

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "core/dice/dice.h"
#include "core/dice/vexl_random.h"
#include "core/model/program_state.h"
#include "gui/app/command_ids.h"
#include "gui/gm/critical_frame.h"
#include "gui_fixture.h"

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
        return dynamic_cast<CriticalFrame*>(WindowTitled(kTitle));
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

TEST_F(CriticalFrameTest, OpensWithItsTitleSizeControlsAndLegend) {
    CriticalFrame* frame = Open();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->GetSize(), wxSize(600, 200));
    EXPECT_EQ(frame->GetParent(), main_window);
    struct Button {
        int id;
        const char* label;
    };
    for (const Button& b : {Button{10017, "Roll"}, Button{10018, "Roll"},
                            Button{10019, "Use numbers entered above"}}) {
        wxWindow* button = frame->FindWindow(b.id);
        ASSERT_NE(dynamic_cast<wxButton*>(button), nullptr) << b.id;
        EXPECT_EQ(button->GetLabel(), b.label);
    }
    for (const char* text : {"d10,000", "BSL", "Severity Level", "Result"}) {
        EXPECT_TRUE(HasLabel(frame, text)) << text;
    }
    wxComboBox* types = frame->DamageTypeList();
    ASSERT_EQ(types->GetCount(), 4u);
    EXPECT_EQ(types->GetString(0), "Puncturing");
    EXPECT_EQ(types->GetString(1), "Hacking");
    EXPECT_EQ(types->GetString(2), "Crushing");
    EXPECT_EQ(types->GetString(3), "Monster Bites");
    wxComboBox* legend = frame->LegendList();
    ASSERT_EQ(legend->GetCount(), 34u);
    EXPECT_EQ(legend->GetValue(), "Critical Hit Notations");
    EXPECT_EQ(legend->GetString(1), "numeral X = extra damage of dX type");
    EXPECT_EQ(legend->GetString(33), "xX = X times the damage");
    // As wide as the window: the legend spans the panel but for its margins.
    EXPECT_GE(legend->GetSize().GetWidth(), frame->GetClientSize().GetWidth() - 10);
    for (wxTextCtrl* field :
         {frame->LocationField(), frame->BaseSeverityField(), frame->SeverityField()}) {
        EXPECT_TRUE(field->IsEditable());
    }
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
        {"", "5", "Puncturing", "Error, incomplete data in program"},
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

TEST_F(CriticalFrameTest, SeveralWindowsWorkEachOnItsOwn) {
    Menu(main_window, ID_Critical);
    Menu(main_window, ID_Critical);
    EXPECT_EQ(CountWindowsTitled(kTitle), 2);
    std::vector<CriticalFrame*> frames;
    for (wxWindow* window : wxTopLevelWindows) {
        if (auto* frame = dynamic_cast<CriticalFrame*>(window)) {
            frames.push_back(frame);
        }
    }
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(Explain(frames[0], "1500", "12", "Hacking"), "Thigh: x2, d2, f, m5, mt2");
    EXPECT_TRUE(frames[1]->ResultField()->GetValue().empty());
    EXPECT_EQ(Explain(frames[1], "10000", "24", "Monster Bites"), "Head, top: brain goo");
    EXPECT_EQ(frames[0]->ResultField()->GetValue(), "Thigh: x2, d2, f, m5, mt2");
}

TEST_F(CriticalFrameTest, ClosingTheWindowLeavesACreationInProgressAlone) {
    Menu(main_window, ID_NewCharacter);
    ASSERT_EQ(program_data.creation_stage, 3);
    CriticalFrame* frame = Open();
    ASSERT_NE(frame, nullptr);
    frame->Close(true);
    Flush();
    EXPECT_EQ(CountWindowsTitled(kTitle), 0);
    EXPECT_EQ(program_data.creation_stage, 3);
}

} // namespace

#include "gui/wizard/frame_step10.h"

#include <wx/button.h>
#include <wx/panel.h>
#include <wx/stattext.h>

wxBEGIN_EVENT_TABLE(FrameStep10, CreationFrame)
    EVT_BUTTON(ID_Step10RollAge, FrameStep10::RollAge)
    EVT_BUTTON(ID_Step10RollMoney, FrameStep10::RollMoney)
    EVT_BUTTON(ID_Step10ContinueButton, FrameStep10::OnContinue)
wxEND_EVENT_TABLE()

namespace {

// Layout: the age row, the money row under it, Continue below; a result label takes the
// place of its button. The rows are close, for all three fit above the status bar of a
// window this small.
constexpr int kLeft = 10;
constexpr int kWidth = 260;
constexpr int kRowHeight = 26;
constexpr int kButtonHeight = 24;

wxPoint Row(int row) {
    return {kLeft, 1 + kRowHeight * row};
}

// Hides a button that has done its work; it is deleted once its click is over.
void RemoveButton(wxButton* button) {
    button->Hide();
    button->CallAfter([button] { button->Destroy(); });
}

} // namespace

FrameStep10::FrameStep10(wxWindow* parent, const wxString& title, const wxPoint& pos,
                         const wxSize& size)
    : CreationFrame(parent, title, pos, size) {
    panel_ = new wxPanel(this);
    age_button_ = new wxButton(panel_, ID_Step10RollAge, "Roll for Starting Age", Row(0),
                               wxSize(kWidth, kButtonHeight));
    money_button_ = new wxButton(panel_, ID_Step10RollMoney, "Roll for Starting Money", Row(1),
                                 wxSize(kWidth, kButtonHeight));
    new wxButton(panel_, ID_Step10ContinueButton, "Continue", Row(2),
                 wxSize(kWidth, kButtonHeight));
}

void FrameStep10::RollAge(wxCommandEvent&) {
    if (step_.AgeRolled()) {
        return;
    }
    step_.RollAge();
    RemoveButton(age_button_);
    age_button_ = nullptr;
    age_label_ = new wxStaticText(panel_, wxID_ANY, wxString::FromUTF8(step_.AgeText()),
                                  Row(0) + wxPoint(0, 4), wxSize(kWidth, 18));
}

void FrameStep10::RollMoney(wxCommandEvent&) {
    if (step_.MoneyRolled()) {
        return;
    }
    step_.RollMoney();
    RemoveButton(money_button_);
    money_button_ = nullptr;
    gold_label_ = new wxStaticText(panel_, wxID_ANY, wxString::FromUTF8(step_.GoldText()),
                                   Row(1) + wxPoint(0, 4), wxSize(kWidth, 18));
}

void FrameStep10::OnContinue(wxCommandEvent&) {
    if (step_.RollsDone() < 2) {
        return; // refused silently until both rolls are made
    }
    // The window goes first; the honor is announced over the main window.
    GoOn(StepExit::kContinue, [this] { step_.Continue(); });
}

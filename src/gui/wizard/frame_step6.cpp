#include "gui/wizard/frame_step6.h"

#include <wx/button.h>
#include <wx/panel.h>
#include <wx/stattext.h>

#include "gui/base/command_ids.h"
#include "gui/base/window_registry.h"

namespace {

constexpr int Id(PriorsRoll roll) {
    return ID_Step6FirstRoll + static_cast<int>(roll);
}

// Rows of caption and value, 20 pixels apart; the next roll's button sits where its value
// will show.
constexpr int kFirstRowY = 4;
// Rows close enough that the longest background and Continue fit above the status bar.
constexpr int kRowStep = 17;
constexpr int kCaptionX = 12;
constexpr int kCaptionWidth = 150;
constexpr int kValueX = 166;
constexpr int kValueWidth = 322;
constexpr int kButtonWidth = 220;
constexpr int kButtonHeight = 26;
constexpr int kContinueX = kValueX + kButtonWidth + 8;
constexpr int kContinueWidth = kValueX + kValueWidth - kContinueX;

wxString Wx(const std::string& text) {
    return wxString::FromUTF8(text);
}

} // namespace

wxBEGIN_EVENT_TABLE(FrameStep6, CreationFrame)
    EVT_BUTTON(Id(PriorsRoll::kAge), FrameStep6::OnAgeRoll)
    EVT_BUTTON(Id(PriorsRoll::kHandedness), FrameStep6::OnHandednessRoll)
    EVT_BUTTON(Id(PriorsRoll::kHeight), FrameStep6::OnHeightRoll)
    EVT_BUTTON(Id(PriorsRoll::kWeight), FrameStep6::OnWeightRoll)
    EVT_BUTTON(Id(PriorsRoll::kSocialClass), FrameStep6::OnSocialClassRoll)
    EVT_BUTTON(Id(PriorsRoll::kLegitimacy), FrameStep6::OnBirthLegitRoll)
    EVT_BUTTON(Id(PriorsRoll::kMotherStatus), FrameStep6::OnMomStatusRoll)
    EVT_BUTTON(Id(PriorsRoll::kFatherStatus), FrameStep6::OnDadStatusRoll)
    EVT_BUTTON(Id(PriorsRoll::kStepMother), FrameStep6::OnStepMomRoll)
    EVT_BUTTON(Id(PriorsRoll::kStepFather), FrameStep6::OnStepDadRoll)
    EVT_BUTTON(Id(PriorsRoll::kMotherQuality), FrameStep6::OnMomQualityRoll)
    EVT_BUTTON(Id(PriorsRoll::kFatherQuality), FrameStep6::OnDadQualityRoll)
    EVT_BUTTON(Id(PriorsRoll::kFamilyHeritage), FrameStep6::OnFamilyHeritageRoll)
    EVT_BUTTON(Id(PriorsRoll::kSiblings), FrameStep6::OnSiblingsRoll)
    EVT_BUTTON(Id(PriorsRoll::kBirthOrder), FrameStep6::OnBirthOrderRoll)
wxEND_EVENT_TABLE()

FrameStep6::FrameStep6(wxWindow* parent, const wxString& title, const wxPoint& pos,
                       const wxSize& size)
    : CreationFrame(parent, title, pos, size), next_row_y_(kFirstRowY) {
    panel_ = new wxPanel(this);
    continue_button_ = MakeContinueButton(panel_, wxPoint(kContinueX, next_row_y_),
                                          wxSize(kContinueWidth, kButtonHeight));
    ShowRollButton();
}

int FrameStep6::ButtonId(PriorsRoll roll) {
    return Id(roll);
}

void FrameStep6::ShowRollButton() {
    const PriorsRoll next = step_.NextRoll();
    continue_button_->Enable(step_.CanContinue());
    if (next == PriorsRoll::kNone) {
        roll_button_ = nullptr;
        continue_button_->Move(kValueX, next_row_y_);
        return;
    }
    continue_button_->Move(kContinueX, next_row_y_);
    roll_button_ = new wxButton(panel_, Id(next), PriorsButtonLabel(next),
                                wxPoint(kValueX, next_row_y_), wxSize(kButtonWidth, kButtonHeight));
}

void FrameStep6::RollAndShow(PriorsRoll roll) {
    const std::vector<PriorsRow> rows = step_.Roll(roll);
    if (rows.empty()) {
        return;
    }
    if (roll_button_) {
        roll_button_->Hide();
    }
    for (const PriorsRow& row : rows) {
        auto* caption =
            new wxStaticText(panel_, wxID_ANY, Wx(row.caption), wxPoint(kCaptionX, next_row_y_ + 1),
                             wxSize(kCaptionWidth, kRowStep - 1));
        auto* value =
            new wxStaticText(panel_, wxID_ANY, Wx(row.text), wxPoint(kValueX, next_row_y_ + 1),
                             wxSize(kValueWidth, kRowStep - 1));
        rows_.push_back({caption, value});
        next_row_y_ += kRowStep;
    }
    ShowRollButton();
}

void FrameStep6::OnAgeRoll(wxCommandEvent&) {
    RollAndShow(PriorsRoll::kAge);
}
void FrameStep6::OnHandednessRoll(wxCommandEvent&) {
    RollAndShow(PriorsRoll::kHandedness);
}
void FrameStep6::OnHeightRoll(wxCommandEvent&) {
    RollAndShow(PriorsRoll::kHeight);
}
void FrameStep6::OnWeightRoll(wxCommandEvent&) {
    RollAndShow(PriorsRoll::kWeight);
}
void FrameStep6::OnSocialClassRoll(wxCommandEvent&) {
    RollAndShow(PriorsRoll::kSocialClass);
}
void FrameStep6::OnBirthLegitRoll(wxCommandEvent&) {
    RollAndShow(PriorsRoll::kLegitimacy);
}
void FrameStep6::OnMomStatusRoll(wxCommandEvent&) {
    RollAndShow(PriorsRoll::kMotherStatus);
}
void FrameStep6::OnDadStatusRoll(wxCommandEvent&) {
    RollAndShow(PriorsRoll::kFatherStatus);
}
void FrameStep6::OnStepMomRoll(wxCommandEvent&) {
    RollAndShow(PriorsRoll::kStepMother);
}
void FrameStep6::OnStepDadRoll(wxCommandEvent&) {
    RollAndShow(PriorsRoll::kStepFather);
}
void FrameStep6::OnMomQualityRoll(wxCommandEvent&) {
    RollAndShow(PriorsRoll::kMotherQuality);
}
void FrameStep6::OnDadQualityRoll(wxCommandEvent&) {
    RollAndShow(PriorsRoll::kFatherQuality);
}
void FrameStep6::OnFamilyHeritageRoll(wxCommandEvent&) {
    RollAndShow(PriorsRoll::kFamilyHeritage);
}
void FrameStep6::OnSiblingsRoll(wxCommandEvent&) {
    RollAndShow(PriorsRoll::kSiblings);
}
void FrameStep6::OnBirthOrderRoll(wxCommandEvent&) {
    RollAndShow(PriorsRoll::kBirthOrder);
}

void FrameStep6::OnContinue(wxCommandEvent&) {
    GoOn(step_.Continue());
}

void FrameStep6::OnAbort(wxCommandEvent& event) {
    step_.Abort();
    CreationFrame::OnAbort(event);
}

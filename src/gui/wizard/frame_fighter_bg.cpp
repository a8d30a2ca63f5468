#include "gui/wizard/frame_fighter_bg.h"

#include <wx/button.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "gui/base/command_ids.h"
#include "gui/wizard/frame_fighter_bg_q.h"

wxBEGIN_EVENT_TABLE(FrameFighterBG, CreationFrame)
    EVT_BUTTON(ID_FighterCampRoll, FrameFighterBG::OnTypeofTrainingCampRoll)
    EVT_BUTTON(ID_FighterQualityRoll, FrameFighterBG::OnQualityofBasicTrainingRoll)
    EVT_BUTTON(ID_FighterResultsRoll, FrameFighterBG::OnResultsofBasicTrainingRoll)
wxEND_EVENT_TABLE()

namespace {

constexpr int kCaptionWidth = 170;
constexpr int kTextWidth = 420;
constexpr int kButtonWidth = 260;

// Beside this window, a little lower, so both stay readable.
constexpr int kChooserOffset = 40;
const wxSize kChooserSize(300, 360);

wxString Wx(const std::string& text) {
    return wxString::FromUTF8(text);
}

} // namespace

FrameFighterBG::FrameFighterBG(wxWindow* parent, const wxString& title, const wxPoint& pos,
                               const wxSize& size)
    : CreationFrame(parent, title, pos, size) {
    panel_ = new wxPanel(this);
    column_ = new wxBoxSizer(wxVERTICAL);
    rows_grid_ = new wxFlexGridSizer(2, wxSize(10, 12));
    rows_grid_->AddGrowableCol(1);
    column_->Add(rows_grid_, 0, wxEXPAND | wxALL, 10);
    const struct {
        int id;
        const char* label;
    } rolls[] = {
        {ID_FighterCampRoll, "Begin Fighter Priors and Particulars"},
        {ID_FighterQualityRoll, "Quality of Basic Training"},
        {ID_FighterResultsRoll, "Results of Basic Training"},
    };
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i] = new wxButton(panel_, rolls[i].id, rolls[i].label, wxDefaultPosition,
                                   wxSize(kButtonWidth, 30));
        column_->Add(buttons_[i], 0, wxLEFT | wxRIGHT | wxBOTTOM, 10);
        buttons_[i]->Show(i == 0);
    }
    continue_button_ = MakeContinueButton(panel_, wxDefaultPosition, wxSize(kButtonWidth, 30));
    continue_button_->Disable(); // until the camp is rolled
    column_->Add(continue_button_, 0, wxLEFT | wxRIGHT | wxBOTTOM, 10);
    panel_->SetSizer(column_);
    panel_->Layout();
    // Opened while a character is being made, closing it must leave that creation going.
    continued = !step_.OwnsCreation();
}

void FrameFighterBG::AddRow(int done, const char* caption, const std::string& text) {
    buttons_[done]->Hide();
    rows_grid_->Add(
        new wxStaticText(panel_, wxID_ANY, caption, wxDefaultPosition, wxSize(kCaptionWidth, -1)));
    auto* result = new wxStaticText(panel_, wxID_ANY, Wx(text));
    result->Wrap(kTextWidth);
    rows_grid_->Add(result, 1, wxEXPAND);
    row_captions_.push_back(caption);
    row_texts_.push_back(Wx(text));
    if (done + 1 < static_cast<int>(buttons_.size())) {
        buttons_[done + 1]->Show();
    }
    continue_button_->Enable();
    panel_->Layout();
}

void FrameFighterBG::OnTypeofTrainingCampRoll(wxCommandEvent&) {
    if (step_.NextRoll() != FighterBackground::Roll::kCamp) {
        return;
    }
    AddRow(0, "Type of Training Camp:", step_.TypeofTrainingCamp2C());
}

void FrameFighterBG::OnQualityofBasicTrainingRoll(wxCommandEvent&) {
    if (step_.NextRoll() != FighterBackground::Roll::kQuality) {
        return;
    }
    AddRow(1, "Quality of Basic Training:", step_.QualityofBasicTraining2D());
}

void FrameFighterBG::OnResultsofBasicTrainingRoll(wxCommandEvent&) {
    if (step_.NextRoll() != FighterBackground::Roll::kResults) {
        return;
    }
    AddRow(2, "Results of Basic Training:", step_.ResultsofBasicTraining2E());
    OfferFreeProficiency();
}

void FrameFighterBG::OfferFreeProficiency() {
    if (step_.FreeProficiencyKind().empty()) {
        return;
    }
    const wxPoint pos = GetPosition() + wxPoint(GetSize().x, kChooserOffset);
    auto* chooser = new FrameFighterBGQ(this, kFreeProficiencyTitle, pos, kChooserSize,
                                        Wx(step_.FreeProficiencyKind()));
    chooser->Show(true);
}

void FrameFighterBG::OnContinue(wxCommandEvent&) {
    if (step_.Continue()) {
        CloseContinued();
    }
}

void FrameFighterBG::OnAbort(wxCommandEvent&) {
    step_.Abort();
    CloseContinued(); // the stage is the background's to end, or another window's
}

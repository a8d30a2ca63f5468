#pragma once

#include <array>
#include <vector>

#include "core/wizard/fighter_background.h"
#include "gui/wizard/creation_frame.h"

class wxBoxSizer;
class wxButton;
class wxFlexGridSizer;
class wxPanel;

// The fighter's basic training: one button per roll (camp, quality, results), each of which,
// once its roll is accepted, leaves a row with the result and offers the next roll. A result
// that grants a free melee weapon proficiency opens the chooser beside it.
class FrameFighterBG : public CreationFrame {
public:
    FrameFighterBG(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);

    void OnTypeofTrainingCampRoll(wxCommandEvent& event);
    void OnQualityofBasicTrainingRoll(wxCommandEvent& event);
    void OnResultsofBasicTrainingRoll(wxCommandEvent& event);
    void OnContinue(wxCommandEvent& event) override;
    void OnAbort(wxCommandEvent& event) override;

    // For the tests: the roll buttons in order, and the rows shown so far.
    wxButton* RollButton(int index) const { return buttons_[index]; }
    wxButton* ContinueButton() const { return continue_button_; }
    int RowCount() const { return static_cast<int>(row_texts_.size()); }
    const wxString& RowCaption(int row) const { return row_captions_[row]; }
    // The result as rolled, before the window wrapped it into lines.
    const wxString& RowText(int row) const { return row_texts_[row]; }
    const FighterBackground& Step() const { return step_; }

private:
    // Hides the button of roll `done`, adds its row and shows the next button, if any.
    void AddRow(int done, const char* caption, const std::string& text);
    void OfferFreeProficiency();

    FighterBackground step_;
    wxPanel* panel_ = nullptr;
    wxBoxSizer* column_ = nullptr;
    wxFlexGridSizer* rows_grid_ = nullptr;
    std::array<wxButton*, 3> buttons_{};
    wxButton* continue_button_ = nullptr;
    std::vector<wxString> row_captions_;
    std::vector<wxString> row_texts_;
    wxDECLARE_EVENT_TABLE();
};

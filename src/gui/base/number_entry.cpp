#include "gui/base/number_entry.h"

#include <algorithm>
#include <climits>
#include <string>

#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/valnum.h>

#include "core/data/data_numbers.h"

void AcceptWholeNumbers(wxTextCtrl* box, long min, long max) {
    wxIntegerValidator<long> validator;
    validator.SetRange(min, max);
    box->SetValidator(validator);
}

long ClampedNumber(const wxString& text, long min, long max) {
    const long number = AtoiSaturating(std::string(text.utf8_str()));
    return std::clamp(number, min, max);
}

NumberEntryDialog::NumberEntryDialog(wxWindow* parent, const wxString& message,
                                     const wxString& prompt, const wxString& caption, long value,
                                     long min, long max)
    : wxDialog(parent, wxID_ANY, caption), min_(min), max_(max) {
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(new wxStaticText(this, wxID_ANY, message), 0, wxALL, 10);
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(new wxStaticText(this, wxID_ANY, prompt), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 8);
    entry_ = new wxTextCtrl(this, wxID_ANY, wxString::Format("%ld", value));
    // Any number of digits may be typed; OK refuses a number outside the range, so a typed
    // "150" for a 1d100 is never taken as 15.
    AcceptWholeNumbers(entry_, min < 0 ? LONG_MIN : 0, LONG_MAX);
    row->Add(entry_, 1);
    column->Add(row, 0, wxEXPAND | wxLEFT | wxRIGHT, 10);
    refusal_ = new wxStaticText(this, wxID_ANY, "");
    column->Add(refusal_, 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 10);
    column->Add(CreateSeparatedButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 10);
    SetSizerAndFit(column);
    Bind(wxEVT_BUTTON, &NumberEntryDialog::OnOk, this, wxID_OK);
    entry_->SetFocus();
    entry_->SelectAll();
}

void NumberEntryDialog::OnOk(wxCommandEvent& event) {
    const std::string refusal =
        NumberRangeRefusal(std::string(entry_->GetValue().utf8_str()), min_, max_);
    refusal_->SetLabel(wxString::FromUTF8(refusal));
    if (refusal.empty()) {
        event.Skip(); // the dialog's own OK ends it
    } else {
        Layout();
        Fit();
    }
}

wxString NumberEntryDialog::Refusal() const {
    return refusal_->GetLabel();
}

long NumberEntryDialog::Value() const {
    return ClampedNumber(entry_->GetValue(), min_, max_);
}

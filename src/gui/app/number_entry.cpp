#include "gui/app/number_entry.h"

#include <algorithm>

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
    AcceptWholeNumbers(entry_, min, max);
    row->Add(entry_, 1);
    column->Add(row, 0, wxEXPAND | wxLEFT | wxRIGHT, 10);
    column->Add(CreateSeparatedButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 10);
    SetSizerAndFit(column);
    entry_->SetFocus();
    entry_->SelectAll();
}

long NumberEntryDialog::Value() const {
    return ClampedNumber(entry_->GetValue(), min_, max_);
}

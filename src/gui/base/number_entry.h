#pragma once

#include <wx/dialog.h>

class wxStaticText;
class wxTextCtrl;

// Number fields: the keyboard takes digits only (and a minus sign where the range goes below
// zero), and what is typed is read clamped to the field's range, so no typed text can
// overflow or land outside what the field states.

// Gives `box` an integer validator for min to max.
void AcceptWholeNumbers(wxTextCtrl* box, long min, long max);

// The number in `text` read as the game reads numbers (no digits gives 0), then brought
// into min to max.
long ClampedNumber(const wxString& text, long min, long max);

// The number-entry dialog of the user port: the message, the prompt beside a whole-number
// field holding the offered value, OK and Cancel. OK refuses a number outside the range: the
// dialog stays open with the typed text as it was and says which range to keep to.
class NumberEntryDialog : public wxDialog {
public:
    NumberEntryDialog(wxWindow* parent, const wxString& message, const wxString& prompt,
                      const wxString& caption, long value, long min, long max);

    // The typed number, clamped to the dialog's range.
    long Value() const;
    wxTextCtrl* Entry() const { return entry_; }
    // Why OK was refused; empty until it is.
    wxString Refusal() const;

private:
    void OnOk(wxCommandEvent& event);

    wxTextCtrl* entry_ = nullptr;
    wxStaticText* refusal_ = nullptr;
    long min_;
    long max_;
};

#pragma once

#include <wx/string.h>

#include "gui/base/html_printing.h"

// Prints the character sheet of the character in hand (the HTML page "Save file" writes) and
// shows it in a print preview window.
class SheetPrinting : public HtmlPrinting {
public:
    explicit SheetPrinting(wxWindow* parent);
};

// The sheet of the current character as HTML, and the folder its sheets are saved in.
wxString CurrentSheetHtml();
wxString SheetFolder();

// The title of the preview window.
constexpr const char* kSheetPreviewTitle = "Character Sheet Preview";

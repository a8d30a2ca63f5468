#pragma once

#include <wx/html/htmprint.h>
#include <wx/string.h>

class wxWindow;

// Prints the character sheet of the character in hand (the HTML page "Save file" writes)
// through the desktop's print dialog, where "Print to File" saves it as a PDF, and shows it
// in a print preview window. The page setup is kept between prints.
class SheetPrinting {
public:
    explicit SheetPrinting(wxWindow* parent);

    void Print();
    // Opens the preview window; false when the sheet cannot be laid out for printing.
    bool Preview();

private:
    // The toolkit's easy printing, but its preview window opens over most of the screen, where
    // a page can be read, rather than at whatever size its tool bar alone would take.
    class SheetEasyPrinting final : public wxHtmlEasyPrinting {
    public:
        using wxHtmlEasyPrinting::wxHtmlEasyPrinting;

    protected:
        bool DoPreview(wxHtmlPrintout* printout1, wxHtmlPrintout* printout2) override;
    };

    SheetEasyPrinting printing_;
};

// The sheet of the current character as HTML, and the folder its sheets are saved in.
wxString CurrentSheetHtml();
wxString SheetFolder();

// The title of the preview window.
constexpr const char* kSheetPreviewTitle = "Character Sheet Preview";

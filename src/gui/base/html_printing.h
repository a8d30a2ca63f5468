#pragma once

#include <functional>
#include <memory>

#include <wx/html/htmprint.h>
#include <wx/string.h>

class wxWindow;

// Prints an HTML page the toolkit makes (a character sheet, the party sheet) through the
// desktop's print dialog, where "Print to File" saves it as a PDF, and shows it in a print
// preview window over most of the screen. The page setup is kept between prints. The printing
// objects are made at the first print or preview, not with the window that offers them, so a
// window opens without waiting for the desktop's print system.
class HtmlPrinting {
public:
    // `page` makes the page when it is printed; images and links are found from `folder`.
    HtmlPrinting(wxWindow* parent, const wxString& name, const wxString& preview_title,
                 std::function<wxString()> page, std::function<wxString()> folder);

    void Print();
    // Opens the preview window; false when the page cannot be laid out for printing.
    bool Preview();
    // Prints across the page's long side (a wide table).
    void UseLandscape();

private:
    // The toolkit's easy printing, but its preview window opens over most of the screen, where
    // a page can be read, rather than at whatever size its tool bar alone would take.
    class EasyPrinting final : public wxHtmlEasyPrinting {
    public:
        EasyPrinting(const wxString& name, wxWindow* parent, const wxString& preview_title)
            : wxHtmlEasyPrinting(name, parent), preview_title_(preview_title) {}

    protected:
        bool DoPreview(wxHtmlPrintout* printout1, wxHtmlPrintout* printout2) override;

    private:
        wxString preview_title_;
    };

    EasyPrinting& Printing();

    wxWindow* parent_;
    wxString name_;
    wxString preview_title_;
    bool landscape_ = false;
    std::unique_ptr<EasyPrinting> printing_;
    std::function<wxString()> page_;
    std::function<wxString()> folder_;
};

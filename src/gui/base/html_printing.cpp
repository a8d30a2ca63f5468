#include "gui/base/html_printing.h"

#include <wx/cmndata.h>
#include <wx/display.h>
#include <wx/print.h>

HtmlPrinting::HtmlPrinting(wxWindow* parent, const wxString& name, const wxString& preview_title,
                           std::function<wxString()> page, std::function<wxString()> folder)
    : parent_(parent), name_(name), preview_title_(preview_title), page_(std::move(page)),
      folder_(std::move(folder)) {}

HtmlPrinting::EasyPrinting& HtmlPrinting::Printing() {
    if (printing_) {
        return *printing_;
    }
    printing_ = std::make_unique<EasyPrinting>(name_, parent_, preview_title_);
    // Page numbers at the foot of every page; the page's own title heads the first one. At 9
    // points the widest tables (the sheet's fifteen ability columns) fit a portrait A4 or
    // Letter page, where the default size would cut their right-hand columns off.
    printing_->SetStandardFonts(9);
    printing_->SetFooter("<p align=\"right\"><small>@PAGENUM@ / @PAGESCNT@</small></p>");
    // The print dialog opens every time, so a printer or a PDF file is chosen anew.
    printing_->SetPromptMode(wxHtmlEasyPrinting::Prompt_Always);
    if (landscape_) {
        UseLandscape();
    }
    return *printing_;
}

void HtmlPrinting::Print() {
    Printing().PrintText(page_(), folder_());
}

bool HtmlPrinting::Preview() {
    return Printing().PreviewText(page_(), folder_());
}

void HtmlPrinting::UseLandscape() {
    landscape_ = true;
    if (printing_) {
        printing_->GetPageSetupData()->GetPrintData().SetOrientation(wxLANDSCAPE);
        printing_->GetPrintData()->SetOrientation(wxLANDSCAPE);
    }
}

bool HtmlPrinting::EasyPrinting::DoPreview(wxHtmlPrintout* printout1, wxHtmlPrintout* printout2) {
    wxPrintDialogData data(*GetPrintData());
    auto* preview = new wxPrintPreview(printout1, printout2, &data);
    if (!preview->IsOk()) {
        delete preview; // and the printouts it owns
        return false;
    }
    wxWindow* parent = GetParentWindow();
    const int display = parent ? wxDisplay::GetFromWindow(parent) : wxNOT_FOUND;
    wxRect area =
        wxDisplay(display == wxNOT_FOUND ? 0u : static_cast<unsigned>(display)).GetClientArea();
    area.Deflate(area.width / 20, area.height / 20);
    auto* frame =
        new wxPreviewFrame(preview, parent, preview_title_, area.GetPosition(), area.GetSize());
    frame->Initialize();
    frame->SetSize(area); // laying out the tool bar may have shrunk the window to it
    frame->Show(true);
    return true;
}

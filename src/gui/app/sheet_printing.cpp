#include "gui/app/sheet_printing.h"

#include <sstream>

#include <wx/display.h>
#include <wx/print.h>

#include "core/files/character_sheet.h"
#include "core/files/saved_files.h"
#include "core/model/workspace.h"

SheetPrinting::SheetPrinting(wxWindow* parent) : printing_("Character Sheet", parent) {
    // Page numbers at the foot of every page; the sheet's own title heads the first one.
    // The abilities table is fifteen columns wide: at 9 points it fits a portrait A4 or
    // Letter page, where the default size would cut its right-hand columns off.
    printing_.SetStandardFonts(9);
    printing_.SetFooter("<p align=\"right\"><small>@PAGENUM@ / @PAGESCNT@</small></p>");
    // The print dialog opens every time, so a printer or a PDF file is chosen anew.
    printing_.SetPromptMode(wxHtmlEasyPrinting::Prompt_Always);
}

void SheetPrinting::Print() {
    printing_.PrintText(CurrentSheetHtml(), SheetFolder());
}

bool SheetPrinting::Preview() {
    return printing_.PreviewText(CurrentSheetHtml(), SheetFolder());
}

bool SheetPrinting::SheetEasyPrinting::DoPreview(wxHtmlPrintout* printout1,
                                                 wxHtmlPrintout* printout2) {
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
        new wxPreviewFrame(preview, parent, kSheetPreviewTitle, area.GetPosition(), area.GetSize());
    frame->Initialize();
    frame->SetSize(area); // laying out the tool bar may have shrunk the window to it
    frame->Show(true);
    return true;
}

wxString CurrentSheetHtml() {
    std::ostringstream sheet;
    WriteCharacterSheet(sheet);
    return wxString::FromUTF8(sheet.str());
}

wxString SheetFolder() {
    return wxString::FromUTF8(WorkspacePath(kCharacterHtmlDirectory).string());
}

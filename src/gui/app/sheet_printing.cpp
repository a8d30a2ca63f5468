#include "gui/app/sheet_printing.h"

#include <sstream>

#include "core/model/workspace.h"
#include "core/files/character_sheet.h"
#include "core/files/saved_files.h"

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

wxString CurrentSheetHtml() {
    std::ostringstream sheet;
    WriteCharacterSheet(sheet);
    return wxString::FromUTF8(sheet.str());
}

wxString SheetFolder() {
    return wxString::FromUTF8(WorkspacePath(kCharacterHtmlDirectory).string());
}

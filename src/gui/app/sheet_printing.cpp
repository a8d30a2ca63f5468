#include "gui/app/sheet_printing.h"

#include <sstream>

#include "core/files/character_sheet.h"
#include "core/files/saved_files.h"
#include "core/model/workspace.h"

SheetPrinting::SheetPrinting(wxWindow* parent)
    : HtmlPrinting(parent, "Character Sheet", kSheetPreviewTitle, CurrentSheetHtml, SheetFolder) {}

wxString CurrentSheetHtml() {
    std::ostringstream sheet;
    WriteCharacterSheet(sheet);
    return wxString::FromUTF8(sheet.str());
}

wxString SheetFolder() {
    return wxString::FromUTF8(WorkspacePath(kCharacterHtmlDirectory).string());
}

// The main window's additions for the desktop, beside its own menus: printing the sheet,
// the recent characters and the keyboard shortcuts.
#include <wx/accel.h>
#include <wx/menu.h>

#include "core/model/user_port.h"
#include "gui/base/command_ids.h"
#include "gui/app/form_main.h"
#include "gui/app/recent_characters.h"
#include "gui/app/sheet_printing.h"

namespace {

struct Shortcut {
    int id;
    int key;
};

// Ctrl and a letter: none of them is a menu's own mnemonic (those go with Alt).
constexpr Shortcut kShortcuts[] = {
    {ID_NewCharacter, 'N'}, {ID_OpenFile, 'O'},   {ID_SaveFile, 'S'},
    {ID_Exit, 'Q'},         {ID_PrintSheet, 'P'},
};

} // namespace

// The File menu keeps its own items and order; printing and the recent characters come after
// "About", each group behind a separator, and "Exit" stays last behind its separator.
void FormMain::AddDesktopCommands(wxMenu* file) {
    std::size_t at = file->GetMenuItemCount() - 2;
    file->InsertSeparator(at++);
    file->Insert(at++, ID_PrintSheet, "&Print Sheet...", "Print the current character's sheet");
    file->Insert(at++, ID_PrintPreview, "Print Pre&view...",
                 "Show the current character's sheet as it will be printed");
    file->InsertSeparator(at++);
    auto* recent = new wxMenu;
    wxMenuItem* recent_item = file->Insert(at, wxID_ANY, "&Recent Characters", recent,
                                           "Open a character saved or opened lately");
    recent_ = std::make_unique<RecentCharacters>(this, recent_item);
    printing_ = std::make_unique<SheetPrinting>(this);

    for (const Shortcut& shortcut : kShortcuts) {
        wxAcceleratorEntry accel(wxACCEL_CTRL, shortcut.key, shortcut.id);
        file->FindItem(shortcut.id)->SetAccel(&accel);
    }
}

void FormMain::OnPrintSheet(wxCommandEvent&) {
    printing_->Print();
}

void FormMain::OnPrintPreview(wxCommandEvent&) {
    if (!printing_->Preview()) {
        Port().ShowMessage("The character sheet cannot be laid out for printing here. Save "
                           "the character and open its sheet (CharacterHTML in the workspace) "
                           "in a web browser to print it.",
                           "Print Preview");
    }
}

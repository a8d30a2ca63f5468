#pragma once

#include <filesystem>
#include <string>

#include <wx/filehistory.h>

class wxFrame;
class wxMenuItem;

// The "Recent Characters" submenu of the main window: the character files last saved or
// opened, newest first, nine at most. Choosing one opens it as the "Load Character" window
// does. The list is kept in the user's own configuration (wxConfig: the toolkit sets
// ~/.config/fraymark-toolkit.conf), never in the workspace's options file.
class RecentCharacters {
public:
    // Fills the submenu of `item` with the list kept in the configuration and answers its
    // entries in `frame`. The item is greyed out while the list is empty.
    RecentCharacters(wxFrame* frame, wxMenuItem* item);

    // Puts a character file (a path) first in the list and stores the list.
    void Add(const std::filesystem::path& file);
    // Opens the list's entry `index` (0 the newest).
    void Open(std::size_t index);
    std::size_t Count() const { return history_.GetCount(); }

private:
    void Store();
    wxMenuItem* item_;
    wxFileHistory history_;
};

// The full path of the character file `file_name` in the workspace's "CharacterXML".
std::filesystem::path SavedCharacterPath(const std::string& file_name);
// Puts the character file `file_name` of "CharacterXML", just opened, on the main window's
// recent list.
void NoteRecentCharacter(const std::string& file_name);

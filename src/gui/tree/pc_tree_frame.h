#pragma once

#include <string>
#include <vector>

#include <wx/treectrl.h>

#include "gui/base/side_window.h"

// The character tree window: the current character as branches of name/value pairs under
// the root "PC", beside the main window. Activating a value edits it once no creation is in
// progress.
class PCTreeFrame : public SideWindow<wxTreeCtrl> {
public:
    PCTreeFrame(const wxPoint& pos, const wxSize& size);

    void OnEdit(wxTreeEvent& event);

private:
    wxDECLARE_EVENT_TABLE();
};

// The tree control of the open tree window; null while none is open.
extern wxTreeCtrl* theTree;

// True while no tree window is open. The tree window clears it while it exists.
extern bool PCTREarly_Close;

// Opens the tree window when it is closed and fills it from the record.
void OpenPCTree();

// Empties the open tree down to its root "PC".
void ClearPCTree();

// Rebuilds the branch named `branch` of the open tree where it stands, or adds it under the
// root: one key item per pair with its value beneath; a pair whose value is empty is left out.
void UpdatePCTreeBranch(const std::string& branch, const std::vector<std::string>& keys,
                        const std::vector<std::string>& values);

// The first item, depth first below `from`, whose text is `text`; not ok when there is none.
wxTreeItemId Search(const wxTreeItemId& from, const wxString& text);

// Fills `parent` with the pairs when it is the branch named `branch` (dropping what it
// held), else appends the branch under `parent` first.
void OnNewRoot(const wxTreeItemId& parent, const wxString& branch,
               const std::vector<std::string>& keys, const std::vector<std::string>& values,
               std::size_t count);

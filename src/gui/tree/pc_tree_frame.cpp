#include "gui/tree/pc_tree_frame.h"

#include <algorithm>

#include "core/tree/tree_editor.h"
#include "core/tree/tree_senders.h"
#include "gui/base/window_registry.h"
#include "gui/wizard/step_windows.h"

wxTreeCtrl* theTree = nullptr;
bool PCTREarly_Close = true;

namespace {

constexpr int kTreeWidth = 200;

wxString Wx(const std::string& text) {
    return wxString::FromUTF8(text);
}

const SideWindowLink<wxTreeCtrl> kTreeLink{theTree, PCTREarly_Close, kSlotTree};

} // namespace

wxBEGIN_EVENT_TABLE(PCTreeFrame, SideWindow<wxTreeCtrl>)
    EVT_TREE_ITEM_ACTIVATED(wxID_ANY, PCTreeFrame::OnEdit)
wxEND_EVENT_TABLE()

PCTreeFrame::PCTreeFrame(const wxPoint& pos, const wxSize& size)
    : SideWindow(kTreeLink, "Character Creation: PC Tree", pos, size, "Close window", 1) {
    // The tree fills the client area and follows the window when it is resized.
    theTree = new wxTreeCtrl(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                             wxTR_DEFAULT_STYLE | wxTR_HAS_BUTTONS);
    theTree->AddRoot("PC");
}

// The activated item's parent names the value (the value item under "Age"); activating the
// key or the branch item itself ("Age", "Skills") works the same way on the item below it.
void PCTreeFrame::OnEdit(wxTreeEvent& event) {
    if (!theTree || !TreeEditor::EditingAllowed()) {
        return;
    }
    wxTreeItemId item = event.GetItem();
    if (!item.IsOk()) {
        return;
    }
    const wxTreeItemId parent = theTree->GetItemParent(item);
    TreeEditor::Result result;
    if (parent.IsOk()) {
        result = TreeEditor::Edit(std::string(theTree->GetItemText(parent).utf8_str()));
    }
    if (result.action == TreeEditor::Action::kNothing && theTree->GetChildrenCount(item) == 1) {
        wxTreeItemIdValue cookie;
        const wxTreeItemId value = theTree->GetFirstChild(item, cookie);
        if (theTree->GetChildrenCount(value) == 0) {
            result = TreeEditor::Edit(std::string(theTree->GetItemText(item).utf8_str()));
            item = value;
        }
    }
    switch (result.action) {
    case TreeEditor::Action::kChanged:
        if (theTree) {
            theTree->SetItemText(item, Wx(result.shown));
        }
        break;
    case TreeEditor::Action::kOpenSkills:
        RaiseOrOpenCreationStep(StepId::kSkills);
        break;
    case TreeEditor::Action::kOpenEquipment:
        RaiseOrOpenCreationStep(StepId::kShop);
        break;
    case TreeEditor::Action::kOpenAdvancement:
        RaiseOrOpenCreationStep(StepId::kAdvanceLevel);
        break;
    case TreeEditor::Action::kOpenSpellBook:
        RaiseOrOpenCreationStep(StepId::kSpellBook);
        break;
    case TreeEditor::Action::kNothing:
        break;
    }
}

void OpenPCTree() {
    if (OpenSideWindow<PCTreeFrame>(kTreeLink, wxPoint(MasterWidth - kTreeWidth, 0),
                                    wxSize(kTreeWidth, MasterHeight))) {
        SendCharacterToTree();
    }
}

void ClearPCTree() {
    if (PCTREarly_Close || !theTree) {
        return;
    }
    theTree->DeleteAllItems();
    theTree->AddRoot("PC");
}

wxTreeItemId Search(const wxTreeItemId& from, const wxString& text) {
    wxTreeItemIdValue cookie;
    for (wxTreeItemId child = theTree->GetFirstChild(from, cookie); child.IsOk();
         child = theTree->GetNextChild(from, cookie)) {
        if (theTree->GetItemText(child) == text) {
            return child;
        }
        const wxTreeItemId found = Search(child, text);
        if (found.IsOk()) {
            return found;
        }
    }
    return {};
}

void OnNewRoot(const wxTreeItemId& parent, const wxString& branch,
               const std::vector<std::string>& keys, const std::vector<std::string>& values,
               std::size_t count) {
    wxTreeItemId node = parent;
    if (theTree->GetItemText(parent) != branch || parent == theTree->GetRootItem()) {
        node = theTree->AppendItem(parent, branch);
    } else {
        theTree->DeleteChildren(node);
    }
    for (std::size_t i = 0; i < count; ++i) {
        const wxTreeItemId key = theTree->AppendItem(node, Wx(keys[i]));
        theTree->AppendItem(key, Wx(values[i]));
        if (values[i].empty()) {
            theTree->Delete(key);
        }
    }
}

void UpdatePCTreeBranch(const std::string& branch, const std::vector<std::string>& keys,
                        const std::vector<std::string>& values) {
    if (PCTREarly_Close || !theTree) {
        return;
    }
    const wxTreeItemId root = theTree->GetRootItem();
    if (!root.IsOk()) {
        return;
    }
    const wxString name = Wx(branch);
    const wxTreeItemId found = Search(root, name);
    OnNewRoot(found.IsOk() ? found : root, name, keys, values,
              std::min(keys.size(), values.size()));
    theTree->Expand(root);
}

#include "gui/app/wx_user_port.h"

#include <wx/arrstr.h>
#include <wx/choicdlg.h>
#include <wx/msgdlg.h>
#include <wx/textctrl.h>
#include <wx/textdlg.h>

#include "gui/app/dice_log_frame.h"
#include "gui/app/form_main.h"
#include "gui/app/number_entry.h"
#include "gui/app/window_registry.h"
#include "gui/tree/pc_tree_frame.h"

namespace {
wxString Wx(const std::string& text) {
    return wxString::FromUTF8(text);
}
} // namespace

bool WxUserPort::AskYesNo(const std::string& message, const std::string& caption) {
    wxMessageDialog dialog(MasterFrame, Wx(message), Wx(caption), wxYES_NO | wxICON_QUESTION);
    return dialog.ShowModal() == wxID_YES;
}

long WxUserPort::AskNumber(const std::string& message, const std::string& prompt,
                           const std::string& caption, long value, long min, long max) {
    NumberEntryDialog dialog(MasterFrame, Wx(message), Wx(prompt), Wx(caption), value, min, max);
    return dialog.ShowModal() == wxID_OK ? dialog.Value() : -1;
}

std::optional<long> WxUserPort::AskInteger(const std::string& message, const std::string& caption,
                                           long value, long min, long max) {
    NumberEntryDialog dialog(MasterFrame, Wx(message), "", Wx(caption), value, min, max);
    if (dialog.ShowModal() != wxID_OK) {
        return std::nullopt;
    }
    return dialog.Value();
}

std::optional<std::string> WxUserPort::AskText(const std::string& message,
                                               const std::string& caption,
                                               const std::string& value) {
    wxTextEntryDialog dialog(MasterFrame, Wx(message), Wx(caption), Wx(value));
    if (dialog.ShowModal() != wxID_OK) {
        return std::nullopt;
    }
    return std::string(dialog.GetValue().utf8_str());
}

std::optional<int> WxUserPort::AskChoice(const std::string& message, const std::string& caption,
                                         const std::vector<std::string>& choices) {
    wxArrayString items;
    for (const std::string& choice : choices) {
        items.Add(Wx(choice));
    }
    const int index = wxGetSingleChoiceIndex(Wx(message), Wx(caption), items, MasterFrame);
    if (index < 0) {
        return std::nullopt;
    }
    return index;
}

void WxUserPort::ShowMessage(const std::string& text, const std::string& caption) {
    wxMessageBox(Wx(text), Wx(caption), wxOK | wxICON_INFORMATION);
}

void WxUserPort::OpenLogWindow(const std::string& log_file, bool full_width) {
    OpenDiceLog(log_file, full_width);
}

void WxUserPort::AppendLogText(const std::string& text) {
    if (theLogText) {
        theLogText->AppendText(Wx(text));
    }
}

void WxUserPort::UpdateTree() {
    OpenPCTree();
}

void WxUserPort::ClearTree() {
    ClearPCTree();
}

void WxUserPort::UpdateTreeBranch(const std::string& branch, const std::vector<std::string>& keys,
                                  const std::vector<std::string>& values) {
    UpdatePCTreeBranch(branch, keys, values);
}

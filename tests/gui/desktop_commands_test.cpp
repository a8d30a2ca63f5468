// The main window's desktop additions: shortcuts, the recent characters, the print preview.
#include <wx/fileconf.h>
#include <wx/menu.h>
#include <wx/prntbase.h>

#include <memory>
#include <set>

#include "core/app/clear_all.h"
#include "core/model/character.h"
#include "core/model/program_state.h"
#include "gui/app/command_ids.h"
#include "gui/app/sheet_printing.h"
#include "gui_fixture.h"

namespace {

// The shortcuts stand in the menu texts (window_main.txt); every item of the File menu has a
// mnemonic letter of its own.
TEST_F(GuiTest, FileMenuItemsHaveMnemonicsOfTheirOwn) {
    wxMenu* file = main_window->GetMenuBar()->GetMenu(0);
    std::set<wxChar> letters;
    for (const wxMenuItem* item : file->GetMenuItems()) {
        if (!item->IsSeparator()) {
            const wxString label = item->GetItemLabel();
            const size_t amp = label.find('&');
            ASSERT_NE(amp, wxString::npos) << label;
            EXPECT_TRUE(letters.insert(wxTolower(label[amp + 1])).second) << label;
        }
    }
}

// The user's configuration in a file of the test's own, for as long as it lives.
struct ConfigInFile {
    explicit ConfigInFile(const std::string& file) {
        delete wxConfigBase::Set(new wxFileConfig("", "", file, "", wxCONFIG_USE_LOCAL_FILE));
    }
    ~ConfigInFile() { delete wxConfigBase::Set(nullptr); }
};

TEST_F(GuiTest, RecentCharacterIsKeptInTheUsersConfigAndOpensFromTheMenu) {
    auto config = std::make_unique<ConfigInFile>((workspace / "user.conf").string());
    wxMenu* file = main_window->GetMenuBar()->GetMenu(0);
    const int recent_id = file->FindItem("Recent Characters");
    ASSERT_NE(recent_id, wxNOT_FOUND);
    EXPECT_FALSE(file->IsEnabled(recent_id)) << "an empty list is greyed out";
    current_character.character_name = "Brenna Stoutvale";
    Menu(main_window, ID_SaveFile);
    Clear_All();
    ASSERT_EQ(current_character.character_name, "");

    EXPECT_TRUE(file->IsEnabled(recent_id));
    wxMenu* recent = file->FindItem(recent_id)->GetSubMenu();
    ASSERT_NE(recent, nullptr);
    ASSERT_EQ(recent->GetMenuItemCount(), 1u);
    Menu(main_window, recent->FindItemByPosition(0)->GetId());
    EXPECT_EQ(current_character.character_name, "Brenna Stoutvale");
    config.reset();
    EXPECT_NE(ReadFile("user.conf").find("Brenna Stoutvale.xml"), std::string::npos);
    EXPECT_EQ(ReadFile("options.qdb"), std::string(404, '\0'));
}

TEST_F(GuiTest, PrintPreviewLaysOutAndRendersTheSheet) {
    current_character.character_name = "Brenna Stoutvale";
    Menu(main_window, ID_PrintPreview);
    auto* preview = dynamic_cast<wxPreviewFrame*>(WindowTitled(kSheetPreviewTitle));
    ASSERT_NE(preview, nullptr);
    wxPreviewControlBar* bar = nullptr;
    for (wxWindow* child : preview->GetChildren()) {
        bar = bar ? bar : dynamic_cast<wxPreviewControlBar*>(child);
    }
    ASSERT_NE(bar, nullptr);
    wxPrintPreviewBase* pages = bar->GetPrintPreview();
    ASSERT_TRUE(pages->IsOk());
    EXPECT_GE(pages->GetMaxPage(), 1);
    EXPECT_TRUE(pages->RenderPage(1));
}

} // namespace

#include "gui/app/form_main.h"

#include <wx/menu.h>
#include <wx/msgdlg.h>

#include "core/advance/experience_award.h"
#include "core/advance/spell_book.h"
#include "core/app/clear_all.h"
#include "core/files/character_file_writer.h"
#include "core/files/character_save.h"
#include "core/files/character_sheet.h"
#include "core/model/character.h"
#include "core/model/options.h"
#include "core/model/program_state.h"
#include "gui/app/options_frame.h"
#include "gui/app/recent_characters.h"
#include "gui/app/sheet_printing.h"
#include "gui/base/app_icon.h"
#include "gui/base/character_window.h"
#include "gui/base/command_ids.h"
#include "gui/base/window_registry.h"
#include "gui/files/file_frame.h"
#include "gui/gm/critical_frame.h"
#include "gui/gm/honor_tracking_frame.h"
#include "gui/gm/party_frame.h"
#include "gui/wizard/advance_level_frame.h"
#include "gui/wizard/frame_fighter_bg.h"
#include "gui/wizard/step_windows.h"

wxBEGIN_EVENT_TABLE(FormMain, wxFrame)
    EVT_MENU(ID_OpenFile, FormMain::OnOpenFile)
    EVT_MENU(ID_SaveFile, FormMain::OnSaveFile)
    EVT_MENU(ID_NewCharacter, FormMain::OnNew)
    EVT_MENU(ID_About, FormMain::OnAbout)
    EVT_MENU(ID_Exit, FormMain::OnExit)
    EVT_MENU(ID_Options, FormMain::OnOptions)
    EVT_MENU(ID_Test, FormMain::OnTest)
    EVT_MENU(ID_Critical, FormMain::OnCritical)
    EVT_MENU(ID_Honor, FormMain::OnHonor)
    EVT_MENU(ID_PrintSheet, FormMain::OnPrintSheet)
    EVT_MENU(ID_PrintPreview, FormMain::OnPrintPreview)
    EVT_MENU(ID_AwardExperience, FormMain::OnAwardExperience)
    EVT_MENU(ID_AdvanceLevel, FormMain::OnAdvanceLevel)
    EVT_MENU(ID_SpellBook, FormMain::OnSpellBook)
    EVT_MENU(ID_PartyWindow, FormMain::OnParty)
wxEND_EVENT_TABLE()

FormMain::FormMain(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size)
    : wxFrame(parent, wxID_ANY, title, pos, size) {
    SetIcon(SampleIcon());
    BuildMenus();
    CreateStatusBar(3);
    LoadOptions();
}

FormMain::~FormMain() = default;

void FormMain::BuildMenus() {
    auto* file = new wxMenu;
    file->Append(ID_OpenFile, "&Open file", "Open an existing file");
    file->Append(ID_SaveFile, "&Save file", "Save the Current Character");
    file->Append(ID_NewCharacter, "&New Character", "Create a new character");
    file->Append(ID_About, "&About", "About this program");
    file->AppendSeparator();
    file->Append(ID_Exit, "E&xit", "Close program");
    AddDesktopCommands(file);

    auto* settings = new wxMenu;
    settings->Append(ID_Options, "&Options", "Change program options");
    settings->Append(ID_Test, "&Test", "Test Window");

    auto* helpers = new wxMenu;
    helpers->Append(ID_Critical, "&Critical Hit Rolling", "Critical Hit Rolling");
    helpers->Append(ID_Honor, "&Honor Tracking", "Honor Tracking");
    helpers->Append(ID_PartyWindow, "&Party", "The party's figures side by side");

    // After creation day: experience and new levels for the character in hand.
    auto* character = new wxMenu;
    character->Append(ID_AwardExperience, "&Award Experience...\tCtrl+E",
                      "Award experience points to the character in hand");
    character->Append(ID_AdvanceLevel, "Advance &Level...\tCtrl+L",
                      "Advance a class of the character in hand one level");
    character->Append(ID_SpellBook, "&Spell Book...\tCtrl+B",
                      "Learn or choose the spells of the character in hand");

    auto* bar = new wxMenuBar;
    bar->Append(file, "&File");
    bar->Append(settings, "&Settings");
    bar->Append(helpers, "&GM Helpers");
    bar->Append(character, "&Character");
    SetMenuBar(bar);
}

void FormMain::OnOpenFile(wxCommandEvent&) {
    auto* files = new FileFrame(MasterFrame, "Load Character", wxDefaultPosition, wxSize(300, 300));
    files->OnCharacterOpened(NoteRecentCharacter);
    files->Show(true);
}

void FormMain::OnSaveFile(wxCommandEvent&) {
    if (SaveCurrentCharacter() == SaveResult::kSaved) {
        recent_->Add(SavedCharacterPath(current_character.character_name + ".xml"));
    }
}

void FormMain::OnNew(wxCommandEvent&) {
    // One character is created at a time.
    if (CreationInProgress()) {
        return;
    }
    RetireCharacterWindows(); // the shop or skills window of the last character, say
    Clear_All();
    OpenCreationStep(BeginCreation());
}

void FormMain::OnAbout(wxCommandEvent&) {
    wxMessageDialog about(this,
                          wxString(kProgramTitle) +
                              "\n\nA character generator and game-master aid for the Fraymark "
                              "role-playing game.\nEvery roll is shown, logged and yours to "
                              "accept.",
                          "About Vexl", wxOK | wxCANCEL);
    about.ShowModal();
}

void FormMain::OnExit(wxCommandEvent&) {
    Close(true);
}

void FormMain::OnOptions(wxCommandEvent&) {
    auto* options = new Options(MasterFrame, "Vexl Options", wxDefaultPosition, wxSize(320, 355));
    VexlFrames[kSlotOptions] = options;
    options->Show(true);
}

void FormMain::OnTest(wxCommandEvent&) {
    auto* test =
        new FrameFighterBG(MasterFrame, "Test Window", wxDefaultPosition, wxSize(640, 500));
    test->Show(true);
}

void FormMain::OnCritical(wxCommandEvent&) {
    auto* critical =
        new CriticalFrame(MasterFrame, "Critical hit Rolling", wxDefaultPosition, wxSize(600, 200));
    critical->Show(true);
}

void FormMain::OnHonor(wxCommandEvent&) {
    auto* honor =
        new HonorTrackingFrame(MasterFrame, "Honor Tracking", wxDefaultPosition, wxSize(640, 500));
    honor->Show(true);
}

void FormMain::OnAwardExperience(wxCommandEvent&) {
    AskAndAwardExperience();
    RefreshAdvanceWindow();
}

void FormMain::OnAdvanceLevel(wxCommandEvent&) {
    RaiseOrOpenCreationStep(StepId::kAdvanceLevel);
}

void FormMain::OnParty(wxCommandEvent&) {
    auto* party =
        new PartyFrame(MasterFrame, kPartyWindowTitle, wxDefaultPosition, wxSize(900, 400));
    party->Show(true);
}

void FormMain::OnSpellBook(wxCommandEvent&) {
    if (SpellBookMayOpen()) {
        RaiseOrOpenCreationStep(StepId::kSpellBook);
    }
}

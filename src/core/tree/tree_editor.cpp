#include "core/tree/tree_editor.h"

#include <algorithm>
#include <optional>
#include <string>

#include "core/model/character.h"
#include "core/model/program_state.h"
#include "core/model/user_port.h"
#include "core/tree/tree_branch.h"

namespace {

// A whole-number value: the question, its dialog caption, the field and how it is shown.
struct NumberEdit {
    const char* key;
    const char* message;
    const char* caption;
    int32_t Character_Class::*field;
    const char* shown;
    // The range the dialog takes; an illegitimate family's siblings are counted negative.
    long min, max;
};

const NumberEdit kNumberEdits[] = {
    {"Age", "Enter Age", "Character Editing: Age", &Character_Class::age, "%i years", 0, 9999},
    {"Height", "Enter Height", "Character Editing: Height", &Character_Class::character_height,
     "%i inches", 0, 999},
    {"Weight", "Enter Weight", "Character Editing: Weight", &Character_Class::character_weight,
     "%i lbs", 0, 99999},
    {"Siblings", "Enter number of Siblings", "Character Editing: Siblings",
     &Character_Class::siblings, "%i", -4, 20},
};

bool SocialClassAccepted(const std::string& text) {
    return text.find("Class") != std::string::npos;
}

bool HandednessAccepted(const std::string& text) {
    return text == "Right" || text == "Left" || text == "Ambidextrous";
}

// A text value: the question, its caption, the field and the check a new text must pass.
struct TextEdit {
    const char* key;
    const char* message;
    const char* caption;
    std::string Character_Class::*field;
    bool (*accepted)(const std::string&);
};

const TextEdit kTextEdits[] = {
    {"Social_Class", "Enter Social Class", "Character Editing: Social Class",
     &Character_Class::social_class, SocialClassAccepted},
    {"Legitamacy_of_Birth", "Enter Legitamacy of Birth", "Character Editing: Legitamacy of Birth",
     &Character_Class::legitimacy_of_birth, nullptr},
    {"Handeness", "Enter Handeness", "Character Editing: Handeness", &Character_Class::handedness,
     HandednessAccepted},
    {"Birth_Circumstance", "Enter Circumstance of Birth",
     "Character Editing: Circumstance of Birth", &Character_Class::circumstance_of_birth, nullptr},
    {"Mother", "Enter Status of Mother", "Character Editing: Status of Mother",
     &Character_Class::mother_status, nullptr},
    {"Father", "Enter Status of Father", "Character Editing: Status of Father",
     &Character_Class::father_status, nullptr},
    {"Mother Quality", "Enter Quality of Mother", "Character Editing: Quality of Mother",
     &Character_Class::mother_quality, nullptr},
    {"Father Quality", "Enter Quality of Father", "Character Editing: Quality of Father",
     &Character_Class::father_quality, nullptr},
    {"Step_Parent", "Enter Type and Status of Step Parent", "Character Editing: Step Parent",
     &Character_Class::stepparent, nullptr},
    {"Heritage", "Enter Family Heritage", "Character Editing: Family Heritage",
     &Character_Class::family_heritage, nullptr},
    {"Birth_Order", "Enter Birth Order", "Character Editing: Birth Orders",
     &Character_Class::birth_order, nullptr},
};

TreeEditor::Result EditNumber(const NumberEdit& edit) {
    int32_t& field = current_character.*edit.field;
    const std::optional<long> answer =
        Port().AskInteger(edit.message, edit.caption, field, edit.min, edit.max);
    if (!answer) {
        return {};
    }
    field = static_cast<int32_t>(std::clamp(*answer, edit.min, edit.max));
    return {TreeEditor::Action::kChanged, Printf(edit.shown, field)};
}

TreeEditor::Result EditText(const TextEdit& edit) {
    std::string& field = current_character.*edit.field;
    const std::optional<std::string> answer = Port().AskText(edit.message, edit.caption, field);
    if (!answer || (edit.accepted && !edit.accepted(*answer))) {
        return {};
    }
    // A longer text would come back cut when the saved character is opened.
    if (answer->size() > kMaxSavedText) {
        Port().ShowMessage("This text is longer than the " + std::to_string(kMaxSavedText) +
                               " characters a saved character keeps; it was not changed.",
                           edit.caption);
        return {};
    }
    field = *answer;
    return {TreeEditor::Action::kChanged, field};
}

} // namespace

bool TreeEditor::EditingAllowed() {
    return program_data.creation_stage <= 0;
}

TreeEditor::Result TreeEditor::Edit(const std::string& parent_text) {
    if (!EditingAllowed()) {
        return {};
    }
    if (parent_text == "Skills" || parent_text == "Talents" || parent_text == "Proficiencies") {
        return {Action::kOpenSkills, ""};
    }
    if (parent_text == "Equipment") {
        return {Action::kOpenEquipment, ""};
    }
    if (parent_text == "Experience Points") {
        return {Action::kOpenAdvancement, ""};
    }
    if (parent_text == "Spells Known") {
        return {Action::kOpenSpellBook, ""};
    }
    for (const NumberEdit& edit : kNumberEdits) {
        if (parent_text == edit.key) {
            return EditNumber(edit);
        }
    }
    for (const TextEdit& edit : kTextEdits) {
        if (parent_text == edit.key) {
            return EditText(edit);
        }
    }
    return {};
}

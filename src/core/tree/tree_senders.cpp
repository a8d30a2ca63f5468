#include "core/tree/tree_senders.h"

#include <cstdio>

#include "core/tree/ability_scores.h"
#include "core/data/class_data.h"
#include "core/data/classes_available.h"
#include "core/data/movement.h"
#include "core/data/race_data.h"
#include "core/model/character.h"
#include "core/tree/tree_branch.h"

namespace {

// The rate in each encumbrance category, from the unencumbered rate: three quarters when
// lightly laden (halves show), half when moderately, a quarter when heavily, 1 when severely.
void SendMovement(int rate) {
    TreeBranch branch;
    branch.Add("Unencumbered", Printf("%i", rate));
    branch.Add("Light", Printf("%g", rate * 0.75));
    branch.Add("Moderate", Printf("%i", rate / 2));
    branch.Add("Heavy Laden", Printf("%i", rate / 4));
    branch.Add("Severe", "1");
    branch.Send("Movement");
}

// Each open class with the Building Points it brings.
void SendClassesAvailable(const std::vector<const CharacterClass*>& classes) {
    TreeBranch branch;
    for (const CharacterClass* record : classes) {
        branch.Add(record->name, Printf("%+i BP", record->bp));
    }
    branch.Send("Classes Available");
}

void SendLevelLimits(const CharacterRace* race) {
    TreeBranch branch;
    if (race) {
        for (const std::string& entry : race->levellimit) {
            LevelLimit limit = ParseLevelLimit(entry);
            branch.Add(std::move(limit.class_name), std::move(limit.limit));
        }
    }
    branch.Send("Level Limit");
}

// "Racial Data" holds the race and the keys "Movement" and "Classes Available", whose
// branches are then rebuilt beneath them. Without a race the branch is emptied and the
// two are not sent, so they cannot turn up at the top of the tree.
void SendRacialData() {
    const Character_Class& c = current_character;
    const CharacterRace* race = c.race_item;
    TreeBranch racial;
    if (!race) {
        racial.Send("Racial Data");
        SendLevelLimits(nullptr);
        return;
    }
    const int rate = GetMovement(race->move);
    const auto classes = ClassesOpenToCharacter();
    racial.Add("Race", race->name + ", " + race->sex);
    racial.Add("Movement", Printf("%i", rate));
    racial.Add("Classes Available", Printf("%i", static_cast<int>(classes.size())));
    racial.Send("Racial Data");
    SendMovement(rate);
    SendClassesAvailable(classes);
    SendLevelLimits(race);
}

} // namespace

void messagetotree() {
    if (!TreeShown()) {
        return;
    }
    AbilityScores::SendAbilitiestoTree();
    SendRacialData();
}

void SendClassesAvailableToTree() {
    if (!TreeShown()) {
        return;
    }
    SendClassesAvailable(ClassesOpenToCharacter());
}

#include <cstring>

#include "core/data/quirk_flaw.h"
#include "core/model/character.h"
#include "core/model/data_items.h"
#include "core/tree/tree_branch.h"
#include "core/tree/tree_senders.h"

namespace {

// A quirk held more often than any entry of the table allows (a damaged character file)
// is shown this many times.
constexpr int kMostRepeats = 999;

// Every item of one list as name and its number in `format`.
template <typename Item> void SendItems(const char* branch_name, const char* format) {
    if (!TreeShown()) {
        return;
    }
    TreeBranch branch;
    for (const Item* item = Item::pHead.get(); item; item = item->next.get()) {
        branch.Add(item->name, Printf(format, static_cast<int>(item->value)));
    }
    branch.Send(branch_name);
}

// Where a quirk or flaw is described (its page reference), found by its exact name in the
// quirk and flaw table; a name the table does not hold shows as "Quirk/Flaw".
std::string QuirkReference(const std::string& name) {
    for (const QuirkFlaw& entry : quirkflaw) {
        if (entry.name[0] != '\0' && name == entry.name) {
            return entry.source;
        }
    }
    return "Quirk/Flaw";
}

} // namespace

void sendquirkflawtotree() {
    if (!TreeShown()) {
        return;
    }
    TreeBranch branch;
    for (const QuirkDataItem* quirk = QuirkDataItem::pHead.get(); quirk;
         quirk = quirk->next.get()) {
        const std::string reference = QuirkReference(quirk->name);
        const int times =
            quirk->value < 1 ? 1 : (quirk->value > kMostRepeats ? kMostRepeats : quirk->value);
        for (int i = 0; i < times; ++i) {
            branch.Add(quirk->name, reference);
        }
    }
    branch.Send("Quirks and Flaws");
}

void sendskillstotree() {
    SendItems<SkillDataItem>("Skills", "%i");
}

void sendtalentstotree() {
    SendItems<TalentDataItem>("Talents", "%i");
}

void sendprofstotree() {
    if (!TreeShown()) {
        return;
    }
    TreeBranch branch;
    for (const ProfDataItem* prof = ProfDataItem::pHead.get(); prof; prof = prof->next.get()) {
        if (prof->value == 1) {
            branch.Add(prof->name, "Basic");
        } else if (prof->value == 2) {
            branch.Add(prof->name, "Specialized");
        } else {
            branch.Add(prof->name, Printf("%i", static_cast<int>(prof->value)));
        }
    }
    branch.Send("Proficiencies");
}

void sendequiptotree() {
    SendItems<EquipDataItem>("Equipment", "%i");
}

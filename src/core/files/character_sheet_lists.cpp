// The sheet's sections of lists: racial abilities, spells, quirks and flaws, skills and
// their kin, inventory and family.
#include <array>
#include <limits>
#include <map>
#include <vector>

#include "core/data/class_data.h"
#include "core/data/item_data.h"
#include "core/data/race_data.h"
#include "core/files/character_sheet_sections.h"
#include "core/files/sheet_markup.h"
#include "core/model/character.h"
#include "core/model/data_items.h"

namespace {

// A section whose one cell holds lists: the cell is opened here and closed when it goes.
class ListCell {
public:
    ListCell(std::ostream& out, const char* heading) : section_(out, heading, 1), out_(out) {
        section_.BeginRow();
        out_ << "<TD ALIGN=LEFT>\n";
    }
    ~ListCell() { out_ << "</TD>\n"; }

private:
    SheetSection section_;
    std::ostream& out_;
};

void Entries(SheetList& outer, std::ostream& out, const char* heading,
             const std::vector<std::string>* entries) {
    outer.MarkupItem(heading);
    SheetList list(out);
    if (entries) {
        for (const std::string& entry : *entries) {
            list.Item(entry);
        }
    }
}

std::string Rated(const std::string& name, int rating) {
    return name + " x" + std::to_string(rating);
}

} // namespace

void WriteRacialSection(std::ostream& out) {
    const CharacterRace* race = current_character.race_item;
    ListCell cell(out, "Racial Abilities");
    SheetList outer(out);
    Entries(outer, out, "Racial Bonuses", race ? &race->rtext : nullptr);
    Entries(outer, out, "Talents", race ? &race->rtalents : nullptr);
    Entries(outer, out, "The Downside", race ? &race->rdownside : nullptr);
}

void WriteSpellsSection(std::ostream& out) {
    ListCell cell(out, "Spells Known");
    SheetList list(out);
    for (const SpellDataItem* spell = SpellDataItem::pHead.get(); spell;
         spell = spell->next.get()) {
        list.Item(spell->name + ": " + SpellBookEntryText(spell->name, spell->value));
    }
}

void WriteQuirksSection(std::ostream& out) {
    ListCell cell(out, "Quirks and Flaws");
    SheetList list(out);
    for (const QuirkDataItem* quirk = QuirkDataItem::pHead.get(); quirk;
         quirk = quirk->next.get()) {
        list.Item(Rated(quirk->name, quirk->value));
    }
}

void WriteSkillsSection(std::ostream& out) {
    ListCell cell(out, "Skills, Talents and Proficiencies");
    SheetList outer(out);
    {
        outer.MarkupItem("Weapon Proficiencies");
        SheetList list(out);
        for (const ProfDataItem* p = ProfDataItem::pHead.get(); p; p = p->next.get()) {
            list.Item(p->name);
        }
    }
    {
        outer.MarkupItem("Talents");
        SheetList list(out);
        for (const TalentDataItem* t = TalentDataItem::pHead.get(); t; t = t->next.get()) {
            list.Item(Rated(t->name, t->value));
        }
    }
    {
        outer.MarkupItem("Skills");
        SheetList list(out);
        for (const SkillDataItem* s = SkillDataItem::pHead.get(); s; s = s->next.get()) {
            list.Item(s->name + " " + std::to_string(s->value) + "%");
        }
    }
    // The thief skills of the class entry that keeps them: the starting base plus the points
    // placed at every level, as the tree shows them.
    if (const ClassDataItem* thief = ThiefSkillItem()) {
        outer.MarkupItem("Thief Skills");
        SheetList list(out);
        for (int i = 0; i < kThiefSkillCount; ++i) {
            list.Item(std::string(kThiefSkillNames[i]) + " " +
                      std::to_string(thief->ThiefSkill(i)) + "%");
        }
    }
}

namespace {

// The record that names the shop categories, and the equipment record of exactly this name.
struct EquipmentPlace {
    const CharacterEquip* categories = nullptr;
    const CharacterEquip* record = nullptr;
};

EquipmentPlace FindEquipment(const std::string& item_name) {
    EquipmentPlace place;
    for (const CharacterEquip* e = CharacterEquip::pHead.get();
         e && !(place.categories && place.record); e = e->next.get()) {
        if (!place.categories && e->name.find(kEquipmentCategoriesRecord) != std::string::npos) {
            place.categories = e;
        }
        if (!place.record && e->name == item_name) {
            place.record = e;
        }
    }
    return place;
}

// The index of the item's category in the categories record (table id k + 1 is category k);
// -1 when the data does not place it.
int CategoryIndex(const EquipmentPlace& place) {
    if (!place.categories || !place.record || place.record->tableid < 1 ||
        static_cast<std::size_t>(place.record->tableid) > place.categories->categories.size()) {
        return -1;
    }
    return place.record->tableid - 1;
}

} // namespace

std::string EquipmentCategoryOf(const std::string& item_name) {
    const EquipmentPlace place = FindEquipment(item_name);
    const int index = CategoryIndex(place);
    return index < 0 ? "" : place.categories->categories[static_cast<std::size_t>(index)];
}

// Coins and debt, then the equipment grouped by shop category in the order the data lists
// the categories; pieces the data does not place come last under "Other Equipment".
void WriteInventorySection(std::ostream& out) {
    const Character_Class& c = current_character;
    ListCell cell(out, "Inventory");
    SheetList outer(out);
    {
        outer.MarkupItem("Coins &amp; Money");
        SheetList coins(out);
        coins.Item(std::to_string(c.gold) + " gold pieces");
        coins.Item(std::to_string(c.silver) + " silver pieces");
        coins.Item(std::to_string(c.copper) + " copper pieces");
        coins.Item("Hereditary Debt: " + std::to_string(c.hereditary_debt));
    }
    constexpr int kUnplaced = std::numeric_limits<int>::max();
    std::map<int, std::pair<std::string, std::vector<std::string>>> groups;
    for (const EquipDataItem* e = EquipDataItem::pHead.get(); e; e = e->next.get()) {
        const EquipmentPlace place = FindEquipment(e->name);
        const int index = CategoryIndex(place);
        auto& group = groups[index < 0 ? kUnplaced : index];
        if (group.first.empty()) {
            group.first = index < 0 ? "Other Equipment"
                                    : place.categories->categories[static_cast<std::size_t>(index)];
        }
        group.second.push_back(Rated(e->name, e->value));
    }
    for (const auto& [index, group] : groups) {
        outer.MarkupItem(HtmlEscape(group.first));
        SheetList list(out);
        for (const std::string& line : group.second) {
            list.Item(line);
        }
    }
}

void WriteFamilySection(std::ostream& out) {
    const Character_Class& c = current_character;
    ListCell cell(out, "Family Information");
    SheetList list(out);
    list.Item("Father: " + c.father_status + ", " + c.father_quality);
    list.Item("Mother: " + c.mother_status + ", " + c.mother_quality);
    list.Item("Step Parent: " + c.stepparent);
    list.Item("Birth Order: " + c.birth_order);
    const int shown = c.siblings < kSiblingLines ? c.siblings : kSiblingLines;
    for (int n = 1; n <= shown; ++n) {
        list.Item("SIBLING " + std::to_string(n) + ": " + c.sibling[n - 1]);
    }
}

#include "support/sample_character.h"

#include <fstream>

#include "core/data/class_data.h"
#include "core/data/race_data.h"
#include "core/model/character.h"

namespace fs = std::filesystem;

std::string DataRecord(const std::string& record_tag, const std::string& lines) {
    return "<" + record_tag + ">\n" + lines + "</" + record_tag + ">\n";
}

namespace {

void Write(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

} // namespace

void WriteSampleRulesData(const fs::path& workspace) {
    Write(workspace / "Races" / "Human_Female_Race.qdf",
          DataRecord("CHARACTER_RACE", "<NAME>Human</NAME>\n<SEX>Female</SEX>\n<MOVE>9</MOVE>\n"
                                       "<RTEXT>Adaptable to any land</RTEXT>\n"
                                       "<RDOWNSIDE>Short-lived</RDOWNSIDE>\n"));
    Write(workspace / "Classes" / "FighterClass.qdf",
          DataRecord("CHARACTER_CLASS",
                     "<NAME>Fighter</NAME>\n<SAVEAS>2</SAVEAS>\n<FIGHTER>1</FIGHTER>\n"));
}

void MakeSampleCharacter() {
    Character_Class& c = current_character;
    for (CharacterRace* r = CharacterRace::pHead.get(); r; r = r->next.get()) {
        if (r->name == "Human" && r->sex == "Female") {
            c.race_item = r;
        }
    }
    c.class_item = CharacterClass::pHead.get();
    c.character_name = "Brenna Ashford";
    c.race = "Human";
    c.sex = "Female";
    c.class_long_name = "Fighter";
    c.level = 1;
    c.alignment = "Lawful-good";
    c.social_class = "Middle Middle Class";
    c.social_id = 7;
    c.character_height = 66;
    c.character_weight = 140;
    c.handedness = "Right";
    c.age = 19;
    c.strength_base = 12;
    c.strength_perc = 30;
    c.dexterity_base = 14;
    c.constitution_base = 15;
    c.intelligence_base = 13;
    c.wisdom_base = 10;
    c.charisma_base = 11;
    c.comeliness_base = 12;
    c.comeliness_perc = 5;
    c.honor = 14;
    c.hit_points = 8;
    auto fighter = std::make_unique<ClassDataItem>();
    fighter->name = "Fighter";
    fighter->level = 1;
    fighter->hitpoints[1] = 8;
    fighter->str_grow[1] = 2;
    ClassDataItem::AddTail(std::move(fighter));
    c.silver = 5;
    c.inherited_weapon = "Long Sword & Scabbard";
    c.equipment.AddTail(MakeItem<EquipDataItem>("Starting Clothes", 1));
    c.equipment.AddTail(MakeItem<EquipDataItem>("Rope", 2));
    c.quirks.AddTail(MakeItem<QuirkDataItem>("Greedy", 1));
    c.skills.AddTail(MakeItem<SkillDataItem>("Climbing", 45));
    c.skills.AddTail(MakeItem<SkillDataItem>("Swimming", 30));
    c.family_heritage = "Farmers";
    c.father_status = "Alive";
    c.father_quality = "Kind";
    c.mother_status = "Alive";
    c.mother_quality = "Stern";
    c.legitimacy_of_birth = "Legitimate";
    c.circumstance_of_birth = "Normal";
    c.birth_order = "Eldest";
    c.siblings = 1;
    SetSiblingLine(0, "Brother, 15, a miller's apprentice");
}

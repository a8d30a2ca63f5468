#include "core/data/data_check.h"

#include <map>
#include <string>
#include <vector>

#include "core/data/data_reader.h"
#include "core/data/rules_lists.h"

namespace fs = std::filesystem;

namespace {

// The records of a list beside the files they were read from, in list order.
template <typename R> struct LoadedList {
    std::vector<const R*> records;
    std::vector<fs::path> files;
};

template <typename R> LoadedList<R> LoadChecked(DataProblems& problems) {
    LoadedList<R> list;
    list.files = LoadRulesList<R>(&problems);
    for (const R* record = R::pHead.get(); record; record = record->next.get()) {
        list.records.push_back(record);
    }
    return list;
}

template <typename R> std::string Identity(const R& record) {
    return record.name;
}

template <> std::string Identity(const CharacterRace& record) {
    return record.name + ", " + record.sex;
}

// Every record needs a name (the trailing "empty.qdf" record excepted); a name used twice
// makes the later record unreachable by name.
template <typename R> void CheckNames(const LoadedList<R>& list, DataProblems& problems) {
    std::map<std::string, fs::path> seen;
    for (std::size_t i = 0; i < list.records.size(); ++i) {
        const bool empty_record = R::kEndsWithEmptyRecord && i + 1 == list.records.size();
        const R& record = *list.records[i];
        if (record.name.empty()) {
            if (!empty_record) {
                problems.Error(list.files[i], "record has no name");
            }
            continue;
        }
        const std::string identity = Identity(record);
        const auto [it, added] = seen.emplace(identity, list.files[i]);
        if (!added) {
            problems.Warning(list.files[i], "duplicate record name '" + identity + "' (also in " +
                                                it->second.string() + ")");
        }
    }
}

bool NamesAClass(const std::string& entry) {
    for (const CharacterClass* c = CharacterClass::pHead.get(); c; c = c->next.get()) {
        if (!c->name.empty() && entry.find(c->name) != std::string::npos) {
            return true;
        }
    }
    return false;
}

void CheckLevelLimits(const LoadedList<CharacterRace>& races, DataProblems& problems) {
    for (std::size_t i = 0; i < races.records.size(); ++i) {
        for (const std::string& entry : races.records[i]->levellimit) {
            if (!NamesAClass(entry)) {
                problems.Error(races.files[i], "level limit '" + entry + "' names no class");
            }
        }
    }
}

void CheckPrerequisites(const LoadedList<CharacterSkill>& skills, DataProblems& problems) {
    for (std::size_t i = 0; i < skills.records.size(); ++i) {
        for (const std::string& prereq : skills.records[i]->course_prereqs) {
            if (prereq.empty() || !CharacterSkill::Find(prereq)) {
                problems.Error(skills.files[i], "prerequisite '" + prereq + "' names no skill");
            }
        }
    }
}

void CheckTableIds(const LoadedList<CharacterEquip>& equipment, DataProblems& problems) {
    if (equipment.records.empty()) {
        return;
    }
    const CharacterEquip* shop = CharacterEquip::Find(kEquipmentCategoriesRecord);
    if (!shop) {
        problems.Error(WorkspacePath(CharacterEquip::kDirectory),
                       std::string("no record named '") + kEquipmentCategoriesRecord +
                           "', so no table id is a shop category");
        return;
    }
    const int32_t last = shop->categories_count;
    for (std::size_t i = 0; i < equipment.records.size(); ++i) {
        const CharacterEquip& item = *equipment.records[i];
        if (&item != shop && (item.tableid < 1 || item.tableid > last)) {
            problems.Error(equipment.files[i],
                           "table id " + std::to_string(item.tableid) +
                               " is no shop category (the Categories record has 1 to " +
                               std::to_string(last) + ")");
        }
    }
}

} // namespace

void CheckDataSet(DataProblems& problems) {
    ClearAllRulesLists();
    const auto races = LoadChecked<CharacterRace>(problems);
    const auto classes = LoadChecked<CharacterClass>(problems);
    const auto skills = LoadChecked<CharacterSkill>(problems);
    const auto spells = LoadChecked<CharacterSpell>(problems);
    const auto talents = LoadChecked<CharacterTalent>(problems);
    const auto profs = LoadChecked<CharacterProf>(problems);
    const auto equipment = LoadChecked<CharacterEquip>(problems);

    CheckNames(races, problems);
    CheckNames(classes, problems);
    CheckNames(skills, problems);
    CheckNames(spells, problems);
    CheckNames(talents, problems);
    CheckNames(profs, problems);
    CheckNames(equipment, problems);
    CheckLevelLimits(races, problems);
    CheckPrerequisites(skills, problems);
    CheckTableIds(equipment, problems);
}

void WriteProblemReport(const DataProblems& problems, std::ostream& out) {
    for (const DataProblem& problem : problems.All()) {
        out << problem.path.string()
            << (problem.severity == ProblemSeverity::kError ? ": error: " : ": warning: ")
            << problem.text << '\n';
    }
    out << problems.ErrorCount() << " errors, " << problems.WarningCount() << " warnings\n";
}

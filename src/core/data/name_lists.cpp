#include "core/data/name_lists.h"

#include <algorithm>
#include <sstream>

#include "core/model/workspace.h"

namespace {

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        return "";
    }
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

constexpr int kMostNumerals = 3999;

} // namespace

bool NameLists::Load(std::string& error) {
    const std::optional<std::string> text = ReadWholeFile(WorkspacePath(kFile));
    if (!text) {
        error = "cannot read the name lists " + WorkspacePath(kFile).string();
        return false;
    }
    Parse(*text);
    if (sections_.empty()) {
        error = "the name lists " + WorkspacePath(kFile).string() + " hold no name";
        return false;
    }
    return true;
}

void NameLists::Parse(const std::string& text) {
    sections_.clear();
    std::istringstream lines(text);
    std::string line;
    std::string section;
    while (std::getline(lines, line)) {
        line = Trimmed(line);
        if (line.empty() || line[0] == '#') {
            continue;
        }
        if (line.front() == '[' && line.back() == ']') {
            section = Trimmed(line.substr(1, line.size() - 2));
        } else if (!section.empty()) {
            sections_[section].push_back(line);
        }
    }
}

std::vector<std::string> NameLists::Given(const std::string& race, const std::string& sex) const {
    if (auto found = sections_.find(race + ", " + sex); found != sections_.end()) {
        return found->second;
    }
    std::vector<std::string> names;
    const std::string suffix = ", " + sex;
    for (const auto& [key, list] : sections_) {
        if (key.size() > suffix.size() && key.ends_with(suffix)) {
            names.insert(names.end(), list.begin(), list.end());
        }
    }
    return names;
}

std::vector<std::string> NameLists::Family(const std::string& race) const {
    const auto found = sections_.find(race + ", Family");
    return found == sections_.end() ? std::vector<std::string>{} : found->second;
}

NamePicker::NamePicker(const NameLists& lists, std::function<bool(const std::string&)> taken)
    : lists_(lists), taken_(std::move(taken)) {}

std::string NamePicker::Next(const std::string& race, const std::string& sex,
                             const std::function<int(int)>& pick) {
    const std::optional<int> start = RollStart(race, sex, pick);
    return start ? NameFrom(race, sex, *start) : "";
}

namespace {

// The family names of the race, or one empty family name when it has none.
std::vector<std::string> FamilyOrNone(const NameLists& lists, const std::string& race) {
    std::vector<std::string> family = lists.Family(race);
    if (family.empty()) {
        family.push_back("");
    }
    return family;
}

} // namespace

std::optional<int> NamePicker::RollStart(const std::string& race, const std::string& sex,
                                         const std::function<int(int)>& pick) const {
    const std::size_t given = lists_.Given(race, sex).size();
    if (given == 0) {
        return std::nullopt;
    }
    // Start at a random combination and walk on from it, so the choice is the generator's and
    // a full list still ends.
    return pick(static_cast<int>(given * FamilyOrNone(lists_, race).size()));
}

std::string NamePicker::NameFrom(const std::string& race, const std::string& sex, int start) {
    const std::vector<std::string> given = lists_.Given(race, sex);
    const std::vector<std::string> family = FamilyOrNone(lists_, race);
    const int count = static_cast<int>(given.size() * family.size());
    if (count == 0 || start < 0 || start >= count) {
        return "";
    }
    InUse& in_use = in_use_[race + ", " + sex];
    for (; in_use.numeral <= kMostNumerals; ++in_use.numeral, in_use.known.clear()) {
        in_use.known.resize(count);
        for (int step = 0; step < count; ++step) {
            const int at = (start + step) % count;
            if (in_use.known[at]) {
                continue;
            }
            in_use.known[at] = true; // handed out now, or found taken
            std::string name = given[at / family.size()];
            if (!family[at % family.size()].empty()) {
                name += " " + family[at % family.size()];
            }
            if (in_use.numeral > 1) {
                name += " " + RomanNumeral(in_use.numeral);
            }
            if (!taken_ || !taken_(name)) {
                return name;
            }
        }
    }
    return "";
}

std::string RomanNumeral(int number) {
    static constexpr std::pair<int, const char*> kDigits[] = {
        {1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"}, {90, "XC"}, {50, "L"},
        {40, "XL"},  {10, "X"},   {9, "IX"},  {5, "V"},    {4, "IV"},  {1, "I"}};
    std::string text;
    for (const auto& [value, digits] : kDigits) {
        for (; number >= value; number -= value) {
            text += digits;
        }
    }
    return text;
}

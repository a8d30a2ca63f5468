#include "core/files/character_file_reader.h"

#include <fstream>
#include <memory>
#include <type_traits>
#include <variant>

#include "core/data/class_data.h"
#include "core/data/data_numbers.h"
#include "core/data/data_reader.h"
#include "core/data/honor_die_table.h"
#include "core/data/race_data.h"
#include "core/files/class_history_tags.h"
#include "core/files/saved_character_tags.h"
#include "core/files/saved_files.h"
#include "core/files/saved_text.h"
#include "core/model/character.h"

namespace {

constexpr std::string_view kRootClosing = "</FRAYMARK_CHARACTER>";
constexpr std::string_view kClassClosing = "</CLASS_DATA";

bool Holds(std::string_view line, std::string_view text) {
    return line.find(text) != std::string_view::npos;
}

// The tag as a person reads it in a problem report: "<LEVEL>".
std::string ShownTag(std::string_view tag) {
    return std::string(tag) + ">";
}

// The race of exactly this name and sex: the race list holds names that begin with others
// ("Gnome", "Gnome Titan"), so a part of a name never stands for the whole.
CharacterRace* RaceNamed(const std::string& name, const std::string& sex) {
    return CharacterRace::First(
        [&](const CharacterRace& race) { return race.name == name && race.sex == sex; });
}

} // namespace

void XMLRead::FixXMLMarkup(std::string& text) {
    if (text.size() <= kMaxSavedText) {
        return;
    }
    // Cut between characters, never inside one written in several bytes.
    std::size_t cut = kMaxSavedText;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    text.resize(cut);
}

CharacterReadReport XMLRead::ReadXMLSheet(const std::string& file_name) {
    return ReadCharacterFile(SavedFilePath(kCharacterXmlDirectory, file_name));
}

CharacterReadReport XMLRead::ReadCharacterFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        // Nothing to read: the record stays as the caller left it.
        return {};
    }
    return ReadCharacterStream(in);
}

CharacterReadReport XMLRead::ReadCharacterStream(std::istream& in) {
    CharacterReadReport report;
    report.opened = true;
    CharacterLineSource source(in);
    source_ = &source;
    report_ = &report;
    std::string line;
    while (!report.complete && NextLine(line)) {
        if (Holds(line, kRootClosing)) {
            report.complete = true;
            break;
        }
        xmlConvert(line, 0);
    }
    report.read_error = source.ReadError();
    if (!report.read_error.empty()) {
        Note("the file could not be read further (" + report.read_error +
             "): the character holds what was read before");
    } else if (!report.complete) {
        Note("no closing " + std::string(kRootClosing) + " line: the file was read up to its end");
    }
    LookUpRules();
    // The standing and honor die are not saved: they follow from the level and the honor.
    SetHonorDice(current_character.level, current_character.honor,
                 current_character.honor_standing);
    source_ = nullptr;
    report_ = nullptr;
    return report;
}

void XMLRead::xmlConvert(std::string_view line, int /*unused*/) {
    if (const auto parts = SplitElement(line)) {
        xmlAssign(parts->value, parts->tag_text);
    }
}

bool XMLRead::NextLine(std::string& line) {
    if (!source_ || !source_->Next(line)) {
        return false;
    }
    if (source_->LastLineCut()) {
        Note("the line is longer than " + std::to_string(kMaxCharacterFileLine) +
             " characters; the rest of it was not read");
    }
    return true;
}

void XMLRead::Note(const std::string& problem) {
    Note(source_ ? source_->LineNumber() : 0, problem);
}

void XMLRead::Note(long line, const std::string& problem) {
    if (report_) {
        report_->problems.push_back("line " + std::to_string(line) + ": " + problem);
    }
}

int32_t XMLRead::Number(std::string_view value, std::string_view tag_text) {
    const int32_t number = AtoiSaturating(value);
    switch (ClassifyInteger(value)) {
    case NumberText::kNumber:
        break;
    case NumberText::kNotANumber:
        Note(ShownTag(tag_text) + ": '" + std::string(value) + "' is not a number (read as " +
             std::to_string(number) + ")");
        break;
    case NumberText::kOutOfRange:
        Note(ShownTag(tag_text) + ": " + std::string(value) + " is out of range (read as " +
             std::to_string(number) + ")");
        break;
    }
    return number;
}

void XMLRead::xmlAssign(std::string_view value, std::string_view tag_text) {
    const SavedTag* tag = MatchSavedTag(tag_text);
    if (!tag) {
        return;
    }
    Character_Class& c = current_character;
    if (tag->background_flag) {
        c.*tag->background_flag = true;
    }
    std::string text = UnescapeSavedText(value);
    FixXMLMarkup(text);
    std::visit(
        [&](const auto& field) {
            using Field = std::decay_t<decltype(field)>;
            if constexpr (std::is_same_v<Field, std::string Character_Class::*>) {
                c.*field = std::move(text);
            } else if constexpr (std::is_same_v<Field, int32_t Character_Class::*>) {
                c.*field = Number(value, tag->tag);
            } else if constexpr (std::is_same_v<Field,
                                                std::vector<std::string> Character_Class::*>) {
                (c.*field).push_back(std::move(text));
            } else if constexpr (std::is_same_v<Field, SiblingLine>) {
                SetSiblingLine(field.index, text);
            } else if constexpr (std::is_same_v<Field, ClassEntry>) {
                ReadClassBlock(text);
            } else {
                switch (field) {
                case SavedItemList::kSkill:
                    return ReadItem<SkillDataItem>(text, ItemNumberTag(field));
                case SavedItemList::kTalent:
                    return ReadItem<TalentDataItem>(text, ItemNumberTag(field));
                case SavedItemList::kProficiency:
                    return ReadItem<ProfDataItem>(text, ItemNumberTag(field));
                case SavedItemList::kQuirk:
                    return ReadItem<QuirkDataItem>(text, ItemNumberTag(field));
                case SavedItemList::kEquipment:
                    return ReadItem<EquipDataItem>(text, ItemNumberTag(field));
                case SavedItemList::kSpell:
                    return ReadItem<SpellDataItem>(text, ItemNumberTag(field));
                case SavedItemList::kFailedSpell:
                    return ReadItem<SpellAttemptItem>(text, ItemNumberTag(field));
                }
            }
        },
        tag->field);
}

// The number of an item is on the line after its name. When that line is the start of
// something else the reader knows (the number line is missing), the item keeps 0 and the
// line is read in its turn.
template <typename Item> void XMLRead::ReadItem(std::string_view name, const char* number_tag) {
    auto item = std::make_unique<Item>();
    item->name = name;
    const long name_line = source_ ? source_->LineNumber() : 0;
    const std::string missing =
        std::string(number_tag) + "> missing after '" + item->name + "': it counts 0";
    std::string line;
    if (!NextLine(line)) {
        Note(name_line, missing);
    } else if (const auto parts = SplitElement(line);
               Holds(line, kRootClosing) || (parts && MatchSavedTag(parts->tag_text))) {
        Note(name_line, missing);
        source_->PutBack(std::move(line));
    } else if (parts) {
        item->value = Number(parts->value, parts->tag_text);
    } else {
        Note(name_line, missing);
    }
    Item::AddTail(std::move(item));
}

void XMLRead::ReadClassBlock(std::string_view name) {
    auto item = std::make_unique<ClassDataItem>();
    item->name = name;
    ClassDataItem& entry = *item;
    ClassDataItem::AddTail(std::move(item));
    std::string line;
    while (NextLine(line)) {
        if (Holds(line, kClassClosing)) {
            return;
        }
        if (!IsClassLine(line)) {
            // The block was never closed: it ends here, and this line is read in its turn,
            // so nothing after an unclosed block is lost and two classes never merge.
            Note("the class entry '" + entry.name + "' has no " + std::string(kClassClosing) +
                 "> line; it ends before this line");
            source_->PutBack(std::move(line));
            return;
        }
        xmlClassConvert(line, entry);
    }
}

bool XMLRead::IsClassLine(std::string_view line) {
    const auto parts = SplitElement(line);
    if (!parts) {
        return false;
    }
    if (Holds(parts->tag_text, "<CLASS_EXP") || Holds(parts->tag_text, "<CLASS_LEVEL")) {
        return true;
    }
    for (const ClassHistoryArray& array : kClassHistoryArrays) {
        if (Holds(parts->tag_text, "<" + std::string(array.tag))) {
            return true;
        }
    }
    return false;
}

void XMLRead::xmlClassConvert(std::string_view line, ClassDataItem& item) {
    const auto parts = SplitElement(line);
    if (!parts) {
        return;
    }
    const std::string_view tag_text = parts->tag_text;
    if (Holds(tag_text, "<CLASS_EXP")) {
        // Written as a decimal ("1500", "1.23457e+06"), so read as one.
        item.experience = AtodSaturating(parts->value);
        return;
    }
    if (Holds(tag_text, "<CLASS_LEVEL")) {
        item.level = Number(parts->value, tag_text);
        return;
    }
    for (const ClassHistoryArray& array : kClassHistoryArrays) {
        const std::string tag = "<" + std::string(array.tag);
        if (!Holds(tag_text, tag)) {
            continue;
        }
        const int32_t level = IndexedLevel(tag_text);
        if (IsLevelInRange(level)) {
            (item.*array.values)[static_cast<std::size_t>(level)] = Number(parts->value, tag_text);
        } else {
            Note(ShownTag(tag_text) + ": level " + std::to_string(level) +
                 " is outside 0 to 99; ignored");
        }
        return;
    }
}

// The race record of the saved race and sex and the class record of the character's class
// name (a multi-class such as "Wizard/Thief" is a class record of its own, while its entries
// are named after the single classes), or, when no record holds that name, of the first class
// entry, each by its exact name.
void XMLRead::LookUpRules() {
    Character_Class& c = current_character;
    c.race_item = RaceNamed(c.race, c.sex);
    c.class_item = CharacterClass::Named(c.class_long_name);
    const ClassDataItem* first = ClassDataItem::pHead.get();
    if (!c.class_item && first) {
        c.class_item = CharacterClass::Named(first->name);
    }
}

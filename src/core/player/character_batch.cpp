#include "core/player/character_batch.h"
#include "core/wizard/creation_flow.h"

#include <system_error>

#include "core/app/clear_all.h"
#include "core/data/class_data.h"
#include "core/data/race_data.h"
#include "core/data/rules_lists.h"
#include "core/dice/dice_log.h"
#include "core/dice/vexl_random.h"
#include "core/files/character_save.h"
#include "core/files/saved_files.h"
#include "core/model/character.h"
#include "core/model/program_state.h"
#include "core/model/workspace.h"

namespace {

// Makes the output folder the workspace root while a character is saved.
class RootScope {
public:
    explicit RootScope(const std::filesystem::path& root) : previous_(WorkspaceRoot()) {
        SetWorkspaceRoot(root);
    }
    ~RootScope() { SetWorkspaceRoot(previous_); }
    RootScope(const RootScope&) = delete;
    RootScope& operator=(const RootScope&) = delete;

private:
    std::filesystem::path previous_;
};

// What a character named later is called until its name comes.
constexpr char kNameToCome[] = "(the name to come)";

} // namespace

uint32_t CharacterSeed(uint32_t clock, long long index) {
    // A 64-bit mix of the clock (its lowest bit set, as the generator sets it) and the index.
    uint64_t mixed = ((static_cast<uint64_t>(clock | 1u) << 32) | static_cast<uint32_t>(index)) +
                     0x9e3779b97f4a7c15ull;
    mixed = (mixed ^ (mixed >> 30)) * 0xbf58476d1ce4e5b9ull;
    mixed = (mixed ^ (mixed >> 27)) * 0x94d049bb133111ebull;
    return static_cast<uint32_t>(mixed ^ (mixed >> 31));
}

CharacterBatch::CharacterBatch(std::filesystem::path workspace, std::filesystem::path out)
    : workspace_(std::move(workspace)), out_(std::move(out)) {}

bool CharacterBatch::Start(std::optional<uint32_t> clock, std::string& error) {
    SetWorkspaceRoot(workspace_);
    AbortCreation();
    LoadAllRulesLists();
    if (!CharacterRace::pHead || !CharacterClass::pHead) {
        error = "the workspace " + workspace_.string() + " holds no races or no classes";
        return false;
    }
    if (!names_.Load(error)) {
        return false;
    }
    picker_ = std::make_unique<NamePicker>(
        names_, [this](const std::string& name) { return NameTaken(name); });
    player_ = std::make_unique<AutoPlayer>([this](const std::string& race, const std::string& sex) {
        return NameCharacter(race, sex);
    });
    clock_ = clock ? *clock : VexlClockNow();
    SeedVexlrandAsClock(clock_);
    // The dice log is named by the first dice of the session, as in a fresh toolkit session,
    // so a batch's rolls do not depend on what ran before it in the process.
    program_data.log_file_name[0] = '\0';
    HoldLogFileOpen(true);
    Create_Filename(program_data.log_file_name);
    return true;
}

void CharacterBatch::NameLater(std::function<bool(const std::string&, const std::string&)> ask,
                               std::function<std::string()> answer) {
    ask_name_ = std::move(ask);
    answer_name_ = std::move(answer);
}

std::string CharacterBatch::NameCharacter(const std::string& race, const std::string& sex) {
    if (ask_name_) {
        return ask_name_(race, sex) ? kNameToCome : "";
    }
    return picker_->Next(race, sex, &AutoPlayer::Pick);
}

CharacterBatch::~CharacterBatch() {
    HoldLogFileOpen(false);
}

bool CharacterBatch::LearnName(const std::string& race, const std::string& sex, int start,
                               const std::string& name) {
    learning_ = name;
    const bool same = picker_->NameFrom(race, sex, start) == name;
    learning_.clear();
    return same;
}

bool CharacterBatch::NameTaken(const std::string& name) const {
    if (!learning_.empty() && name == learning_) {
        return false;
    }
    std::error_code ec;
    return std::filesystem::exists(out_ / kCharacterXmlDirectory / (SavedFileName(name) + ".xml"),
                                   ec);
}

std::optional<BatchCharacter> CharacterBatch::MakeOne(long long index, const CharacterWish& wish,
                                                      std::string& error) {
    if (index > 0) {
        SeedVexlrandAsClock(CharacterSeed(clock_, index));
    }
    if (!player_->Play(wish)) {
        return std::nullopt;
    }
    Character_Class& c = current_character;
    if (answer_name_) {
        c.character_name = answer_name_();
        if (c.character_name.empty()) {
            error = "no name is left in the name lists for " + c.race + ", " + c.sex;
            return std::nullopt;
        }
    }
    BatchCharacter made{c.character_name, c.race, c.sex,
                        c.class_item ? c.class_item->name : std::string(), ""};
    {
        RootScope scope(out_);
        std::error_code ec;
        std::filesystem::create_directories(out_ / kCharacterXmlDirectory, ec);
        std::filesystem::create_directories(out_ / kCharacterHtmlDirectory, ec);
        if (SaveCurrentCharacter() != SaveResult::kSaved) {
            error = "the character " + made.name + " could not be saved in " + out_.string();
            return std::nullopt;
        }
    }
    made.file =
        (std::filesystem::path(kCharacterXmlDirectory) / (SavedFileName(made.name) + ".xml"))
            .string();
    return made;
}

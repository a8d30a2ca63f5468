// The character file: any bytes opened as a saved character (with the shipped game data
// loaded), saved, opened again and saved again. Nothing may crash, hang or leak, the file the
// toolkit wrote must read back without a single problem, and the two saves must be the same
// bytes: whatever survives one open survives every later one.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <utility>

#include "core/app/clear_all.h"
#include "core/data/rules_lists.h"
#include "core/files/character_file_reader.h"
#include "core/files/character_file_writer.h"
#include "core/model/program_state.h"
#include "core/model/workspace.h"
#include "fuzz/fuzz_support.h"

namespace {

// Keeps one rules list aside while the record is emptied, which empties the rules lists too.
template <typename R> struct KeptList {
    std::unique_ptr<R> head = std::move(R::pHead);
    R* tail = R::pTail;
    ~KeptList() {
        R::pHead = std::move(head);
        R::pTail = tail;
    }
};

// An empty character and creation state, the rules lists loaded once for the whole run.
void EmptyRecord() {
    KeptList<CharacterRace> races;
    KeptList<CharacterClass> classes;
    KeptList<CharacterSkill> skills;
    KeptList<CharacterTalent> talents;
    KeptList<CharacterProf> profs;
    KeptList<CharacterSpell> spells;
    KeptList<CharacterEquip> equipment;
    ResetProgramForTests();
}

std::string Open(const std::string& text, CharacterReadReport& report) {
    EmptyRecord();
    std::istringstream in(text);
    report = XMLRead().ReadCharacterStream(in);
    std::ostringstream out;
    WriteCharacterFile(out);
    return out.str();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SetWorkspaceRoot(ShippedGameData());
    LoadAllRulesLists();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    CharacterReadReport report;
    const std::string first = Open(std::string(reinterpret_cast<const char*>(data), size), report);
    const std::string second = Open(first, report);
    Require(report.complete && report.problems.empty(),
            "the saved file reads back with a problem: " + (report.problems.empty()
                                                                ? std::string("no closing line")
                                                                : report.problems.front()));
    Require(first == second, "open-save-open changed the file");
    return 0;
}

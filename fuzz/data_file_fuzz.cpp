// The data file reader: any bytes as a file of each of the seven rules lists, read as the
// toolkit loads it and as the data check reads it. Nothing may crash, hang or leak.
#include <cstddef>
#include <cstdint>

#include "core/data/class_data.h"
#include "core/data/data_problems.h"
#include "core/data/data_reader.h"
#include "core/data/item_data.h"
#include "core/data/race_data.h"
#include "fuzz/fuzz_support.h"

namespace {

template <typename R> void ReadAsRecord(const std::filesystem::path& file) {
    R loaded;
    ReadRecordFile(file, loaded, nullptr);
    R checked;
    DataProblems problems;
    ReadRecordFile(file, checked, &problems);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::filesystem::path file = FuzzWorkspace() / "input.qdf";
    WriteBytes(file, data, size);
    ReadAsRecord<CharacterClass>(file);
    ReadAsRecord<CharacterRace>(file);
    ReadAsRecord<CharacterSkill>(file);
    ReadAsRecord<CharacterTalent>(file);
    ReadAsRecord<CharacterProf>(file);
    ReadAsRecord<CharacterSpell>(file);
    ReadAsRecord<CharacterEquip>(file);
    return 0;
}

// The character list: any bytes as a file of "CharacterXML", listed as the open window and
// the honor tracker list it. One file gives one row, whatever it holds.
#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "core/model/workspace.h"
#include "core/files/character_list.h"
#include "core/files/saved_files.h"
#include "core/gm/saved_character_list.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FuzzWorkspace();
    const std::filesystem::path directory = WorkspacePath(kCharacterXmlDirectory);
    std::filesystem::create_directories(directory);
    WriteBytes(directory / "Input.xml", data, size);
    VexlFileClass scanner;
    scanner.LoadCharacter();
    Require(VexlFileClass::pHead && !VexlFileClass::pHead->next, "one file must give one row");
    VexlFileClass::Find(VexlFileClass::pHead->character_name);
    VexlFileClass::Clear();
    ListSavedCharacters();
    VexlFileClass::Clear();
    return 0;
}

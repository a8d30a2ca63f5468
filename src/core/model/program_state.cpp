#include "core/model/program_state.h"

ProgramState program_data;
std::string temporaryString, temporaryString2, temporaryString3;

void Clear_String(char* text) {
    if (text) {
        text[0] = '\0';
    }
}

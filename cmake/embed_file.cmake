# Writes a C++ source that holds the bytes of INPUT as `const unsigned char SYMBOL[]` and
# its size as `const std::size_t SYMBOL_size`. Usage: cmake -DINPUT=... -DOUTPUT=...
# -DSYMBOL=... -P embed_file.cmake
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n    " bytes "${bytes}")
file(WRITE ${OUTPUT}
     "// Generated from ${INPUT}; do not edit.\n#include <cstddef>\n\n"
     "extern const unsigned char ${SYMBOL}[] = {\n    ${bytes}\n};\n"
     "extern const std::size_t ${SYMBOL}_size = ${size};\n")

# A short run of every fuzz program (fuzz/) in the test suite, so a reader that crashes again
# fails the suite. Needs clang with its libFuzzer runtime; without them no test is added.
set(FRAYMARK_FUZZ_SECONDS 20 CACHE STRING "Seconds each fuzz program runs in the test suite")
find_program(FRAYMARK_CLANGXX NAMES clang++-14 clang++)
if(NOT FRAYMARK_CLANGXX)
    message(STATUS "clang++ not found: the fuzz tests are left out")
    return()
endif()
execute_process(COMMAND ${FRAYMARK_CLANGXX} -print-file-name=libclang_rt.fuzzer-x86_64.a
                OUTPUT_VARIABLE FRAYMARK_FUZZER_RUNTIME OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${FRAYMARK_CLANGXX} -print-runtime-dir
                OUTPUT_VARIABLE FRAYMARK_CLANG_RUNTIME_DIR OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT EXISTS "${FRAYMARK_CLANG_RUNTIME_DIR}/libclang_rt.fuzzer-x86_64.a"
   AND NOT EXISTS "${FRAYMARK_FUZZER_RUNTIME}")
    message(STATUS "clang's libFuzzer runtime not found: the fuzz tests are left out")
    return()
endif()

set(FRAYMARK_FUZZ_SCRIPT ${CMAKE_SOURCE_DIR}/scripts/fuzz.sh)
# The suite's runs keep their corpus and logs apart from longer runs of scripts/fuzz.sh.
set(FRAYMARK_FUZZ_ENV "FUZZ_BUILD_DIR=${CMAKE_BINARY_DIR}/fuzz"
                      "FUZZ_WORK_DIR=${CMAKE_BINARY_DIR}/fuzz-suite" "CXX=${FRAYMARK_CLANGXX}")
add_test(NAME fuzz_build COMMAND sh ${FRAYMARK_FUZZ_SCRIPT} --build-only)
set_tests_properties(fuzz_build PROPERTIES LABELS fuzz ENVIRONMENT "${FRAYMARK_FUZZ_ENV}"
                     FIXTURES_SETUP fuzz_programs TIMEOUT 3600)
foreach(target data_file options_file character_file character_list dice_expression)
    add_test(NAME fuzz_${target}
             COMMAND sh ${FRAYMARK_FUZZ_SCRIPT} --no-build ${FRAYMARK_FUZZ_SECONDS} ${target})
    set_tests_properties(fuzz_${target} PROPERTIES LABELS fuzz
                         ENVIRONMENT "${FRAYMARK_FUZZ_ENV}" FIXTURES_REQUIRED fuzz_programs
                         TIMEOUT 600)
endforeach()

# Program files and leaving: unit and window tests, and a short run of the reader's fuzzer.
marlo_test(files)

find_program(CLANGXX clang++)
if(CLANGXX)
    add_test(NAME files.reader_fuzz
             COMMAND bash ${PROJECT_SOURCE_DIR}/tools/fuzz/run.sh 15 ${CMAKE_BINARY_DIR}/fuzz)
    set_tests_properties(files.reader_fuzz PROPERTIES TIMEOUT 300)
endif()

# Preloaded into the real binary by the e2e checks, to make chosen file system calls fail.
enable_language(C)
add_library(fault_shim MODULE support/fault_shim.c)
target_link_libraries(fault_shim PRIVATE ${CMAKE_DL_LIBS})
set_target_properties(fault_shim PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
# Times how long the real binary takes to answer a press.
find_package(X11)
if(X11_FOUND)
    add_executable(time_to_change support/time_to_change.c)
    target_link_libraries(time_to_change PRIVATE X11::X11)
    set_target_properties(time_to_change PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
endif()

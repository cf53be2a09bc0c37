# School settings, and saves on a shared folder that can fail.
marlo_test(settings)

# A share that will not rename over a file, through fault_shim; and two savers racing.
add_executable(write_whole settings/write_whole.cpp)
target_link_libraries(write_whole PRIVATE marlo_core)
add_test(NAME settings.shared_folder
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/settings/shared_folder.sh
                 $<TARGET_FILE:write_whole> $<TARGET_FILE:fault_shim>
                 ${CMAKE_BINARY_DIR}/settings-shared-folder 200)
set_tests_properties(settings.shared_folder PROPERTIES TIMEOUT 120)
target_compile_definitions(settings_tests PRIVATE MARLO_SOURCE_DIR="${PROJECT_SOURCE_DIR}")

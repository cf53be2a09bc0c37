# The shipped translations: every text fits its control, and none is missing or unfinished.
marlo_test(language)
target_compile_definitions(language_tests
                           PRIVATE MARLO_TRANSLATIONS="${PROJECT_SOURCE_DIR}/translations")
add_test(NAME language.translations_complete
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/ts_complete.sh $<TARGET_FILE:Qt6::lupdate>
                 ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/translations)

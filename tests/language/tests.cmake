# The shipped translations: every text fits its control.
marlo_test(language)
target_compile_definitions(language_tests
                           PRIVATE MARLO_TRANSLATIONS="${PROJECT_SOURCE_DIR}/translations")

# Lesson files and mats: unit tests, the shipped lessons against the tool that draws them,
# and a short run of the lesson reader's fuzzer.
marlo_test(lessons)
target_compile_definitions(lessons_tests PRIVATE MARLO_LESSONS_DIR="${PROJECT_SOURCE_DIR}/lessons"
                                                 MARLO_DOCS_DIR="${PROJECT_SOURCE_DIR}/docs")

add_subdirectory(${PROJECT_SOURCE_DIR}/tools/lessons ${CMAKE_BINARY_DIR}/tools/lessons)
add_test(NAME lessons.shipped_lessons_are_drawn_by_the_tool
         COMMAND bash ${PROJECT_SOURCE_DIR}/tools/lessons/check.sh $<TARGET_FILE:drawlessons>
                 ${PROJECT_SOURCE_DIR}/lessons)
set_tests_properties(lessons.shipped_lessons_are_drawn_by_the_tool
                     PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 60)

find_program(CLANGXX clang++)
if(CLANGXX)
    add_test(NAME lessons.lesson_fuzz
             COMMAND bash ${PROJECT_SOURCE_DIR}/tools/fuzz/run.sh 15 ${CMAKE_BINARY_DIR}/fuzz-lessons
                     lesson_fuzz)
    set_tests_properties(lessons.lesson_fuzz PROPERTIES TIMEOUT 300)
endif()

# The real binary with a lesson, on a real X server.
find_program(XVFB_RUN xvfb-run)
if(XVFB_RUN)
    add_test(NAME lessons.e2e
             COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/e2e_lessons.sh $<TARGET_FILE:marlo>
                     ${CMAKE_BINARY_DIR}/e2e/lessons ${PROJECT_SOURCE_DIR}/lessons)
    set_tests_properties(lessons.e2e PROPERTIES TIMEOUT 120)
endif()

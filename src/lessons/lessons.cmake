# The shipped lessons, and the lesson file's MIME type so file managers know it.
include(GNUInstallDirs)
file(GLOB shipped_lessons CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/lessons/*.marlo-lesson)
install(FILES ${shipped_lessons} DESTINATION ${CMAKE_INSTALL_DATADIR}/marlo/lessons)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/marlo-lesson.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

# The obstacle and the target disc drawn over a lesson's floor, from tools/sprites.
qt_add_resources(marlo_core marlo_lesson_pictures
    PREFIX /lessons
    BASE ${PROJECT_SOURCE_DIR}/resources/lessons
    FILES ${PROJECT_SOURCE_DIR}/resources/lessons/obstacle.png
          ${PROJECT_SOURCE_DIR}/resources/lessons/obstacle@2x.png
          ${PROJECT_SOURCE_DIR}/resources/lessons/target.png
          ${PROJECT_SOURCE_DIR}/resources/lessons/target@2x.png)

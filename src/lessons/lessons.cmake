# The shipped lessons, and the lesson file's MIME type so file managers know it.
include(GNUInstallDirs)
file(GLOB shipped_lessons CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/lessons/*.marlo-lesson)
install(FILES ${shipped_lessons} DESTINATION ${CMAKE_INSTALL_DATADIR}/marlo/lessons)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/marlo-lesson.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

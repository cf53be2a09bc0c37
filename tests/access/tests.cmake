# Aids for every pupil and the access options: unit and window tests, and the real MARLO as a
# screen reader, a keyboard-only pupil and a one-switch pupil meet it.
marlo_test(access)

find_program(XVFB_RUN xvfb-run)
find_program(DBUS_RUN_SESSION dbus-run-session)
if(XVFB_RUN AND DBUS_RUN_SESSION)
    foreach(mode screen-reader keyboard switch)
        add_test(NAME e2e.access_${mode}
                 COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/access/pupil_aids.sh
                         $<TARGET_FILE:marlo> ${CMAKE_BINARY_DIR}/e2e/access-${mode} ${mode})
        set_tests_properties(e2e.access_${mode} PROPERTIES TIMEOUT 180)
    endforeach()
endif()

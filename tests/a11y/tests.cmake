# The main window driven from outside through the accessibility bus, on a
# private X server. pyatspi comes from the Debian package, which only the
# system interpreter sees (a python3 earlier on PATH, e.g. a virtual
# environment's, does not).
set(ZELQUIZ_A11Y_PYTHON /usr/bin/python3 CACHE FILEPATH "Python interpreter with pyatspi for the accessibility test")
add_test(NAME a11y_main_window
  COMMAND ${ZELQUIZ_A11Y_PYTHON} ${CMAKE_CURRENT_SOURCE_DIR}/a11y/main_window.py $<TARGET_FILE:zelquiz>)
set_tests_properties(a11y_main_window PROPERTIES TIMEOUT 120)

# The main program's entry: the one place that assembles the subsystems.
list(APPEND BW_APP_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/winmain.cpp
)

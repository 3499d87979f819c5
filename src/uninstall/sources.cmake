# The uninstaller: the removal's steps (portable core) and the windows of DelBrix.exe.
list(APPEND BW_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/removal.cpp
)

# The uninstaller: the removal's steps (portable core) and the windows of DelBrix.exe.
list(APPEND BW_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/removal.cpp
)

# The windows of DelBrix.exe.
set(BW_DELBRIX_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/delbrix_winmain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/uninstall_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/uninstall_question_dialog.cpp
)

# The installer: its steps, file set, settings and registry values (portable core), the
# system registry behind them, and the windows of setup.exe.
list(APPEND BW_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/install_files.cpp
  ${CMAKE_CURRENT_LIST_DIR}/install_paths.cpp
  ${CMAKE_CURRENT_LIST_DIR}/install_settings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/installer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/registry_values.cpp
)
list(APPEND BW_CORE_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/registry_win32.cpp
)

# The windows of setup.exe, and the main program's look that they and DelBrix.exe share.
set(BW_COMPANION_LOOK_SOURCES
  ${CMAKE_SOURCE_DIR}/src/shell/button_painter.cpp
  ${CMAKE_SOURCE_DIR}/src/shell/context_help.cpp
  ${CMAKE_SOURCE_DIR}/src/shell/dialog_chrome.cpp
  ${CMAKE_SOURCE_DIR}/src/shell/hover.cpp
  ${CMAKE_SOURCE_DIR}/src/shell/look_and_feel.cpp
  ${CMAKE_SOURCE_DIR}/src/shell/program_state.cpp
  ${CMAKE_SOURCE_DIR}/src/shell/skinned_dialog.cpp
  ${CMAKE_SOURCE_DIR}/src/shell/skins.cpp
  ${CMAKE_SOURCE_DIR}/src/shell/sound_effects.cpp
  ${CMAKE_CURRENT_LIST_DIR}/companion_look.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shortcut_win32.cpp
)
set(BW_SETUP_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/setup_about_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/setup_freedb_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/setup_main_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/setup_message_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/setup_path_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/setup_question_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/setup_window_host.cpp
  ${CMAKE_CURRENT_LIST_DIR}/setup_winmain.cpp
)

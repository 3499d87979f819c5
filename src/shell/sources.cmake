# Application shell. Each helper keeps to its own marked block.

# --- look: skins, button painter, hover, sounds, animations, boxes ---
list(APPEND BW_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/animation_catalog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/button_geometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_recolour.cpp
  ${CMAKE_CURRENT_LIST_DIR}/toggle_table.cpp
)
# Animation loading and threads need no program state, so the Windows unit tests run them too.
list(APPEND BW_CORE_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/animation.cpp
)
list(APPEND BW_APP_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/button_painter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/context_help.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialog_chrome.cpp
  ${CMAKE_CURRENT_LIST_DIR}/look_and_feel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hover.cpp
  ${CMAKE_CURRENT_LIST_DIR}/message_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/question_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skinned_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skins.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sound_effects.cpp
  ${CMAKE_CURRENT_LIST_DIR}/splash_window.cpp
)
# --- end look ---

# --- main: settings, command line, start-up, main window, panels ---
list(APPEND BW_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/command_line.cpp
  ${CMAKE_CURRENT_LIST_DIR}/media_kinds.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_outline.cpp
)
list(APPEND BW_APP_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/about_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/panel_host.cpp
  ${CMAKE_CURRENT_LIST_DIR}/program_state.cpp
  ${CMAKE_CURRENT_LIST_DIR}/startup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/running_copy.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_shape.cpp
)
# --- end main ---

# --- disc: common text helpers, folder path check, file list ---
list(APPEND BW_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/folder_path.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_helpers.cpp
)
# A window helper, but in the core so the Windows unit tests can fill a real list box.
list(APPEND BW_CORE_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/file_list.cpp
)
# --- end disc ---

# --- options: the options dialog and the animation setup ---
list(APPEND BW_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/animation_setup_model.cpp
  ${CMAKE_CURRENT_LIST_DIR}/options_model.cpp
)
list(APPEND BW_APP_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/animation_setup_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/options_dialog.cpp
)
# --- end options ---

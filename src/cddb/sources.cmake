# --- database file: the catalogue file and its operations (portable) ---
list(APPEND BW_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/block_reader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/catalogue_generation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/database.cpp
  ${CMAKE_CURRENT_LIST_DIR}/database_check.cpp
  ${CMAKE_CURRENT_LIST_DIR}/database_recovery.cpp
  ${CMAKE_CURRENT_LIST_DIR}/database_scanner.cpp
  ${CMAKE_CURRENT_LIST_DIR}/database_writer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/disc_entry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/entry_chain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/entry_codec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/entry_stream_writer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/windows1252.cpp)
# --- end database file ---

# --- catalogue tools: sorter, search, export, information, editor rules (portable) ---
list(APPEND BW_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/database_export.cpp
  ${CMAKE_CURRENT_LIST_DIR}/database_info.cpp
  ${CMAKE_CURRENT_LIST_DIR}/database_search.cpp
  ${CMAKE_CURRENT_LIST_DIR}/database_sorter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/entry_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/entry_navigation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/export_format.cpp
  ${CMAKE_CURRENT_LIST_DIR}/search_memory.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sorting_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_matcher.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tool_texts.cpp)
list(APPEND BW_CORE_POSIX_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/text_rules_posix.cpp)
list(APPEND BW_CORE_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/text_rules_win32.cpp)
# --- end catalogue tools ---

# Add/Edit dialog
list(APPEND BW_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/disc_info_dialog_pages.cpp
)
list(APPEND BW_APP_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/disc_info_dialog.cpp
)
# --- end Add/Edit dialog ---

# Database editor and export windows
list(APPEND BW_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/editor_entry.cpp
)
list(APPEND BW_APP_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/database_editor_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/export_dialog.cpp
)
# --- end database editor and export windows ---
# Garnish and the catalogue tools' windows
list(APPEND BW_APP_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/database_info_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/garnish_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/search_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sorter_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tool_status_line.cpp
)
# --- end Garnish and the catalogue tools' windows ---

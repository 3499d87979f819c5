# --- database file: the catalogue file and its operations (portable) ---
list(APPEND BW_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/block_reader.cpp
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

# Add/Edit dialog
list(APPEND BW_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/disc_info_dialog_pages.cpp
)
list(APPEND BW_APP_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/disc_info_dialog.cpp
)
# --- end Add/Edit dialog ---

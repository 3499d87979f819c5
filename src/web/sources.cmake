# --- web page generator: template files, the pages, the run (portable) ---
list(APPEND BW_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/html_entry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/html_generator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/html_pages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/web_settings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/web_template.cpp)
# --- end web page generator ---

# Create HTML Document dialog
list(APPEND BW_APP_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/html_document_dialog.cpp
)
# --- end Create HTML Document dialog ---

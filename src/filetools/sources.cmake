# File tools: the drive search's walk and cache, the folder browser's model, and the folder
# listing and drive queries they stand on (one implementation per platform).
list(APPEND BW_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/directory_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/directory_lister.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drive_entries.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drive_search.cpp
  ${CMAKE_CURRENT_LIST_DIR}/editor_launch_plan.cpp
  ${CMAKE_CURRENT_LIST_DIR}/editor_settings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_copier.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_delete.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_pattern.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_rename.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_tool_paths.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_transfer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/folder_browser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/folder_walk.cpp
  ${CMAKE_CURRENT_LIST_DIR}/search_kind.cpp
  ${CMAKE_CURRENT_LIST_DIR}/selection_summary.cpp
)
list(APPEND BW_CORE_POSIX_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/directory_lister_posix.cpp
)
list(APPEND BW_CORE_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/directory_lister_win32.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drive_queries_win32.cpp
)

# The windows: the folder browser and its lists, the drive search, the media files' external
# editors (their selection and launch), the volume mixer's selection, and the copy, move,
# rename and delete tools.
list(APPEND BW_APP_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/copy_move_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/delete_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drive_search_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/editor_launch.cpp
  ${CMAKE_CURRENT_LIST_DIR}/editor_selection_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_exists_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_name_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/folder_browser_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/folder_browser_lists.cpp
  ${CMAKE_CURRENT_LIST_DIR}/program_folder_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rename_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/volume_mixer_dialog.cpp
)

# CD player: disc identity, the CD device and its drives.
list(APPEND BW_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/cd_device.cpp
  ${CMAKE_CURRENT_LIST_DIR}/current_disc_key.cpp
  ${CMAKE_CURRENT_LIST_DIR}/disc_id.cpp
  ${CMAKE_CURRENT_LIST_DIR}/format_seconds.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mci_error_report.cpp
  ${CMAKE_CURRENT_LIST_DIR}/program_cd_device.cpp
  ${CMAKE_CURRENT_LIST_DIR}/table_of_contents.cpp
  ${CMAKE_CURRENT_LIST_DIR}/virtual_cd_drive.cpp
  ${CMAKE_CURRENT_LIST_DIR}/virtual_cd_environment.cpp
  ${CMAKE_CURRENT_LIST_DIR}/virtual_disc.cpp
)
list(APPEND BW_CORE_POSIX_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/cd_device_factory_posix.cpp
)
# In the core so the Windows unit tests can reach the factory and the MCI drive too.
list(APPEND BW_CORE_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/cd_device_factory_win32.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mci_cd_drive.cpp
)

# CD Player panel
list(APPEND BW_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/cd_player_panel_play_state.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cd_player_panel_times.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cd_player_panel_tracks.cpp
)
list(APPEND BW_APP_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/cd_player_panel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cd_player_panel_animation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cd_player_panel_busy_buttons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cd_player_panel_buttons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cd_player_panel_commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cd_player_panel_context.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cd_player_panel_display.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cd_player_panel_position_bar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cd_player_panel_query.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cd_player_panel_status.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cd_player_panel_track_buttons.cpp
)
# --- end CD Player panel ---

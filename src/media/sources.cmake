# Media files: the portable readers of MP3, WAV, MIDI and video files behind the Audio
# panel's bit-rate label and the file information dialogs, and the panels' play queue,
# position scale and folder paths.
list(APPEND BW_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ansi_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/avi_info.cpp
  ${CMAKE_CURRENT_LIST_DIR}/byte_source.cpp
  ${CMAKE_CURRENT_LIST_DIR}/display_texts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/id3_tags.cpp
  ${CMAKE_CURRENT_LIST_DIR}/id3v2_header.cpp
  ${CMAKE_CURRENT_LIST_DIR}/media_file_info.cpp
  ${CMAKE_CURRENT_LIST_DIR}/media_folder_path.cpp
  ${CMAKE_CURRENT_LIST_DIR}/media_info_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/midi_info.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mp3_frame_search.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mp3_header.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mp3_info.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mpeg_video_info.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mpeg_video_scanner.cpp
  ${CMAKE_CURRENT_LIST_DIR}/play_queue.cpp
  ${CMAKE_CURRENT_LIST_DIR}/position_scale.cpp
  ${CMAKE_CURRENT_LIST_DIR}/quicktime_info.cpp
  ${CMAKE_CURRENT_LIST_DIR}/video_geometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/video_info.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wave_info.cpp
)

# The file information dialogs of the three panels, the video window and the large-video
# dialog.
list(APPEND BW_APP_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/large_video_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/media_info_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/video_window.cpp
)
# The Audio, MIDI and Video panels and their MCI device.
list(APPEND BW_APP_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/media_device_mci.cpp
  ${CMAKE_CURRENT_LIST_DIR}/media_panel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/media_panel_file_actions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/media_panel_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/media_panel_playback.cpp
  ${CMAKE_CURRENT_LIST_DIR}/media_panel_position.cpp
  ${CMAKE_CURRENT_LIST_DIR}/media_panel_video.cpp
)

# Freedb client: transports, disc query and read, submission, setup and server information.
list(APPEND BW_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/cddbp_query_dialogue.cpp
  ${CMAKE_CURRENT_LIST_DIR}/conversation_action.cpp
  ${CMAKE_CURRENT_LIST_DIR}/freedb_settings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/http_query_dialogue.cpp
  ${CMAKE_CURRENT_LIST_DIR}/last_updated.cpp
  ${CMAKE_CURRENT_LIST_DIR}/protocol_lines.cpp
  ${CMAKE_CURRENT_LIST_DIR}/query_action.cpp
  ${CMAKE_CURRENT_LIST_DIR}/query_reply.cpp
  ${CMAKE_CURRENT_LIST_DIR}/reply_reader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/server_info_dialogue.cpp
  ${CMAKE_CURRENT_LIST_DIR}/server_statistics.cpp
  ${CMAKE_CURRENT_LIST_DIR}/setup_settings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/site_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sites_dialogue.cpp
  ${CMAKE_CURRENT_LIST_DIR}/smtp_dialogue.cpp
  ${CMAKE_CURRENT_LIST_DIR}/smtp_reply_reader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/submission_check.cpp
  ${CMAKE_CURRENT_LIST_DIR}/submission_forms.cpp
  ${CMAKE_CURRENT_LIST_DIR}/xmcd_record.cpp
  ${CMAKE_CURRENT_LIST_DIR}/xmcd_writer.cpp
)

# Win32 side: Winsock and WinINet bindings (also used by the Windows test programs), the CD
# panel's query and the inexact-match dialog.
list(APPEND BW_CORE_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/cddbp_connection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/internet_binding.cpp
  ${CMAKE_CURRENT_LIST_DIR}/winsock_binding.cpp
)
list(APPEND BW_APP_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/captioned_button.cpp
  ${CMAKE_CURRENT_LIST_DIR}/disc_submission.cpp
  ${CMAKE_CURRENT_LIST_DIR}/freedb_setup_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/inexact_match_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mapi_mail.cpp
  ${CMAKE_CURRENT_LIST_DIR}/notepad_submission.cpp
  ${CMAKE_CURRENT_LIST_DIR}/smtp_submission_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/update_runner.cpp
  ${CMAKE_CURRENT_LIST_DIR}/query_controller.cpp
  ${CMAKE_CURRENT_LIST_DIR}/server_info_dialog.cpp
)
# --- end Win32 side ---

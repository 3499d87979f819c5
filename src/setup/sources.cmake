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

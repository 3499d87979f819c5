# The ground every subsystem stands on: the status of an operation, the injected file system
# and settings store (portable interfaces, one implementation per platform), and the RAII
# handles of the Win32 objects (headers only).
list(APPEND BW_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/file_system.cpp
  ${CMAKE_CURRENT_LIST_DIR}/memory_profile_store.cpp
)
list(APPEND BW_CORE_POSIX_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/file_system_posix.cpp
)
list(APPEND BW_CORE_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/file_system_win32.cpp
  ${CMAKE_CURRENT_LIST_DIR}/profile_win32.cpp
)

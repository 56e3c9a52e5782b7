# Cross build of the program for Windows x86_64 against the Qt that
# scripts/windows/build-qt-windows.sh built: its prefix in STAPELWERK_QT_PREFIX (a cache
# variable or the environment), the host's Qt tools (moc, rcc, uic) from /usr.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64-shared.cmake)

if(NOT STAPELWERK_QT_PREFIX)
  set(STAPELWERK_QT_PREFIX "$ENV{STAPELWERK_QT_PREFIX}")
endif()
if(NOT STAPELWERK_QT_PREFIX)
  message(FATAL_ERROR
          "STAPELWERK_QT_PREFIX: the prefix that scripts/windows/build-qt-windows.sh prints")
endif()
set(STAPELWERK_QT_PREFIX "${STAPELWERK_QT_PREFIX}" CACHE PATH "Qt for Windows")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES STAPELWERK_QT_PREFIX)
list(APPEND CMAKE_FIND_ROOT_PATH "${STAPELWERK_QT_PREFIX}")
list(APPEND CMAKE_PREFIX_PATH "${STAPELWERK_QT_PREFIX}")
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)

# Cross-builds Vitralis for Windows x86_64 on Debian, with the mingw-w64
# compilers (posix threads) and a Qt for Windows made by
# tools/build-qt-windows.sh, whose folder VITRALIS_QT_WINDOWS names.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

if(NOT VITRALIS_QT_WINDOWS)
    set(VITRALIS_QT_WINDOWS "$ENV{VITRALIS_QT_WINDOWS}")
endif()
if(NOT EXISTS "${VITRALIS_QT_WINDOWS}/lib/cmake/Qt6")
    message(FATAL_ERROR "No Qt for Windows in '${VITRALIS_QT_WINDOWS}': run tools/build-qt-windows.sh")
endif()
set(VITRALIS_QT_WINDOWS "${VITRALIS_QT_WINDOWS}" CACHE PATH "The Qt for Windows built against")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VITRALIS_QT_WINDOWS)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 "${VITRALIS_QT_WINDOWS}")
set(CMAKE_PREFIX_PATH "${VITRALIS_QT_WINDOWS}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Qt's tools (moc, rcc) are the host's, of the same version.
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)

# Tests run under wine.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run.sh")

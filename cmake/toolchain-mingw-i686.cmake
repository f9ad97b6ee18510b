# 32-bit Windows, the shipped program.
set(VANTREL_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)

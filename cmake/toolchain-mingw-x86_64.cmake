# 64-bit Windows: the same sources, for running the Windows tests under a
# 64-bit Wine where the machine cannot execute 32-bit programs.
set(VANTREL_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)

# What the mingw-w64 toolchain files share; LAYOUTS_MINGW_TRIPLET names the
# target. The -posix compilers carry the thread support GoogleTest needs.
set(CMAKE_C_COMPILER ${LAYOUTS_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LAYOUTS_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${LAYOUTS_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${LAYOUTS_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# The images need no DLL beside the system's own, and carry no time stamp,
# so that two builds of one commit give the same bytes.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -Wl,--no-insert-timestamp")

# Test programs built here run under Wine, in a prefix of the build's own.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run)

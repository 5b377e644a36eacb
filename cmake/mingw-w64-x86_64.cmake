# Cross toolchain for the Windows product: 64-bit mingw-w64 with the posix
# thread model (std::thread, std::mutex through winpthreads).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KELVRA_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   ${KELVRA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KELVRA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${KELVRA_MINGW_TRIPLE}-windres)
set(CMAKE_AR           ${KELVRA_MINGW_TRIPLE}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB       ${KELVRA_MINGW_TRIPLE}-gcc-ranlib-posix CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${KELVRA_MINGW_TRIPLE})
# Third-party libraries cross-built by scripts/bootstrap.
execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/../scripts/deps-dir
                OUTPUT_VARIABLE KELVRA_DEPS_DIR OUTPUT_STRIP_TRAILING_WHITESPACE)
list(APPEND CMAKE_FIND_ROOT_PATH ${KELVRA_DEPS_DIR}/windows)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)


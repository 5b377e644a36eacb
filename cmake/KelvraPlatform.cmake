# Which platform files a target uses, and the flags every target shares.
if(WIN32)
  set(KELVRA_PLATFORM win32)
else()
  set(KELVRA_PLATFORM posix)
endif()

execute_process(COMMAND ${CMAKE_SOURCE_DIR}/scripts/deps-dir
                OUTPUT_VARIABLE KELVRA_DEPS_DIR OUTPUT_STRIP_TRAILING_WHITESPACE)

set(KELVRA_SANITIZE "" CACHE STRING "Native sanitizers: address (with undefined) or thread")

add_library(kelvra_flags INTERFACE)
target_compile_options(kelvra_flags INTERFACE -Wall -Wextra)
if(WIN32)
  # One printf format means the same on both targets (%ls for wide text).
  target_compile_definitions(kelvra_flags INTERFACE
    __USE_MINGW_ANSI_STDIO=1 UNICODE _UNICODE NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  # Static, so the executables need nothing beside them on Windows or Wine.
  target_link_options(kelvra_flags INTERFACE -static -static-libgcc -static-libstdc++)
  # Windows programs built here run under Wine, with a prefix per build tree.
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/scripts/wine-run --prefix ${CMAKE_BINARY_DIR}/wineprefix)
elseif(KELVRA_SANITIZE STREQUAL "address")
  target_compile_options(kelvra_flags INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                -fno-sanitize-recover=undefined)
  target_link_options(kelvra_flags INTERFACE -fsanitize=address,undefined)
elseif(KELVRA_SANITIZE STREQUAL "thread")
  target_compile_options(kelvra_flags INTERFACE -fsanitize=thread)
  target_link_options(kelvra_flags INTERFACE -fsanitize=thread)
elseif(NOT KELVRA_SANITIZE STREQUAL "")
  message(FATAL_ERROR "KELVRA_SANITIZE must be empty, address or thread")
endif()

# kelvra_platform_sources(<out-var> <glob>...): the portable files matched by
# the globs plus this platform's *_win32.cpp / *_posix.cpp files.
function(kelvra_platform_sources out)
  file(GLOB_RECURSE found CONFIGURE_DEPENDS ${ARGN})
  set(result)
  foreach(file IN LISTS found)
    if(file MATCHES "_(win32|posix)(_test)?\\.cpp$" AND NOT file MATCHES "_${KELVRA_PLATFORM}(_test)?\\.cpp$")
      continue()
    endif()
    list(APPEND result ${file})
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

# kelvra_host_tool(<name> <source>... LIBS <lib>...): a program for the build
# machine, built with its own compiler even when cross-compiling.
function(kelvra_host_tool name)
  cmake_parse_arguments(TOOL "" "" "LIBS" ${ARGN})
  find_program(KELVRA_HOST_CXX NAMES g++ c++ REQUIRED)
  set(output ${CMAKE_BINARY_DIR}/host-tools/${name})
  set(libs)
  foreach(lib IN LISTS TOOL_LIBS)
    list(APPEND libs -l${lib})
  endforeach()
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/host-tools
    COMMAND ${KELVRA_HOST_CXX} -std=c++20 -O2 -o ${output} ${TOOL_UNPARSED_ARGUMENTS} ${libs}
    DEPENDS ${TOOL_UNPARSED_ARGUMENTS}
    COMMENT "Building host tool ${name}" VERBATIM)
  set(${name}_EXECUTABLE ${output} PARENT_SCOPE)
endfunction()

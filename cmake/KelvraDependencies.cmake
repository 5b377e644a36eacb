# Third-party libraries: Debian packages natively; for Windows, the static
# builds that scripts/bootstrap leaves in the machine's cache.
if(WIN32)
  set(KELVRA_TARGET_DEPS ${KELVRA_DEPS_DIR}/windows)
else()
  set(KELVRA_TARGET_DEPS ${KELVRA_DEPS_DIR}/native)
endif()
if(NOT EXISTS ${KELVRA_TARGET_DEPS}/lib/liblzma7z.a)
  message(FATAL_ERROR "Third-party builds missing in ${KELVRA_TARGET_DEPS}: run scripts/bootstrap")
endif()

if(WIN32)
  find_library(KELVRA_CURL_LIB curl PATHS ${KELVRA_TARGET_DEPS}/lib NO_DEFAULT_PATH REQUIRED)
  # The static archive by name: a plain "z" finds the import library first,
  # and the executables would then need zlib1.dll beside them.
  find_library(KELVRA_ZLIB_STATIC_LIB NAMES libz.a REQUIRED)
  add_library(kelvra_curl INTERFACE)
  target_include_directories(kelvra_curl SYSTEM INTERFACE ${KELVRA_TARGET_DEPS}/include)
  target_compile_definitions(kelvra_curl INTERFACE CURL_STATICLIB)
  target_link_libraries(kelvra_curl INTERFACE ${KELVRA_CURL_LIB} ${KELVRA_ZLIB_STATIC_LIB}
                        ws2_32 crypt32 bcrypt secur32 advapi32)
  add_library(CURL::libcurl ALIAS kelvra_curl)
else()
  find_package(CURL REQUIRED)
endif()

add_library(kelvra_lzma7z STATIC IMPORTED)
set_target_properties(kelvra_lzma7z PROPERTIES
  IMPORTED_LOCATION ${KELVRA_TARGET_DEPS}/lib/liblzma7z.a
  INTERFACE_INCLUDE_DIRECTORIES ${KELVRA_TARGET_DEPS}/include/lzma7z)

# The test HTTP server's single header.
set(KELVRA_HTTPLIB_INCLUDE ${KELVRA_DEPS_DIR}/common/include)

# zlib: gzip of analytics batches (and of the test server's decoding).
if(WIN32)
  add_library(kelvra_zlib INTERFACE)
  target_link_libraries(kelvra_zlib INTERFACE ${KELVRA_ZLIB_STATIC_LIB})
  add_library(ZLIB::ZLIB ALIAS kelvra_zlib)
else()
  find_package(ZLIB REQUIRED)
endif()

# jsoncpp: the tests read the records of decoded batches with it.
if(WIN32)
  find_package(jsoncpp CONFIG REQUIRED PATHS ${KELVRA_TARGET_DEPS}/lib/cmake/jsoncpp NO_DEFAULT_PATH)
else()
  find_package(jsoncpp CONFIG REQUIRED)
endif()

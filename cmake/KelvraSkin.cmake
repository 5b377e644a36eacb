# Packing skin folders into 7z archives, and turning files into linked bytes.

find_program(KELVRA_7ZZ 7zz REQUIRED)

# kelvra_pack_skin(<archive> <folder> [DEPENDS <file>...]): the folder's
# contents (not the folder itself) as one solid LZMA2 block with a 1 MiB
# dictionary and an LZMA-compressed header. Times and attributes are left
# out and one thread compresses, so the same files always give the same bytes.
function(kelvra_pack_skin archive folder)
  cmake_parse_arguments(PACK "" "" "DEPENDS" ${ARGN})
  get_filename_component(archive_dir ${archive} DIRECTORY)
  add_custom_command(OUTPUT ${archive}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${archive_dir}
    # "a" adds to an existing archive, so start from none.
    COMMAND ${CMAKE_COMMAND} -E rm -f ${archive}
    # Names are read as UTF-8 whatever the calling environment says.
    COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 ${KELVRA_7ZZ} a -bd -bso0 -bsp0 -t7z -m0=lzma2 -md=1m -ms=on -mhc=on -mmt=1
            -mtm=off -mtc=off -mta=off -mtr=off ${archive} .
    WORKING_DIRECTORY ${folder}
    DEPENDS ${PACK_DEPENDS}
    COMMENT "Packing ${archive}" VERBATIM)
endfunction()

kelvra_host_tool(blob-source ${CMAKE_SOURCE_DIR}/tools/blob-source/blob_source.cpp)
# A custom command's output is only built for targets of its own directory;
# this target owns the tool for the whole tree.
add_custom_target(kelvra_blob_source_tool DEPENDS ${blob-source_EXECUTABLE})

# kelvra_blob_source(<input> <output.cpp> <namespace>)
function(kelvra_blob_source input output namespace)
  add_custom_command(OUTPUT ${output}
    COMMAND ${blob-source_EXECUTABLE} ${input} ${output} ${namespace}
    DEPENDS ${blob-source_EXECUTABLE} ${input} VERBATIM)
endfunction()

# The installer's skin: everything under skin/.
file(GLOB_RECURSE KELVRA_SKIN_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/skin/*)
set(KELVRA_SKIN_ARCHIVE ${CMAKE_BINARY_DIR}/generated/skin.7z)
kelvra_pack_skin(${KELVRA_SKIN_ARCHIVE} ${CMAKE_SOURCE_DIR}/skin DEPENDS ${KELVRA_SKIN_FILES})
add_custom_target(kelvra_skin_archive DEPENDS ${KELVRA_SKIN_ARCHIVE})

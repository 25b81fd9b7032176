# libogg and libvorbis as Debian ships them, from the sources that
# scripts/vorbis-sources.sh puts in build/sources/, built with this tree's
# compiler and options (the sanitizers natively) and their own warnings.
# The program links the decoder; only the tests link the encoder.
set(ogg_sources ${CMAKE_SOURCE_DIR}/build/sources/libogg)
set(vorbis_sources ${CMAKE_SOURCE_DIR}/build/sources/libvorbis)
if(NOT EXISTS ${ogg_sources}/src/framing.c OR NOT EXISTS ${vorbis_sources}/lib/vorbisfile.c)
  message(FATAL_ERROR "No sources of libogg and libvorbis: run scripts/vorbis-sources.sh")
endif()

# What libogg's configure finds on each of our compilers (for mingw-w64,
# ogg/os_types.h picks its types itself and skips this file).
set(INCLUDE_INTTYPES_H 0)
set(INCLUDE_STDINT_H 1)
set(INCLUDE_SYS_TYPES_H 0)
foreach(bits 16 32 64)
  set(SIZE${bits} int${bits}_t)
  set(USIZE${bits} uint${bits}_t)
endforeach()
configure_file(${ogg_sources}/include/ogg/config_types.h.in
  ${CMAKE_BINARY_DIR}/generated/ogg/config_types.h @ONLY)

add_library(ogg STATIC ${ogg_sources}/src/bitwise.c ${ogg_sources}/src/framing.c)
target_include_directories(ogg PUBLIC ${ogg_sources}/include ${CMAKE_BINARY_DIR}/generated)

# All of libvorbis but the encoder's entry points (analysis.c, vorbisenc.c):
# the decoder's tables of floors, residues and mappings name their encoding
# halves too, which the linker keeps.
add_library(vorbis STATIC
  ${vorbis_sources}/lib/bitrate.c
  ${vorbis_sources}/lib/block.c
  ${vorbis_sources}/lib/codebook.c
  ${vorbis_sources}/lib/envelope.c
  ${vorbis_sources}/lib/floor0.c
  ${vorbis_sources}/lib/floor1.c
  ${vorbis_sources}/lib/info.c
  ${vorbis_sources}/lib/lookup.c
  ${vorbis_sources}/lib/lpc.c
  ${vorbis_sources}/lib/lsp.c
  ${vorbis_sources}/lib/mapping0.c
  ${vorbis_sources}/lib/mdct.c
  ${vorbis_sources}/lib/psy.c
  ${vorbis_sources}/lib/registry.c
  ${vorbis_sources}/lib/res0.c
  ${vorbis_sources}/lib/sharedbook.c
  ${vorbis_sources}/lib/smallft.c
  ${vorbis_sources}/lib/synthesis.c
  ${vorbis_sources}/lib/window.c
  ${vorbis_sources}/lib/vorbisfile.c)
target_include_directories(vorbis PUBLIC ${vorbis_sources}/include PRIVATE ${vorbis_sources}/lib)
target_link_libraries(vorbis PUBLIC ogg)
if(NOT WIN32)
  target_link_libraries(vorbis PUBLIC m)
endif()

add_library(vorbisenc STATIC EXCLUDE_FROM_ALL
  ${vorbis_sources}/lib/analysis.c ${vorbis_sources}/lib/vorbisenc.c)
target_include_directories(vorbisenc PRIVATE ${vorbis_sources}/lib)
target_link_libraries(vorbisenc PUBLIC vorbis)

# Forged granule positions overflow the sums that libvorbis makes of them,
# which its checks after the sums expect to wrap: -fwrapv makes them wrap on
# every compiler, rather than leave the optimiser to assume they cannot.
# GCC defines a signed number shifted left as two's complement does, sign
# bit and all, which both libraries rely on: UBSan need not report it.
foreach(library ogg vorbis vorbisenc)
  target_compile_options(${library} PRIVATE -fwrapv)
  if(NOT WIN32)
    target_compile_options(${library} PRIVATE -fno-sanitize=shift-base)
  endif()
endforeach()
# No exception passes through them: a 32-bit program need not carry their
# unwind tables.
if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 4)
  target_compile_options(ogg PRIVATE -fno-asynchronous-unwind-tables)
  target_compile_options(vorbis PRIVATE -fno-asynchronous-unwind-tables)
endif()
if(NOT WIN32)
  # The encoder's psychoacoustic set-up, which only the tests run, reads
  # one past a row of its noise curves (and weighs it by 0).
  set_source_files_properties(${vorbis_sources}/lib/psy.c PROPERTIES
    COMPILE_OPTIONS -fno-sanitize=bounds)
endif()

# Regenerates the artwork into OUT and fails, naming the first file, unless it
# holds the same pictures as what is committed under RESOURCES: the same
# pixels, whichever zlib compressed an icon's PNG images.
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${ARTWORK} ${RESOURCES}/art ${OUT} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "artwork could not read the pixel maps in ${RESOURCES}/art")
endif()

set(regenerate "regenerate the artwork as resources/art/README.md says")
file(GLOB_RECURSE made RELATIVE ${OUT} ${OUT}/icons/* ${OUT}/bitmaps/*)
file(GLOB_RECURSE committed RELATIVE ${RESOURCES} ${RESOURCES}/icons/* ${RESOURCES}/bitmaps/*)
list(SORT made)
foreach(file IN LISTS made)
  if(NOT EXISTS ${RESOURCES}/${file})
    message(FATAL_ERROR "resources/${file} is missing; ${regenerate}")
  endif()
  execute_process(COMMAND ${ARTWORK} --same ${OUT}/${file} ${RESOURCES}/${file}
                  RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "resources/${file} differs from its pixel map; ${regenerate}")
  endif()
endforeach()
list(REMOVE_ITEM committed ${made})
if(committed)
  list(GET committed 0 stale)
  message(FATAL_ERROR "resources/${stale} has no pixel map in resources/art/; delete it or restore the map")
endif()

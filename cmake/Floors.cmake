# The floors: each folder of the game is a static library that links only
# the floors beneath it and sees only their headers.
#
# A floor's include root is a folder of links to its own headers, one link
# a file, so "display/X.h" resolves for display/ and the floors above it
# and nothing else; "display/../app/X.h" leaves the root instead of reaching
# the sources. The compiler still looks beside the including file first, so
# "../app/X.h" would resolve: tools/check-floors.sh rejects an include that
# climbs.
#
# A floor check program links all of a floor's objects with only the floors
# beneath it, so a call that runs up (even through a forward declaration)
# fails to link.

# kworble_floor(<name> FOLDERS <folder>... [BELOW <floor>...]) makes the
# library kworble_<name> (debug, a word of target_link_libraries, cannot
# name a target alone).
function(kworble_floor name)
  cmake_parse_arguments(PARSE_ARGV 1 floor "" "" "FOLDERS;BELOW")
  set(root ${PROJECT_BINARY_DIR}/floors/${name})
  file(REMOVE_RECURSE ${root})
  foreach(folder IN LISTS floor_FOLDERS)
    file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.h)
    file(MAKE_DIRECTORY ${root}/${folder})
    foreach(header IN LISTS headers)
      get_filename_component(file ${header} NAME)
      file(CREATE_LINK ${header} ${root}/${folder}/${file} SYMBOLIC)
    endforeach()
  endforeach()
  list(TRANSFORM floor_BELOW PREPEND kworble_)
  add_library(kworble_${name} STATIC)
  target_include_directories(kworble_${name} PUBLIC ${root})
  target_link_libraries(kworble_${name} PUBLIC ${floor_BELOW} SDL2::SDL2 kworble_options)
  # Not in the fuzz build, whose instrumented objects need the fuzzer to link.
  if(NOT EMSCRIPTEN AND NOT KWORBLE_FUZZ)
    add_executable(kworble_${name}_floor_check ${PROJECT_SOURCE_DIR}/cmake/FloorCheck.cpp)
    target_link_libraries(kworble_${name}_floor_check PRIVATE $<LINK_LIBRARY:WHOLE_ARCHIVE,kworble_${name}>)
  endif()
endfunction()

# Places the example column in PROGRAM_DIR, the folder of the desktop program,
# so that a first start opens on real data:
#   cmake -DEXAMPLE_DIR=<examples> -DPROGRAM_DIR=<folder> -P PlaceExample.cmake
# Only when the folder holds no main.dat yet, and never over a file that is
# there: whatever the user keeps in the folder stays as it is.
if(EXISTS "${PROGRAM_DIR}/main.dat")
  return()
endif()

# Each file is copied under a temporary name and renamed, so an interrupted
# build leaves no half-copied file; main.dat comes last, so that a build
# interrupted before it places what is missing next time.
function(place name)
  if(EXISTS "${PROGRAM_DIR}/${name}")
    return()
  endif()
  file(COPY_FILE "${EXAMPLE_DIR}/${name}" "${PROGRAM_DIR}/${name}.part")
  file(RENAME "${PROGRAM_DIR}/${name}.part" "${PROGRAM_DIR}/${name}")
endfunction()

file(GLOB diagrams RELATIVE "${EXAMPLE_DIR}" "${EXAMPLE_DIR}/*.dg[1-7]")
foreach(diagram IN LISTS diagrams)
  place("${diagram}")
endforeach()
place(main.dat)
message(STATUS "Placed the example column in ${PROGRAM_DIR}")

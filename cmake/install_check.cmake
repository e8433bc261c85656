# Installs the build into a fresh prefix, runs the installed make_data_tree
# from another folder and the installed tolv7 on the tree it wrote, with the
# installed sample city-pair job; the job must end normally with every flight
# computed. Every sample file must be installed as it is in the sources.
# Use: cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DWORK_DIR=... [-DEMULATOR=...]
#      [-DSUFFIX=.exe] -P install_check.cmake
foreach(var BUILD_DIR SOURCE_DIR WORK_DIR)
  if(NOT ${var})
    message(FATAL_ERROR "install_check: ${var} is not set")
  endif()
endforeach()

function(run_checked what dir)
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${dir} RESULT_VARIABLE status
                  OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${what} failed (${status}):\n${out}")
  endif()
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR}/elsewhere)
set(prefix ${WORK_DIR}/prefix)
run_checked("install" ${WORK_DIR} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
file(GLOB samples RELATIVE ${SOURCE_DIR}/samples ${SOURCE_DIR}/samples/*)
list(TRANSFORM samples PREPEND share/tolv7/samples/ OUTPUT_VARIABLE installed_samples)
foreach(file bin/tolv7${SUFFIX} bin/make_data_tree${SUFFIX} share/tolv7/airports.csv ${installed_samples})
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "install: ${file} is missing")
  endif()
endforeach()
foreach(sample ${samples})
  file(SHA256 ${SOURCE_DIR}/samples/${sample} source_hash)
  file(SHA256 ${prefix}/share/tolv7/samples/${sample} installed_hash)
  if(NOT source_hash STREQUAL installed_hash)
    message(FATAL_ERROR "install: share/tolv7/samples/${sample} differs from samples/${sample}")
  endif()
endforeach()

run_checked("installed make_data_tree" ${WORK_DIR}/elsewhere ${EMULATOR} ${prefix}/bin/make_data_tree${SUFFIX} tree)
set(tree ${WORK_DIR}/elsewhere/tree)
file(COPY ${prefix}/share/tolv7/samples/FLIGHTS.BIG ${prefix}/share/tolv7/samples/DEFAULT.INP DESTINATION ${tree})
run_checked("installed tolv7" ${tree} ${EMULATOR} ${prefix}/bin/tolv7${SUFFIX})

file(STRINGS ${SOURCE_DIR}/samples/FLIGHTS.BIG flights REGEX "^[A-Z][A-Z][A-Z]-")
file(STRINGS ${tree}/FLIGHTS.OUT doses REGEX "EFFECTIVE DOSE")
file(STRINGS ${tree}/FLIGHTS.OUT skipped REGEX "SKIPPING")
list(LENGTH flights flight_count)
list(LENGTH doses dose_count)
if(flight_count EQUAL 0 OR NOT dose_count EQUAL flight_count OR skipped)
  file(READ ${tree}/FLIGHTS.OUT text)
  message(FATAL_ERROR "installed tolv7: ${dose_count} doses for ${flight_count} flights:\n${text}")
endif()
message(STATUS "installed programs computed ${dose_count} flights")

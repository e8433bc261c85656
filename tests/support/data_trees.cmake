# The data trees that the tests share, written once per ctest run.
#
# MODE=write: writes the tree DIR with the tree tool TOOL (through EMULATOR
#   in a cross build) and the options ARGS (blank-separated), then DIR.sums
#   (a hash of every file, see tree_sums) and last DIR.args (the options,
#   one a line). A tree counts as written only when DIR.args exists, so the
#   tests never take a tree that was left half written.
# MODE=check: hashes the files of DIR again and fails, naming the files,
#   when a test has changed, added or removed any (a test must change only
#   its own working folder, never the shared tree behind it).
# Use: cmake -DMODE=write -DTOOL=... [-DEMULATOR=...] -DDIR=... [-DARGS=...] -P data_trees.cmake
#      cmake -DMODE=check -DDIR=... -P data_trees.cmake
foreach(var MODE DIR)
  if(NOT ${var})
    message(FATAL_ERROR "data_trees: ${var} is not set")
  endif()
endforeach()

# "path hash" lines of every entry under DIR, sorted by path. Only a regular
# file with something in it is read: a link counts by its target, anything
# of size 0 (an empty file, but also a named pipe or a device, which would
# block or read without end) as empty. A test that puts a link or a pipe into
# the tree is still named, since the entry is new.
function(tree_sums dir out)
  file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${dir} ${dir}/*)
  list(SORT files)
  set(lines "")
  foreach(f ${files})
    if(IS_SYMLINK ${dir}/${f})
      file(READ_SYMLINK ${dir}/${f} target)
      set(hash "link:${target}")
    else()
      file(SIZE ${dir}/${f} size)
      if(size EQUAL 0)
        set(hash "empty")
      else()
        file(MD5 ${dir}/${f} hash)
      endif()
    endif()
    string(APPEND lines "${f} ${hash}\n")
  endforeach()
  set(${out} "${lines}" PARENT_SCOPE)
endfunction()

if(MODE STREQUAL "write")
  if(NOT TOOL)
    message(FATAL_ERROR "data_trees: TOOL is not set")
  endif()
  file(REMOVE ${DIR}.args ${DIR}.sums)
  file(REMOVE_RECURSE ${DIR})
  separate_arguments(options UNIX_COMMAND "${ARGS}")
  execute_process(COMMAND ${EMULATOR} ${TOOL} ${DIR} ${options} RESULT_VARIABLE status
                  OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "make_data_tree ${DIR} ${ARGS} failed (${status}):\n${out}")
  endif()
  tree_sums(${DIR} sums)
  file(WRITE ${DIR}.sums "${sums}")
  set(arg_lines "")
  foreach(option ${options})
    string(APPEND arg_lines "${option}\n")
  endforeach()
  file(WRITE ${DIR}.args "${arg_lines}")
elseif(MODE STREQUAL "check")
  if(NOT EXISTS ${DIR}.sums)
    message(STATUS "data_trees: ${DIR} was not written")
    return()
  endif()
  file(STRINGS ${DIR}.sums written)
  tree_sums(${DIR} now)
  string(REGEX REPLACE "\n$" "" now "${now}")
  string(REPLACE "\n" ";" now "${now}")
  set(changed ${written})
  list(REMOVE_ITEM changed ${now})
  set(added ${now})
  list(REMOVE_ITEM added ${written})
  if(changed OR added)
    list(TRANSFORM changed REPLACE " .*" "")
    list(TRANSFORM added REPLACE " .*" "")
    string(JOIN ", " changed ${changed})
    string(JOIN ", " added ${added})
    message(FATAL_ERROR "a test wrote into the shared data tree ${DIR}:\n"
                        "  changed or removed: ${changed}\n  changed or added: ${added}")
  endif()
else()
  message(FATAL_ERROR "data_trees: unknown MODE ${MODE}")
endif()

# Checks play.sh and test.sh against the options of CMakeLists.txt: every configure gives every
# TARNHOLLOW_ option and the build type, play.sh builds in folders test.sh never uses, test.sh builds
# its tests with warnings as errors, and every ctest call fails when it finds no tests.
# Run by ctest: cmake -DSOURCE=<repository> -P CheckScriptOptions.cmake
# With -DSELF_TEST=<folder> it checks scripts with planted faults instead and requires exactly those.
cmake_minimum_required(VERSION 3.25)

# The lines of a shell script with continued lines joined.
function(_script_lines script out)
  file(READ "${script}" text)
  string(REPLACE "\\\n" " " text "${text}")
  string(REPLACE ";" "," text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(${out} "${lines}" PARENT_SCOPE)
endfunction()

# Appends to problems what is wrong with one script; sets dirs to the build folders it configures.
function(_check_script script options problemsVar dirsVar)
  set(found ${${problemsVar}})
  set(configured)
  cmake_path(GET script FILENAME name)
  _script_lines("${script}" lines)
  foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]*cmake[ \t]+-S")
      if(NOT line MATCHES "-B[ \t]*([^ \t]+)")
        list(APPEND found "${name}: a configure without -B")
        continue()
      endif()
      set(dir "${CMAKE_MATCH_1}")
      list(APPEND configured "${dir}")
      foreach(option IN LISTS options ITEMS CMAKE_BUILD_TYPE)
        if(NOT line MATCHES "-D${option}=")
          list(APPEND found "${name}: the configure of ${dir} does not give ${option}")
        endif()
      endforeach()
      if(line MATCHES "-DTARNHOLLOW_TESTS=ON" AND NOT line MATCHES "-DTARNHOLLOW_WERROR=ON")
        list(APPEND found "${name}: the tests of ${dir} are built without TARNHOLLOW_WERROR=ON")
      endif()
    elseif(line MATCHES "^[ \t]*ctest[ \t]")
      if(NOT line MATCHES "--no-tests=error")
        list(APPEND found "${name}: a ctest call without --no-tests=error")
      endif()
      if(line MATCHES "--test-dir[ \t]+([^ \t]+)" AND NOT CMAKE_MATCH_1 IN_LIST configured)
        list(APPEND found "${name}: ctest runs ${CMAKE_MATCH_1}, which the script does not configure first")
      endif()
    endif()
  endforeach()
  if(NOT configured)
    list(APPEND found "${name}: no configure")
  endif()
  set(${problemsVar} "${found}" PARENT_SCOPE)
  set(${dirsVar} "${configured}" PARENT_SCOPE)
endfunction()

function(check_scripts lists play test out)
  file(STRINGS "${lists}" declared REGEX "^[ \t]*option\\(TARNHOLLOW_")
  set(options)
  foreach(line IN LISTS declared)
    string(REGEX MATCH "TARNHOLLOW_[A-Z_]+" option "${line}")
    list(APPEND options ${option})
  endforeach()
  set(problems)
  if(NOT options)
    list(APPEND problems "no TARNHOLLOW_ options in ${lists}")
  endif()
  _check_script("${play}" "${options}" problems playDirs)
  _check_script("${test}" "${options}" problems testDirs)
  foreach(dir IN LISTS playDirs)
    if(dir IN_LIST testDirs)
      list(APPEND problems "play.sh and test.sh both build in ${dir}")
    endif()
  endforeach()
  set(${out} "${problems}" PARENT_SCOPE)
endfunction()

if(SELF_TEST)
  file(REMOVE_RECURSE "${SELF_TEST}")
  file(WRITE "${SELF_TEST}/CMakeLists.txt"
    "option(TARNHOLLOW_TESTS \"\" ON)\noption(TARNHOLLOW_WERROR \"\" OFF)\n")
  file(WRITE "${SELF_TEST}/play.sh"
    "cmake -S . -B build -DCMAKE_BUILD_TYPE=Release \\\n  -DTARNHOLLOW_TESTS=OFF\ncmake --build build\n")
  file(WRITE "${SELF_TEST}/test.sh"
    "cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARNHOLLOW_TESTS=ON -DTARNHOLLOW_WERROR=OFF\n"
    "ctest --test-dir build -j 2\n"
    "cmake -S . -B build-asan -DTARNHOLLOW_TESTS=ON -DTARNHOLLOW_WERROR=ON -DCMAKE_BUILD_TYPE=Debug\n"
    "ctest --test-dir build-other --no-tests=error\n")
  check_scripts("${SELF_TEST}/CMakeLists.txt" "${SELF_TEST}/play.sh" "${SELF_TEST}/test.sh" found)
  set(expected
    "play.sh: the configure of build does not give TARNHOLLOW_WERROR"
    "test.sh: the tests of build are built without TARNHOLLOW_WERROR=ON"
    "test.sh: a ctest call without --no-tests=error"
    "test.sh: ctest runs build-other, which the script does not configure first"
    "play.sh and test.sh both build in build")
  if(NOT found STREQUAL expected)
    list(JOIN found "\n  " f)
    list(JOIN expected "\n  " e)
    message(FATAL_ERROR "the script check found\n  ${f}\nbut should have found\n  ${e}")
  endif()
  return()
endif()

check_scripts("${SOURCE}/CMakeLists.txt" "${SOURCE}/play.sh" "${SOURCE}/test.sh" problems)
foreach(p IN LISTS problems)
  message("scripts: ${p}")
endforeach()
if(problems)
  message(FATAL_ERROR "play.sh and test.sh do not fit the build's options")
endif()

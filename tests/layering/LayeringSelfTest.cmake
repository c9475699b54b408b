# Proves that the layering check catches what it should and nothing else: writes a small project
# with four libraries, a test and a program that break the rules in known ways, configures it with
# the real th_library and th_write_layering, checks it and compares the findings with the list below.
# Run by ctest: cmake -DWORK=<folder> -DGENERATOR=<generator> -DCXX=<compiler> -P LayeringSelfTest.cmake
cmake_minimum_required(VERSION 3.25)
get_filename_component(root "${CMAKE_CURRENT_LIST_DIR}/../.." ABSOLUTE)
include(${root}/cmake/Layering.cmake)

set(tree "${WORK}/tree")
file(REMOVE_RECURSE "${WORK}")

function(put path)
  string(REPLACE ";" "\n" text "${ARGN}")
  file(WRITE "${tree}/${path}" "${text}\n")
endfunction()

put(CMakeLists.txt
  "cmake_minimum_required(VERSION 3.25)"
  "project(Layers LANGUAGES CXX)"
  "include(${root}/cmake/TarnhollowLibrary.cmake)"
  "include(${root}/cmake/Layering.cmake)"
  "add_library(PkgConfig::SDL2 INTERFACE IMPORTED)"
  "foreach(folder low mid high platform)"
  "  add_subdirectory(src/\${folder})"
  "endforeach()"
  "add_executable(layers_test tests/high/HighTest.cpp)"
  "target_include_directories(layers_test PRIVATE tests)"
  "target_link_libraries(layers_test PRIVATE layers_high)"
  "add_executable(layers_app app/main.cpp)"
  "target_link_libraries(layers_app PRIVATE layers_platform)"
  "th_write_layering(\${CMAKE_BINARY_DIR}/layering.cmake SDL_FOLDERS src/platform)")
put(src/low/CMakeLists.txt "th_library(layers_low)")
put(src/mid/CMakeLists.txt "th_library(layers_mid PRIVATE_DEPS layers_low)")
put(src/high/CMakeLists.txt "th_library(layers_high DEPS layers_mid)")
put(src/platform/CMakeLists.txt "th_library(layers_platform DEPS layers_low PRIVATE_DEPS PkgConfig::SDL2)")

put(src/low/Low.h "#pragma once" "#include <vector>")
put(src/low/Low.cpp "#include \"low/Low.h\"")
# A header of the lowest library that reaches up.
put(src/low/Upward.h "#pragma once" "#include \"high/High.h\"")
put(src/mid/Mid.h "#pragma once" "#include <cstdint>")
put(src/mid/Mid.cpp "#include \"mid/Mid.h\"" "#include \"low/Low.h\"")
put(src/high/High.h "#pragma once" "#include \"mid/Mid.h\"")
put(src/high/Local.h "#pragma once")
# low is private to mid, so high may not include it; SDL outside the platform folder.
put(src/high/High.cpp "#include \"Local.h\"" "#include \"high/High.h\"" "#include \"low/Low.h\"")
put(src/high/Window.cpp "#include <SDL.h>")
# The platform header that exposes SDL, which the platform links privately.
put(src/platform/Platform.h "#pragma once" "#include <SDL.h>" "#include \"low/Low.h\"")
put(src/platform/Platform.cpp "#include \"platform/Platform.h\"" "#include <SDL2/SDL_audio.h>")
put(tests/high/HighTest.cpp "#include \"high/High.h\"" "#include \"platform/Platform.h\"" "#include \"Missing.h\"")
put(app/main.cpp "#include \"platform/Platform.h\"" "int main() {}")

execute_process(
  COMMAND ${CMAKE_COMMAND} -S "${tree}" -B "${WORK}/build" -G "${GENERATOR}" -DCMAKE_CXX_COMPILER=${CXX}
  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the test project does not configure:\n${output}")
endif()
th_check_layering("${WORK}/build/layering.cmake" found)

set(expected
  "src/low/Upward.h includes \"high/High.h\" of layers_high, which layers_low does not link"
  "src/high/High.cpp includes \"low/Low.h\" of layers_low, which layers_high does not link"
  "src/high/Window.cpp includes <SDL.h>: SDL belongs in src/platform only"
  "tests/high/HighTest.cpp includes \"platform/Platform.h\" of layers_platform, which layers_test does not link"
  "tests/high/HighTest.cpp includes \"Missing.h\", which is in none of the include folders of layers_test"
  "src/platform/Platform.h includes <SDL.h> of PkgConfig::SDL2, which layers_app does not link")
list(SORT expected)
list(SORT found)
if(NOT found STREQUAL expected)
  list(JOIN expected "\n  " e)
  list(JOIN found "\n  " f)
  message(FATAL_ERROR "the layering check found\n  ${f}\nbut should have found\n  ${e}")
endif()
list(LENGTH found count)
message("the layering check found the ${count} planted faults and nothing else")

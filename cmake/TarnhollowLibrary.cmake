# th_library(name [DEPS targets...] [PRIVATE_DEPS targets...])
# The library of the calling folder: every .cpp file in it, nothing chosen by name. DEPS are the
# libraries its headers expose to users; PRIVATE_DEPS are used only inside its sources (SDL, Cairo
# and Pango where no header of the library includes them). A folder without sources yet is an
# interface library, so that the layers above it can already name it.
function(th_library name)
  cmake_parse_arguments(A "" "" "DEPS;PRIVATE_DEPS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(srcs)
    add_library(${name} STATIC ${srcs})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${A_DEPS} PRIVATE ${A_PRIVATE_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${A_DEPS})
  endif()
  # The layering check reads which libraries each folder may include from.
  set_property(GLOBAL APPEND PROPERTY TARNHOLLOW_LIBRARIES "${name}")
  set_property(GLOBAL PROPERTY TARNHOLLOW_DIR_${name} "${CMAKE_CURRENT_SOURCE_DIR}")
  set_property(GLOBAL PROPERTY TARNHOLLOW_DEPS_${name} "${A_DEPS};${A_PRIVATE_DEPS}")
endfunction()

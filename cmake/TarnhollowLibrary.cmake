# th_library(name [DEPS targets...] [PRIVATE_DEPS targets...])
# The library of the calling folder: every .cpp file in it, nothing chosen by name. DEPS are the
# libraries whose headers its own headers include (users may include them too); PRIVATE_DEPS are
# included only by its sources (SDL, Cairo and Pango wherever no header of the library includes
# them). The layering test holds every file to this. A folder without sources yet is an
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
  # For the layering check (cmake/Layering.cmake): every header of the folder belongs to the library.
  set_property(GLOBAL APPEND PROPERTY TARNHOLLOW_LIBRARIES "${name}")
  set_property(GLOBAL PROPERTY TARNHOLLOW_DIR_${name} "${CMAKE_CURRENT_SOURCE_DIR}")
endfunction()

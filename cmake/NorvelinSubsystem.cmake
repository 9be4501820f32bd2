# norvelin_subsystem(<target> [DEPS ...])
# One static library per folder of src/, made of the folder's *.cpp and *.h files, so that
# adding a file needs no edit here. It links the libraries of the folders that
# src/dependencies.tsv allows it to include (norvelin_<folder>), and the external DEPS.
# A folder without sources yet gives an interface target, so that what links it still builds.

# The folders that `folder` may include, from src/dependencies.tsv.
function(norvelin_allowed_folders folder out)
  file(STRINGS ${PROJECT_SOURCE_DIR}/src/dependencies.tsv rows REGEX "^[^#]")
  foreach(row IN LISTS rows)
    if(row MATCHES "^([^\t]+)\t+(.*)$" AND CMAKE_MATCH_1 STREQUAL folder)
      string(STRIP "${CMAKE_MATCH_2}" allowed)
      if(allowed STREQUAL "-")
        set(${out} "" PARENT_SCOPE)
      else()
        separate_arguments(allowed UNIX_COMMAND "${allowed}")
        set(${out} "${allowed}" PARENT_SCOPE)
      endif()
      return()
    endif()
  endforeach()
  message(FATAL_ERROR "src/dependencies.tsv has no row for ${folder}")
endfunction()

# norvelin_<folder> for each folder that `folder` may include.
function(norvelin_allowed_targets folder out)
  norvelin_allowed_folders(${folder} folders)
  set(targets "")
  foreach(f IN LISTS folders)
    list(APPEND targets norvelin_${f})
  endforeach()
  set(${out} "${targets}" PARENT_SCOPE)
endfunction()

function(norvelin_subsystem target)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  norvelin_allowed_targets(${folder} ours)
  file(GLOB sources CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  set(cpp ${sources})
  list(FILTER cpp INCLUDE REGEX "\\.cpp$")
  if(NOT cpp)
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${target} INTERFACE ${ours} ${ARG_DEPS})
    return()
  endif()
  qt_add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${target} PUBLIC ${ours} ${ARG_DEPS})
endfunction()

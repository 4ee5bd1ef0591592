# The version comes from project() alone: a header for the code, the
# version resources of the four programs and the manifests' assembly
# versions are written from it.
set(TAMBLE_VERSION_QUAD
    "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0")
set(TAMBLE_VERSION_DIR ${PROJECT_BINARY_DIR}/version)
configure_file(${PROJECT_SOURCE_DIR}/cmake/tamble_version.h.in
               ${TAMBLE_VERSION_DIR}/tamble_version.h @ONLY)
add_library(tb_version INTERFACE)
target_include_directories(tb_version INTERFACE ${TAMBLE_VERSION_DIR})

# A VERSIONINFO resource for TARGET (Windows builds):
#   tamble_version_resource(TARGET FILE Tamble.exe DESCRIPTION "...")
function(tamble_version_resource target)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(ARG "" "FILE;DESCRIPTION" "" ${ARGN})
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "SHARED_LIBRARY")
    set(TB_VERSION_FILE_TYPE VFT_DLL)
  else()
    set(TB_VERSION_FILE_TYPE VFT_APP)
  endif()
  set(TB_VERSION_FILE_NAME ${ARG_FILE})
  set(TB_VERSION_DESCRIPTION ${ARG_DESCRIPTION})
  set(TB_VERSION_INTERNAL_NAME ${target})
  set(script ${TAMBLE_VERSION_DIR}/${target}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/resources/version/version_info.rc.in ${script} @ONLY)
  target_sources(${target} PRIVATE ${script})
  set_source_files_properties(${script} TARGET_DIRECTORY ${target} PROPERTIES
    OBJECT_DEPENDS ${TAMBLE_VERSION_DIR}/tamble_version.h)
  target_include_directories(${target} PRIVATE ${TAMBLE_VERSION_DIR})
endfunction()


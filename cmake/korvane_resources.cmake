# Gives a program its version resource and application manifest.
#   korvane_program_resources(target DESCRIPTION text FILENAME name MANIFEST file)
function(korvane_program_resources target)
  cmake_parse_arguments(R "" "DESCRIPTION;FILENAME;MANIFEST" "" ${ARGN})
  set(KORVANE_FILE_DESCRIPTION ${R_DESCRIPTION})
  set(KORVANE_ORIGINAL_FILENAME ${R_FILENAME})
  get_filename_component(KORVANE_INTERNAL_NAME ${R_FILENAME} NAME_WE)
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/resources/version.rc.in ${rc} @ONLY)
  set(manifest_rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_manifest.rc)
  file(WRITE ${manifest_rc}
    "#include <winuser.h>\nCREATEPROCESS_MANIFEST_RESOURCE_ID RT_MANIFEST \"${PROJECT_SOURCE_DIR}/cmake/resources/${R_MANIFEST}\"\n")
  target_sources(${target} PRIVATE ${rc} ${manifest_rc})
endfunction()

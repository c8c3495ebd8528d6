# What many files share, compiled once: most of a program file's compile time went into
# reading <windows.h>, and most of a test file's into making again the templates every test file
# uses.
#
# korvane_precompile_windows_header(<folder>...) gives <windows.h>, precompiled, to every C++
# target made in those folders (and below), except targets that have headers of their own (the
# tests'). A file that never includes <windows.h>, itself or through the project's own headers,
# is left without it: the rules kept apart from Windows stay apart. Which files reach
# <windows.h> is decided when the tree is configured. Only <windows.h>: a file reads it first,
# or nearly, anyway, so the objects come out as they did without it; the standard headers as
# well would change the order in which most files read theirs, and with it what the
# optimizer's warnings see (tried: one false report more). Macros that shape <windows.h> belong
# in a target's compile definitions, not before an include.

# True in `out` when `file` includes <windows.h>, itself or through a header of the project
# (named from the repository's root).
function(korvane_reaches_windows file out)
  get_property(known GLOBAL PROPERTY "korvane_reaches_windows:${file}" SET)
  if(known)
    get_property(result GLOBAL PROPERTY "korvane_reaches_windows:${file}")
    set(${out} ${result} PARENT_SCOPE)
    return()
  endif()
  set_property(GLOBAL PROPERTY "korvane_reaches_windows:${file}" FALSE)  # ends include cycles
  set(result FALSE)
  file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  foreach(line IN LISTS includes)
    if(line MATCHES "<windows\\.h>")
      set(result TRUE)
    elseif(line MATCHES "\"([^\"]+)\"" AND EXISTS "${PROJECT_SOURCE_DIR}/${CMAKE_MATCH_1}")
      korvane_reaches_windows("${PROJECT_SOURCE_DIR}/${CMAKE_MATCH_1}" result)
    endif()
    if(result)
      break()
    endif()
  endforeach()
  set_property(GLOBAL PROPERTY "korvane_reaches_windows:${file}" ${result})
  set(${out} ${result} PARENT_SCOPE)
endfunction()

function(korvane_targets_in folder out)
  get_property(targets DIRECTORY ${folder} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(folders DIRECTORY ${folder} PROPERTY SUBDIRECTORIES)
  foreach(sub IN LISTS folders)
    korvane_targets_in(${sub} more)
    list(APPEND targets ${more})
  endforeach()
  set(${out} ${targets} PARENT_SCOPE)
endfunction()

function(korvane_precompile_windows_header)
  # The one target that builds the precompiled header; the others reuse it. Its compile options
  # are the project's, as theirs are.
  set(owner korvane_windows_header)
  file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/${owner}.cpp CONTENT "")
  add_library(${owner} OBJECT ${CMAKE_BINARY_DIR}/${owner}.cpp)
  target_precompile_headers(${owner} PRIVATE <windows.h>)

  foreach(folder IN LISTS ARGN)
    korvane_targets_in(${CMAKE_CURRENT_SOURCE_DIR}/${folder} targets)
    foreach(target IN LISTS targets)
      get_target_property(type ${target} TYPE)
      get_target_property(own ${target} PRECOMPILE_HEADERS)
      get_target_property(reused ${target} PRECOMPILE_HEADERS_REUSE_FROM)
      if(NOT type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|OBJECT_LIBRARY)$" OR own OR reused)
        continue()
      endif()
      get_target_property(sources ${target} SOURCES)
      get_target_property(source_dir ${target} SOURCE_DIR)
      set(any FALSE)
      foreach(source IN LISTS sources)
        if(NOT source MATCHES "\\.cpp$")
          continue()
        endif()
        cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${source_dir} OUTPUT_VARIABLE path)
        korvane_reaches_windows(${path} windows)
        if(windows)
          set(any TRUE)
        else()
          set_source_files_properties(${path} TARGET_DIRECTORY ${target}
                                      PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
        endif()
      endforeach()
      if(any)
        target_precompile_headers(${target} REUSE_FROM ${owner})
      endif()
    endforeach()
  endforeach()
endfunction()

# korvane_compile_test_programs_whole(<owner> <folder>) compiles the files of <owner> and of
# every program in the folder (and below) that links it as one (a unity build), and makes those
# programs reuse <owner>'s precompiled headers: the templates a program's files share
# (GoogleTest's checks and printers, the library's strings) are then made once per program
# instead of once per file. The files of one program then share their unnamed namespace, so two
# of them cannot both define a helper of the same name.
function(korvane_compile_whole target)
  set_target_properties(${target} PROPERTIES UNITY_BUILD ON)
  # The files go in last to first: the suites then register, and run, in the order they did
  # when each file was an object of its own (MinGW runs the objects' constructors last to
  # first).
  get_target_property(sources ${target} SOURCES)
  list(REVERSE sources)
  set_property(TARGET ${target} PROPERTY SOURCES ${sources})
endfunction()

function(korvane_compile_test_programs_whole owner folder)
  korvane_compile_whole(${owner})
  korvane_targets_in(${folder} targets)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    get_target_property(libraries ${target} LINK_LIBRARIES)
    if(NOT type STREQUAL "EXECUTABLE" OR NOT owner IN_LIST libraries)
      continue()
    endif()
    get_target_property(own ${target} PRECOMPILE_HEADERS)
    get_target_property(reused ${target} PRECOMPILE_HEADERS_REUSE_FROM)
    if(NOT own AND NOT reused)
      target_precompile_headers(${target} REUSE_FROM ${owner})
    endif()
    korvane_compile_whole(${target})
  endforeach()
endfunction()

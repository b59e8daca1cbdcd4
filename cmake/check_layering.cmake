# The layering check: run as `cmake -DSOURCE_DIR=<src> -DQT_HEADERS=<qt include root> -P check_layering.cmake`.
#
# 1. Core code never sees a window: a file outside a ui/ folder may not include
#    a ui/ header, nor a header of any Qt module but QtCore and QtNetwork
#    (widgets, GUI, printing, WebEngine), nor QScintilla.
# 2. Folders use only the folders below them: base uses nothing of ours,
#    settings uses base, document uses both, the subsystems use those three
#    and the few others named below, app uses everything, nothing uses app.
#
# Every violation is printed as "LAYERING: <file>: <include>: <why>"; any
# violation fails the run.

cmake_minimum_required(VERSION 3.22)

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "check_layering: SOURCE_DIR is not set")
endif()

set(core_qt_modules QtCore QtNetwork)
set(foundation base settings document)
set(subsystems vocabulary tags codetools wireless styles site net update)

# The uses between subsystems that the program's own design calls for.
set(allowed_vocabulary tags)              # the server-variable inserter is a mark-up dialog
set(allowed_tags codetools)               # the current tag is parsed by the tokenizer
set(allowed_wireless codetools tags)      # the WAP viewer lays out the tokenizer's nodes; the WML dialogs are mark-up dialogs
set(allowed_site codetools net)           # link checks parse pages; publishing uses the FTP session
set(allowed_update net)                   # the update downloads its files
set(allowed_tools codetools wireless site) # the command-line companion runs the engines and the link check

function(allowed_folders folder out)
  if(folder STREQUAL "base")
    set(result base)
  elseif(folder STREQUAL "settings")
    set(result base settings)
  elseif(folder STREQUAL "document")
    set(result ${foundation})
  elseif(folder STREQUAL "app")
    set(result ${foundation} ${subsystems} app)
  else()
    set(result ${foundation} ${folder} ${allowed_${folder}})
  endif()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

# The Qt module a bare "<QClass>" header belongs to, or "" when it is none.
function(qt_module_of header out)
  set(${out} "" PARENT_SCOPE)
  if(NOT QT_HEADERS)
    return()
  endif()
  foreach(module ${core_qt_modules})
    if(EXISTS "${QT_HEADERS}/${module}/${header}")
      set(${out} ${module} PARENT_SCOPE)
      return()
    endif()
  endforeach()
  file(GLOB modules LIST_DIRECTORIES true RELATIVE "${QT_HEADERS}" "${QT_HEADERS}/Qt*")
  foreach(module ${modules})
    if(IS_DIRECTORY "${QT_HEADERS}/${module}" AND EXISTS "${QT_HEADERS}/${module}/${header}")
      set(${out} ${module} PARENT_SCOPE)
      return()
    endif()
  endforeach()
endfunction()

file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
set(violations 0)
foreach(source ${sources})
  string(REGEX MATCH "^[^/]+/" top "${source}")
  if(NOT top)
    continue() # main.cpp: the executable itself
  endif()
  string(REGEX REPLACE "/$" "" folder "${top}")
  if(source MATCHES "(^|/)ui/")
    set(is_ui TRUE)
  else()
    set(is_ui FALSE)
  endif()
  allowed_folders(${folder} allowed)

  file(STRINGS "${SOURCE_DIR}/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  foreach(line ${includes})
    string(REGEX MATCH "[<\"]([^>\"]+)[>\"]" _ "${line}")
    set(header "${CMAKE_MATCH_1}")
    set(why "")
    if(line MATCHES "\"")
      # One of ours: "folder/file.h" or "folder/ui/file.h".
      string(REGEX MATCH "^[^/]+" used "${header}")
      if(NOT is_ui AND header MATCHES "(^|/)ui/")
        set(why "core code includes a user-interface header")
      elseif(NOT used IN_LIST allowed)
        set(why "${folder} may not use ${used}")
      endif()
    elseif(NOT is_ui)
      if(header MATCHES "^Qsci/")
        set(why "core code includes QScintilla")
      elseif(header MATCHES "^(Qt[A-Za-z]+)/")
        if(NOT CMAKE_MATCH_1 IN_LIST core_qt_modules)
          set(why "core code includes ${CMAKE_MATCH_1}")
        endif()
      elseif(header MATCHES "^Q[A-Za-z]+$")
        qt_module_of("${header}" module)
        if(module AND NOT module IN_LIST core_qt_modules)
          set(why "core code includes ${module}")
        endif()
      endif()
    endif()
    if(why)
      message("LAYERING: ${source}: ${header}: ${why}")
      math(EXPR violations "${violations} + 1")
    endif()
  endforeach()
endforeach()

if(violations GREATER 0)
  message(FATAL_ERROR "check_layering: ${violations} include(s) break the layering")
endif()
message("check_layering: ${SOURCE_DIR} keeps its layers")

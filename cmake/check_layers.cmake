# The layers of the program include only what lies below them:
#   model <- platform <- engine <- exercises <- shell <- app
# test support may use all of these, the tools all but the tests. The model knows no
# window: of Qt it includes Qt Core alone, in any spelling of an include. Included from the
# top CMakeLists.txt it stops the configuration at a wrong include; run with
#   cmake -DROOT=<source> -DQT_CORE=<QtCore include folder> [-DSELFTEST=ON] -P check_layers.cmake
# it checks that tree, and with SELFTEST also that planted wrong includes are caught.

cmake_policy(SET CMP0057 NEW)
set(_kerbu_below_model "")
set(_kerbu_below_platform model)
set(_kerbu_below_engine model platform)
set(_kerbu_below_exercises model platform engine)
set(_kerbu_below_shell model platform engine exercises)
set(_kerbu_below_app model platform engine exercises shell)
set(_kerbu_below_testsupport model platform engine exercises shell)
set(_kerbu_below_tools model platform engine exercises shell testsupport)
set(_kerbu_all_folders model platform engine exercises shell app testsupport tests tools bench)

# The layer a "folder/..." include names.
function(_kerbu_layer_of header out_var)
  set(layer "")
  if(header MATCHES "^([a-z]+)/")
    set(layer "${CMAKE_MATCH_1}")
  endif()
  set(${out_var} "${layer}" PARENT_SCOPE)
endfunction()

# Each library has a folder of its own at the top of the tree: a folder with a build file
# of its own inside a layer's folder is a library hidden in the layer above it.
function(kerbu_nested_libraries root out_var)
  set(nested "")
  foreach(layer model platform engine exercises shell app testsupport)
    file(GLOB_RECURSE builds "${root}/${layer}/*/CMakeLists.txt")
    foreach(build ${builds})
      get_filename_component(folder "${build}" DIRECTORY)
      file(RELATIVE_PATH name "${root}" "${folder}")
      list(APPEND nested "${name}/: a library inside ${layer}/")
    endforeach()
  endforeach()
  set(${out_var} "${nested}" PARENT_SCOPE)
endfunction()

# Sets out_var to the list of wrong includes below root, as "file: include" lines. qt_core
# is the folder of Qt Core's headers: the only Qt headers the model may include.
function(kerbu_wrong_includes root qt_core out_var)
  set(wrong "")
  foreach(layer model platform engine exercises shell app testsupport tools)
    file(GLOB_RECURSE sources "${root}/${layer}/*.h" "${root}/${layer}/*.cpp")
    foreach(source ${sources})
      file(RELATIVE_PATH name "${root}" "${source}")
      file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
      foreach(line ${includes})
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[\"<]([^\">]*)[\">].*" "\\1" header "${line}")
        if(line MATCHES "<")
          # The model's Qt headers: a Qt Core class or module header, nothing else of Qt.
          if(layer STREQUAL "model" AND header MATCHES "^[Qq]")
            string(REGEX REPLACE "^QtCore/" "" plain "${header}")
            if(plain MATCHES "/" OR NOT EXISTS "${qt_core}/${plain}")
              list(APPEND wrong "${name}: <${header}>")
            endif()
          endif()
          continue()
        endif()
        _kerbu_layer_of("${header}" target)
        if(header MATCHES "\\.\\.")
          list(APPEND wrong "${name}: ${header}")
        elseif(target IN_LIST _kerbu_all_folders AND NOT target STREQUAL layer
               AND NOT target IN_LIST _kerbu_below_${layer})
          list(APPEND wrong "${name}: ${header}")
        endif()
      endforeach()
    endforeach()
  endforeach()
  set(${out_var} "${wrong}" PARENT_SCOPE)
endfunction()

function(_kerbu_stop_at_wrong)
  set(wrong ${ARGN})
  if(wrong)
    string(REPLACE ";" "\n  " wrong "${wrong}")
    message(FATAL_ERROR "Against the layers:\n  ${wrong}")
  endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
  if(NOT IS_DIRECTORY "${QT_CORE}")
    message(FATAL_ERROR "Name Qt Core's include folder with -DQT_CORE=")
  endif()
  kerbu_wrong_includes("${ROOT}" "${QT_CORE}" wrong)
  kerbu_nested_libraries("${ROOT}" nested)
  _kerbu_stop_at_wrong(${wrong} ${nested})
  if(SELFTEST)
    # An exercise reaching up into the shell, the engine into the exercises, the model
    # into the platform, and the model including widgets in each spelling: all caught,
    # while the model's own Qt Core includes pass.
    set(planted_lines
        "exercises/planted.cpp" "#include \"shell/windows.h\""
        "engine/planted.h" "#include \"exercises/k04d1a.h\""
        "model/planted1.h" "#include \"platform/services.h\""
        "model/planted2.h" "#include <QWidget>"
        "model/planted3.h" "#include <QtWidgets/QWidget>"
        "model/planted4.h" "#include <QtGui/qcolor.h>"
        "model/planted5.h" "#  include <qwidget.h>"
        "model/planted6.h" "#include <QtWidgets>"
        "model/hints/planted7.h" "#include <QWidget>")
    string(RANDOM LENGTH 8 tag)
    set(planted "${CMAKE_CURRENT_BINARY_DIR}/layers-${tag}")
    set(count 0)
    while(planted_lines)
      list(POP_FRONT planted_lines file line)
      file(WRITE "${planted}/${file}" "${line}\n")
      math(EXPR count "${count} + 1")
    endwhile()
    file(WRITE "${planted}/model/fine.h"
         "#include <QString>\n#include <QtCore/QStringList>\n#include <vector>\n#include \"run.h\"\n")
    kerbu_wrong_includes("${planted}" "${QT_CORE}" caught)
    list(LENGTH caught found)
    if(NOT found EQUAL count)
      file(REMOVE_RECURSE "${planted}")
      message(FATAL_ERROR "The layer check caught ${found} of ${count} planted wrong includes: ${caught}")
    endif()
    # A library's folder nested in the folder of a library above it, as the models once
    # stood inside the engine's folder: caught, and a layer's plain subfolder is not.
    file(WRITE "${planted}/engine/model/CMakeLists.txt" "add_library(kerbu_model STATIC)\n")
    file(WRITE "${planted}/shell/parts/CMakeLists.txt" "add_library(kerbu_parts STATIC)\n")
    file(WRITE "${planted}/platform/pictures/readme.txt" "no build file here\n")
    kerbu_nested_libraries("${planted}" nested)
    file(REMOVE_RECURSE "${planted}")
    list(LENGTH nested found)
    if(NOT found EQUAL 2)
      message(FATAL_ERROR "The layer check caught ${found} of 2 planted nested libraries: ${nested}")
    endif()
  endif()
  message(STATUS "The layers include only what lies below them.")
else()
  get_target_property(_kerbu_qt_includes Qt6::Core INTERFACE_INCLUDE_DIRECTORIES)
  set(KERBU_QT_CORE_INCLUDE "")
  foreach(dir ${_kerbu_qt_includes})
    if(dir MATCHES "/QtCore$")
      set(KERBU_QT_CORE_INCLUDE "${dir}")
    endif()
  endforeach()
  kerbu_wrong_includes("${PROJECT_SOURCE_DIR}" "${KERBU_QT_CORE_INCLUDE}" wrong)
  kerbu_nested_libraries("${PROJECT_SOURCE_DIR}" nested)
  _kerbu_stop_at_wrong(${wrong} ${nested})
endif()

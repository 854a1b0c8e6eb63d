# cmake -P script: install the build tree into <work>/prefix, build the consumer against that
# prefix alone, and run it. Any step that fails stops with its output. KW_PACKAGE is the package's
# name (KwControls, or KwControls6 from a Qt 6 build), KW_NAME_SUFFIX what the Qt 6 build adds to
# every installed name (empty or 6), KW_QT_MAJOR the Qt major (5 or 6), KW_DESIGNER_PLUGIN whether
# the build made the Designer plugin.

function(run_step what timeout)
  execute_process(COMMAND ${ARGN} TIMEOUT ${timeout} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${what} failed (${rc}):\n${out}\n${err}")
  endif()
  set(step_output "${out}" PARENT_SCOPE)
endfunction()

# The program `name` built somewhere under `build_dir`, into `out`.
function(built_program out build_dir name)
  file(GLOB_RECURSE found ${build_dir}/${name})
  if(NOT found)
    message(FATAL_ERROR "no ${name} program under ${build_dir}")
  endif()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# Runs `program`, which must print `success`.
function(run_reporting what program success)
  run_step("running ${what}" 120 ${program})
  message(STATUS "${step_output}")
  if(NOT step_output MATCHES "${success}")
    message(FATAL_ERROR "${what} did not report success:\n${step_output}")
  endif()
endfunction()

set(prefix ${KW_WORK_DIR}/prefix)
set(consumer_build ${KW_WORK_DIR}/consumer-build)
set(allusers ${KW_WORK_DIR}/allusers)
file(REMOVE_RECURSE ${KW_WORK_DIR})
file(MAKE_DIRECTORY ${allusers})

set(config_args)
if(KW_CONFIG)
  set(config_args --config ${KW_CONFIG})
endif()
run_step("installing" 300 ${CMAKE_COMMAND} --install ${KW_BUILD_DIR} --prefix ${prefix} ${config_args})

# The package, the libraries and headers in the places the README promises.
set(s "${KW_NAME_SUFFIX}")
file(GLOB config_file ${prefix}/lib*/cmake/${KW_PACKAGE}/${KW_PACKAGE}Config.cmake
  ${prefix}/lib/*/cmake/${KW_PACKAGE}/${KW_PACKAGE}Config.cmake)
foreach(expected
    include/kwcontrols${s}/bus/kwobject.h include/kwcontrols${s}/window/titlebar.h
    include/kwcontrols${s}/kwcontrols_export.h include/kwcontrols${s}/kwcontrolsweb_export.h
    include/kwcore${s}/menuconfig.h include/pdfpane${s}/pdfjsbridge.h include/kwcontrols${s}/kwtranslations.h
    share/kwcontrols${s}/translations/kwcontrols_en.qm share/kwcontrols${s}/translations/kwupdate_en.qm)
  if(NOT EXISTS ${prefix}/${expected})
    message(FATAL_ERROR "not installed: ${expected}")
  endif()
endforeach()
if(NOT config_file)
  message(FATAL_ERROR "no ${KW_PACKAGE}Config.cmake under ${prefix}")
endif()

# The Qt 5 and the Qt 6 build share a prefix: each installs under its own names only, and the
# one program both install is the updater clients start by its name.
file(GLOB_RECURSE installed RELATIVE ${prefix} ${prefix}/*)
string(CONCAT own_names "^(include/(kwcore|pdfpane|kwcontrols)${s}/"
  "|lib[^/]*(/[^/]+)?/cmake/${KW_PACKAGE}/"
  "|share/kwcontrols${s}/translations/"
  "|lib[^/]*(/[^/]+)?/lib(KwCore|pdfpane|KwControlsCore|KwControls)${s}\\.so(\\.[0-9]+)*$"
  "|lib[^/]*(/[^/]+)?/qt${KW_QT_MAJOR}/plugins/designer/libkwcontrolsdesigner\\.so$"
  "|bin/KwUpdate$)")
foreach(file ${installed})
  if(NOT file MATCHES "${own_names}")
    message(FATAL_ERROR "installed under a name the other Qt major's build could use too: ${file}")
  endif()
endforeach()

# The core library must not even name the web engine, Qt Quick or QML among what it loads.
file(GLOB core_library ${prefix}/lib*/libKwControlsCore${s}.so ${prefix}/lib/*/libKwControlsCore${s}.so)
if(NOT core_library)
  message(FATAL_ERROR "no libKwControlsCore${s}.so under ${prefix}")
endif()
run_step("reading the core library's dynamic section" 60 readelf -d ${core_library})
if(step_output MATCHES "WebEngine|Quick|Qml|pdfpane")
  message(FATAL_ERROR "libKwControlsCore${s}.so depends on the web engine:\n${step_output}")
endif()

# The Designer plugin in the folder the README names, finding the prefix's own core library
# (not the build tree's) and nothing of the web engine.
if(KW_DESIGNER_PLUGIN)
  file(GLOB plugin ${prefix}/lib*/qt${KW_QT_MAJOR}/plugins/designer/libkwcontrolsdesigner.so
    ${prefix}/lib/*/qt${KW_QT_MAJOR}/plugins/designer/libkwcontrolsdesigner.so)
  if(NOT plugin)
    message(FATAL_ERROR "the Designer plugin is not under ${prefix}/lib/qt${KW_QT_MAJOR}/plugins/designer")
  endif()
  run_step("listing the Designer plugin's libraries" 60 ldd ${plugin})
  string(REGEX MATCH "libKwControlsCore${s}\\.so[^\n]*" core_line "${step_output}")
  string(FIND "${core_line}" "=> ${prefix}/" at)
  if(at LESS 0)
    message(FATAL_ERROR "the installed Designer plugin does not find the prefix's libKwControlsCore${s}:\n${step_output}")
  endif()
  if(step_output MATCHES "WebEngine|Quick|Qml")
    message(FATAL_ERROR "the Designer plugin loads the web engine:\n${step_output}")
  endif()
endif()

# Same compiler (and ccache) as the project; nothing but the prefix to find the package with.
set(configure_args
  -DCMAKE_PREFIX_PATH=${prefix}
  -DCMAKE_CXX_COMPILER=${KW_CXX_COMPILER}
  -DCMAKE_FIND_PACKAGE_NO_PACKAGE_REGISTRY=ON
  -DKW_PACKAGE=${KW_PACKAGE})
if(KW_CONFIG)
  list(APPEND configure_args -DCMAKE_BUILD_TYPE=${KW_CONFIG})
endif()
if(KW_CXX_LAUNCHER)
  list(APPEND configure_args -DCMAKE_CXX_COMPILER_LAUNCHER=${KW_CXX_LAUNCHER})
endif()
if(KW_SANITIZE)
  list(APPEND configure_args "-DCMAKE_CXX_FLAGS=-fsanitize=${KW_SANITIZE}"
    "-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=${KW_SANITIZE}")
endif()
run_step("configuring the consumer" 300 ${CMAKE_COMMAND} -S ${KW_CONSUMER_DIR} -B ${consumer_build} ${configure_args})

# Every installed header compiles on its own in a consumer: one source file each, including it
# alone, as the first thing.
set(headers_src ${KW_WORK_DIR}/headers-src)
file(GLOB_RECURSE installed RELATIVE ${prefix}/include ${prefix}/include/*.h)
set(header_sources)
foreach(header ${installed})
  # Relative to its library's include folder (CMake's REGEX REPLACE would strip every part).
  string(FIND ${header} "/" slash)
  math(EXPR after "${slash} + 1")
  string(SUBSTRING ${header} ${after} -1 included)
  string(MAKE_C_IDENTIFIER ${header} unit)
  file(WRITE ${headers_src}/${unit}.cpp "#include \"${included}\"\n")
  list(APPEND header_sources ${unit}.cpp)
endforeach()
file(WRITE ${headers_src}/CMakeLists.txt "cmake_minimum_required(VERSION 3.16)
project(KwHeadersAlone LANGUAGES CXX)
set(CMAKE_CXX_STANDARD 17)
find_package(${KW_PACKAGE} 1.0 REQUIRED)
add_library(headers_alone OBJECT ${header_sources})
target_link_libraries(headers_alone PRIVATE KwControls::KwControls)
")
run_step("configuring the header check" 300 ${CMAKE_COMMAND} -S ${headers_src} -B ${KW_WORK_DIR}/headers-build ${configure_args})
run_step("compiling each installed header alone" 900 ${CMAKE_COMMAND} --build ${KW_WORK_DIR}/headers-build -j2 ${config_args})

file(STRINGS ${consumer_build}/CMakeCache.txt package_dir REGEX "^${KW_PACKAGE}_DIR:")
string(REGEX REPLACE "^[^=]*=" "" package_dir "${package_dir}")
string(FIND "${package_dir}" "${prefix}/" at)
if(NOT at EQUAL 0)
  message(FATAL_ERROR "the consumer found ${KW_PACKAGE} in '${package_dir}', not under ${prefix}")
endif()

run_step("building the consumer" 600 ${CMAKE_COMMAND} --build ${consumer_build} -j2 ${config_args})

set(ENV{KW_ALLUSERS_DIR} ${allusers})
built_program(program ${consumer_build} kwconsumer)
run_reporting("the consumer" ${program} "consumer: ok")

# A client without web pages links the core library alone, and runs without the web engine
# anywhere among the libraries it loads.
set(core_build ${KW_WORK_DIR}/consumer-core-build)
run_step("configuring the core consumer" 300 ${CMAKE_COMMAND} -S ${KW_CONSUMER_DIR}-core -B ${core_build} ${configure_args})
run_step("building the core consumer" 600 ${CMAKE_COMMAND} --build ${core_build} -j2 ${config_args})
built_program(core_program ${core_build} kwcoreconsumer)
run_step("listing the core consumer's libraries" 60 ldd ${core_program})
if(step_output MATCHES "WebEngine|Quick|Qml")
  message(FATAL_ERROR "the core consumer loads the web engine:\n${step_output}")
endif()
run_reporting("the core consumer" ${core_program} "core consumer: ok")

# Warnings and strict Qt defines for a target of ours.
function(tavimoor_target target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(TAVIMOOR_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  target_compile_definitions(${target} PRIVATE QT_NO_FOREACH QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII)
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  if(TAVIMOOR_ASAN)
    target_compile_options(${target} PRIVATE ${TAVIMOOR_SANITIZE_FLAGS} -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE ${TAVIMOOR_SANITIZE_FLAGS})
  endif()
endfunction()

# A static library of one layer: tavimoor_library(name SOURCES ... LIBS ...)
function(tavimoor_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES POSITION_INDEPENDENT_CODE ON)
  tavimoor_target(${name})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
endfunction()

# A database file built from its SQL source by makecfg (data/): tavimoor_sql_database(output script)
function(tavimoor_sql_database output script)
  get_filename_component(folder ${output} DIRECTORY)
  get_filename_component(name ${output} NAME)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND makecfg ${output} ${script}
    DEPENDS makecfg ${script}
    COMMENT "Building ${name}"
    VERBATIM)
endfunction()

# One GoogleTest executable: tavimoor_test(name SOURCES ... LIBS ... [GUI] [DATA])
# A test in tests/<area>/<group>/ is named <area>_<group>_test, or <area>_<group>_<kind>_test
# beside it. GUI tests run on Qt's offscreen platform. TAVIMOOR_BIN_DIR tells a test where the
# program folder is, TAVIMOOR_BUILD_TREE_MARK the file that marks it; DATA tests find the data
# files built there.
function(tavimoor_test name)
  cmake_parse_arguments(ARG "GUI;DATA" "" "SOURCES;LIBS" ${ARGN})
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR}/tests ${CMAKE_CURRENT_SOURCE_DIR})
  string(REPLACE "/" "_" prefix "${folder}")
  if(NOT name MATCHES "^${prefix}(_[a-z0-9]+)?_test$")
    message(FATAL_ERROR "The test in tests/${folder} is named ${prefix}_test (or ${prefix}_<kind>_test), not ${name}")
  endif()
  add_executable(${name} ${ARG_SOURCES})
  tavimoor_target(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE TAVIMOOR_BIN_DIR="${TAVIMOOR_BIN_DIR}"
    TAVIMOOR_BUILD_TREE_MARK="${TAVIMOOR_BUILD_TREE_MARK}")
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  set(env "")
  if(ARG_GUI)
    set(env "QT_QPA_PLATFORM=offscreen")
  endif()
  if(ARG_DATA)
    add_dependencies(${name} data_files)
  endif()
  gtest_discover_tests(${name} PROPERTIES ENVIRONMENT "${env}" DISCOVERY_TIMEOUT 60)
endfunction()

# One Google Benchmark executable: tavimoor_bench(name SOURCES ... LIBS ...)
function(tavimoor_bench name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  tavimoor_target(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark)
  target_compile_definitions(${name} PRIVATE TAVIMOOR_BIN_DIR="${TAVIMOOR_BIN_DIR}")
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endfunction()

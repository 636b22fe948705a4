# One ctest test per googletest suite rather than per test case.
#
# Every test case started as a process of its own spends more time loading
# the sanitized executable and its libraries than running; a suite's cases
# share one process instead. The suites are read from the executable itself
# (--gtest_list_tests) after each build, so a new suite needs no listing
# here.
#
#   crv_add_test_suites(TARGET [PREFIX text] [FILTER gtest-filter]
#                       [ENVIRONMENT VAR=value ...])
#
# PREFIX starts each test's name (the second engine's run of the same
# suites); FILTER keeps only the suites it matches.

if(CMAKE_SCRIPT_MODE_FILE)
  # Build-time half: list the suites and write the ctest file.
  set(list_arguments --gtest_list_tests)
  if(FILTER)
    list(APPEND list_arguments "--gtest_filter=${FILTER}")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 ${EXECUTABLE} ${list_arguments}
                  OUTPUT_VARIABLE listing RESULT_VARIABLE status ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${EXECUTABLE} could not list its tests (${status}):\n${errors}")
  endif()
  string(REPLACE ";" "\\;" environment "${ENVIRONMENT}")
  string(REPLACE "|" ";" environment "${environment}")
  set(script "")
  string(REPLACE "\n" ";" lines "${listing}")
  foreach(line IN LISTS lines)
    # Suite lines start in the first column and end with "." (typed suites
    # add a comment naming the type).
    if(line MATCHES "^([^ #][^ ]*)\\.( .*)?$")
      set(suite "${CMAKE_MATCH_1}")
      string(APPEND script
             "add_test([==[${PREFIX}${suite}]==] [==[${EXECUTABLE}]==] [==[--gtest_filter=${suite}.*]==])\n"
             "set_tests_properties([==[${PREFIX}${suite}]==] PROPERTIES WORKING_DIRECTORY [==[${WORKING_DIRECTORY}]==]"
             " ENVIRONMENT [==[${environment}]==])\n")
    endif()
  endforeach()
  file(WRITE "${OUTPUT}" "${script}")
  return()
endif()

set(CRV_TEST_SUITES_SCRIPT ${CMAKE_CURRENT_LIST_FILE})

function(crv_add_test_suites target)
  cmake_parse_arguments(ARG "" "PREFIX;FILTER" "ENVIRONMENT" ${ARGN})
  string(MAKE_C_IDENTIFIER "${target}_${ARG_PREFIX}" name)
  set(ctest_file "${CMAKE_CURRENT_BINARY_DIR}/${name}suites.cmake")
  # The environment goes through the command line with "|" between entries.
  string(REPLACE ";" "|" environment "${ARG_ENVIRONMENT}")
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -D EXECUTABLE=$<TARGET_FILE:${target}> -D OUTPUT=${ctest_file}
            -D PREFIX=${ARG_PREFIX} -D FILTER=${ARG_FILTER} -D ENVIRONMENT=${environment}
            -D WORKING_DIRECTORY=${CMAKE_CURRENT_BINARY_DIR} -P ${CRV_TEST_SUITES_SCRIPT}
    BYPRODUCTS ${ctest_file}
    VERBATIM)
  # Before the first build there is nothing to list: a test says so.
  set(include_file "${CMAKE_CURRENT_BINARY_DIR}/${name}include.cmake")
  file(WRITE ${include_file}
       "if(EXISTS [==[${ctest_file}]==])\n"
       "  include([==[${ctest_file}]==])\n"
       "else()\n"
       "  add_test([==[${name}NOT_BUILT]==] [==[${name}NOT_BUILT]==])\n"
       "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${include_file})
endfunction()

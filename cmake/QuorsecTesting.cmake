# quorsec_add_test(NAME SOURCES... LIBS ... [QT])
# One GoogleTest executable; its cases are registered with CTest one by one.
# QT marks widget tests: they run on the offscreen platform so no display is needed.
function(quorsec_add_test name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS" ${ARGN})
  find_package(GTest REQUIRED)
  include(GoogleTest)
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
  if(ARG_QT)
    gtest_discover_tests(${name}
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
      DISCOVERY_TIMEOUT 60)
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

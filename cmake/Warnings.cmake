# Warning flags for the project's own targets: harbrook_warnings(<target>).
function(harbrook_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wnon-virtual-dtor
    -Wno-missing-field-initializers)
  if(HARBROOK_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
    # GCC 12's libstdc++ raises false -Wrestrict warnings for std::string concatenation at -O3
    # (release and benchmark builds); keep them visible but not fatal.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
      target_compile_options(${target} PRIVATE -Wno-error=restrict)
    endif()
  endif()
endfunction()

# A GoogleTest executable registered with CTest: harbrook_test(<name> SOURCES ... LIBS ...).
function(harbrook_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  harbrook_warnings(${name})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "HARBROOK_TEST_CACHE=${CMAKE_BINARY_DIR}/testdata")
endfunction()

# A GoogleTest executable for Qt widgets: harbrook_gui_test(<name> SOURCES ... LIBS ...). Its main
# (harbrook_gui_test_main, from harbrook/ui) runs every test inside one offscreen QApplication with
# effect sounds and animations off; tests drive widgets with QTest's event helpers.
function(harbrook_gui_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  harbrook_warnings(${name})
  target_link_libraries(${name} PRIVATE ${T_LIBS} harbrook_gui_test_main Qt6::Test GTest::gtest
    GTest::gmock)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT
    "QT_QPA_PLATFORM=offscreen;HARBROOK_TEST_CACHE=${CMAKE_BINARY_DIR}/testdata")
endfunction()

# Helpers shared by every subsystem folder.

set(KELVARO_WARNINGS -Wall -Wextra -Wpedantic -Wno-missing-field-initializers)

# kelvaro_add_library(<name> SOURCES ... [LIBS ...] [QT])
# Defines the static library kelvaro_<name>; QT turns on moc/rcc/uic.
function(kelvaro_add_library name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS" ${ARGN})
  add_library(kelvaro_${name} STATIC ${ARG_SOURCES})
  target_include_directories(kelvaro_${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_compile_options(kelvaro_${name} PRIVATE ${KELVARO_WARNINGS})
  target_link_libraries(kelvaro_${name} PUBLIC ${ARG_LIBS})
  if(ARG_QT)
    set_target_properties(kelvaro_${name} PROPERTIES AUTOMOC ON AUTORCC ON AUTOUIC ON)
  endif()
  set_property(GLOBAL APPEND PROPERTY KELVARO_LIBRARIES kelvaro_${name})
endfunction()

# kelvaro_add_test(<name> SOURCES ... [LIBS ...] [QT])
# A GoogleTest program registered with CTest. QT tests run offscreen with a QApplication
# made by tests/support/QtTestMain.cpp.
function(kelvaro_add_test name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_compile_options(${name} PRIVATE ${KELVARO_WARNINGS})
  target_compile_definitions(${name} PRIVATE
      KELVARO_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
      KELVARO_BIN_DIR="${KELVARO_BIN_DIR}")
  if(ARG_QT)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} kelvaro_qt_test_main Qt6::Test GTest::gtest)
  else()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8"
      TIMEOUT 600)
endfunction()

# kelvaro_add_bench(<name> SOURCES ... [LIBS ...])
function(kelvaro_add_bench name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
  target_compile_definitions(${name} PRIVATE
      KELVARO_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
      KELVARO_BIN_DIR="${KELVARO_BIN_DIR}")
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark)
endfunction()

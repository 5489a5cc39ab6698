# One interface target carries the compiler settings of every target we own.
add_library(tovalo_settings INTERFACE)
target_compile_options(tovalo_settings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
  -Wcast-align -Woverloaded-virtual -Wno-unused-parameter -Werror)
if(TOVALO_SANITIZE)
  target_compile_options(tovalo_settings INTERFACE
    -fsanitize=${TOVALO_SANITIZE} -fno-omit-frame-pointer)
  target_link_options(tovalo_settings INTERFACE -fsanitize=${TOVALO_SANITIZE})
endif()

find_package(RapidJSON QUIET)
find_package(Threads REQUIRED)
find_package(GTest REQUIRED)

# Core tests carry the label "core" so the sanitizer pass can pick them; tests
# labelled "tsan" too are built by tovalo_tsan_tests for the ThreadSanitizer pass.
add_custom_target(tovalo_tsan_tests)
function(tovalo_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main tovalo_settings)
  add_test(NAME ${name} COMMAND ${name})
  set(labels core ${ARG_LABELS})
  if("tsan" IN_LIST labels)
    add_dependencies(tovalo_tsan_tests ${name})
  endif()
  set_tests_properties(${name} PROPERTIES LABELS "${labels}"
    ENVIRONMENT "TOVALO_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data;TOVALO_TOOLS=${PROJECT_SOURCE_DIR}/tools")
endfunction()

# Subsystems in layer order; src/ and tests/ hold one folder each.
set(TOVALO_CORE_SUBSYSTEMS instance solver geoservices checking database)
set(TOVALO_QT_SUBSYSTEMS jobs windows resources app)

function(tovalo_add_subsystem_dirs)
  set(subs ${TOVALO_CORE_SUBSYSTEMS})
  if(NOT TOVALO_CORE_ONLY)
    list(APPEND subs ${TOVALO_QT_SUBSYSTEMS})
  endif()
  foreach(sub IN LISTS subs)
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${sub}/CMakeLists.txt)
      add_subdirectory(${sub})
    endif()
  endforeach()
endfunction()

# A QtTest program: one source of test slots, run headless. Label "gui".
function(tovalo_add_qtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  find_package(Qt5 REQUIRED COMPONENTS Test)
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt5::Test tovalo_settings)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES LABELS gui
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TOVALO_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data;TOVALO_TOOLS=${PROJECT_SOURCE_DIR}/tools")
endfunction()

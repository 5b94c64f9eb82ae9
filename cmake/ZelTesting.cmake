enable_testing()
include(GoogleTest)

# zel_add_test(name SOURCES a.cpp b.cpp LIBS lib1 lib2 [LABELS l])
function(zel_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main zel_warnings)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests
    PROPERTIES LABELS "${T_LABELS}"
    DISCOVERY_TIMEOUT 60)
endfunction()

# zel_add_gui_test(name SOURCES ... LIBS ... [SCREEN WxHxD] [SCREENSHOTS folder]): a GoogleTest program that
# needs a display, run whole under a virtual X server (1280x1024x24 unless SCREEN says otherwise) as one CTest
# entry, after the pt_BR.UTF-8 locale is there. SCREENSHOTS: ZEL_SCREENSHOT_DIR names <build>/screenshots/folder.
function(zel_add_gui_test name)
  cmake_parse_arguments(T "" "SCREEN;SCREENSHOTS" "SOURCES;LIBS" ${ARGN})
  if(NOT T_SCREEN)
    set(T_SCREEN 1280x1024x24)
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main zel_warnings)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  if(T_SCREENSHOTS)
    target_compile_definitions(${name} PRIVATE ZEL_SCREENSHOT_DIR="${CMAKE_BINARY_DIR}/screenshots/${T_SCREENSHOTS}")
  endif()
  add_test(NAME ${name}
    COMMAND xvfb-run -a -s "-screen 0 ${T_SCREEN}" $<TARGET_FILE:${name}>
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  # COST: the long tests start first, so a run is not left waiting for one that began last.
  set_tests_properties(${name} PROPERTIES LABELS gui TIMEOUT 300 COST 100 FIXTURES_REQUIRED zel_pt_br_locale
    ENVIRONMENT "NO_AT_BRIDGE=1;GTK_THEME=Adwaita;LANG=pt_BR.UTF-8")
endfunction()

# zel_add_realinput_test(name SOURCES a.cpp ... [LIBS ...] [TIMEOUT seconds]): a GoogleTest program that drives
# the built programs (lvsize, mvsize, protdev) with real X input through the harness of tests/gui. Each of
# its tests is a CTest entry "<name>.<Suite>.<Test>" run on a virtual X server of its own (1366x768); its
# screenshots and the files the program wrote stay in <build>/realinput/<Suite>.<Test>.
set(ZEL_REALINPUT_RUNNER sh ${CMAKE_CURRENT_LIST_DIR}/../tests/gui/run-on-xvfb.sh)
function(zel_add_realinput_test name)
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE zel_realinput ${T_LIBS} GTest::gtest GTest::gtest_main zel_warnings)
  set_target_properties(${name} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests
    CROSSCOMPILING_EMULATOR "${ZEL_REALINPUT_RUNNER}")
  foreach(program lvsize mvsize protdev zel_data)
    if(TARGET ${program})
      add_dependencies(${name} ${program})
    endif()
  endforeach()
  set(properties LABELS gui-realinput TIMEOUT ${T_TIMEOUT} PROCESSORS 2 COST 1000)
  if(TEST wxhost_locale)
    list(APPEND properties FIXTURES_REQUIRED zel_pt_br_locale)
  endif()
  gtest_discover_tests(${name}
    TEST_PREFIX "${name}."
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests
    PROPERTIES ${properties}
    DISCOVERY_TIMEOUT 60)
endfunction()

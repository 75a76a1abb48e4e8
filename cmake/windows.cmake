# MinGW build: the program, and the Windows-side tests run under Wine.
enable_language(RC)
set(CMAKE_RC_FLAGS
    "${CMAKE_RC_FLAGS} -I${CMAKE_SOURCE_DIR}/core -I${CMAKE_SOURCE_DIR}/resources -I${CMAKE_BINARY_DIR}/generated")

# The version for the resource script, and for scripts/package the name the
# release archives carry ("2.1-beta-1.0").
configure_file(${CMAKE_SOURCE_DIR}/resources/version.h.in ${CMAKE_BINARY_DIR}/generated/version.h @ONLY)
string(REPLACE " " "-" LV_ARCHIVE_VERSION "${LV_VERSION_TEXT}")
file(WRITE ${CMAKE_BINARY_DIR}/version.txt "${LV_ARCHIVE_VERSION}\n")
# No link time in the PE header: the same commit builds the same bytes.
set(LV_STATIC -static -static-libgcc -static-libstdc++ -Wl,--no-insert-timestamp)

# Everything that calls Win32, layer by layer.
file(GLOB LV_WIN_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/platform/*.cpp
  ${CMAKE_SOURCE_DIR}/state/*.cpp
  ${CMAKE_SOURCE_DIR}/messages/*.cpp
  ${CMAKE_SOURCE_DIR}/colors/*.cpp
  ${CMAKE_SOURCE_DIR}/controls/*.cpp
  ${CMAKE_SOURCE_DIR}/commands/*.cpp
  ${CMAKE_SOURCE_DIR}/app/*.cpp
)
list(FILTER LV_WIN_SOURCES EXCLUDE REGEX "app/main\\.cpp$")
add_library(lvwin STATIC ${LV_WIN_SOURCES})
target_compile_options(lvwin PRIVATE ${LV_WARNINGS} ${LV_CHARSET})
target_link_libraries(lvwin PUBLIC lvpure user32 gdi32 comdlg32 kernel32)

add_executable(LUMVAN32 WIN32 app/main.cpp resources/lumivane.rc)
set_target_properties(LUMVAN32 PROPERTIES OUTPUT_NAME LUMVAN32 SUFFIX .EXE)
target_link_libraries(LUMVAN32 PRIVATE lvwin)
target_link_options(LUMVAN32 PRIVATE ${LV_STATIC} -mwindows)

if(LV_TESTS)
  # GoogleTest built for Windows: found as a package (a MinGW build of it on
  # CMAKE_PREFIX_PATH), else built here from its sources, which Debian's
  # googletest package installs in /usr/src/googletest.
  find_package(GTest QUIET)
  if(NOT GTest_FOUND)
    set(LV_GTEST_SOURCES /usr/src/googletest CACHE PATH "GoogleTest's sources, built for the Windows-side tests")
    if(NOT EXISTS ${LV_GTEST_SOURCES}/CMakeLists.txt)
      message(FATAL_ERROR "No GoogleTest for Windows: run scripts/setup (Debian's googletest), or set LV_GTEST_SOURCES")
    endif()
    set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
    add_subdirectory(${LV_GTEST_SOURCES} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    add_library(GTest::gtest ALIAS gtest)
  endif()
  # Test expectations hold Japanese text as Shift-JIS, like the program.
  set(LV_TEST_OPTIONS ${LV_WARNINGS} -finput-charset=UTF-8 -fexec-charset=CP932)

  # The one driver of the Windows-side tests: files, waiting, and a program
  # of another process seen and answered as a user would.
  add_library(lvdriver STATIC tests/driver/driver.cpp)
  target_compile_options(lvdriver PRIVATE ${LV_TEST_OPTIONS})
  target_include_directories(lvdriver PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(lvdriver PUBLIC GTest::gtest user32 gdi32)

  # In-process tests of the Win32 side, message boxes answered through the
  # platform's seam.
  file(GLOB LV_WIN_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/*.cpp)
  add_executable(lv_win_tests ${LV_WIN_TESTS} resources/lumivane.rc)
  target_compile_options(lv_win_tests PRIVATE ${LV_TEST_OPTIONS})
  target_link_libraries(lv_win_tests PRIVATE lvwin lvdriver version)
  target_link_options(lv_win_tests PRIVATE ${LV_STATIC})

  # End to end: the real program started and driven from another process.
  file(GLOB LV_E2E_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
  add_executable(lv_e2e ${LV_E2E_SOURCES})
  target_compile_options(lv_e2e PRIVATE ${LV_TEST_OPTIONS})
  target_link_libraries(lv_e2e PRIVATE lvpure lvdriver)
  target_link_options(lv_e2e PRIVATE ${LV_STATIC})

  # Reads and sets the desktop's state from a fresh process.
  add_executable(lv_probe tests/driver/probe.cpp)
  target_link_libraries(lv_probe PRIVATE user32 gdi32)
  target_link_options(lv_probe PRIVATE ${LV_STATIC})

  # The list rebuild in the running program against a minimal reader; run
  # by hand (scripts/bench-rebuild).
  add_executable(lv_rebuild_bench tools/bench/rebuild_bench.cpp)
  target_compile_options(lv_rebuild_bench PRIVATE ${LV_WARNINGS})
  target_link_libraries(lv_rebuild_bench PRIVATE lvpure lvdriver psapi)
  target_link_options(lv_rebuild_bench PRIVATE ${LV_STATIC})

  # The color-set editor opened and its scene drawn, in this process; run
  # by hand (scripts/bench-editor).
  add_executable(lv_editor_bench tools/bench/editor_bench.cpp resources/lumivane.rc)
  target_compile_options(lv_editor_bench PRIVATE ${LV_WARNINGS} ${LV_CHARSET})
  target_include_directories(lv_editor_bench PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(lv_editor_bench PRIVATE lvwin)
  target_link_options(lv_editor_bench PRIVATE ${LV_STATIC})

  # Profile writes killed at random moments, and the sweep of the temporary
  # files killed writers leave: scripts/test runs it with a few kills, by hand
  # it runs with many (docs/benchmarks.md). It is its own writer too.
  add_executable(lv_kill_bench tools/bench/kill_bench.cpp resources/lumivane.rc)
  target_compile_options(lv_kill_bench PRIVATE ${LV_WARNINGS} ${LV_CHARSET})
  target_include_directories(lv_kill_bench PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(lv_kill_bench PRIVATE lvwin lvdriver)
  target_link_options(lv_kill_bench PRIVATE ${LV_STATIC})

  # The pictures of README.md and docs/gallery.md, taken from the running
  # program in a Wine virtual desktop (scripts/screenshots). A window
  # program: no console comes up in the pictures.
  add_executable(lv_shots WIN32 tools/shots/shots.cpp)
  target_compile_options(lv_shots PRIVATE ${LV_TEST_OPTIONS})
  target_link_libraries(lv_shots PRIVATE lvpure lvdriver)
  target_link_options(lv_shots PRIVATE ${LV_STATIC})
endif()

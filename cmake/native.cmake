# Native (Linux) build: unit tests of the pure code, fuzzers, benchmark.
if(LV_SANITIZE)
  set(LV_SAN_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_compile_options(lvpure PRIVATE ${LV_SAN_FLAGS})
  target_link_options(lvpure PUBLIC ${LV_SAN_FLAGS})
endif()

if(LV_TESTS)
  enable_testing()
  find_package(GTest REQUIRED)
  file(GLOB LV_UNIT_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*_test.cpp)
  add_executable(lv_unit_tests ${LV_UNIT_TESTS})
  # Test expectations hold Japanese text as Shift-JIS, like the program.
  target_compile_options(lv_unit_tests PRIVATE
    ${LV_WARNINGS} -finput-charset=UTF-8 -fexec-charset=CP932 ${LV_SAN_FLAGS})
  target_link_libraries(lv_unit_tests PRIVATE lvpure GTest::gtest_main)
  target_compile_definitions(lv_unit_tests PRIVATE LV_SAMPLES_DIR="${CMAKE_SOURCE_DIR}/samples")
  add_test(NAME unit COMMAND lv_unit_tests)

  add_executable(lv_read_bench tools/bench/read_bench.cpp)
  target_compile_options(lv_read_bench PRIVATE ${LV_WARNINGS})
  target_link_libraries(lv_read_bench PRIVATE lvpure)
endif()

if(LV_FUZZ)
  # Undefined behaviour stops the run like a crash, so the fuzzer keeps it.
  set(LV_FUZZ_SAN -fsanitize=address,undefined -fno-sanitize-recover=all)
  if(NOT CMAKE_BUILD_TYPE)
    list(APPEND LV_FUZZ_SAN -O1 -g)  # fuzzing unoptimised code is slow
  endif()
  foreach(target colfile paths schemeline profile)
    add_executable(fuzz_${target} tests/fuzz/fuzz_${target}.cpp)
    target_compile_options(fuzz_${target} PRIVATE -fsanitize=fuzzer ${LV_FUZZ_SAN} ${LV_WARNINGS})
    target_link_options(fuzz_${target} PRIVATE -fsanitize=fuzzer ${LV_FUZZ_SAN})
    target_link_libraries(fuzz_${target} PRIVATE lvpure)
  endforeach()
  target_compile_options(lvpure PRIVATE -fsanitize=fuzzer-no-link ${LV_FUZZ_SAN})
endif()

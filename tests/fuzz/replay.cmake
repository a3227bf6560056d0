# The fuzz harness without the fuzzer: the event decoder, the event player
# and the input runner as a plain library over the tests' session and the
# rules, the regression runner that
# replays corpus/ and regressions/ through it, and the harness's own tests.
# Included by tests/fuzz/CMakeLists.txt in every build; nothing here needs
# clang or sanitizers.
set(KOLVAR_FUZZ_HARNESS_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/event_decoder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/event_player.cpp
  ${CMAKE_CURRENT_LIST_DIR}/run_input.cpp
)
get_target_property(support_sources kolvar_test_support SOURCES)
list(TRANSFORM support_sources PREPEND ${CMAKE_SOURCE_DIR}/tests/support/)
set(KOLVAR_FUZZ_SUPPORT_SOURCES ${support_sources})
set(KOLVAR_FUZZ_HARNESS_INCLUDES ${CMAKE_CURRENT_LIST_DIR} ${CMAKE_SOURCE_DIR}/tests/support)

add_library(kolvar_fuzz_harness STATIC ${KOLVAR_FUZZ_HARNESS_SOURCES})
target_include_directories(kolvar_fuzz_harness PUBLIC ${KOLVAR_FUZZ_HARNESS_INCLUDES})
target_link_libraries(kolvar_fuzz_harness PUBLIC kolvar_test_support)

add_executable(kolvar_fuzz_replay ${CMAKE_CURRENT_LIST_DIR}/replay_main.cpp)
target_link_libraries(kolvar_fuzz_replay PRIVATE kolvar_fuzz_harness)
add_test(NAME core.FuzzReplay
  COMMAND kolvar_fuzz_replay ${CMAKE_CURRENT_LIST_DIR}/corpus ${CMAKE_CURRENT_LIST_DIR}/regressions)
set_tests_properties(core.FuzzReplay PROPERTIES LABELS core)

find_package(GTest REQUIRED)
add_executable(kolvar_fuzz_tests ${CMAKE_CURRENT_LIST_DIR}/harness_test.cpp)
target_link_libraries(kolvar_fuzz_tests PRIVATE kolvar_fuzz_harness GTest::gtest_main)
include(GoogleTest)
gtest_discover_tests(kolvar_fuzz_tests TEST_PREFIX "core." PROPERTIES LABELS core)

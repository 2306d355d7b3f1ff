# Saves killed at random moments; writes that cannot happen; every file the program reads,
# damaged in every way, under the windows that read it (one row per case on stdout:
# file | damage | outcome | ms). Included from tests/CMakeLists.txt.
tarvenik_test(tests_robustness_savekill SOURCES robustness/test_savekill.cpp LIBS tarvenik_data)

if(TARVENIK_UI)
  find_package(Qt6 REQUIRED COMPONENTS Test Network)
  # A QtTest program that drives the real windows offscreen over a copy of the data folder.
  function(tarvenik_window_suite name source timeout)
    add_executable(${name} ${source})
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_link_libraries(${name} PRIVATE tarvenik_ui tarvenik_testsupport tarvenik_damage
                          Qt6::Test Qt6::Network tarvenik_flags)
    target_compile_definitions(${name} PRIVATE TARVENIK_APP_DIR="${TARVENIK_APP_DIR}")
    add_dependencies(${name} tarvenik_appdata)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
                         TIMEOUT ${timeout})
  endfunction()
  tarvenik_window_suite(tests_robustness_failedwrite robustness/test_failedwrite.cpp 120)
  tarvenik_window_suite(tests_robustness_userfiles robustness/test_userfiles.cpp 600)
  tarvenik_window_suite(tests_robustness_content robustness/test_content.cpp 300)
endif()

# Saves killed at random moments, and writes that cannot happen, through the windows.
tarvenik_test(tests_robustness_savekill SOURCES robustness/test_savekill.cpp LIBS tarvenik_data)

if(TARVENIK_UI)
  find_package(Qt6 REQUIRED COMPONENTS Test)
  add_executable(tests_robustness_failedwrite robustness/test_failedwrite.cpp)
  set_target_properties(tests_robustness_failedwrite PROPERTIES AUTOMOC ON)
  target_link_libraries(tests_robustness_failedwrite PRIVATE tarvenik_ui tarvenik_testsupport
                        tarvenik_damage Qt6::Test tarvenik_flags)
  add_test(NAME tests_robustness_failedwrite COMMAND tests_robustness_failedwrite)
  set_tests_properties(tests_robustness_failedwrite PROPERTIES
                       ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
endif()

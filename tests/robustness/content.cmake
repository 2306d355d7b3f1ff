# The shipped content files, each damaged in every way under the window that reads it. One
# row per case on stdout: file | damage | outcome | ms.
if(TARVENIK_UI)
  find_package(Qt6 REQUIRED COMPONENTS Test)
  add_executable(tests_robustness_content robustness/test_content.cpp)
  set_target_properties(tests_robustness_content PROPERTIES AUTOMOC ON)
  target_link_libraries(tests_robustness_content PRIVATE tarvenik_damage tarvenik_ui
                        tarvenik_testsupport Qt6::Test tarvenik_flags)
  target_compile_definitions(tests_robustness_content PRIVATE TARVENIK_APP_DIR="${TARVENIK_APP_DIR}")
  add_dependencies(tests_robustness_content tarvenik_appdata)
  add_test(NAME tests_robustness_content COMMAND tests_robustness_content)
  set_tests_properties(tests_robustness_content PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
                       TIMEOUT 300)
endif()

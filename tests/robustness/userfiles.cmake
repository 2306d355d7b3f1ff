# The files the user owns or that come from outside (persons, settings, the background
# picture, the version file from the web), each damaged in every way, read by the windows
# that read them. Included from tests/CMakeLists.txt.
if(TARVENIK_UI)
  find_package(Qt6 REQUIRED COMPONENTS Test Network)
  add_executable(tests_robustness_userfiles robustness/test_userfiles.cpp)
  set_target_properties(tests_robustness_userfiles PROPERTIES AUTOMOC ON)
  target_link_libraries(tests_robustness_userfiles PRIVATE tarvenik_ui tarvenik_testsupport
                        tarvenik_damage Qt6::Test Qt6::Network tarvenik_flags)
  target_compile_definitions(tests_robustness_userfiles
                             PRIVATE TARVENIK_APP_DIR="${TARVENIK_APP_DIR}")
  add_dependencies(tests_robustness_userfiles tarvenik_appdata)
  add_test(NAME tests_robustness_userfiles COMMAND tests_robustness_userfiles)
  set_tests_properties(tests_robustness_userfiles
                       PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 600)
endif()

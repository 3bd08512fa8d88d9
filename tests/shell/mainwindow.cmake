# The main window and its parts.
set(mainwindow_tests_dir ${CMAKE_CURRENT_LIST_DIR}/mainwindow)

corvana_add_qttest(test_mainwindow_parts shell SOURCES ${mainwindow_tests_dir}/TestMainWindowParts.cpp
  LIBS corvana_gui)
set_target_properties(test_mainwindow_parts PROPERTIES AUTOMOC ON)

# Against a cvservice child process on free ports.
if(TARGET cvservice)
  corvana_add_qttest(test_mainwindow shell SOURCES ${mainwindow_tests_dir}/TestMainWindow.cpp LIBS corvana_gui)
  set_target_properties(test_mainwindow PROPERTIES AUTOMOC ON)
  target_compile_definitions(test_mainwindow PRIVATE CVSERVICE_PATH="$<TARGET_FILE:cvservice>")
  add_dependencies(test_mainwindow cvservice)
  set_property(TEST test_mainwindow APPEND PROPERTY LABELS e2e)
  set_tests_properties(test_mainwindow PROPERTIES TIMEOUT 300)
endif()

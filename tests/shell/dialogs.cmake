# The common dialogs and controls, and the login dialog.
set(dialog_tests_dir ${CMAKE_CURRENT_LIST_DIR}/dialogs)

corvana_add_qttest(test_dialog_logic shell SOURCES ${dialog_tests_dir}/TestDialogLogic.cpp LIBS corvana_gui)
corvana_add_qttest(test_common_dialogs shell SOURCES ${dialog_tests_dir}/TestCommonDialogs.cpp LIBS corvana_gui)
corvana_add_qttest(test_login_dialog shell SOURCES ${dialog_tests_dir}/TestLoginDialog.cpp LIBS corvana_gui)
set_target_properties(test_dialog_logic test_common_dialogs test_login_dialog PROPERTIES AUTOMOC ON)

# Against a cvservice child process on free ports.
if(TARGET cvservice)
  corvana_add_qttest(test_login_service shell SOURCES ${dialog_tests_dir}/TestLoginService.cpp LIBS corvana_gui)
  set_target_properties(test_login_service PROPERTIES AUTOMOC ON)
  target_compile_definitions(test_login_service PRIVATE CVSERVICE_PATH="$<TARGET_FILE:cvservice>")
  add_dependencies(test_login_service cvservice)
  set_property(TEST test_login_service APPEND PROPERTY LABELS e2e)
endif()

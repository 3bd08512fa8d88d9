# The main window, the program's start-up, and the windows the main window creates.
target_sources(corvana_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AboutDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClientApp.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ExitPromptDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScreenshotTour.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SideWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SideWindows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TrayIcon.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UpdaterLauncher.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VersionAnswer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WebLinks.cpp
  ${CMAKE_SOURCE_DIR}/client/account/BillQueryWindow.cpp
  ${CMAKE_SOURCE_DIR}/client/account/RecordingWindow.cpp
  ${CMAKE_SOURCE_DIR}/client/addressbook/AddressBookLoader.cpp
  ${CMAKE_SOURCE_DIR}/client/addressbook/AddressBookWindow.cpp
  ${CMAKE_SOURCE_DIR}/client/addressbook/ContactsPanel.cpp
  ${CMAKE_SOURCE_DIR}/client/conference/ConferenceWorkspace.cpp
  ${CMAKE_SOURCE_DIR}/client/conference/MeetingsPanel.cpp)

# How quickly the program comes up (scripts/bench runs it without arguments).
if(CORVANA_BUILD_BENCH AND TARGET cvservice)
  add_executable(client_startup_bench ${CMAKE_SOURCE_DIR}/client/bench/ClientStartupBench.cpp)
  target_link_libraries(client_startup_bench PRIVATE corvana_common Qt6::Core)
  target_compile_definitions(client_startup_bench PRIVATE
    CORVANA_PATH="$<TARGET_FILE:corvana>" CVSERVICE_PATH="$<TARGET_FILE:cvservice>")
  add_dependencies(client_startup_bench corvana cvservice)
endif()

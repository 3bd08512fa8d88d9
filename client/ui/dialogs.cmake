# The program's common dialogs and controls, and the login dialog.
target_sources(corvana_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/LoginDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LoginFlow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MeetingListBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MeetingListDelegate.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MessageBoxDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OperationListCtrl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OperationWords.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgressDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgressReporter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScreenshotGallery.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SignInWorker.cpp)

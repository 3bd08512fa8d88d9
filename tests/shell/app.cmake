# The application core: options file, records, decoders (GoogleTest, no event loop),
# and the workers, loaders, ticker and single-instance rule (QtTest, with an event loop).
corvana_add_gtest(app_core_test shell
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/app/OptionsFileTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/app/PrivateProfileTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/app/DecoderTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/app/RecordsTest.cpp
  LIBS corvana_app)

corvana_add_qttest(app_workers_test shell
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/app/WorkersTest.cpp
  LIBS corvana_app corvana_test_support)
set_target_properties(app_workers_test PROPERTIES AUTOMOC ON)

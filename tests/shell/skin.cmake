# Skinned controls and artwork: behaviour the windows rely on, and a gallery render
# (set CORVANA_SKIN_GALLERY=/path/to/gallery.png to write it).
corvana_add_qttest(skin_controls_test shell
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/skin/SkinControlsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/skin/SkinGallery.cpp
  LIBS skin)
set_target_properties(skin_controls_test PROPERTIES AUTOMOC ON)

# Installing like a desktop program: the programs side by side in one program folder
# (they find each other there, and the updater replaces them there), launchers in
# bin/, a desktop entry, an icon and AppStream metainfo; and a .deb through CPack.
set(CORVANA_APP_ID "com.example.corvana")
set(CORVANA_PROGRAM_DIR "lib/corvana")
set(packaging "${CMAKE_SOURCE_DIR}/packaging")
set(staged "${CMAKE_BINARY_DIR}/packaging")

# The programs load libcvsrv from their own folder, wherever the prefix is.
set_target_properties(corvana cvctl PROPERTIES INSTALL_RPATH "$ORIGIN")
install(TARGETS corvana updater cvctl RUNTIME DESTINATION ${CORVANA_PROGRAM_DIR})
install(TARGETS cvsrv LIBRARY DESTINATION ${CORVANA_PROGRAM_DIR} NAMELINK_SKIP)

# Launchers are relative links, so the whole tree may move; the programs resolve them
# to the program folder.
foreach(program corvana cvctl)
  file(MAKE_DIRECTORY "${staged}/bin")
  file(CREATE_LINK "../${CORVANA_PROGRAM_DIR}/${program}" "${staged}/bin/${program}" SYMBOLIC)
  install(FILES "${staged}/bin/${program}" DESTINATION bin)
endforeach()

# The desktop entry names its launcher by full path, taken at install time so that
# `cmake --install --prefix` and the package both get theirs.
install(CODE "
  set(CORVANA_APP_ID \"${CORVANA_APP_ID}\")
  set(CORVANA_LAUNCHER \"\${CMAKE_INSTALL_PREFIX}/bin/corvana\")
  configure_file(\"${packaging}/corvana.desktop.in\" \"${staged}/${CORVANA_APP_ID}.desktop\" @ONLY)
")
install(FILES "${staged}/${CORVANA_APP_ID}.desktop" DESTINATION share/applications)

string(TIMESTAMP CORVANA_RELEASE_DATE "%Y-%m-%d" UTC)
configure_file("${packaging}/corvana.metainfo.xml.in" "${staged}/${CORVANA_APP_ID}.metainfo.xml" @ONLY)
install(FILES "${staged}/${CORVANA_APP_ID}.metainfo.xml" DESTINATION share/metainfo)
install(FILES "${CMAKE_SOURCE_DIR}/skin/resources/app-icon.svg"
  DESTINATION share/icons/hicolor/scalable/apps RENAME "${CORVANA_APP_ID}.svg")

# What a Debian package carries in its documentation folder.
string(TIMESTAMP changelog_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
file(WRITE "${staged}/changelog"
  "corvana (${PROJECT_VERSION}) unstable; urgency=medium\n\n"
  "  * Release ${PROJECT_VERSION}.\n\n"
  " -- Corvana developers <maintainers@example.com>  ${changelog_date}\n")
execute_process(COMMAND gzip -9nf "${staged}/changelog")
install(FILES "${packaging}/copyright" "${staged}/changelog.gz" DESTINATION share/doc/corvana)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvana)
set(CPACK_PACKAGE_VENDOR "Corvana developers")
set(CPACK_PACKAGE_CONTACT "Corvana developers <maintainers@example.com>")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop client for hosted telephone conferences")
# The summary is the package's synopsis; this text its long description.
set(CPACK_PACKAGE_DESCRIPTION "Corvana signs in to a hosted telephone-conference service: it starts and
controls conference calls live, books conferences, keeps an address book,
sends SMS messages and looks up charges and recordings. The package also
holds cvctl, a command-line client for the same service.")
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS "${CMAKE_BINARY_DIR}/cvsrv")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

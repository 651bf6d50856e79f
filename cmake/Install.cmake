# Installing and packaging: `cmake --install build --prefix P` lays Harbrook out as a desktop
# program (P/bin, P/lib, P/share/...), and `cpack -G DEB` in the build folder makes a Debian
# package of the same files. The programs find the shared libraries through their RPATH
# ($ORIGIN/../lib); the harbrook program finds its help page in P/share/harbrook and keeps its
# settings under $XDG_CONFIG_HOME/harbrook/ once installed.

set(HARBROOK_DATA_DIR share/harbrook)  # the GUI looks for exactly this beside its bin folder

foreach(lib songbase soundkit soundkit-media harbrook-pictures)
  if(TARGET ${lib})
    install(TARGETS ${lib} LIBRARY DESTINATION lib)
  endif()
endforeach()

if(TARGET harbrook-cli)
  install(TARGETS harbrook-cli RUNTIME DESTINATION bin)
  install(FILES ${PROJECT_SOURCE_DIR}/tools/cli/harbrook-cli.1 DESTINATION share/man/man1)
endif()

if(TARGET harbrook AND TARGET harbrook_skingen)
  set(app ${PROJECT_SOURCE_DIR}/harbrook/app)
  install(TARGETS harbrook RUNTIME DESTINATION bin)
  install(FILES ${app}/help/index.html DESTINATION ${HARBROOK_DATA_DIR}/help)
  install(FILES ${app}/harbrook.desktop DESTINATION share/applications)
  install(FILES ${app}/harbrook.1 DESTINATION share/man/man1)

  # The icon theme entries, painted by the skin generator.
  set(icons ${CMAKE_BINARY_DIR}/icons)
  add_custom_command(
    OUTPUT ${icons}/hicolor/scalable/apps/harbrook.svg
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:harbrook_skingen> --icons ${icons}
    DEPENDS harbrook_skingen
    COMMENT "Painting the desktop icons"
    VERBATIM)
  add_custom_target(harbrook_desktop_icons ALL DEPENDS ${icons}/hicolor/scalable/apps/harbrook.svg)
  install(DIRECTORY ${icons}/hicolor DESTINATION share/icons)

  # An install into a temporary prefix: both programs run from there with the source and build
  # trees out of reach, and the desktop entry passes its validator.
  add_test(NAME install_tree
    COMMAND bash ${PROJECT_SOURCE_DIR}/tests/install/install.sh ${CMAKE_BINARY_DIR}
            ${PROJECT_SOURCE_DIR})
endif()

# --- Debian package ---------------------------------------------------------------------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME harbrook)
set(CPACK_PACKAGE_VENDOR "Harbrook developers")
set(CPACK_PACKAGE_CONTACT "Harbrook developers <harbrook@localhost>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Desktop companion for a car-navigation unit with its own hard disk")
set(CPACK_PACKAGE_DESCRIPTION
    "Harbrook arranges MP3 and WMA files into playlists and turns them into the navigation\n\
unit's music database (optionally with a mood analysis of every track), edits the unit's myDB\n\
text database and its registered map points, and sends them to the unit or to a CF card.\n\
A command-line front end, harbrook-cli, checks, analyses and builds without the GUI.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_STRIP_FILES ON)
# The Qt 6 and FFmpeg runtime packages come from the libraries the programs actually link.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR}/lib)
# Japanese text in the windows needs a CJK font.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-noto-cjk)
include(CPack)

# Installing Tagloom like a desktop program, and the Debian package.
#
#   <prefix>/lib/tagloom/       the programs, the preview engine module and
#                               the data folder's content (the program finds
#                               its data beside its executable)
#   <prefix>/bin/               tagloom and tagloom-tools, as links
#   <prefix>/share/...          menu entry, icons, AppStream metadata, MIME
#                               types and manual pages

include(GNUInstallDirs)
set(TAGLOOM_INSTALL_DIR lib/tagloom)

install(TARGETS tagloom tagloom-tools RUNTIME DESTINATION ${TAGLOOM_INSTALL_DIR})
if(TARGET tagloom_pageengine)
  install(TARGETS tagloom_pageengine LIBRARY DESTINATION ${TAGLOOM_INSTALL_DIR})
endif()
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${TAGLOOM_INSTALL_DIR})
# Tells the program it runs from an installation: each user's data then lives
# in a per-user data folder, never in the installed one.
file(WRITE ${CMAKE_BINARY_DIR}/tagloom-installed "Tagloom keeps each user's data in ~/.local/share/Quenby/Tagloom.\n")
install(FILES ${CMAKE_BINARY_DIR}/tagloom-installed DESTINATION ${TAGLOOM_INSTALL_DIR} RENAME .tagloom-installed)

# Relative links, so the tree can move (a package's staging folder, DESTDIR).
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/links)
foreach(program tagloom tagloom-tools)
  file(CREATE_LINK ../${TAGLOOM_INSTALL_DIR}/${program} ${CMAKE_BINARY_DIR}/links/${program} SYMBOLIC)
  install(FILES ${CMAKE_BINARY_DIR}/links/${program} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

set(TAGLOOM_PACKAGING ${CMAKE_SOURCE_DIR}/packaging)
install(FILES ${TAGLOOM_PACKAGING}/com.quenby.Tagloom.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TAGLOOM_PACKAGING}/com.quenby.Tagloom.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${TAGLOOM_PACKAGING}/tagloom-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME tagloom.xml)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${TAGLOOM_PACKAGING}/icons/tagloom-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME tagloom.png)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/src/app/ui/tagloom.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${TAGLOOM_PACKAGING}/man/tagloom.1 ${TAGLOOM_PACKAGING}/man/tagloom-tools.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# make package: a .deb whose dependencies dpkg-shlibdeps reads off the
# shared libraries the programs link.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tagloom)
set(CPACK_PACKAGE_VENDOR Quenby)
set(CPACK_PACKAGE_CONTACT "Quenby <tagloom@quenby.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for people who write web pages by hand")
set(CPACK_PACKAGE_DESCRIPTION "Tagloom edits HTML, server-side pages (ASP, ColdFusion, PHP, SSI), style
sheets, scripts and WML in a syntax-coloured editor with a rendered preview,
tag dialogs, page validation, compression and cleaning, a style-sheet
composer and a site manager with an FTP, FTPS and SFTP client.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
# Plug-ins and programs it uses when they are there; no library links them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-image-formats-plugins, libqt6svg6, breeze-icon-theme, hunspell-en-us, tidy, pandoc")
set(CPACK_STRIP_FILES ON)
include(CPack)

# A Debian package of the installed tree: `cpack -G DEB` in a build folder.
# It installs with `apt-get install ./zelquiz_<version>_<arch>.deb`, which
# pulls in what the program needs from the distribution itself.

set(CPACK_PACKAGE_NAME "zelquiz")
set(CPACK_PACKAGE_VENDOR "ZEL Quiz")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "ZEL Quiz maintainers <maintainers@zelquiz.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "multiple-choice quiz trainer")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "ZEL Quiz asks multiple-choice questions from a question bank of two plain\n"
  "text files, with six answers each. The Standard quiz is an untimed drill;\n"
  "the Timed quiz is a game of ten levels against a countdown with a table of\n"
  "the ten best scores. A sample bank is included; bank authors can check\n"
  "their own with `zelquiz --check-bank FOLDER`.")

if(WIN32)
  # A Windows installer of the installed program folder: `cpack -G NSIS`
  # (makensis from Debian's nsis package). Its script is the project's own,
  # for a per-user install with a Start-menu entry and an uninstaller.
  set(CPACK_GENERATOR "NSIS")
  set(CPACK_MODULE_PATH "${PROJECT_SOURCE_DIR}/packaging/windows/nsis")
  set(CPACK_PACKAGE_INSTALL_DIRECTORY "ZEL Quiz")
  set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "ZELQuiz")
  set(CPACK_PACKAGE_FILE_NAME "zelquiz-${PROJECT_VERSION}-win64-setup")
  set(CPACK_NSIS_PACKAGE_NAME "ZEL Quiz ${PROJECT_VERSION}")
  set(CPACK_NSIS_DISPLAY_NAME "ZEL Quiz")
  set(CPACK_NSIS_INSTALLED_ICON_NAME "zelquiz.exe")
  set(CPACK_NSIS_MUI_ICON "${PROJECT_SOURCE_DIR}/packaging/windows/zelquiz.ico")
  set(CPACK_NSIS_MUI_UNIICON "${PROJECT_SOURCE_DIR}/packaging/windows/zelquiz.ico")
  set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
  set(CPACK_STRIP_FILES ON)
  include(CPack)
  return()
endif()

set(CPACK_GENERATOR "DEB")

# The tree is laid out for /usr whatever the build's own install prefix,
# and staged through DESTDIR, so that what is written at install time (the
# desktop entry's launcher path) names /usr and not the staging folder.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX "/usr")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "education")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# The libraries the executable and its two modules link (Qt Core, Gui,
# Widgets; Multimedia for the sound module, Network for the network module;
# libsodium23 for the signed bank updates; the C++ runtime) come from
# dpkg-shlibdeps, which reads every ELF file of the package. What it cannot
# see are plugins that Qt loads at run time; on Debian 12 those the program
# needs ship inside the library packages it already depends on:
#   - the X11 (xcb) and offscreen window-system plugins and the JPEG reader
#     for the splash picture: libqt6gui6;
#   - the media back ends and the PulseAudio output for the sound cues:
#     libqt6multimedia6;
#   - TLS for the update check: libqt6network6, which depends on libssl3.
# The exception is the SQLite driver of Qt SQL, which the learning record
# loads as a plugin: it has a package of its own, named below.
# qt6-qpa-plugins holds only the VNC and touch plugins, which the program
# does not use (libqt6gui6 recommends it anyway). On a Wayland desktop
# without qt6-wayland the window opens through XWayland, so that is not
# needed either; Wayland desktops bring it along.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite")
# No maintainer scripts: the modules need no ldconfig.
set(CPACK_POST_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/DebDropLdconfig.cmake")

include(CPack)

# What `cmake --install` lays out. The program reads its bank, sounds and
# pictures from its own folder and writes downloaded bank files there, so
# the executable and its data files go side by side into one program
# folder. A launcher on PATH, a desktop entry and the icons make it an
# entry of the desktop's application menu:
#
#   <prefix>/lib/zelquiz/zelquiz, its modules and its data files
#   <prefix>/bin/zelquiz                        -> ../lib/zelquiz/zelquiz
#   <prefix>/share/applications/zelquiz.desktop
#   <prefix>/share/icons/hicolor/<size>/apps/zelquiz.png, scalable/apps/zelquiz.svg
#
# The launcher is a relative symbolic link: the program finds its folder
# through /proc/self/exe, which names the real file, so the link works from
# anywhere and the whole tree can be installed under any prefix.

# The data files that go beside the program, on every system.
file(GLOB ZELQUIZ_INSTALL_DATA LIST_DIRECTORIES false CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/data/*")
list(FILTER ZELQUIZ_INSTALL_DATA EXCLUDE REGEX "/README[^/]*$")
foreach(required A.zel AD.zel zel2.jpg)
  if(NOT EXISTS "${PROJECT_SOURCE_DIR}/data/${required}")
    message(WARNING "data/${required} is missing: the installed program will not start")
  endif()
endforeach()

if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/InstallWindows.cmake)
  return()
endif()

include(GNUInstallDirs)

set(ZELQUIZ_PROGRAM_DIR "lib/zelquiz" CACHE STRING
    "Program folder below the install prefix: the executable and its data files")
if(IS_ABSOLUTE "${ZELQUIZ_PROGRAM_DIR}")
  message(FATAL_ERROR "ZELQUIZ_PROGRAM_DIR must be relative to the install prefix")
endif()

install(TARGETS zelquiz RUNTIME DESTINATION "${ZELQUIZ_PROGRAM_DIR}")
# The sound and network modules, which the program loads from its folder.
install(TARGETS zelquiz_network
        LIBRARY DESTINATION "${ZELQUIZ_PROGRAM_DIR}" RUNTIME DESTINATION "${ZELQUIZ_PROGRAM_DIR}")
if(ZELQUIZ_SOUND)
  install(TARGETS zelquiz_sound
          LIBRARY DESTINATION "${ZELQUIZ_PROGRAM_DIR}" RUNTIME DESTINATION "${ZELQUIZ_PROGRAM_DIR}")
endif()

# Plain data, writable by the owner of the folder: a user's own install can
# take downloaded bank files.
install(FILES ${ZELQUIZ_INSTALL_DATA} DESTINATION "${ZELQUIZ_PROGRAM_DIR}"
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

# The launcher.
file(RELATIVE_PATH _zelquiz_link_target "/${CMAKE_INSTALL_BINDIR}" "/${ZELQUIZ_PROGRAM_DIR}/zelquiz")
set(_zelquiz_link "${CMAKE_CURRENT_BINARY_DIR}/launcher/zelquiz")
file(MAKE_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}/launcher")
file(CREATE_LINK "${_zelquiz_link_target}" "${_zelquiz_link}" SYMBOLIC)
install(FILES "${_zelquiz_link}" DESTINATION "${CMAKE_INSTALL_BINDIR}")

# The desktop entry names the launcher by its full path, which is known only
# when installing (`cmake --install --prefix` may change it): a menu started
# by the session does not always have a user's ~/.local/bin on its PATH.
set(ZELQUIZ_DESKTOP_TEMPLATE "${PROJECT_SOURCE_DIR}/packaging/zelquiz.desktop.in")
install(CODE "
  set(ZELQUIZ_LAUNCHER \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/zelquiz\")
  configure_file(\"${ZELQUIZ_DESKTOP_TEMPLATE}\"
                 \"${CMAKE_CURRENT_BINARY_DIR}/launcher/zelquiz.desktop\" @ONLY)
  file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\"
       TYPE FILE FILES \"${CMAKE_CURRENT_BINARY_DIR}/launcher/zelquiz.desktop\")
")

# What Debian asks of every package, and what a software centre lists:
# the copyright, the changelog and the manual page (the last two
# compressed as Debian wants them, without a time stamp), and the AppStream
# metadata, which names the desktop entry above.
set(_zelquiz_doc "${CMAKE_CURRENT_BINARY_DIR}/doc")
file(STRINGS "${PROJECT_SOURCE_DIR}/packaging/debian/changelog" _zelquiz_changelog_head LIMIT_COUNT 1)
if(NOT _zelquiz_changelog_head MATCHES "^zelquiz \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/debian/changelog does not begin with version ${PROJECT_VERSION}")
endif()
set(_zelquiz_gzipped)
foreach(page debian/changelog zelquiz.1)
  get_filename_component(_name "${page}" NAME)
  add_custom_command(OUTPUT "${_zelquiz_doc}/${_name}.gz"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${_zelquiz_doc}"
    COMMAND sh -c "gzip -9nc \"$1\" > \"$2\"" sh "${PROJECT_SOURCE_DIR}/packaging/${page}"
            "${_zelquiz_doc}/${_name}.gz"
    DEPENDS "${PROJECT_SOURCE_DIR}/packaging/${page}"
    VERBATIM)
  list(APPEND _zelquiz_gzipped "${_zelquiz_doc}/${_name}.gz")
endforeach()
add_custom_target(zelquiz_docs ALL DEPENDS ${_zelquiz_gzipped})
add_dependencies(zelquiz zelquiz_docs)
install(FILES "${PROJECT_SOURCE_DIR}/packaging/debian/copyright" "${_zelquiz_doc}/changelog.gz"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/zelquiz")
install(FILES "${_zelquiz_doc}/zelquiz.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
install(FILES "${PROJECT_SOURCE_DIR}/packaging/io.github.zelquiz.ZELQuiz.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")

# The icons, in the theme folder that matches the picture's size (read from
# the PNG header, so a new picture of another size still lands right).
set(_zelquiz_png "${PROJECT_SOURCE_DIR}/data/zelquiz.png")
if(EXISTS "${_zelquiz_png}")
  file(READ "${_zelquiz_png}" _zelquiz_png_header LIMIT 24 HEX)
  string(SUBSTRING "${_zelquiz_png_header}" 32 8 _zelquiz_w)
  string(SUBSTRING "${_zelquiz_png_header}" 40 8 _zelquiz_h)
  math(EXPR _zelquiz_w "0x${_zelquiz_w}")
  math(EXPR _zelquiz_h "0x${_zelquiz_h}")
  if(NOT _zelquiz_w EQUAL _zelquiz_h)
    message(WARNING "data/zelquiz.png is ${_zelquiz_w}x${_zelquiz_h}: an icon must be square")
  endif()
  install(FILES "${_zelquiz_png}"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_zelquiz_w}x${_zelquiz_h}/apps")
else()
  message(WARNING "data/zelquiz.png is missing: the menu entry will have no icon")
endif()
if(EXISTS "${PROJECT_SOURCE_DIR}/data/zelquiz.svg")
  install(FILES "${PROJECT_SOURCE_DIR}/data/zelquiz.svg"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
endif()

# What `cmake --install` lays out on Windows: one program folder holding
# zelquiz.exe, its two modules, its data files, the Qt and compiler runtime
# DLLs they link and the Qt plugins Qt loads at run time, in the sub-folders
# Qt looks for beside an executable. Nothing is taken from PATH, so the
# folder runs as it is on a machine without Qt. The installer
# (`cpack -G NSIS`) packs this folder.

install(TARGETS zelquiz RUNTIME DESTINATION .)
set(_zelquiz_modules zelquiz_network)
if(ZELQUIZ_SOUND)
  list(APPEND _zelquiz_modules zelquiz_sound)
endif()
install(TARGETS ${_zelquiz_modules} RUNTIME DESTINATION . LIBRARY DESTINATION .)

install(FILES ${ZELQUIZ_INSTALL_DATA} DESTINATION .)

# The Qt libraries: the executable's, the network module's, the sound module's.
set(_zelquiz_qt Core Gui Widgets Sql Network)
# Each plugin with the folder Qt loads it from: the window system, the
# splash picture's JPEG reader, the learning record's SQLite driver, and
# TLS for an update server on https.
set(_zelquiz_plugins
    QWindowsIntegrationPlugin:platforms
    QJpegPlugin:imageformats
    QSQLiteDriverPlugin:sqldrivers
    QSchannelBackendPlugin:tls)
if(ZELQUIZ_SOUND)
  list(APPEND _zelquiz_qt Multimedia)
  # Qt Multimedia's Windows back end (Media Foundation) is a plugin too.
  list(APPEND _zelquiz_plugins QWindowsMediaPlugin:multimedia)
endif()
foreach(module IN LISTS _zelquiz_qt)
  install(FILES "$<TARGET_FILE:Qt6::${module}>" DESTINATION .)
endforeach()
foreach(entry IN LISTS _zelquiz_plugins)
  string(REPLACE ":" ";" entry "${entry}")
  list(GET entry 0 plugin)
  list(GET entry 1 folder)
  if(NOT TARGET Qt6::${plugin})
    message(FATAL_ERROR "The Qt for Windows has no ${plugin}: the installed program needs it")
  endif()
  install(FILES "$<TARGET_FILE:Qt6::${plugin}>" DESTINATION "${folder}")
endforeach()

# The compiler's runtime DLLs that everything above links.
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -print-file-name=${dll}
                  OUTPUT_VARIABLE _zelquiz_dll OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${_zelquiz_dll}" OR NOT EXISTS "${_zelquiz_dll}")
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${dll} is")
  endif()
  install(FILES "${_zelquiz_dll}" DESTINATION .)
endforeach()

# Debian's runtime DLLs and the Qt libraries carry debugging information
# (the C++ library is 24 MB, 4 MB without) and a symbol table that only a
# debugger reads; the installed copies do without both. A DLL keeps what
# its relocations and its exports need (the plugins are found through
# their exports, which live in their own table), the program keeps nothing.
install(CODE "
  file(GLOB_RECURSE _binaries \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\"
                              \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.exe\")
  foreach(_binary IN LISTS _binaries)
    set(_how --strip-unneeded)
    if(_binary MATCHES \"[.]exe\$\")
      set(_how --strip-all)
    endif()
    execute_process(COMMAND \"${CMAKE_STRIP}\" \${_how} \"\${_binary}\"
                    RESULT_VARIABLE _status)
    if(NOT _status EQUAL 0)
      message(FATAL_ERROR \"${CMAKE_STRIP} could not strip \${_binary}\")
    endif()
  endforeach()
")

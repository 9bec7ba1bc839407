# Run by CPack after it has built the Debian package. CPack gives every
# package with a shared object under /usr/lib a postinst and a postrm that
# call ldconfig; the program's modules there are private plugins, not
# libraries anyone links, so the package is rebuilt without those scripts
# (Debian's checks reject such calls).
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  if(NOT deb MATCHES "\\.deb$")
    continue()
  endif()
  set(tree "${deb}.tree")
  file(REMOVE_RECURSE "${tree}")
  execute_process(COMMAND dpkg-deb -R "${deb}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)
  foreach(script postinst postrm)
    set(path "${tree}/DEBIAN/${script}")
    if(EXISTS "${path}")
      file(STRINGS "${path}" lines)
      list(FILTER lines EXCLUDE REGEX "^(#!/bin/sh|set -e|if \\[ \"\\$1\" = \"(configure|remove)\" \\]; then|[ \t]*ldconfig|fi|)$")
      if(lines)
        message(FATAL_ERROR "${script} does more than call ldconfig: ${lines}")
      endif()
      file(REMOVE "${path}")
    endif()
  endforeach()
  execute_process(COMMAND dpkg-deb --root-owner-group --build "${tree}" "${deb}"
                  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE "${tree}")
endforeach()

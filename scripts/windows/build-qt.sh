#!/bin/sh
# Builds the Qt for Windows that the program needs (qtbase, qtmultimedia)
# and libsodium with Debian's mingw-w64 from Debian's own source packages,
# into ~/.cache/zelquiz/qt-6.4.2-mingw64 (ZELQUIZ_WIN_CACHE moves the
# cache). Stamp files in that folder make a second run a no-op; --force
# builds again (in the same work folders, so only what changed).
# Nothing is downloaded but Debian packages and source packages.
set -eu
. "$(dirname "$0")/env.sh"

# Bump when the options below change, so an old cache is rebuilt.
STAMP_ID="qtbase-$ZQ_QT_VERSION sqlite libsodium rev1"
STAMP=$ZQ_PREFIX/.zelquiz-stamp
MM_STAMP_ID="qtmultimedia-$ZQ_QT_VERSION rev1"
MM_STAMP=$ZQ_PREFIX/.zelquiz-stamp-multimedia

stamped() { [ -f "$1" ] && [ "$(cat "$1")" = "$2" ]; }

[ "${1:-}" = --force ] && rm -f "$STAMP" "$MM_STAMP"
if stamped "$STAMP" "$STAMP_ID" && stamped "$MM_STAMP" "$MM_STAMP_ID"; then
  zq_log "Qt for Windows is ready in $ZQ_PREFIX"
  exit 0
fi

# --- qtmultimedia: Qt Multimedia with the Media Foundation back end ------
build_multimedia() {
  zq_apt_install qt6-shadertools-dev
  mmsrc=$(zq_source qt6-multimedia)
  # Fixes for building the Windows parts on Linux, each one idempotent:
  # headers named with capitals that mingw's headers spell in lower case,
  if [ ! -f "$mmsrc/.zelquiz-fixed" ]; then
    grep -rlE '^#include [<"][A-Za-z_]*[A-Z][A-Za-z_]*\.h[>"]' "$mmsrc/src" |
      while read -r file; do
        for name in $(sed -nE 's/^#include [<"]([A-Za-z_]*[A-Z][A-Za-z_]*)\.h[>"].*/\1/p' "$file"); do
          lower=$(echo "$name" | tr 'A-Z' 'a-z')
          if [ ! -f "/usr/$ZQ_TRIPLE/include/$name.h" ] && [ -f "/usr/$ZQ_TRIPLE/include/$lower.h" ]; then
            sed -i -E "s/^#include ([<\"])$name\.h([>\"])/#include \1$lower.h\2/" "$file"
          fi
        done
      done
    grep -rlE '^#include [<"]QUrl\.h[>"]' "$mmsrc/src" |
      while read -r file; do sed -i -E 's/^#include [<"]QUrl\.h[>"]/#include <QtCore\/qurl.h>/' "$file"; done
    # the shader compiler comes from the host's Qt, not a Windows build of it,
    sed -i 's/^find_package(Qt6 COMPONENTS ShaderTools)$/find_package(Qt6ShaderToolsTools CONFIG PATHS ${QT_HOST_PATH_CMAKE_DIR} NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)/' \
      "$mmsrc/src/multimedia/CMakeLists.txt"
    # and the spatial-audio engine, which the program does not use, is left out.
    sed -i 's/^add_subdirectory(resonance-audio)$//' "$mmsrc/src/CMakeLists.txt"
    touch "$mmsrc/.zelquiz-fixed"
  fi
  # mingw names its Media Foundation libraries in lower case.
  wmf=
  for lib in MF:mf MFUUID:mfuuid MFPLAT:mfplat MFCORE:mfcore PROPSYS:propsys; do
    wmf="$wmf -DWMF_${lib%%:*}_LIBRARY=/usr/$ZQ_TRIPLE/lib/lib${lib#*:}.a"
  done
  build=$ZQ_WORK/build-qtmultimedia
  mkdir -p "$build"
  zq_log "configuring qtmultimedia in $build"
  # shellcheck disable=SC2086
  (cd "$build" && nice -n "$ZQ_NICE" cmake -G Ninja "$mmsrc" \
    -DCMAKE_TOOLCHAIN_FILE="$ZQ_PREFIX/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$ZQ_TOOLCHAIN" \
    -DCMAKE_INSTALL_PREFIX="$ZQ_PREFIX" -DCMAKE_BUILD_TYPE=Release \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DFEATURE_spatialaudio=OFF -DFEATURE_spatialaudio_quick3d=OFF \
    -DFEATURE_ffmpeg=OFF -DFEATURE_gstreamer=OFF $wmf >configure.log)
  zq_log "building qtmultimedia (log: $build/build.log)"
  (cd "$build" && nice -n "$ZQ_NICE" ninja -j"$ZQ_JOBS" >build.log && ninja install >install.log)
}

# --- qtbase and libsodium ------------------------------------------------
build_base() {
  qtsrc=$(zq_source qt6-base)

  # Debian's repacked Qt source drops the bundled SQLite; generate the same
  # single-file SQLite from Debian's sqlite3 source and put it where Qt's SQL
  # driver expects it, so the driver needs no separate DLL.
  if [ ! -f "$qtsrc/src/3rdparty/sqlite/sqlite3.c" ]; then
    sqsrc=$(zq_source sqlite3)
    zq_log "generating sqlite3.c from $sqsrc"
    rm -rf "$ZQ_WORK/build-sqlite" && mkdir -p "$ZQ_WORK/build-sqlite"
    (
      cd "$ZQ_WORK/build-sqlite"
      nice -n "$ZQ_NICE" "$sqsrc/configure" --disable-tcl >configure.log
      nice -n "$ZQ_NICE" make sqlite3.c >make.log
    )
    mkdir -p "$qtsrc/src/3rdparty/sqlite"
    cp "$ZQ_WORK/build-sqlite/sqlite3.c" "$ZQ_WORK/build-sqlite/sqlite3.h" "$qtsrc/src/3rdparty/sqlite/"
  fi

  build=$ZQ_WORK/build-qtbase
  mkdir -p "$build"
  zq_log "configuring qtbase in $build"
  # Only what the program uses: Core, Gui, Widgets, Network, Sql (SQLite),
  # Test, the windows platform. Off: what needs sources the Debian tarball
  # lacks (wintab: tablet events, the Direct2D platform plugin), and what
  # the program does not use.
  (
    cd "$build"
    nice -n "$ZQ_NICE" cmake -G Ninja "$qtsrc" \
      -DCMAKE_TOOLCHAIN_FILE="$ZQ_TOOLCHAIN" \
      -DCMAKE_INSTALL_PREFIX="$ZQ_PREFIX" \
      -DCMAKE_BUILD_TYPE=Release \
      -DBUILD_SHARED_LIBS=ON \
      -DQT_HOST_PATH=/usr \
      -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
      -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
      -DFEATURE_pkg_config=OFF \
      -DFEATURE_opengl=OFF -DINPUT_opengl=no \
      -DFEATURE_dbus=OFF -DFEATURE_vulkan=OFF \
      -DFEATURE_printsupport=OFF -DFEATURE_xml=OFF \
      -DFEATURE_sql=ON -DFEATURE_sql_sqlite=ON -DFEATURE_system_sqlite=OFF \
      -DFEATURE_sql_odbc=OFF -DFEATURE_sql_psql=OFF -DFEATURE_sql_mysql=OFF \
      -DFEATURE_sql_ibase=OFF -DFEATURE_sql_oci=OFF -DFEATURE_sql_db2=OFF \
      -DFEATURE_testlib=ON \
      -DFEATURE_direct2d1_1=OFF -DFEATURE_tabletevent=OFF \
      -DFEATURE_jpeg=ON -DFEATURE_system_jpeg=OFF \
      -DFEATURE_zstd=OFF -DFEATURE_icu=OFF -DFEATURE_openssl=OFF \
      >configure.log
  )
  zq_log "building qtbase (log: $build/build.log)"
  start=$(date +%s)
  (cd "$build" && nice -n "$ZQ_NICE" ninja -j"$ZQ_JOBS" >build.log && ninja install >install.log)
  zq_log "qtbase built in $(($(date +%s) - start)) s"

  # --- libsodium: Debian ships no mingw build, so build its source ----------
  if [ ! -f "$ZQ_PREFIX/lib/libsodium.a" ]; then
    src=$(zq_source libsodium)
    zq_log "building libsodium from $src"
    # The source package carries no generated configure script.
    [ -x "$src/configure" ] || (cd "$src" && autoreconf -fi >/dev/null 2>&1)
    rm -rf "$ZQ_WORK/build-libsodium" && mkdir -p "$ZQ_WORK/build-libsodium"
    (
      cd "$ZQ_WORK/build-libsodium"
      # Static, so the program needs no extra DLL; the pkg-config file lands
      # in the prefix for the program's own pkg_check_modules.
      CC=$ZQ_TRIPLE-gcc-posix nice -n "$ZQ_NICE" "$src/configure" --host="$ZQ_TRIPLE" \
        --prefix="$ZQ_PREFIX" --disable-shared --enable-static --disable-dependency-tracking \
        >configure.log
      nice -n "$ZQ_NICE" make -j"$ZQ_JOBS" >make.log
      make install >install.log
    )
  fi
}

zq_apt_sources
zq_apt_install g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools \
  dpkg-dev cmake ninja-build make tcl autoconf automake libtool qt6-base-dev qt6-base-dev-tools xz-utils
mkdir -p "$ZQ_WORK" "$ZQ_PREFIX"
export TMPDIR="$ZQ_WORK/tmp"
mkdir -p "$TMPDIR"

if stamped "$STAMP" "$STAMP_ID"; then
  zq_log "qtbase and libsodium are ready in $ZQ_PREFIX"
else
  build_base
  echo "$STAMP_ID" >"$STAMP"
fi
if ! stamped "$MM_STAMP" "$MM_STAMP_ID"; then
  start=$(date +%s)
  build_multimedia
  zq_log "qtmultimedia built in $(($(date +%s) - start)) s"
  echo "$MM_STAMP_ID" >"$MM_STAMP"
fi
zq_log "Qt for Windows is ready in $ZQ_PREFIX ($(du -sh "$ZQ_PREFIX" | cut -f1))"

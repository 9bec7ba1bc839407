#!/bin/sh
# Holds the source tree to its layers: core (QtCore only) <- gui <- app.
#   - src/core includes nothing of src/gui or src/app, and no Qt header
#     outside QtCore;
#   - src/gui includes nothing of src/app;
#   - src/core/common includes nothing else of src/;
#   - the folders of src/core include each other without a cycle.
# Exits 1 and lists every offending line otherwise.
set -eu
cd "$(dirname "$0")/../src"

failed=0
fail() { echo "layers: $*" >&2; failed=1; }

# The #include "..." lines of a folder as "file:target", the target spelled
# from src/ (a bare name is a file of the including file's own folder).
includes() {
  grep -rHE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$1" --include='*.h' --include='*.cpp' |
    sed -E 's/^([^:]*):[^"]*"([^"]*)".*/\1 \2/' |
    while read -r file target; do
      case "$target" in
        */*) echo "$file:$target" ;;
        *) echo "$file:$(dirname "$file")/$target" ;;
      esac
    done
}

for line in $(includes core); do
  case "${line#*:}" in core/*) ;; *) fail "$line: the core includes only the core" ;; esac
done
for line in $(includes gui); do
  case "${line#*:}" in app/*) fail "$line: the windows never include the executable" ;; esac
done
for line in $(includes core/common); do
  case "${line#*:}" in core/common/*) ;; *) fail "$line: common/ stands on nothing else" ;; esac
done

# Qt headers in the core: only those QtCore ships, and those of QtSql (which
# stands on QtCore alone) in the learning record. The folder comes from the
# installed Qt; without one the check falls back to naming the other modules.
qtcore="${QTCORE_INCLUDE_DIR:-$(ls -d /usr/include/*/qt6/QtCore 2>/dev/null | head -n 1)}"
grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' core --include='*.h' --include='*.cpp' |
  sed -E 's/^([^:]*:[0-9]+):[^<]*<([^>]*)>.*/\1 \2/' > "${TMPDIR:-/tmp}/layers.$$"
qtsql="$(dirname "${qtcore:-/nonexistent/QtCore}")/QtSql"
while read -r where header; do
  case "$where" in
    core/record/*) [ -e "$qtsql/$header" ] && continue ;;
  esac
  case "$header" in
    QtWidgets/* | QtGui/* | QtNetwork/* | QtMultimedia/* | QtSql/*)
      fail "$where: <$header> is not QtCore" ;;
    QtCore/*) ;;
    */*) fail "$where: <$header> is not QtCore" ;;
    *) if [ -n "$qtcore" ] && [ ! -e "$qtcore/$header" ]; then
         fail "$where: <$header> is not a QtCore header"
       fi ;;
  esac
done < "${TMPDIR:-/tmp}/layers.$$"
rm -f "${TMPDIR:-/tmp}/layers.$$"

# The folder graph of the core must be acyclic: tsort reports a loop.
edges="$(for line in $(includes core); do
  from="$(dirname "${line%%:*}")"; to="$(dirname "${line#*:}")"
  [ "$from" != "$to" ] && echo "$from $to"
done | sort -u)"
if [ -n "$edges" ] && ! echo "$edges" | tsort > /dev/null 2> "${TMPDIR:-/tmp}/tsort.$$"; then
  fail "the core's folders include each other in a circle:"
  cat "${TMPDIR:-/tmp}/tsort.$$" >&2
fi
rm -f "${TMPDIR:-/tmp}/tsort.$$"

[ "$failed" -eq 0 ] && echo "layers: core <- gui <- app, no cycles among $(ls -d core/*/ | wc -l) core folders"
exit "$failed"

#!/usr/bin/env bash
# The rules libraries stay apart from the windows: no source in a rules folder includes a header
# of Qt Gui or Qt Widgets, and the programs built on the rules alone load neither library.
#
#   rules-without-gui.sh QT_HEADER_DIR SOURCE_FOLDER... -- PROGRAM...
set -euo pipefail

qt_headers=$1
shift
folders=()
while [ "$1" != "--" ]; do
  folders+=("$1")
  shift
done
shift

failed=0
while IFS=: read -r file line header; do
  name=${header##*/}
  for module in QtGui QtWidgets; do
    if [ -e "$qt_headers/$module/$name" ]; then
      echo "$file:$line includes <$header>, a $module header"
      failed=1
    fi
  done
done < <(grep -rnoE '^#include <(Qt[A-Za-z]+/)?Q[A-Za-z]+>' "${folders[@]}" |
         sed -E 's/:#include <(.*)>$/:\1/')

for program in "$@"; do
  needed=$(readelf -d "$program" | grep NEEDED || true)
  if grep -qE 'libQt6(Widgets|Gui)' <<<"$needed"; then
    echo "$program needs a GUI library:"
    grep -E 'libQt6(Widgets|Gui)' <<<"$needed"
    failed=1
  fi
done

[ "$failed" -eq 0 ] && echo "rules folders and rules-only programs are free of Qt Gui and Widgets"
exit "$failed"

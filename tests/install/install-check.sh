#!/usr/bin/env bash
# The steps of the install tests (see CMakeLists.txt beside this file):
#   install-check.sh STEP BUILD_FOLDER DRIVER WORK_RECORD
# tree           installs the build with prefix /usr into a temporary DESTDIR, puts the driver
#                beside the program and makes the whole tree read-only
# desktop-files  validates the desktop entry and the metainfo and checks the menu icons
# user-files     the installed program keeps its files under XDG_DATA_HOME and reads them back
# portable-copy  a copy of the program and its data keeps its files beside itself while its
#                folder is writable, and in the player's data folder when it is not
# cleanup        removes the temporary folder
set -euo pipefail
step=$1 build=$2 driver=$3 record=$4

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

# Root writes through any permission; as root the programs run as nobody, for whom a read-only
# folder really is read-only.
player=()
if [ "$(id -u)" -eq 0 ]; then
  player=(setpriv --reuid=65534 --regid=65534 --clear-groups --)
fi

work_folder() {
  [ -s "$record" ] || fail "no installed tree: the install.tree step has not run"
  cat "$record"
}

# A new folder that the player owns and may write.
player_folder() {
  local folder
  folder=$(mktemp -d "$work/$1.XXXXXX")
  chmod 755 "$folder"
  [ ${#player[@]} -eq 0 ] || chown 65534:65534 "$folder"
  echo "$folder"
}

# A home folder with the runtime folder that Qt asks for.
player_home() {
  local home
  home=$(player_folder home)
  "${player[@]}" mkdir -m 700 "$home/runtime"
  echo "$home"
}

# run HOME DATA_HOME PROGRAM ARGS...: the program as the player, offscreen, with that home and
# XDG_DATA_HOME (none when empty); its output goes to the log and to ctest.
run() {
  local home=$1 data_home=$2
  shift 2
  local data_env=(-u XDG_DATA_HOME)
  [ -z "$data_home" ] || data_env=(XDG_DATA_HOME="$data_home")
  "${player[@]}" env "${data_env[@]}" HOME="$home" XDG_RUNTIME_DIR="$home/runtime" \
    QT_QPA_PLATFORM=offscreen timeout 120 "$@" | tee -a "$work/$step.log"
}

expect_files() {
  local folder=$1
  for name in Golf.ini Golf.ere Poker.ere; do
    [ -f "$folder/$name" ] || fail "$name is not in $folder"
  done
}

expect_no_files() {
  local folder=$1
  [ ! -e "$folder" ] || [ -z "$(find "$folder" \( -name '*.ini' -o -name '*.ere' \))" ] ||
    fail "files written to $folder: $(find "$folder" \( -name '*.ini' -o -name '*.ere' \))"
}

# The installed program and its data side by side in a new folder.
portable_copy() {
  local folder=$1 root=$work/root
  cp "$root/usr/bin/"* "$root/usr/share/kovra/"* "$folder/"
  find "$root/usr/lib" \( -name 'libkovra_audio.so' -o -name 'libkovra_charts.so' \) \
    -exec cp {} "$folder/" \;
}

case $step in
tree)
  if [ -s "$record" ] && [ -d "$(cat "$record")" ]; then
    chmod -R u+w "$(cat "$record")"
    rm -rf "$(cat "$record")"
  fi
  work=$(mktemp -d /tmp/kovra-install.XXXXXX)
  chmod 755 "$work"
  echo "$work" >"$record"
  DESTDIR="$work/root" cmake --install "$build" --prefix /usr >"$work/install.log"
  cp "$driver" "$work/root/usr/bin/"
  chmod -R a-w "$work/root"
  ;;

desktop-files)
  work=$(work_folder)
  root=$work/root
  entries=("$root"/usr/share/applications/*.desktop)
  [ ${#entries[@]} -eq 1 ] && [ -f "${entries[0]}" ] || fail "not one desktop entry: ${entries[*]}"
  entry=${entries[0]}
  id=$(basename "$entry" .desktop)
  desktop-file-validate "$entry"
  metainfo=$root/usr/share/metainfo/$id.metainfo.xml
  validation=$(appstreamcli validate --no-net --pedantic "$metainfo") || fail "$validation"
  if grep -i licen <<<"$validation"; then fail "the metainfo's licence is incomplete"; fi
  grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" ||
    fail "the metainfo names no GPL-3.0-or-later project licence"
  grep -q '^License: GPL-3.0+$' "$root/usr/share/doc/kovra/copyright" ||
    fail "no Debian copyright file names the licence"
  grep -qx "Icon=$id" "$entry" || fail "the entry does not name the icon $id"
  grep -qx "Categories=Game;CardGame;" "$entry" || fail "the entry is not under Game;CardGame;"
  program=$(sed -n 's/^Exec=//p' "$entry")
  [ -x "$root/usr/bin/$program" ] || fail "the entry starts $program, which is not installed"
  [ -n "$(find "$root/usr/lib" -path '*/kovra/libkovra_audio.so')" ] ||
    fail "the sound module is not installed"
  [ -n "$(find "$root/usr/lib" -path '*/kovra/libkovra_charts.so')" ] ||
    fail "the charts module is not installed"
  for size in 16 22 24 32 48 64 128 256; do
    icon=$root/usr/share/icons/hicolor/${size}x$size/apps/$id.png
    file -b "$icon" | grep -q "^PNG image data, $size x $size," || fail "$icon is no $size px PNG"
  done
  ;;

user-files)
  work=$(work_folder)
  bin=$work/root/usr/bin
  home=$(player_home)
  data_home=$home/data
  run "$home" "$data_home" "$bin/kovra-files-check" play
  expect_files "$data_home/kovra"
  expect_no_files "$work/root"
  grep -q "Golf help opens from $work/root/usr/share/kovra/Golf.rtf" "$work/$step.log" ||
    fail "the help text was not read from the installed data folder"
  run "$home" "$data_home" "$bin/kovra-files-check" check
  # The program itself starts from the installed tree and keeps running until it is closed.
  status=0
  "${player[@]}" env HOME="$home" XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=offscreen \
    timeout 5 "$bin/kovra" || status=$?
  [ "$status" -eq 124 ] || fail "the installed program ended with $status instead of running"
  ;;

portable-copy)
  work=$(work_folder)
  copy=$(player_folder portable)
  portable_copy "$copy"
  [ ${#player[@]} -eq 0 ] || chown -R 65534:65534 "$copy"
  home=$(player_home)
  run "$home" "" "$copy/kovra-files-check" play
  expect_files "$copy"
  expect_no_files "$home/.local/share"
  run "$home" "" "$copy/kovra-files-check" check

  # The same copy where the player may not write: the player's data folder takes the files.
  locked=$(mktemp -d "$work/locked.XXXXXX")
  chmod 755 "$locked"
  portable_copy "$locked"
  chmod -R a-w "$locked"
  home=$(player_home)
  run "$home" "" "$locked/kovra-files-check" play
  expect_files "$home/.local/share/kovra"
  expect_no_files "$locked"
  run "$home" "" "$locked/kovra-files-check" check
  ;;

cleanup)
  if [ -s "$record" ]; then
    work=$(cat "$record")
    chmod -R u+w "$work"
    rm -rf "$work" "$record"
  fi
  ;;

*)
  fail "unknown step $step"
  ;;
esac

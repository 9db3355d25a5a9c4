#!/usr/bin/env bash
# Lettrava's Debian package (Debian 12).
#
#   scripts/package.sh build [BUILD_DIR]   build BUILD_DIR (default build/) and make
#                                          BUILD_DIR/lettrava_VERSION_ARCH.deb with CPack
#   scripts/package.sh check [BUILD_DIR]   validate the desktop file, the metainfo and the manual
#                                          pages, make the package, install it for real, prove from
#                                          the installed files alone that the tool and the game
#                                          work, then remove it and look for leftovers
#
# `check` installs and purges the package lettrava on this machine (CI runs it as
# root on a machine of its own). Debian packages it needs are installed as root,
# or through sudo when run as a user. LETTRAVA_JOBS sets the build's parallelism.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$here"
mode=${1:-build}
build=${2:-build}

# Making the package needs the first line; checking it all of them.
build_packages=(dpkg-dev file)        # dpkg-shlibdeps for the dependencies, file for the executables
packages=(
  "${build_packages[@]}"
  desktop-file-utils appstream        # desktop-file-validate, appstreamcli
  groff-base                          # checking the manual pages
  xvfb xauth x11-utils xdotool        # the game on a virtual display: xvfb-run, xwininfo, keys
)

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Please run as root or install sudo." >&2; exit 1; }
  sudo=(sudo)
fi
as_root() { "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive "$@"; }

install_missing() { # packages...
  local missing=()
  local p
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep 'install ok installed' >/dev/null; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  as_root apt-get update -qq
  as_root apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

quiet() { # runs a noisy command, showing its output only when it fails
  local log
  log=$(mktemp)
  if ! "$@" >"$log" 2>&1; then
    cat "$log" >&2
    rm -f "$log"
    fail "$*"
  fi
  rm -f "$log"
}

fail() {
  echo "package check FAILED: $*" >&2
  exit 1
}

project_version() {
  sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt"
}

# Builds the tree (a no-op after the test command) and makes the package;
# prints the package's path.
make_package() {
  if [ ! -f "$build/build.ninja" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >&2
  fi
  cmake --build "$build" -j "${LETTRAVA_JOBS:-$(nproc 2>/dev/null || echo 2)}" >&2
  rm -f "$build"/lettrava_*.deb
  quiet cpack -G DEB --config "$build/CPackConfig.cmake" -B "$(cd "$build" && pwd)"
  local debs=("$build"/lettrava_*.deb)
  [ -f "${debs[0]}" ] || fail "cpack made no lettrava_*.deb in $build"
  (cd "$(dirname "${debs[0]}")" && echo "$PWD/$(basename "${debs[0]}")")
}

validate_desktop() { # desktop file: clean means no message at all
  local out
  out=$(desktop-file-validate "$1" 2>&1) || fail "desktop-file-validate $1: $out"
  [ -z "$out" ] || fail "desktop-file-validate $1: $out"
}

validate_metainfo() {
  appstreamcli validate --no-net --strict "$1" || fail "appstreamcli validate $1"
}

validate_sources() {
  echo "== desktop file, metainfo and manual pages"
  validate_desktop data/desktop/org.lettrava.Lettrava.desktop
  validate_metainfo data/desktop/org.lettrava.Lettrava.metainfo.xml
  local version newest
  version=$(project_version)
  newest=$(grep -o '<release version="[^"]*"' data/desktop/org.lettrava.Lettrava.metainfo.xml | sed -n 1p | cut -d'"' -f2)
  [ "$newest" = "$version" ] || fail "the metainfo's newest release is $newest, the project's version $version"
  local page warnings
  for page in docs/man/*.6; do
    warnings=$(LC_ALL=C.UTF-8 groff -man -ww -z -K utf8 "$page" 2>&1) || fail "groff $page: $warnings"
    [ -z "$warnings" ] || fail "groff $page: $warnings"
  done
}

# Every command and every switch that `lettrava-tool --help` names has its
# place in the installed manual page.
check_manual_covers_help() { # tool, page.gz
  local help page cmd switch
  help=$("$1" --help)
  page=$(zcat "$2")
  for cmd in $(printf '%s\n' "$help" | sed -n 's/^  \([a-z][a-z-]*\) .*/\1/p; s/^  \([a-z][a-z-]*\)$/\1/p'); do
    printf '%s\n' "$page" | grep "^\.SS $(printf '%s' "$cmd" | sed 's/-/\\\\-/g')\$" >/dev/null ||
      fail "the manual page has no section for the command $cmd"
  done
  for switch in $(printf '%s\n' "$help" | grep -o -- '--[a-z][a-z0-9-]*' | sort -u); do
    printf '%s\n' "$page" | grep -F -- "$(printf '%s' "$switch" | sed 's/-/\\-/g')" >/dev/null ||
      fail "the manual page does not mention $switch"
  done
}

# Runs inside xvfb-run: starts the game by its desktop entry's command with a
# fresh HOME, waits for the main window, plays one round of one player that
# is ended early and still counts (which writes the player file), and leaves
# through Game > Exit (which writes the settings).
drive_game() { # home, command...
  local home=$1
  shift
  local log=$home/../game.log
  env -i HOME="$home" PATH=/usr/bin:/bin DISPLAY="$DISPLAY" XAUTHORITY="${XAUTHORITY:-}" \
    "$@" --no-sound >"$log" 2>&1 &
  local pid=$!
  win() { # the id of our top-level window titled $1, waiting up to 15 s
    local i w
    for i in $(seq 75); do
      w=$(xwininfo -root -tree | grep -E "^ +0x[0-9a-f]+ \"$1\": \(\"lettrava\"" | awk '{print $1}' | sed -n 1p)
      [ -n "$w" ] && { echo "$w"; return 0; }
      kill -0 "$pid" 2>/dev/null || { echo "the game ended early:" >&2; cat "$log" >&2; return 1; }
      sleep 0.2
    done
    echo "no window \"$1\"; the windows are:" >&2
    xwininfo -root -tree | grep '("lettrava"' >&2 || true
    return 1
  }
  local main setup results warning
  main=$(win Lettrava) || return 1
  xwininfo -id "$main" | grep 'Map State: IsViewable' >/dev/null || { echo "the main window is not shown" >&2; return 1; }
  echo "main window shown: $(xwininfo -id "$main" | sed -n 's/.*Width: //p')x$(xwininfo -id "$main" | sed -n 's/.*Height: //p')"
  sleep 0.5
  xdotool windowfocus --sync "$main" key s
  setup=$(win "Enter Player Information") || return 1
  xdotool windowfocus --sync "$setup" key Return
  sleep 1
  xdotool windowfocus --sync "$main" key Return # GO: the round starts
  sleep 3
  # Round > Abort > Round Still Counts
  xdotool windowfocus --sync "$main" key alt+r
  sleep 0.5
  xdotool key Down
  sleep 0.3
  xdotool key Right
  sleep 0.3
  xdotool key Return
  results=$(win "Round 1 Results") || return 1
  echo "round 1 results shown"
  xdotool windowfocus --sync "$results" key Escape
  sleep 0.5
  xdotool windowfocus --sync "$main" key alt+g
  sleep 0.3
  xdotool key e
  warning=$(win Warning) || return 1 # "Do you want to save the game?"
  xdotool windowfocus --sync "$warning" key n
  local i
  for i in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
  done
  if kill -0 "$pid" 2>/dev/null; then
    echo "the game did not end after Game > Exit" >&2
    kill "$pid"
    return 1
  fi
  wait "$pid" || { echo "the game exited with $?:" >&2; cat "$log" >&2; return 1; }
}

# Runs inside xvfb-run: starts the game with a German system language
# (LANGUAGE=de) and waits for the main window and the setup dialog under its
# German title, then closes both.
drive_in_german() { # home, title, command...
  local home=$1 title=$2
  shift 2
  env -i HOME="$home" PATH=/usr/bin:/bin DISPLAY="$DISPLAY" XAUTHORITY="${XAUTHORITY:-}" LANGUAGE=de \
    "$@" --no-sound >"$home/../game-de.log" 2>&1 &
  local pid=$! i w main=
  for i in $(seq 75); do
    main=$(xwininfo -root -tree | grep -E '^ +0x[0-9a-f]+ "Lettrava": \("lettrava"' | awk '{print $1}' | sed -n 1p || true)
    [ -n "$main" ] && break
    sleep 0.2
  done
  [ -n "$main" ] || { echo "no main window" >&2; kill "$pid"; return 1; }
  sleep 0.5
  xdotool windowfocus --sync "$main" key s
  for i in $(seq 75); do
    w=$(xwininfo -root -tree | grep -F "\"$title\": (\"lettrava\"" | awk '{print $1}' | sed -n 1p || true)
    [ -n "$w" ] && break
    sleep 0.2
  done
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  [ -n "$w" ] || { echo "no window \"$title\"; the windows are:" >&2; xwininfo -root -tree | grep '("lettrava"' >&2; return 1; }
}

check() {
  install_missing "${packages[@]}"
  validate_sources

  echo "== the package"
  local deb
  deb=$(make_package)
  local version
  version=$(project_version)
  local field
  for field in Package:lettrava Version:"$version" Section:games; do
    [ "$(dpkg-deb -f "$deb" "${field%%:*}")" = "${field#*:}" ] || fail "the package's ${field%%:*} is not ${field#*:}"
  done
  local depends
  depends=$(dpkg-deb -f "$deb" Depends)
  for field in libc6 libstdc++6 libqt6widgets6 libqt6multimedia6; do
    [[ ", $depends," == *", $field "* ]] || fail "Depends lacks $field: $depends"
  done
  [[ "$depends" != *wamerican* ]] || fail "the word lists are not needed at run time: $depends"

  tmp=$(mktemp -d)
  chmod 755 "$tmp"
  trap 'rm -rf "${tmp:?}"' EXIT
  dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|; s|/$||' | grep -v '^$' >"$tmp/contents"
  local expected
  for expected in /usr/games/lettrava /usr/games/lettrava-tool \
    /usr/share/lettrava/dict/English.dic /usr/share/lettrava/dict/English-large.dic \
    /usr/share/lettrava/dict/English-British.dic /usr/share/lettrava/dict/Deutsch.dic \
    /usr/share/lettrava/dict/Francais.dic /usr/share/lettrava/dict/Espanol.dic \
    /usr/share/lettrava/dict/Italiano.dic /usr/share/lettrava/dict/Nederlands.dic \
    /usr/share/lettrava/Sounds/Click.wav /usr/share/lettrava/help/index.htm \
    /usr/share/lettrava/translations/lettrava_de.qm /usr/share/lettrava/translations/lettrava_fr.qm \
    /usr/share/lettrava/translations/lettrava_es.qm /usr/share/lettrava/translations/lettrava_it.qm \
    /usr/share/lettrava/translations/lettrava_nl.qm \
    /usr/share/applications/org.lettrava.Lettrava.desktop \
    /usr/share/metainfo/org.lettrava.Lettrava.metainfo.xml \
    /usr/share/icons/hicolor/48x48/apps/org.lettrava.Lettrava.png \
    /usr/share/icons/hicolor/256x256/apps/org.lettrava.Lettrava.png \
    /usr/share/man/man6/lettrava.6.gz /usr/share/man/man6/lettrava-tool.6.gz; do
    grep -qx "$expected" "$tmp/contents" || fail "the package lacks $expected"
  done
  ! grep -v '^/usr\(/\|$\)' "$tmp/contents" || fail "the package has files outside /usr"
  ! grep -q '^/usr/local' "$tmp/contents" || fail "the package has files in /usr/local"

  # The installed desktop file and metainfo, as the package holds them.
  dpkg-deb -x "$deb" "$tmp/unpacked"
  validate_desktop "$tmp/unpacked/usr/share/applications/org.lettrava.Lettrava.desktop"
  validate_metainfo "$tmp/unpacked/usr/share/metainfo/org.lettrava.Lettrava.metainfo.xml"
  local exe
  for exe in lettrava lettrava-tool; do
    file -b "$tmp/unpacked/usr/games/$exe" | grep 'ELF.*, stripped' >/dev/null || fail "/usr/games/$exe is not a stripped executable"
  done

  echo "== installing $(basename "$deb")"
  if dpkg-query -W -f='${Status}' lettrava 2>/dev/null | grep 'installed' >/dev/null; then
    quiet as_root apt-get purge -y -qq lettrava
  fi
  # What exists before, so that removing the package can be checked.
  local path
  while read -r path; do
    [ -e "$path" ] && echo "$path"
  done <"$tmp/contents" >"$tmp/existing-before"
  quiet as_root apt-get install -y -qq --no-install-recommends "$deb"
  touch "$tmp/installed-stamp"
  sleep 1 # the stamp's time stays before anything written afterwards

  echo "== the installed tool"
  mkdir -p "$tmp/home" "$tmp/work"
  local dict=/usr/share/lettrava/dict/English.dic
  tool() { (cd "$tmp/work" && env -i HOME="$tmp/home" PATH=/usr/bin:/bin /usr/games/lettrava-tool "$@"); }
  local info words
  info=$(tool dictinfo "$dict") || fail "lettrava-tool dictinfo $dict"
  words=$(printf '%s\n' "$info" | sed -n 's/^words: //p')
  [ "${words:-0}" -gt 10000 ] || fail "dictinfo: $dict has ${words:-no} words"
  echo "dictinfo: $(printf '%s\n' "$info" | sed -n 's/^name: //p'), $words words"
  tool random-grid --dict "$dict" --cols 5 --rows 5 --seed 7 grid.grd || fail "lettrava-tool random-grid"
  local solved count first
  solved=$(tool solve --dict "$dict" grid.grd) || fail "lettrava-tool solve"
  count=$(printf '%s\n' "$solved" | sed -n 's/^count: //p')
  [ "${count:-0}" -gt 0 ] || fail "solve found no words: $solved"
  [ "$(printf '%s\n' "$solved" | grep -vc '^count: ')" -eq "$count" ] || fail "solve printed other than count: $count words"
  first=$(printf '%s\n' "$solved" | sed -n 1p)
  tool lookup --dict "$dict" "$first" | grep -x "$first Word" >/dev/null || fail "the solved word $first is not a word"
  tool trace grid.grd "$first" | grep '^path:' >/dev/null || fail "the solved word $first does not trace"
  echo "solve: $count words on a 5 x 5 grid, the first ($first) looked up and traced"
  check_manual_covers_help /usr/games/lettrava-tool /usr/share/man/man6/lettrava-tool.6.gz

  echo "== the installed game under a virtual display"
  local command
  command=$(sed -n 's/^Exec=//p' /usr/share/applications/org.lettrava.Lettrava.desktop | sed 's/ %[fFuUdDnNickvm]//g')
  [ -n "$command" ] || fail "the desktop file has no Exec="
  local player_home=$tmp/player/home
  mkdir -p "$player_home/.config"
  chmod -R 755 "$tmp/player"
  # One player, so that the setup dialog's GO starts the game at once.
  printf '[General]\nNumPlayers=1\nPlayer1Name=Ann\nPlayer1InputMethod=0\nShowTips=0\n' \
    >"$player_home/.config/Lettrava.conf"
  # shellcheck disable=SC2086 # the desktop entry's command is words
  xvfb-run -a -s "-screen 0 1280x900x24" "$0" _drive "$player_home" $command ||
    fail "the game under xvfb-run"
  grep -q '^MainLeft=' "$player_home/.config/Lettrava.conf" || fail "the game wrote no settings on leaving"
  local players=$player_home/.local/share/lettrava/LTPlayers.dat
  [ -s "$players" ] || fail "the game wrote no player file in $players"
  tool players "$players" | grep '^Ann|' >/dev/null || fail "the player file lacks Ann"
  echo "settings in ~/.config/Lettrava.conf, player file in ~/.local/share/lettrava"
  local german
  german=$(grep -A1 '<source>Enter Player Information</source>' translations/lettrava_de.ts |
    sed -n 's/.*<translation>\(.*\)<\/translation>.*/\1/p')
  [ -n "$german" ] || fail "translations/lettrava_de.ts has no title for the setup dialog"
  # shellcheck disable=SC2086 # the desktop entry's command is words
  xvfb-run -a -s "-screen 0 1280x900x24" "$0" _drive_de "$player_home" "$german" $command ||
    fail "the game in German under xvfb-run"
  echo "in German: the setup dialog \"$german\""

  local written
  written=$(find /usr /etc -xdev -newer "$tmp/installed-stamp" -not -type d 2>/dev/null || true)
  [ -z "$written" ] || fail "files written under /usr or /etc after installing: $written"

  echo "== removing the package"
  quiet as_root apt-get purge -y -qq lettrava
  local left=()
  while read -r path; do
    if [ -e "$path" ] && ! grep -qxF "$path" "$tmp/existing-before"; then
      left+=("$path")
    fi
  done <"$tmp/contents"
  [ ${#left[@]} -eq 0 ] || fail "left behind after purging: ${left[*]}"
  [ ! -e /usr/share/lettrava ] || fail "/usr/share/lettrava is left behind"

  echo "package check passed: $(basename "$deb"), $(stat -c %s "$deb") bytes," \
    "installed size $(dpkg-deb -f "$deb" Installed-Size) KiB"
  echo "Depends: $depends"
}

case "$mode" in
  build)
    install_missing "${build_packages[@]}"
    deb=$(make_package)
    echo "$deb"
    ;;
  check)
    check
    ;;
  _drive) # inside xvfb-run, from check
    shift
    drive_game "$@"
    ;;
  _drive_de) # inside xvfb-run, from check
    shift
    drive_in_german "$@"
    ;;
  *)
    sed -n '2,14p' "$0"
    exit 2
    ;;
esac

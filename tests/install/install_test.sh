#!/usr/bin/env bash
# The installed game: `cmake --install` into a staging folder lays every file
# where a desktop looks for it, the menu entry and the AppStream metadata pass
# their validators, and the staged game, started under Xvfb with no sound
# files beside it, opens its window and finds its sounds in the data folder,
# and speaks the language that the environment asks for.
#
# usage: install_test.sh BUILD_DIR, on a display of its own (DISPLAY)
set -euo pipefail

build=$1
id=org.example.kolvar
stage=$(mktemp -d)
game_pid=
cleanup() {
    [[ -n $game_pid ]] && kill "$game_pid" 2>/dev/null || true
    rm -rf "$stage"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
root=$stage/usr

expected=(
    bin/kolvar
    share/applications/$id.desktop
    share/metainfo/$id.metainfo.xml
    share/icons/hicolor/scalable/apps/$id.svg
    share/man/man6/kolvar.6.gz
    share/doc/kolvar/copyright
)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for cue in click laser clap camera; do
    expected+=("share/kolvar/sounds/$cue.wav")
done
for file in "${expected[@]}"; do
    [[ -f $root/$file ]] || fail "not installed: $file"
done
for size in 16 22 24 32 48 64 128 256; do
    got=$(identify -format '%wx%h' "$root/share/icons/hicolor/${size}x${size}/apps/$id.png")
    [[ $got == "${size}x${size}" ]] || fail "the ${size}px icon is $got"
done
[[ -z $(find "$root/bin" -name '*.wav') ]] || fail "sound files beside the installed executable"
zcat "$root/share/man/man6/kolvar.6.gz" | grep -q '^\.TH KOLVAR 6' || fail "no section-6 manual page"

desktop-file-validate "$root/share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net --pedantic "$root/share/metainfo/$id.metainfo.xml" >/dev/null ||
    fail "AppStream metadata: $(appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml")"

# The staged game, telling where each cue plays from.
export HOME=$stage XDG_RUNTIME_DIR=$stage
unset QT_QPA_PLATFORM
QT_LOGGING_RULES="kolvar.sound.debug=true" "$root/bin/kolvar" 2>"$stage/stderr" &
game_pid=$!
for _ in $(seq 100); do
    xdotool search --onlyvisible --name '^Have fun!!$' >/dev/null 2>&1 && break
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended: $(cat "$stage/stderr")"
    sleep 0.1
done
xdotool search --onlyvisible --name '^Have fun!!$' >/dev/null || fail "no window"
for cue in click laser clap camera; do
    grep -q "cue \"$root/share/kolvar/sounds/$cue.wav\"" "$stage/stderr" ||
        fail "$cue.wav not found in the data folder: $(cat "$stage/stderr")"
done

# The window's title in the language that the environment asks for: the
# first of LANGUAGE's languages, else LC_ALL, LC_MESSAGES, LANG in turn; the
# Romanian under C and where LANGUAGE puts it first.
kill "$game_pid"
wait "$game_pid" 2>/dev/null || true
game_pid=
speaks() {
    local title=$1 found=
    shift
    env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG "$@" "$root/bin/kolvar" 2>/dev/null &
    game_pid=$!
    for _ in $(seq 100); do
        xdotool search --all --onlyvisible --pid "$game_pid" --name "$title" >/dev/null 2>&1 &&
            found=1 && break
        kill -0 "$game_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill "$game_pid" 2>/dev/null || true
    wait "$game_pid" 2>/dev/null || true
    game_pid=
    [[ -n $found ]] || fail "with $* the window is not titled $title"
}
speaks '^Viel Spa.*!!$' LANG=de_DE.UTF-8
speaks '^Amusez-vous bien.*!!$' LC_MESSAGES=fr_FR.UTF-8 LANG=de_DE.UTF-8
speaks '^Buon divertimento!!$' LC_ALL=it_IT.UTF-8 LANG=de_DE.UTF-8
speaks '^Have fun!!$' LANGUAGE=ro LANG=de_DE.UTF-8
speaks '^Have fun!!$' LC_ALL=C LANG=es_ES.UTF-8
echo "installed to $root; the staged game found its sounds and speaks its languages"

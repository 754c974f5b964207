#!/bin/sh
# Installs the build into a temporary prefix and checks the tree a desktop expects: the programs,
# a valid desktop entry, valid AppStream metainfo, the saved-game file type, icons, man pages and
# the copyright file.
set -eu
build=$1
source=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*"; exit 1; }
# scripts/setup.sh installs every validator used here; a missing one is a failure, not a skip.
for tool in desktop-file-validate appstreamcli update-mime-database groff; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/setup.sh installs it)"
done
for f in bin/corvana bin/corvana-cli; do
    [ -x "$prefix/$f" ] || fail "$f missing or not executable"
done
for size in 16 22 24 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/corvana.png"
    [ -s "$icon" ] || fail "no ${size}x${size} icon"
    # A PNG of the size its folder claims.
    dims=$(od -An -tu1 -j16 -N8 "$icon" | awk '{print $3*256+$4 "x" $7*256+$8}')
    [ "$dims" = "${size}x${size}" ] || fail "${size}x${size} icon is $dims"
    # The saved-game icon: there, of its size, and a picture of its own.
    mimeicon="$prefix/share/icons/hicolor/${size}x${size}/mimetypes/application-x-corvana-game.png"
    [ -s "$mimeicon" ] || fail "no ${size}x${size} saved-game icon"
    dims=$(od -An -tu1 -j16 -N8 "$mimeicon" | awk '{print $3*256+$4 "x" $7*256+$8}')
    [ "$dims" = "${size}x${size}" ] || fail "${size}x${size} saved-game icon is $dims"
    cmp -s "$icon" "$mimeicon" && fail "${size}x${size} saved-game icon is the application icon"
done
desktop="$prefix/share/applications/io.corvana.Corvana.desktop"
desktop-file-validate "$desktop" || fail "desktop entry invalid"
grep -q '^Categories=Game;BoardGame;' "$desktop" || fail "desktop entry categories"
grep -qi '^Keywords=.*reversi.*othello' "$desktop" || fail "desktop entry keywords"
grep -q '^MimeType=application/x-corvana-game;' "$desktop" || fail "desktop entry file type"
metainfo="$prefix/share/metainfo/io.corvana.Corvana.metainfo.xml"
# Strict: an info-level remark fails it too, as software centres' own checks would flag it.
appstreamcli validate --strict --no-net "$metainfo" || fail "metainfo invalid"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" \
    || fail "metainfo project licence"
# The release the program calls itself is listed, and every screenshot is one of the docs/ pictures.
version=$("$prefix/bin/corvana" --version | sed -n '1s/^Corvana //p')
[ -n "$version" ] || fail "corvana --version names no version"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo lists no release $version"
grep -q '<screenshot type="default">' "$metainfo" || fail "metainfo has no default screenshot"
for picture in $(sed -n 's|.*<image>.*/main/\(docs/[^<]*\)</image>.*|\1|p' "$metainfo"); do
    [ -s "$source/$picture" ] || fail "screenshot $picture is not in the source tree"
done
[ "$(grep -c '<image>' "$metainfo")" -ge 3 ] || fail "metainfo has fewer than three screenshots"
grep -q '<content_attribute id="social-chat">intense</content_attribute>' "$metainfo" \
    || fail "metainfo does not declare the unmoderated chat"
mime="$prefix/share/mime/packages/corvana.xml"
grep -q 'pattern="\*.kpx"' "$mime" || fail "no *.kpx glob"
grep -q 'value="0XPK"' "$mime" || fail "no 0XPK magic"
update-mime-database "$prefix/share/mime" || fail "mime database"
grep -q 'application/x-corvana-game' "$prefix/share/mime/globs2" || fail "type not registered"
grep -qx 'application/x-corvana-game:application-x-corvana-game' "$prefix/share/mime/icons" \
    || fail "the file type does not name its icon"
for page in corvana corvana-cli; do
    man="$prefix/share/man/man6/$page.6"
    [ -s "$man" ] || fail "no man page for $page"
    groff -man -Tutf8 -ww -z "$man" 2>&1 | grep -q . && fail "man page $page has warnings"
    grep -q "^\.TH .* \"Corvana $version\"" "$man" || fail "man page $page is not of version $version"
    # Every option the program's own help names is in its page (written there as \-\-name).
    # The toolkit adds --help-all to the help of corvana, which does not answer it yet.
    options=$("$prefix/bin/$page" --help | grep -o -- '--[a-z][a-z-]*' | grep -vx -- '--help-all')
    for option in $options; do
        grep -qF -- "$(printf '%s' "$option" | sed 's/-/\\-/g')" "$man" \
            || fail "man page $page does not describe $option"
    done
done
for command in $("$prefix/bin/corvana-cli" --help | sed -n 's/^  \([a-z][a-z]*\) .*/\1/p'); do
    grep -qF -- "\\fB$command" "$prefix/share/man/man6/corvana-cli.6" \
        || fail "man page corvana-cli does not describe the command $command"
done
copyright="$prefix/share/doc/corvana/copyright"
[ -s "$copyright" ] || fail "no copyright file"
head -n 1 "$copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' \
    || fail "copyright file is not machine-readable"
grep -q '^License: GPL-3+$' "$copyright" || fail "copyright file does not name GPL-3+"
"$prefix/bin/corvana-cli" show /dev/null >/dev/null 2>&1 && fail "corvana-cli accepted an empty file"

# The window is matched to its launcher: the class of its WM_CLASS is the entry's StartupWMClass.
wmclass=$(sed -n 's/^StartupWMClass=//p' "$desktop")
[ -n "$wmclass" ] || fail "desktop entry has no StartupWMClass"
for tool in Xvfb xprop; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/setup.sh installs it)"
done
run=$(mktemp -d)
trap 'kill $app $xvfb 2>/dev/null; rm -rf "$prefix" "$run"' EXIT
app="" xvfb=""
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$run/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$run/display" ] && break; sleep 0.1; done
[ -s "$run/display" ] || fail "Xvfb did not start"
display=":$(cat "$run/display")"
# A port of its own, so that it takes nothing from the other tests that listen.
printf '[net]\nport=%d\n' $((20000 + $$ % 20000)) > "$run/reversi.ini"
env -u QT_QPA_PLATFORM DISPLAY="$display" XDG_STATE_HOME="$run" \
    "$prefix/bin/corvana" --config "$run/reversi.ini" >/dev/null 2>&1 &
app=$!
class=""
# The window may be found before its class is set ("WM_CLASS:  not found."): wait for a value.
for _ in $(seq 200); do
    class=$(xprop -display "$display" -name Corvana WM_CLASS 2>/dev/null) \
        && case "$class" in *=*) break ;; esac
    sleep 0.1
done
[ -n "$class" ] || fail "the window did not appear"
echo "$class" | grep -q "\"$wmclass\"\$" || fail "window class ($class) is not $wmclass"
echo "install tree ok"

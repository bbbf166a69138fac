#!/usr/bin/env bash
# Installs the build into a scratch folder and checks what a desktop needs of it: both programs,
# a valid desktop entry that passes the file as the command line, a MIME package that the
# desktop's database takes *.cwd from, the icon at every size as the program's own icon (the
# large sizes drawn at their size), and man pages that format without warnings, carry the
# programs' version and mention every option their --help lists.
# Usage: install.sh <build folder> <source folder> <scratch folder>
set -u
build=$1
source=$2
work=$3
for tool in desktop-file-validate xmllint update-mime-database groff identify compare; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIPPED: $tool is not installed (scripts/setup.sh installs it)"
        exit 77
    fi
done

failures=0
fail() {
    echo "FAIL: $1"
    failures=$((failures + 1))
}

rm -rf "$work"
mkdir -p "$work"
prefix=$work/usr
if ! cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
    cat "$work/install.log"
    echo "FAIL: cmake --install"
    exit 1
fi

for program in tracelume tracelume-events; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is not installed"
done
version_line=$("$prefix/bin/tracelume-events" --version) || fail "the installed tracelume-events --version"
version=${version_line#tracelume-events }

desktop=$prefix/share/applications/tracelume.desktop
report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate warns: $report"
grep -qx 'Exec=tracelume %f' "$desktop" || fail "the desktop entry does not run 'tracelume %f'"
grep -qx 'Icon=tracelume' "$desktop" || fail "the desktop entry does not name the icon"
mime_type=$(sed -n 's/^MimeType=\(.*\);$/\1/p' "$desktop")

package=$prefix/share/mime/packages/tracelume.xml
xmllint --noout "$package" || fail "xmllint on the MIME package"
mkdir -p "$work/mime/packages"
cp "$package" "$work/mime/packages/"
report=$(XDG_DATA_DIRS=$work update-mime-database "$work/mime" 2>&1) || fail "update-mime-database: $report"
[ -z "$report" ] || fail "update-mime-database warns: $report"
grep -q "^[0-9]*:$mime_type:\*\.cwd$" "$work/mime/globs2" 2>/dev/null ||
    fail "the MIME database does not give *.cwd the desktop entry's type $mime_type"
grep -q '<comment>Tracelume event file</comment>' "$work/mime/$mime_type.xml" 2>/dev/null ||
    fail "$mime_type is not named \"Tracelume event file\""

art=$source/shell/resources/icon100.bmp
colours_of() { convert "$1" -unique-colors -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | sort | tr '\n' ' '; }
for size in 32 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/tracelume.png
    if [ ! -f "$icon" ]; then
        fail "no ${size}x${size} icon"
        continue
    fi
    [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] || fail "the ${size}x${size} icon has the wrong size"
    if [ "$size" -le 64 ]; then
        # Sampled back to 32 pixels, the small sizes are the program's icon 100, pixel for pixel.
        convert "$icon" -sample 32x32 "$work/sampled.png"
        differing=$(compare -metric AE "$work/sampled.png" "$art" null: 2>&1)
        [ "$differing" = "0" ] || fail "the ${size}x${size} icon differs from icon 100 in $differing pixels"
        continue
    fi
    # The large sizes are icon 100's picture in its colours, drawn at their size: some 2 x 2 block
    # of pixels is not of one colour, as every block of an enlarged smaller icon would be.
    [ "$(colours_of "$icon")" = "$(colours_of "$art")" ] ||
        fail "the ${size}x${size} icon has colours $(colours_of "$icon"), icon 100 $(colours_of "$art")"
    convert "$icon" -sample 50% -sample 200% "$work/blocks.png"
    differing=$(compare -metric AE "$icon" "$work/blocks.png" null: 2>&1)
    [ "$differing" != "0" ] || fail "the ${size}x${size} icon is an enlarged smaller icon"
done

for page in tracelume tracelume-events; do
    file=$prefix/share/man/man1/$page.1
    [ -f "$file" ] || { fail "no man page $page.1"; continue; }
    warnings=$(groff -man -ww -z "$file" 2>&1)
    [ -z "$warnings" ] || fail "$page.1 formats with warnings: $warnings"
    grep -q "\"Tracelume $version\"" "$file" || fail "$page.1 does not carry version $version"
done

# Every option and subcommand that a program's --help names is in its man page.
for program in tracelume tracelume-events; do
    usage=$("$prefix/bin/$program" --help) || fail "$program --help"
    page=$(groff -man -Tascii -rLL=400n -rHY=0 -P-cbou "$prefix/share/man/man1/$program.1" 2>/dev/null)
    words=$( (grep -oE -- '(^|[][ |(])--?[A-Za-z][A-Za-z-]*' <<<"$usage" | tr -d '[]|( '
              sed -n 's/^.*tracelume-events \([a-z][a-z]*\) .*$/\1/p' <<<"$usage") | sort -u)
    [ -n "$words" ] || fail "$program --help names no option"
    for word in $words; do
        grep -qE -- "(^|[^A-Za-z-])$word([^A-Za-z-]|\$)" <<<"$page" || fail "$program.1 does not mention $word"
    done
done

[ "$failures" -eq 0 ] || exit 1
echo "ok: the installation is complete and valid"

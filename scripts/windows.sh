#!/usr/bin/env bash
# Builds Vitralis for Windows on Debian and makes its two packages:
#   build-windows/vitralis-<version>-win64.zip    unzip anywhere and run
#   build-windows/vitralis-<version>-setup.exe    the setup program
#
#   scripts/windows.sh          build and package
#   scripts/windows.sh --test   the same, then every test suite under wine, and
#                               the setup installed, started and removed there
#
# It installs what it needs with apt-get, and takes its Qt for Windows from
# tools/build-qt-windows.sh (a cache folder, an archive named by
# VITRALIS_QT_WINDOWS_ARCHIVE, or a build from Debian's source).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
. scripts/lib/packages.sh
need_packages g++-mingw-w64-x86-64-posix wine wine64 nsis icoutils xvfb xauth

VITRALIS_QT_WINDOWS=$(tools/build-qt-windows.sh)
export VITRALIS_QT_WINDOWS
echo "Qt for Windows: $VITRALIS_QT_WINDOWS"

cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)"

# The deployment folder, then the two packages made from it.
# The version and the publisher, as the build's configuration wrote them.
. build-windows/package.env
version=$VITRALIS_VERSION
publisher=$VITRALIS_PUBLISHER
name=vitralis-$version-win64
out=build-windows/package
rm -rf "$out"
mkdir -p "$out"
cmake --install build-windows --prefix "$out/$name" --strip >/dev/null
# Qt's and the compiler's DLLs come with their symbols: a user needs none.
find "$out/$name" -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
rm -f "build-windows/$name.zip"
(cd "$out" && cmake -E tar cf "../$name.zip" --format=zip "$name")

# The setup's lists: every file it installs, and the same files to remove.
files=$out/files.nsh
removals=$out/removals.nsh
: >"$files"
: >"$removals"
(cd "$out/$name" && find . -type f | sort) | while read -r f; do
    f=${f#./}
    win=${f//\//\\}
    dir=$(dirname "$f")
    if [ "$dir" = . ]; then
        echo "SetOutPath \"\$INSTDIR\"" >>"$files"
    else
        echo "SetOutPath \"\$INSTDIR\\${dir//\//\\}\"" >>"$files"
    fi
    echo "File \"$(realpath "$out/$name/$f")\"" >>"$files"
    echo "Delete \"\$INSTDIR\\$win\"" >>"$removals"
done
echo "SetOutPath \"\$INSTDIR\"" >>"$files"
(cd "$out/$name" && find . -mindepth 1 -type d | sort -r) | while read -r d; do
    d=${d#./}
    echo "RMDir \"\$INSTDIR\\${d//\//\\}\"" >>"$removals"
done
size_kb=$(du -sk "$out/$name" | cut -f1)
makensis -V2 -DVERSION="$version" -DPUBLISHER="$publisher" -DSIZE_KB="$size_kb" \
    -DSOURCE="$(realpath "$out/$name")" -DFILES="$(realpath "$files")" \
    -DREMOVALS="$(realpath "$removals")" -DOUTFILE="$(realpath build-windows)/vitralis-$version-setup.exe" \
    share/windows/vitralis.nsi
ls -l "build-windows/$name.zip" "build-windows/vitralis-$version-setup.exe"

if [ "${1:-}" = "--test" ]; then
    # Under a display of their own, as a Windows user's programs run.
    xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" ctest --preset windows
    xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
        tools/check-windows-setup.sh "build-windows/vitralis-$version-setup.exe"
fi

#!/usr/bin/env bash
# Makes a Qt for Windows (x86_64, shared DLLs, release) that Vitralis can be
# cross-built against, from Debian's own qt6-base source, with Debian's
# mingw-w64 compilers. It is the same Qt version as the host's, whose tools
# (moc, rcc, uic) the build uses.
#
#   tools/build-qt-windows.sh           prints the folder of the Qt when it is ready
#   tools/build-qt-windows.sh --ready   the same, but only when it needs no build:
#                                       exits with 3 when no Qt is at hand
#
# The Qt goes into $VITRALIS_QT_WINDOWS (default
# ~/.cache/vitralis/qt-<version>-mingw64); a complete folder is used as it is.
# When $VITRALIS_QT_WINDOWS_ARCHIVE names a tar archive of such a build of the
# host's version, it is unpacked instead of building (about half an hour on
# two cores). Everything it prints but the folder goes to standard error.
set -euo pipefail
cd "$(dirname "$0")/.."

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
say() { echo "build-qt-windows: $*" >&2; }

. scripts/lib/packages.sh
need() { need_packages "$@"; }

need qt6-base-dev qt6-base-dev-tools
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
version=${version%%+*}
version=${version#*:}
dest=${VITRALIS_QT_WINDOWS:-$HOME/.cache/vitralis/qt-$version-mingw64}
marker="$dest/.vitralis-complete"

if [ -f "$marker" ]; then
    echo "$dest"
    exit 0
fi

# A ready build, when one of the host's version is at hand.
archive=${VITRALIS_QT_WINDOWS_ARCHIVE:-}
if [ -n "$archive" ]; then
    if [ ! -f "$archive" ]; then
        say "$archive: no such archive; building from source"
    else
        top=$({ tar tf "$archive" 2>/dev/null || true; } | head -n 1)
        top=${top%%/*}
        if [ "$top" != "qt-$version-mingw64" ]; then
            say "$archive holds $top, not Qt $version for this host; building from source"
        else
            say "unpacking $archive into $dest"
            rm -rf "$dest"
            mkdir -p "$dest"
            tar xf "$archive" -C "$dest" --strip-components=1
            [ -f "$dest/lib/cmake/Qt6/qt.toolchain.cmake" ] || { say "$archive is not a Qt build"; exit 1; }
            touch "$marker"
            echo "$dest"
            exit 0
        fi
    fi
fi

# Debian's source package of the host's Qt: its source lists are added when the
# machine has none, from the same servers and suites as its binary ones.
if [ "${1:-}" = "--ready" ]; then
    say "no Qt $version for Windows at hand (neither $dest nor a matching archive)"
    exit 3
fi
need g++-mingw-w64-x86-64-posix ninja-build cmake dpkg-dev xz-utils
if ! apt-get source --print-uris "qt6-base=$(dpkg-query -W -f='${Version}' qt6-base-dev)" >/dev/null 2>&1; then
    say "adding Debian's source lists"
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
            $sudo tee /etc/apt/sources.list.d/vitralis-deb-src.sources >/dev/null
    fi
    if [ -f /etc/apt/sources.list ]; then
        sed -n 's/^deb \(.*\)$/deb-src \1/p' /etc/apt/sources.list |
            $sudo tee /etc/apt/sources.list.d/vitralis-deb-src.list >/dev/null
    fi
    $sudo apt-get update -qq >&2
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/vitralis-qt.XXXXXX")
trap 'rm -rf "$work"' EXIT
say "fetching the source of qt6-base $version"
(cd "$work" && apt-get source --download-only "qt6-base=$(dpkg-query -W -f='${Version}' qt6-base-dev)" >&2)
tarball=$(ls "$work"/qt6-base_*.orig.tar.* | head -n 1)
mkdir "$work/src" "$work/build"
tar xf "$tarball" -C "$work/src" --strip-components=1

cat >"$work/mingw-w64-x86_64.cmake" <<'EOF'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
EOF

say "configuring Qt $version for Windows into $dest"
rm -rf "$dest"
(cd "$work/build" && "$work/src/configure" -prefix "$dest" -release -shared -xplatform win32-g++ \
    -qt-host-path /usr -nomake examples -nomake tests -no-opengl -no-dbus -no-feature-sql \
    -no-feature-network -no-feature-vulkan -no-feature-tabletevent -qt-zlib -qt-pcre -qt-libpng \
    -qt-libjpeg -qt-harfbuzz -qt-freetype -no-icu \
    -- -DCMAKE_TOOLCHAIN_FILE="$work/mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake -G Ninja >&2)
say "building (about 1,200 steps)"
cmake --build "$work/build" --parallel "$(nproc)" >&2
cmake --install "$work/build" >&2
# The toolchain file goes with the Qt, so that its folder can move.
cp "$work/mingw-w64-x86_64.cmake" "$dest/lib/cmake/Qt6/mingw-w64-x86_64.cmake"
sed -i "s|set(__qt_initially_configured_toolchain_file \".*\")|set(__qt_initially_configured_toolchain_file \"\${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake\")|" \
    "$dest/lib/cmake/Qt6/qt.toolchain.cmake"
touch "$marker"
echo "$dest"

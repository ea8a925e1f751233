# Sourced by the scripts that install what they need with apt-get.
#   need_packages PKG...            installs those that are missing
#   need_packages --optional PKG... the same, leaving out what this release does not carry
# Runs apt-get through sudo when not run as root, and says on standard error what it
# installs, so that a script's standard output stays its own.

package_installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

need_packages() {
    local optional=""
    if [ "${1:-}" = "--optional" ]; then
        optional=1
        shift
    fi
    local missing=() p
    for p in "$@"; do
        package_installed "$p" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq >&2
    local wanted=()
    for p in "${missing[@]}"; do
        if [ -n "$optional" ] && ! apt-cache policy "$p" 2>/dev/null | grep -q 'Candidate: [0-9]'; then
            echo "Not available on this release, left out: $p" >&2
            continue
        fi
        wanted+=("$p")
    done
    [ ${#wanted[@]} -eq 0 ] && return 0
    echo "Installing: ${wanted[*]}" >&2
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${wanted[@]}" >&2
}

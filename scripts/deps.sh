# Sourced by the other scripts: installs the Debian packages that are missing.
# Usage: need_packages pkg...
need_packages() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

BUILD_PACKAGES=(cmake make g++ qt6-base-dev qt6-base-dev-tools libqt6test6 libgl-dev libxcb1-dev fonts-dejavu-core qt6-wayland)
DESKTOP_TEST_PACKAGES=(xvfb xauth xdotool imagemagick desktop-file-utils appstream dpkg-dev file weston)

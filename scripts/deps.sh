# Sourced by the other scripts: installs the Debian packages that are missing.
# What building needs is the package's Build-Depends in debian/control;
# the lists below are what the tests need besides.
# Usage: need_build_deps (from the top of the checkout); need_packages pkg...
# Runs apt-get as root (through sudo where needed), after one update of its lists.
apt_get() {
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get -y -qq --no-install-recommends "$@"
}

need_build_deps() {
    command -v dpkg-checkbuilddeps >/dev/null && dpkg-checkbuilddeps 2>/dev/null && return 0
    echo "Installing the build dependencies of debian/control"
    apt_get build-dep ./
}

need_packages() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    apt_get install "${missing[@]}"
}

# The real window under X11 (with no window manager and under openbox) and
# weston, and the install checks.
DESKTOP_TEST_PACKAGES=(xvfb xauth xdotool imagemagick libxfixes-dev desktop-file-utils appstream dpkg-dev file weston x11-utils
    openbox)
# What the game wants beside its libraries: its fonts (Latin, Cyrillic and
# Arabic in one, Chinese in the other), the Wayland plugin and Qt's own
# translations.
PLAY_PACKAGES=(fonts-dejavu-core fonts-wqy-microhei qt6-wayland qt6-translations-l10n)
# The tools of the package checks.
PACKAGE_TEST_PACKAGES=(lintian man-db)
# The screen reader check: a session bus, AT-SPI and its client, Orca and its speech,
# and the locales it builds for Orca in another language.
ACCESS_TEST_PACKAGES=(dbus at-spi2-core python3-gi gir1.2-atspi-2.0 orca speech-dispatcher speech-dispatcher-espeak-ng
    espeak-ng libao4 procps x11-xkb-utils locales)

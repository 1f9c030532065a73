# Debian packages the project needs, and a function that installs the missing ones.
# Sourced by scripts/run, scripts/test, scripts/fuzz and scripts/package.

ZANVO_BUILD_PACKAGES=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-image-formats-plugins
    libjpeg62-turbo-dev libturbojpeg0-dev
    fonts-noto-cjk
)
# What making the Debian package needs: dpkg-shlibdeps (dpkg-dev) and file find the
# libraries the editor links.
ZANVO_PACKAGE_PACKAGES=(
    dpkg-dev file
)
ZANVO_TEST_PACKAGES=(
    googletest libgtest-dev libgmock-dev libbenchmark-dev libx11-dev
    xvfb xauth xdotool xclip x11-utils imagemagick
    clang-format git
    "${ZANVO_PACKAGE_PACKAGES[@]}" desktop-file-utils appstream
    weston qt6-wayland
)

zanvo_missing_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    echo "${missing[@]}"
}

zanvo_install_packages() {
    local missing
    missing=$(zanvo_missing_packages "$@")
    [ -z "$missing" ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing Debian packages. Install them with:" >&2
        echo "    sudo apt-get install -y $missing" >&2
        exit 1
    fi
    echo "Installing: $missing"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    # shellcheck disable=SC2086
    apt-get install -y -qq --no-install-recommends $missing >/dev/null
}

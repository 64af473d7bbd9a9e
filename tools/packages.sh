# Debian packages the build, the tests and the tools need; sourced by run-tests and run-example.
KARTINO_PACKAGES=(
    cmake ninja-build g++ clang pkg-config dpkg-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    libsdl2-dev libfreetype-dev libfontconfig-dev libpng-dev fonts-liberation fonts-noto-mono
    libcairo2-dev libclang-rt-14-dev python3 clang-format
    xvfb xdotool openbox
)

install_missing_packages() {
    local missing=()
    local p
    for p in "${KARTINO_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    (( ${#missing[@]} == 0 )) && return 0
    echo "== installing: ${missing[*]}"
    local sudo=()
    (( EUID != 0 )) && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" > /dev/null
}

# Installs the Debian packages named as arguments when any is missing.
# Sourced by run.sh and test.sh; works as root or through sudo, without a terminal.
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            echo "Missing packages: ${missing[*]}. Install them as root, then run this again." >&2
            return 1
        fi
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# What building and running the program needs.
# The dialogs are laid out for DejaVu Sans, the usual desktop font.
BUILD_PACKAGES=(g++ make cmake qt6-base-dev qt6-base-dev-tools libqt6test6 libcap-dev fonts-dejavu-core)
# What the emulated-PC test of the direct I/O backend needs besides.
EMULATOR_PACKAGES=(qemu-system-x86 linux-image-amd64 cpio xz-utils)

# Configures and builds into build/.
build_project() {
    cmake -S . -B build -DCMAKE_BUILD_TYPE="${1:-RelWithDebInfo}" >/dev/null
    cmake --build build -j"$(nproc)"
}

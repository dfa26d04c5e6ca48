# Shared by run.sh and test.sh: install what is missing, then configure and build.
PACKAGES=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools qt6-svg-dev
          libgl-dev libgtest-dev clang-format fonts-liberation2 poppler-utils libcurl4-openssl-dev
          python3-pyftpdlib python3-openssl)

ensure_packages() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local as_root=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            echo "Missing packages. As root, run:" >&2
            echo "  apt-get install -y ${missing[*]}" >&2
            exit 1
        fi
        as_root=(sudo)
    fi
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends "${missing[@]}"
}

build_pagewick() {
    local root="$1"
    local build="$root/build"
    if [ ! -f "$build/CMakeCache.txt" ]; then
        cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    fi
    cmake --build "$build" --parallel "$(nproc)"
}

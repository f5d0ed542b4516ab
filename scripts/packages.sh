# Installs the Debian packages the project needs when they are missing.
# Sourced by run.sh and test.sh; needs root (or sudo) only when something is missing.

BURSTKIN_PACKAGES=(
  g++ cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev nlohmann-json3-dev libtinygltf-dev
  libtinyobjloader-dev rapidjson-dev libstb-dev voro++-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev
  clang libclang-rt-14-dev
  xvfb xauth
  desktop-file-utils
  nodejs
  pyflakes3
)

# Blender, for the add-on's tests, with the numpy its glTF add-on needs and
# Debian's blender does not pull in. About 165 MB to download and 630 MB
# installed, so only test.sh asks for them, and BURSTKIN_SKIP_BLENDER=1 leaves
# them out (the add-on's tests then skip).
BURSTKIN_BLENDER_PACKAGES=(blender python3-numpy)

# usage: burstkin_missing_packages PACKAGE...
burstkin_missing_packages() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$pkg")
    fi
  done
  echo "${missing[@]}"
}

# usage: burstkin_ensure_packages [PACKAGE...]   (default: BURSTKIN_PACKAGES)
burstkin_ensure_packages() {
  local missing
  if [ $# -eq 0 ]; then set -- "${BURSTKIN_PACKAGES[@]}"; fi
  missing=$(burstkin_missing_packages "$@")
  [ -z "$missing" ] && return 0
  echo "Installing missing packages: $missing"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then sudo="sudo"; else
      echo "error: missing packages ($missing) and not root; install them and run again" >&2
      return 1
    fi
  fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  # shellcheck disable=SC2086
  $sudo apt-get install -y -qq --no-install-recommends $missing
}

# Configures (once) and builds a build folder incrementally.
# usage: burstkin_build DIR [cmake options...]
burstkin_build() {
  local dir=$1
  shift
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S . -B "$dir" -G Ninja "$@"
  fi
  cmake --build "$dir" -j "$(nproc)"
}

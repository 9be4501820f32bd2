# Shared by scripts/run and scripts/test: installing what is missing, and building.
set -euo pipefail

NORVELIN_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
NORVELIN_BUILD=${NORVELIN_BUILD:-$NORVELIN_ROOT/build}

# What building needs (the NQ font is generated from Noto Sans Bengali at build time, the
# spelling dictionary from hunspell-bn's word list; the checker links libhunspell, the PDF
# post-processor libqpdf).
BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev libqpdf-dev pkgconf
  fonts-noto-core python3-fonttools libharfbuzz-bin fontconfig hunspell-bn libhunspell-dev qt6-l10n-tools)
# What running the editor needs beyond the build.
RUN_PACKAGES=(qt6-qpa-plugins libqt6printsupport6 libqpdf29 libhunspell-1.7-0 fonts-noto-core)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs the packages that are not installed yet; runs apt-get update once, only when needed.
ensure_packages() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "ok installed"; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

# Configures (once) and builds everything in $NORVELIN_BUILD.
build_all() {
  local type=${1:-RelWithDebInfo}
  if [ ! -f "$NORVELIN_BUILD/CMakeCache.txt" ]; then
    cmake -S "$NORVELIN_ROOT" -B "$NORVELIN_BUILD" -G Ninja -DCMAKE_BUILD_TYPE="$type"
  fi
  cmake --build "$NORVELIN_BUILD" --parallel "$(nproc)"
}

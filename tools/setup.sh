# SPDX-License-Identifier: GPL-3.0-or-later
# Shared set-up for ./run and ./test: installs what is missing from Debian's packages and builds.
# Sourced, not run: it leaves PLUGO_ROOT and PLUGO_BUILD set for the caller.

PLUGO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
PLUGO_BUILD=${PLUGO_BUILD:-$PLUGO_ROOT/build}

# Everything the build, the tests and the tools use.
PLUGO_PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-translations-l10n libcurl4-openssl-dev libfontconfig-dev libsodium-dev minisign
  libgtest-dev libgmock-dev
  xvfb xauth fonts-dejavu-core
  clang libclang-rt-dev python3
  curl desktop-file-utils llvm file valgrind
  nginx-light lintian
  libhunspell-dev hunspell-sv hunspell-en-us hunspell-en-gb hunspell-de-de hunspell-fr hunspell-es
  poppler-utils libkeduvocdocument-dev
)

plugo_missing_packages() {
  local missing=() p
  for p in "${PLUGO_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  echo "${missing[@]}"
}

plugo_install_packages() {
  local missing
  missing=$(plugo_missing_packages)
  [ -z "$missing" ] && return 0
  echo "Installing from Debian's packages: $missing"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
      sudo=(sudo)
    else
      echo "These packages are missing and there is no sudo to install them: $missing" >&2
      return 1
    fi
  fi
  # shellcheck disable=SC2086
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq &&
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
}

# plugo_build <build folder> [cmake options...]
plugo_build() {
  local dir=$1
  shift
  cmake -S "$PLUGO_ROOT" -B "$dir" -G Ninja "$@" >/dev/null &&
    cmake --build "$dir" --parallel
}

# plugo_package <build folder>: makes the .tar.gz of the program folder and the Debian package
# from a built folder into <build folder>/packages and prints their paths.
plugo_package() {
  local dir=$1 log
  log=$dir/packages/cpack.log
  mkdir -p "$dir/packages"
  rm -f "$dir/packages"/*.deb "$dir/packages"/*.tar.gz
  if ! (cd "$dir" && cpack -G "TGZ;DEB" --config CPackConfig.cmake) >"$log" 2>&1; then
    cat "$log" >&2
    return 1
  fi
  ls -1 "$dir/packages"/*.tar.gz "$dir/packages"/*.deb
}

plugo_has_display() {
  [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]
}

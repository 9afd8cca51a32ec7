#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds what the Windows programs are made with, when it is not built yet: a static Qt (Core, Gui,
# Widgets, PrintSupport, Test), a static libcurl (HTTP only), a minimal static libsodium (the
# updater's signature checks), a static Hunspell (the editor's spelling) and GoogleTest, all for
# x86_64-w64-mingw32, from Debian's own source packages of the versions the Linux build uses. They
# are installed into a cache folder outside the checkout, keyed by the versions and the build
# options, so later builds and clones reuse them and a changed option builds that component again.
#
#   tools/windows/toolkit.sh            build what is missing, then print the prefixes, one a line
#   tools/windows/toolkit.sh --cached   print the prefixes if all are built, else exit 1 quietly
#
# The first build takes most of an hour on two cores (Qt alone about 1000 steps).
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=../setup.sh
source "$here/../setup.sh"

cache=${XDG_CACHE_HOME:-$HOME/.cache}/plugo-windows
toolchain=$here/mingw-w64-x86_64.cmake
triplet=x86_64-w64-mingw32

PLUGO_PACKAGES+=(
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 fonts-wine dpkg-dev
  libsodium-dev libhunspell-dev autoconf automake autoconf-archive autopoint libtool
)

step="start"
log=""
fail() {
  echo "toolkit: failed at: $step${log:+ (log: $log)}" >&2
  [ -n "$log" ] && [ -f "$log" ] && tail -n 30 "$log" >&2
  exit 1
}

host_version() { dpkg-query -W -f='${Version}' "$1" 2>/dev/null; }

multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null || gcc -print-multiarch)

# Each component's build options, named once: they are part of its cache folder's name.
# Only what minisign signatures need (Ed25519, BLAKE2b, SHA-256 and SHA-512 are all in the minimal
# build), so the updater carries as little as it can.
sodium_options=(--enable-minimal --disable-pie)
# The library alone: the editor needs no command-line tools, no translations and no readline.
hunspell_options=(--disable-nls --without-ui --without-readline)
gtest_options=(-DBUILD_GMOCK=ON -Dgtest_build_tests=OFF)
# CMake rather than configure: it installs a package configuration that carries curl's own
# Windows libraries (ws2_32, crypt32, ...) and CURL_STATICLIB to whoever links it. HTTP only,
# with Schannel, Windows' own TLS.
curl_options=(
  -DBUILD_CURL_EXE=OFF -DBUILD_TESTING=OFF -DENABLE_MANUAL=OFF
  -DHTTP_ONLY=ON -DCURL_USE_SCHANNEL=ON -DCURL_USE_OPENSSL=OFF
  -DCURL_ZLIB=OFF -DCURL_BROTLI=OFF -DCURL_ZSTD=OFF -DUSE_NGHTTP2=OFF -DUSE_LIBIDN2=OFF
  -DCURL_USE_LIBSSH2=OFF -DCURL_USE_LIBPSL=OFF -DENABLE_UNIX_SOCKETS=OFF
  -DCURL_DISABLE_LDAP=ON -DCURL_CA_PATH=none -DCURL_CA_BUNDLE=none
)
# Qt (about 1000 steps, most of an hour on two cores): only what the programs and their tests use
# (print support for the editor's printing and PDFs), the rest off, the bundled third-party
# libraries in. The host's moc, rcc and uic serve. The +dfsg tarball has no wintab, so no tablet
# events; with OpenGL off, dynamic GL must go too.
qt_options=(
  -DQT_HOST_PATH=/usr
  -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$multiarch/cmake"
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_xml=OFF -DFEATURE_dbus=OFF
  -DFEATURE_printsupport=ON -DFEATURE_concurrent=OFF
  -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_vulkan=OFF
  -DFEATURE_tabletevent=OFF -DFEATURE_icu=OFF -DFEATURE_zstd=OFF -DFEATURE_jpeg=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF
  -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_textmarkdownreader=OFF
  -DFEATURE_testlib=ON -DFEATURE_widgets=ON -DFEATURE_gui=ON
)

# component_dir PACKAGE VERSION OPTIONS...: one folder per component, version, compiler and set of
# options, with a stamp written last.
component_dir() {
  local package=$1 version=$2 key
  shift 2
  key=$(printf '%s\n' "$@" | sha256sum | cut -c1-8)
  echo "$cache/${package}_${version}_mingw-gcc$(${triplet}-gcc-posix -dumpversion 2>/dev/null || echo unknown)_$key"
}

# component_prefix SOURCE-PACKAGE HOST-PACKAGE OPTIONS...: where the component is installed; the
# source package is built at the version of the host's package, which the Linux build uses.
component_prefix() {
  local package=$1 host=$2
  shift 2
  echo "$(component_dir "$package" "$(host_version "$host")" "$@")/prefix"
}

all_prefixes() {
  # Qt first, as the build's search order has it.
  component_prefix qt6-base qt6-base-dev "${qt_options[@]}"
  component_prefix curl libcurl4-openssl-dev "${curl_options[@]}"
  component_prefix libsodium libsodium-dev "${sodium_options[@]}"
  component_prefix hunspell libhunspell-dev "${hunspell_options[@]}"
  component_prefix googletest libgtest-dev "${gtest_options[@]}"
}

all_built() {
  local p
  for p in $(all_prefixes); do
    [ -f "$(dirname "$p")/done" ] || return 1
  done
}

if [ "${1:-}" = "--cached" ]; then
  command -v ${triplet}-gcc-posix >/dev/null 2>&1 || exit 1
  all_built || exit 1
  all_prefixes
  exit 0
fi

# A private apt configuration that knows the source entries matching the machine's own Debian
# entries (same archive and suites, type deb-src), so the system's apt is left as it is.
apt_dir=$cache/apt
apt_options=()
prepare_sources() {
  mkdir -p "$apt_dir/sources.list.d" "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
  : >"$apt_dir/sources.list"
  python3 "$here/deb-src-sources.py" "$apt_dir/sources.list.d/debian-src.sources" "$apt_dir/sources.list"
  apt_options=(
    -o "Dir::Etc::SourceList=$apt_dir/sources.list"
    -o "Dir::Etc::SourceParts=$apt_dir/sources.list.d"
    -o "Dir::State::Lists=$apt_dir/lists"
    -o "Dir::Cache=$apt_dir/cache"
    -o "APT::Sandbox::User=root"
  )
  apt-get "${apt_options[@]}" -qq update
}

# fetch_source <source package> <version> <folder>: the unpacked source, Debian's patches applied.
fetch_source() {
  local package=$1 version=$2 into=$3
  rm -rf "$into"
  mkdir -p "$into"
  (cd "$into" && apt-get "${apt_options[@]}" -qq source "$package=$version") >"$log" 2>&1
}

# progress <log>: keeps Ninja's output in the log and prints a line at every 5 % of the steps.
progress() {
  local line next=5 pct
  while IFS= read -r line; do
    printf '%s\n' "$line"
    if [[ $line =~ ^\[([0-9]+)/([0-9]+)\] ]]; then
      pct=$((100 * BASH_REMATCH[1] / BASH_REMATCH[2]))
      if ((pct >= next)); then
        printf '   %3d %%  (%d of %d steps)\n' "$pct" "${BASH_REMATCH[1]}" "${BASH_REMATCH[2]}" >&2
        next=$((pct - pct % 5 + 5))
      fi
    fi
  done >"$1"
}

# keep_licences FOLDER SOURCE: keeps what the source package says of its copyright and licences
# (Debian's debian/copyright and the upstream COPYING, LICENSE and LICENCE files at its top) in
# FOLDER/licences before the source is removed: the build writes them into the Windows programs'
# THIRD-PARTY-NOTICES.txt (tools/third-party.py).
keep_licences() {
  local into=$1/licences src=$2 file
  rm -rf "$into" && mkdir -p "$into/debian"
  cp "$src/debian/copyright" "$into/debian/"
  for file in "$src"/COPYING* "$src"/LICENSE* "$src"/LICENCE* "$src"/COPYRIGHT*; do
    [ -f "$file" ] && cp "$file" "$into/"
  done
  return 0
}

# build_component SOURCE-PACKAGE HOST-PACKAGE NAME CMAKE-OPTIONS...: Debian's source of the
# package, of the host package's version and with Debian's patches, patched further by
# tools/windows/SOURCE-PACKAGE-*.patch if there are any, configured with the options for
# $triplet, built and installed into its cache folder; nothing when it is there already.
build_component() {
  local package=$1 host=$2 name=$3 version dir src patch
  shift 3
  version=$(host_version "$host")
  dir=$(component_dir "$package" "$version" "$@")
  [ -f "$dir/done" ] && return 0
  [ -n "$version" ] || { step="$name: $host is not installed"; fail; }
  rm -rf "$dir" && mkdir -p "$dir"
  log=$dir/fetch.log
  step="$name: fetching Debian's $package source, version $version (the host's $host)"
  echo "== $step"
  fetch_source "$package" "$version" "$dir/src" || fail
  src=$(find "$dir/src" -mindepth 1 -maxdepth 1 -type d -name "${package}-*" | head -n 1)
  [ -n "$src" ] || fail
  for patch in "$here/$package"-*.patch; do
    [ -f "$patch" ] || continue
    step="$name: applying $(basename "$patch")"
    patch -d "$src" -p1 --forward <"$patch" >>"$log" 2>&1 || fail
  done
  log=$dir/configure.log
  step="$name: configuring a static build for $triplet"
  echo "== $step"
  cmake -S "$src" -B "$dir/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$dir/prefix" \
    -DBUILD_SHARED_LIBS=OFF \
    "$@" >"$log" 2>&1 || fail
  log=$dir/build.log
  step="$name: building"
  echo "== $step"
  cmake --build "$dir/build" --parallel 2>&1 | progress "$log" || fail
  log=$dir/install.log
  step="$name: installing into $dir/prefix"
  cmake --install "$dir/build" >"$log" 2>&1 || fail
  step="$name: keeping its copyright and licence files in $dir/licences"
  keep_licences "$dir" "$src" >>"$log" 2>&1 || fail
  rm -rf "$dir/build" "$dir/src"
  date -u +%FT%TZ >"$dir/done"
}

# build_autotools_component SOURCE-PACKAGE HOST-PACKAGE NAME CONFIGURE-OPTIONS...: as
# build_component, for a source package that builds with autoconf; the tarball's generated files
# are made again first, since the released ones do not know MinGW's current libtool. With
# only_dir=FOLDER set, only that folder of the source is built and installed: the rest may be
# programs that do not link against a static library.
build_autotools_component() {
  local package=$1 host=$2 name=$3 version dir src part=${only_dir:-.}
  shift 3
  version=$(host_version "$host")
  dir=$(component_dir "$package" "$version" "$@")
  [ -f "$dir/done" ] && return 0
  [ -n "$version" ] || { step="$name: $host is not installed"; fail; }
  rm -rf "$dir" && mkdir -p "$dir"
  log=$dir/fetch.log
  step="$name: fetching Debian's $package source, version $version (the host's $host)"
  echo "== $step"
  fetch_source "$package" "$version" "$dir/src" || fail
  src=$(find "$dir/src" -mindepth 1 -maxdepth 1 -type d -name "${package}-*" | head -n 1)
  [ -n "$src" ] || fail
  log=$dir/configure.log
  step="$name: configuring a static build for $triplet"
  echo "== $step"
  (cd "$src" && autoreconf -fi && ./configure --host="$triplet" --prefix="$dir/prefix" \
    --enable-static --disable-shared "$@" CC="${triplet}-gcc-posix" CXX="${triplet}-g++-posix") >"$log" 2>&1 || fail
  log=$dir/build.log
  step="$name: building"
  echo "== $step"
  make -C "$src/$part" -j"$(nproc 2>/dev/null || echo 2)" >"$log" 2>&1 || fail
  log=$dir/install.log
  step="$name: installing into $dir/prefix"
  make -C "$src/$part" install >"$log" 2>&1 || fail
  step="$name: keeping its copyright and licence files in $dir/licences"
  keep_licences "$dir" "$src" >>"$log" 2>&1 || fail
  rm -rf "$dir/src"
  date -u +%FT%TZ >"$dir/done"
}

build_all() {
  build_autotools_component libsodium libsodium-dev libsodium "${sodium_options[@]}"
  only_dir=src/hunspell build_autotools_component hunspell libhunspell-dev Hunspell "${hunspell_options[@]}"
  build_component googletest libgtest-dev GoogleTest "${gtest_options[@]}"
  build_component curl libcurl4-openssl-dev curl "${curl_options[@]}"
  build_component qt6-base qt6-base-dev Qt "${qt_options[@]}"
}

step="installing Debian's packages for the Windows build"
plugo_install_packages >&2 || fail
mkdir -p "$cache"
if ! all_built; then
  started=$(date +%s)
  echo "== The Windows toolkit is not in $cache yet: building it (most of an hour the first time)." >&2
  log=$apt_dir/update.log
  step="apt: reading the source package lists (a private apt configuration in $apt_dir)"
  echo "== $step" >&2
  mkdir -p "$apt_dir"
  prepare_sources >"$log" 2>&1 || fail
  log=""
  build_all >&2
  echo "== The Windows toolkit took $(( ($(date +%s) - started) / 60 )) minutes; it is in $cache ($(du -sh "$cache" | cut -f1))." >&2
fi
all_prefixes

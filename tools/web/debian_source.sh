# Sourced by sdl.sh and mixer.sh, which build for the browser a library the desktop game takes from
# Debian: from the source package of the version apt would install, once per that version and emscripten's,
# into a cache outside the checkout ($QUORVEL_WEB_CACHE, default ~/.cache/quorvel-bees-web).
debian_version() {
  apt-cache policy "$1" | awk '/Candidate:/ { print $2 }'
}

# Usage: debian_source SOURCE_PACKAGE BINARY_PACKAGE DIR   (the sources land in DIR/src)
debian_source() {
  local source=$1 binary=$2 dir=$3 version sudo=""
  version=$(debian_version "$binary")
  [ -n "$version" ] && [ "$version" != "(none)" ] || { echo "apt knows no $binary" >&2; return 1; }
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  # apt-get source needs the source index of the Debian archive that the binary packages come from.
  if [ -z "$(apt-cache showsrc "$source" 2>/dev/null)" ]; then
    if ! grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/; then
      for f in /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] && grep -q 'debian-archive-keyring\|\.debian\.org' "$f" &&
          sed 's/^Types:.*/Types: deb-src/' "$f" | $sudo tee "/etc/apt/sources.list.d/src-$(basename "$f")" >/dev/null
      done
      [ -f /etc/apt/sources.list ] && grep '^deb .*debian' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
        $sudo tee /etc/apt/sources.list.d/src-debian.list >/dev/null
    fi
    $sudo apt-get update -qq >&2
  fi
  (cd "$dir" && apt-get source --download-only -qq "$source=$version" && dpkg-source --no-check -x ./*.dsc src) >&2
}

emscripten_version() {
  emcc --version | awk 'NR == 1 { print $NF == "()" ? $(NF - 1) : $NF }'
}

# Usage: build_or_cached NAME SOURCE_PACKAGE BINARY_PACKAGE LIBRARY
# Where the cache holds NAME's build with LIBRARY (a path below it), prints it and exits. Else sets
# $prefix (where the build goes) and $work (a directory removed at exit, the sources in $work/src); the
# caller installs into $work/prefix and ends with build_done.
build_or_cached() {
  local cache=${QUORVEL_WEB_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quorvel-bees-web}
  prefix=$cache/$1-$(debian_version "$3")-emscripten-$(emscripten_version)
  if [ -f "$prefix/$4" ]; then
    echo "$prefix"
    exit 0
  fi
  mkdir -p "$cache"
  work=$(mktemp -d "$cache/build.XXXXXX")
  trap 'rm -rf "$work"' EXIT
  debian_source "$2" "$3" "$work"
}

build_done() {
  rm -rf "$prefix"
  mv "$work/prefix" "$prefix"
  echo "$prefix"
}

#!/usr/bin/env bash
# Installs a build tree into a temporary DESTDIR as a package would (prefix /usr) and checks
# the installed tree: exactly the expected files, icons of their folder's size, a valid
# desktop entry and metainfo, and both programs answering --version without a display.
# Usage: check-install.sh BUILD_FOLDER VERSION
set -euo pipefail
build=$1
version=$2
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
root=$stage/usr

icons=share/icons/hicolor
expected=$(
  printf '%s\n' bin/quadrivel bin/quadrivel-cli share/applications/quadrivel.desktop \
    share/man/man1/quadrivel.1 share/man/man1/quadrivel-cli.1 share/doc/quadrivel/copyright \
    share/metainfo/org.quadrivel.quadrivel.metainfo.xml share/mime/packages/quadrivel.xml \
    $icons/scalable/apps/quadrivel.svg
  for size in 16 22 24 32 48 64 128 256; do echo "$icons/${size}x$size/apps/quadrivel.png"; done
)
actual=$(cd "$root" && find . -type f -printf '%P\n')
if ! diff <(sort <<<"$expected") <(sort <<<"$actual"); then
  echo "check-install: the installed files differ from the expected ones (< expected, > installed)"
  exit 1
fi

for png in "$root"/$icons/*/apps/quadrivel.png; do
  folder=$(basename "$(dirname "$(dirname "$png")")")
  # The width and height of the PNG header, big-endian at bytes 16 to 23.
  read -r width height < <(od -An -j16 -N8 -tu1 "$png" | awk '{print $3*256+$4, $7*256+$8}')
  if [ "${width}x$height" != "$folder" ]; then
    echo "check-install: $png is ${width}x$height"
    exit 1
  fi
done

desktop-file-validate "$root/share/applications/quadrivel.desktop"
appstreamcli validate --no-net "$root/share/metainfo/org.quadrivel.quadrivel.metainfo.xml" >/dev/null

# No display at all: answering must not need a window.
headless=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
check_output() {
  local want=$1
  shift
  local got
  got=$("${headless[@]}" "$@")
  if [ "${got%%$'\n'*}" != "$want" ]; then
    echo "check-install: '$*' printed '$got', expected a first line '$want'"
    exit 1
  fi
}
check_output "quadrivel-cli $version" "$root/bin/quadrivel-cli" --version
check_output "quadrivel $version" "$root/bin/quadrivel" --version
check_output "Usage: quadrivel [FILE]" "$root/bin/quadrivel" --help
echo "check-install: $(wc -l <<<"$actual") files installed and checked"

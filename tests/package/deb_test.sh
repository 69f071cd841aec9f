#!/usr/bin/env bash
# Builds the Debian package with CPack into a scratch folder, unpacks it and checks what a
# user relies on: the programs start, the menu entry and the .rtv association find their
# icons, the metadata validates, the libraries are declared, and lintian finds no error.
set -euo pipefail
cpack=$1
config=$2
version=$3

for tool in dpkg-deb dpkg-shlibdeps file; do
  command -v "$tool" >/dev/null || { echo "falta $tool: se omite"; exit 77; }
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$cpack" -G DEB --config "$config" -B "$tmp" >"$tmp/cpack.log" 2>&1 || { cat "$tmp/cpack.log"; exit 1; }
deb=$(ls "$tmp"/rentiva_"$version"_*.deb)
root=$tmp/root
dpkg-deb -x "$deb" "$root"

fail=0
bad() { echo "FALLO: $*"; fail=1; }

[ "$(dpkg-deb -f "$deb" Package)" = rentiva ] || bad "nombre del paquete"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || bad "versión $(dpkg-deb -f "$deb" Version)"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6printsupport6 libqt6network6 libsqlite3-0 qt6-qpa-plugins qt6-translations-l10n; do
  [[ $depends == *"$lib"* ]] || bad "Depends sin $lib: $depends"
done

for f in usr/bin/rentiva usr/bin/rentiva-cli; do
  [ -x "$root/$f" ] || { bad "falta $f"; continue; }
  file -b "$root/$f" | grep -q ', stripped' || bad "$f sin recortar: $(file -b "$root/$f")"
done
[ "$("$root/usr/bin/rentiva" --version)" = "rentiva $version" ] || bad "rentiva --version"
"$root/usr/bin/rentiva-cli" --version | grep -qF "$version" || bad "rentiva-cli --version"

share=$root/usr/share
for f in applications/rentiva.desktop mime/packages/rentiva.xml metainfo/es.rentiva.Rentiva.metainfo.xml \
         doc/rentiva/copyright doc/rentiva/changelog.gz doc/rentiva/manual.html; do
  [ -f "$share/$f" ] || bad "falta usr/share/$f"
done

# The names the desktop entry and the MIME type ask for exist in every size.
icon=$(sed -n 's/^Icon=//p' "$share/applications/rentiva.desktop")
mimeicon=$(sed -n 's/.*<icon name="\([^"]*\)".*/\1/p' "$share/mime/packages/rentiva.xml")
grep -q '^MimeType=application/x-rentiva;' "$share/applications/rentiva.desktop" || bad "el menú no abre .rtv"
[ -n "$icon" ] && [ -n "$mimeicon" ] || bad "sin nombre de icono (Icon=$icon, MIME $mimeicon)"
for size in 16 24 32 48 64 128 256; do
  for pair in "apps/$icon" "mimetypes/$mimeicon"; do
    png=$share/icons/hicolor/${size}x${size}/$pair.png
    [ -f "$png" ] || { bad "falta $png"; continue; }
    file -b "$png" | grep -q "PNG image data, $size x $size," || bad "$png no mide $size: $(file -b "$png")"
  done
done
[ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] || bad "falta el SVG de $icon"
[ -f "$share/icons/hicolor/scalable/mimetypes/$mimeicon.svg" ] || bad "falta el SVG de $mimeicon"

if command -v appstreamcli >/dev/null; then
  appstreamcli validate-tree --no-net "$root" || bad "appstreamcli validate-tree"
fi
if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb" || bad "lintian informa de errores"
else
  echo "sin lintian: no se revisa el paquete con él"
fi
exit $fail

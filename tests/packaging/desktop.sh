#!/bin/sh
# The launcher, the icon and the AppStream description as the .deb installs them, checked
# by the desktop's own validators.
#
#   desktop.sh BUILD_DIR APP_ID
set -eu
build=$1
id=$2
for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is not installed (tools/install-deps installs it)"
        exit 77
    fi
done
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
DESTDIR=$tree cmake --install "$build" --component desktop >/dev/null
share=$tree/usr/share

desktop-file-validate "$share/applications/$id.desktop"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml"
# The description together with the launcher it names.
appstreamcli validate-tree --no-net "$tree"
# The icon the launcher names, in the sizes menus and software centres ask for.
icon=$(sed -n 's/^Icon=//p' "$share/applications/$id.desktop")
for size in 16x16 24x24 32x32 48x48 64x64 128x128 256x256; do
    file "$share/icons/hicolor/$size/apps/$icon.png" | grep -q "PNG image data, ${size%x*} x ${size#*x}," ||
        { echo "no $size icon $icon.png"; exit 1; }
done
grep -q "<svg" "$share/icons/hicolor/scalable/apps/$icon.svg" || { echo "no scalable icon"; exit 1; }
link=$(readlink "$tree/usr/bin/tarvenik")
[ "$link" = /opt/tarvenik/tarvenik ] || { echo "/usr/bin/tarvenik points to '$link'"; exit 1; }
echo "passed"

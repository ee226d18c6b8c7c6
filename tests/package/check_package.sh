#!/usr/bin/env bash
# The release bundle: exactly the listed files, checksums that match, and the
# same bytes when it is made twice.
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# What the packaging printed is shown when it fails.
package() { "$root/scripts/package" --built --out "$1" >"$work/package.out" 2>&1 ||
    { echo "FAIL: scripts/package:"; cat "$work/package.out"; exit 1; }; }
package "$work/one"
sleep 1 # a bundle that took the time of day would differ now
package "$work/two"
zip=quenby-service-tools-win32.zip
cmp "$work/one/$zip" "$work/two/$zip" || { echo "FAIL: two runs differ"; exit 1; }
listed=$(unzip -Z1 "$work/one/$zip" | sort | tr '\n' ' ')
want="README.txt SHA256SUMS quenby.exe tandor-classic.exe tandor.exe velmor.exe "
[ "$listed" = "$want" ] || { echo "FAIL: the bundle holds: $listed"; exit 1; }
mkdir "$work/x"
(cd "$work/x" && unzip -q "../one/$zip" && sha256sum -c --quiet SHA256SUMS) ||
    { echo "FAIL: checksums"; exit 1; }
[ "$(wc -l <"$work/x/SHA256SUMS")" -eq 4 ] || { echo "FAIL: SHA256SUMS lines"; exit 1; }
cmp "$work/x/velmor.exe" "$root/build/windows/bin/velmor.exe" || exit 1
grep -q "HKEY_LOCAL_MACHINE\\\\Software\\\\Velmor" "$work/x/README.txt" ||
    { echo "FAIL: the guide does not say where the settings are"; exit 1; }
[ "$(head -c 3 "$work/x/README.txt" | od -An -tx1 | tr -d ' ')" = efbbbf ] ||
    { echo "FAIL: the guide's accents without the UTF-8 mark Notepad reads"; exit 1; }
echo "bundle: $listed- identical twice, checksums match"

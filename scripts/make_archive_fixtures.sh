#!/usr/bin/env bash
# Regenerates the theme archives of tests/core/fixtures/archives/ with real archivers (Info-ZIP,
# 7-Zip, bsdtar and Python's zipfile) and copies them into the archive fuzz target's seed corpus.
# Only needed to remake the fixtures: the test suite reads the committed files and needs none of
# these tools. Installs the archivers when they are missing.
#
# One theme folder (style.json, theme.json, images/) is packed every way users pack it:
#   <tool>-*.zip           the folder's contents at the archive root: must load whole
#   <tool>-folder*.zip     the folder itself, every entry under "deck-theme/": must load whole
#   bad-*.zip              encrypted, methods the reader lacks, or no theme root: must fail
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$root/tests/core/fixtures/archives"
corpus="$root/fuzz/corpus/archive"

need=()
command -v zip >/dev/null || need+=(zip)
command -v 7z >/dev/null || need+=(p7zip-full)
command -v bsdtar >/dev/null || need+=(libarchive-tools)
command -v python3 >/dev/null || need+=(python3)
if [ ${#need[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${need[@]}"
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
theme="$work/deck-theme"
mkdir -p "$theme/images" "$out" "$corpus"
rm -f "$out"/*.zip "$corpus"/fixture-*.zip

# The theme: two fill styles and a text style, two theme entries and two PNG images (one with
# an upper-case name, which is read in lower case).
python3 - "$theme" <<'EOF'
import struct, sys, zlib
theme = sys.argv[1]

def png(w, h, rgb):
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xffffffff))
    rows = b"".join(b"\0" + bytes(rgb) * w for _ in range(h))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))

style = """{
    "style": [
        {"type": 1, "name": "deckPanel", "drawImg": false, "clr": "FF3366CC", "round": 4,
         "border": true, "borderclr": "FF102030", "borderSize": 2},
        {"type": 1, "name": "deckLogo", "img": "images\\\\deck-logo.png", "margin": [1, 1, 1, 1]},
        {"type": 2, "name": "deckTitle", "bold": true, "size": 17, "clr": "FF102030",
         "hor": 1, "ver": 1}
    ]
}
"""
themeDoc = """{
    "elements": [{"child": [
        {"name": "qtbutton", "value": 27, "style": [["deckPanel", 5, 0]]},
        {"name": "qtlabel", "value": 11, "style": [["deckTitle", 2, 0]]}
    ]}]
}
"""
open(theme + "/style.json", "w").write(style)
open(theme + "/theme.json", "w").write(themeDoc)
open(theme + "/images/deck-logo.png", "wb").write(png(6, 4, (0x33, 0x66, 0xCC)))
open(theme + "/images/Deck-Badge.PNG", "wb").write(png(2, 2, (0xCC, 0x22, 0x11)))
EOF
find "$theme" -exec touch -t 202401020304 {} +

files=(style.json theme.json images)
# Info-ZIP: default deflate with directory entries, store, no directory entries, maximum
# compression, streamed to a pipe (data descriptors), forced ZIP64, files read from a pipe
# (ZIP64 local headers; each entry "-" is renamed after it is added, style.json last so that it
# keeps them), and a file streamed from a pipe to a pipe (ZIP64 and data descriptors; one entry
# "-", so no theme).
(cd "$theme" && zip -q -X -r "$out/infozip-deflate.zip" "${files[@]}")
(cd "$theme" && zip -q -X -r -0 "$out/infozip-store.zip" "${files[@]}")
(cd "$theme" && zip -q -X -r -D "$out/infozip-nodirs.zip" "${files[@]}")
(cd "$theme" && zip -q -X -r -9 "$out/infozip-max.zip" "${files[@]}")
(cd "$theme" && zip -q -X -r - "${files[@]}" | cat >"$out/infozip-stream.zip")
(cd "$theme" && zip -q -X -r -fz "$out/infozip-zip64.zip" "${files[@]}")
(cd "$theme" && for f in images/Deck-Badge.PNG images/deck-logo.png theme.json style.json; do
  cat "$f" | zip -q -X "$out/infozip-stdin.zip" -
  printf '@ -\n@=%s\n' "$f" | zipnote -w "$out/infozip-stdin.zip"
done)
(cd "$theme" && cat style.json | zip -q -X - - | cat >"$out/bad-infozip-pipe.zip")
(cd "$work" && zip -q -X -r "$out/infozip-folder.zip" deck-theme)
(cd "$work" && zip -q -X -r -fz -D "$out/infozip-folder-zip64.zip" deck-theme)

# 7-Zip: deflate, store, ultra, the folder; then the methods and encryptions the reader lacks.
seven() { (cd "$1" && 7z a -bd -bso0 -tzip "$out/$2" "${@:3}" >/dev/null); }
seven "$theme" 7z-deflate.zip "${files[@]}"
seven "$theme" 7z-store.zip -mx=0 "${files[@]}"
seven "$theme" 7z-max.zip -mx=9 "${files[@]}"
seven "$work" 7z-folder.zip deck-theme
seven "$theme" bad-7z-deflate64.zip -mm=Deflate64 "${files[@]}"
seven "$theme" bad-7z-bzip2.zip -mm=BZip2 "${files[@]}"
seven "$theme" bad-7z-lzma.zip -mm=LZMA "${files[@]}"
seven "$theme" bad-7z-aes.zip -psecret -mem=AES256 "${files[@]}"
seven "$theme" bad-7z-zipcrypto.zip -psecret -mem=ZipCrypto "${files[@]}"
(cd "$theme" && zip -q -X -r -P secret "$out/bad-infozip-encrypted.zip" "${files[@]}")

# bsdtar (libarchive): deflate with data descriptors, store, the folder.
(cd "$theme" && bsdtar --format zip -cf "$out/bsdtar-deflate.zip" "${files[@]}")
(cd "$theme" && bsdtar --format zip --options zip:compression=store -cf "$out/bsdtar-store.zip" \
  "${files[@]}")
(cd "$work" && bsdtar --format zip -cf "$out/bsdtar-folder.zip" deck-theme)

# Python's zipfile: deflate, store, forced ZIP64, Windows separators (at the root and inside the
# folder), BZip2 and LZMA, and two archives without a theme root.
python3 - "$theme" "$out" <<'EOF'
import os, sys, zipfile
theme, out = sys.argv[1], sys.argv[2]
names = ["style.json", "theme.json", "images/deck-logo.png", "images/Deck-Badge.PNG"]
data = {n: open(os.path.join(theme, n), "rb").read() for n in names}

def write(archive, method, entries, zip64=False):
    with zipfile.ZipFile(os.path.join(out, archive), "w", method) as z:
        for name, content in entries:
            info = zipfile.ZipInfo(name, (2024, 1, 2, 3, 4, 0))
            info.compress_type = method
            with z.open(info, "w", force_zip64=zip64) as f:
                f.write(content)

plain = [(n, data[n]) for n in names]
windows = [(n.replace("/", "\\"), data[n]) for n in names]
folder = [("deck-theme\\" + n.replace("/", "\\"), data[n]) for n in names]
write("python-deflate.zip", zipfile.ZIP_DEFLATED, plain)
write("python-store.zip", zipfile.ZIP_STORED, plain)
write("python-zip64.zip", zipfile.ZIP_DEFLATED, plain, zip64=True)
write("python-windows.zip", zipfile.ZIP_DEFLATED, windows)
write("python-folder-windows.zip", zipfile.ZIP_DEFLATED, folder)
write("bad-python-bzip2.zip", zipfile.ZIP_BZIP2, plain)
write("bad-python-lzma.zip", zipfile.ZIP_LZMA, plain)
# The theme folder inside another folder, and the theme folder beside a file at the root.
write("bad-python-nested-folder.zip", zipfile.ZIP_DEFLATED,
      [("outer/deck-theme/" + n, data[n]) for n in names])
write("bad-python-folder-and-root.zip", zipfile.ZIP_DEFLATED,
      [("deck-theme/" + n, data[n]) for n in names] + [("readme.txt", b"read me")])
EOF

for f in "$out"/*.zip; do
  cp "$f" "$corpus/fixture-$(basename "$f")"
done
ls -l "$out"

#!/usr/bin/env bash
# Installs what building, running and testing Chimelo needs on Debian 12:
# the mingw-w64 cross compilers, Wine with its 32-bit half, GoogleTest's
# sources, zlib for the artwork tool's PNG images, NSIS for the installer,
# and the virtual display and sound server of the end-to-end tests. Wine
# decodes MP3, FLAC, M4A and WMA through GStreamer, in both halves; the
# tests make their sounds with lame, flac, vorbis-tools and ffmpeg. Ogg
# Vorbis is decoded by libvorbis, built from Debian's own sources, which
# scripts/vorbis-sources.sh fetches through deb-src entries made from this
# machine's package sources.
# Installs only what is missing, so it is quick and safe to repeat.
set -euo pipefail

packages=(
  cmake ninja-build g++ googletest zlib1g-dev dpkg-dev
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  wine wine64 wine32:i386 fonts-wine
  nsis
  xvfb xauth x11-apps x11-utils imagemagick
  pulseaudio pulseaudio-utils libpulse0:i386
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-ugly gstreamer1.0-libav
  gstreamer1.0-plugins-base:i386 gstreamer1.0-plugins-good:i386 gstreamer1.0-plugins-ugly:i386
  gstreamer1.0-libav:i386
  lame flac vorbis-tools ffmpeg
)

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

# The deb-src twin of each (URI, suite) of the machine's deb entries that has
# none, as deb822 stanzas. A .sources stanza's other fields go along as they
# are (Signed-By above all); of a .list line's options, all but those that
# concern binary packages only.
source_entries() {
  awk '
    function entry(type, uri, suite, components, fields,   key) {
      key = uri
      sub(/\/+$/, "", key)
      key = key " " suite
      if (type == "deb-src") has_source[key] = 1
      if (type != "deb" || key in made) return
      made[key] = "Types: deb-src\nURIs: " uri "\nSuites: " suite "\n" \
        (components == "" ? "" : "Components: " components "\n") fields
      order[++entries] = key
    }
    function stanza(   types, uris, suites, nt, nu, ns, t, u, s) {
      nt = split(field["types"], types)
      nu = split(field["uris"], uris)
      ns = split(field["suites"], suites)
      if (tolower(field["enabled"]) != "no")
        for (t = 1; t <= nt; t++)
          for (u = 1; u <= nu; u++)
            for (s = 1; s <= ns; s++) entry(types[t], uris[u], suites[s], field["components"], others)
      split("", field)
      others = name = ""
    }
    # deb822: stanzas apart by blank lines; a line that starts blank goes on
    # the field above it.
    FNR == 1 { stanza(); deb822 = FILENAME ~ /\.sources$/ }
    deb822 && /^[ \t]*#/ { next }
    deb822 && /^[ \t]*$/ { stanza(); next }
    deb822 && /^[ \t]/ {
      if (name in field) field[name] = field[name] " " $0
      else others = others $0 "\n"
      next
    }
    deb822 {
      name = tolower(substr($0, 1, index($0, ":") - 1))
      value = substr($0, index($0, ":") + 1)
      gsub(/^[ \t]+|[ \t]+$/, "", value)
      if (name ~ /^(types|uris|suites|components|enabled)$/) field[name] = value
      else others = others $0 "\n"
      next
    }
    # One-line: type, [options], URI, suite and components.
    {
      sub(/#.*/, "")
      options = ""
      if (match($0, /\[[^]]*\]/)) {
        options = substr($0, RSTART + 1, RLENGTH - 2)
        $0 = substr($0, 1, RSTART - 1) substr($0, RSTART + RLENGTH)
      }
      if (NF < 3) next
      fields = ""
      n = split(options, option, /[ \t]+/)
      for (o = 1; o <= n; o++)
        if (option[o] ~ /=/ && option[o] !~ /^(arch|lang|target)[-+]?=/)
          fields = fields substr(option[o], 1, index(option[o], "=") - 1) ": " \
            substr(option[o], index(option[o], "=") + 1) "\n"
      components = ""
      for (c = 4; c <= NF; c++) components = components (c > 4 ? " " : "") $c
      entry($1, $2, $3, components, fields)
    }
    END {
      stanza()
      for (e = 1; e <= entries; e++)
        if (!(order[e] in has_source)) printf "%s%s", (printed++ ? "\n" : ""), made[order[e]]
    }' "$@"
}

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  # Wine's 32-bit half comes from the i386 architecture.
  dpkg --print-foreign-architectures | grep -qx i386 || as_root dpkg --add-architecture i386
fi

# Our one file of deb-src entries, made anew only when the machine's sources
# call for another; disabled files (any other name) are left out.
ours=/etc/apt/sources.list.d/chimelo-sources.sources
theirs=()
for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
  [ -f "$file" ] && [ "$file" != "$ours" ] && theirs+=("$file")
done
entries=$(source_entries "${theirs[@]}" </dev/null)
sources_changed=
if [ "$entries" != "$(cat "$ours" 2>/dev/null)" ]; then
  if [ -n "$entries" ]; then printf '%s\n' "$entries" | as_root tee "$ours" >/dev/null; else as_root rm "$ours"; fi
  sources_changed=1
fi

if [ ${#missing[@]} -gt 0 ] || [ -n "$sources_changed" ]; then as_root apt-get update -q; fi
if [ ${#missing[@]} -gt 0 ]; then
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
bash "$(dirname "$(realpath "$0")")/vorbis-sources.sh"

#!/bin/sh
# Makes the pictures of the companion programs: Cantrel's buttons, background and logo into
# player/img, Folianto's into reader/img. Buttons are Debian's Adwaita icons (package
# adwaita-icon-theme, full-colour legacy set) scaled to 32x32; backgrounds and logos are our own,
# drawn with ImageMagick's convert and the DejaVu fonts. Run it once from anywhere; the results are
# committed, so the build never needs the theme. Keep player/img/SOURCES.md and
# reader/img/SOURCES.md in step with the tables below.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
player=$here/../../player/img
reader=$here/../../reader/img
adw=/usr/share/icons/Adwaita/48x48/legacy

# target                      Adwaita legacy icon
while read -r target source; do
    [ -n "$target" ] || continue
    convert "$adw/$source" -filter Lanczos -resize 32x32 -define png:color-type=6 "$here/../../$target"
done <<'TABLE'
player/img/pl_eject_s.png     media-eject.png
player/img/pl_pause_s.png     media-playback-pause.png
player/img/pl_play_s.png      media-playback-start.png
player/img/pl_home_s.png      media-skip-backward.png
player/img/pl_prev_s.png      media-seek-backward.png
player/img/pl_next_s.png      media-seek-forward.png
player/img/pl_end_s.png       media-skip-forward.png
player/img/pl_spare_a_s.png   media-playlist-repeat.png
player/img/pl_spare_b_s.png   media-playlist-shuffle.png
player/img/pl_spare_c_s.png   audio-volume-high.png
reader/img/bookhome_s.png     go-home.png
reader/img/bookopen_s.png     document-open.png
reader/img/bookclose_s.png    window-close.png
TABLE

# Cantrel's background: a dusk-blue gradient with faint staff lines across it.
convert -size 480x260 gradient:'#1d2b4a'-'#0b1020' \
    -stroke '#ffffff14' -strokewidth 1 \
    -draw 'line 0,150 480,150' -draw 'line 0,160 480,160' -draw 'line 0,170 480,170' \
    -draw 'line 0,180 480,180' -draw 'line 0,190 480,190' \
    -define png:color-type=2 "$player/back_s.png"
# Cantrel's logo: a white eighth note on an amber rounded tile.
convert -size 48x48 xc:none -fill '#e8a33d' -draw 'roundrectangle 1,1 46,46 9,9' \
    -font DejaVu-Sans-Bold -pointsize 36 -fill white -gravity center -annotate +0+2 '♪' \
    -define png:color-type=6 "$player/logo_s.png"

# Folianto's background: warm paper tones, darker towards the bottom.
convert -size 480x360 gradient:'#f3ead8'-'#d9c7a3' -define png:color-type=2 "$reader/reader_back_s.png"
# Folianto's logo: an open book, two pages over a red-brown cover, on a rounded tile.
convert -size 48x48 xc:none -fill '#3d6e8f' -draw 'roundrectangle 1,1 46,46 9,9' \
    -fill '#8c3b2a' -draw 'polygon 6,14 24,18 42,14 42,38 24,42 6,38' \
    -fill '#fbf6ea' -draw 'polygon 8,12 23,16 23,38 8,34' -draw 'polygon 25,16 40,12 40,34 25,38' \
    -stroke '#9a8f7a' -strokewidth 1 \
    -draw 'line 11,19 20,21' -draw 'line 11,23 20,25' -draw 'line 11,27 20,29' \
    -draw 'line 28,21 37,19' -draw 'line 28,25 37,23' -draw 'line 28,29 37,27' \
    -define png:color-type=6 "$reader/logo_rd_s.png"

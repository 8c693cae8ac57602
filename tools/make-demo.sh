#!/usr/bin/env bash
# Prepares a ready demo base folder and its settings file for the built programs.
# Usage: tools/make-demo.sh BUILD_DIR [DEMO_DIR]   (DEMO_DIR defaults to ~/tessary-demo)
# Prints the path of the settings file to start Tessary with.
set -euo pipefail
build=$(cd "${1:?build folder}" && pwd)
demo=${2:-$HOME/tessary-demo}
base="$demo/base"
mkdir -p "$base" "$demo/backup"

# The list file a preview hands over holds one path per line; feh reads such a list (-f), MPlayer too (-playlist).
viewer=$(command -v feh || echo feh)
command -v xorriso >/dev/null || echo "make-demo: no disc burner (xorriso) installed; Burn CD will say it cannot start" >&2
ini="$demo/tessary.ini"
if [ ! -f "$ini" ]; then
cat > "$ini" <<INI
[main]
boxDir=$base
cpyDir=$demo/backup
burnCD=xorriso -outdev /dev/sr0 -blank as_needed -volid %1 -map %2 / -commit_eject all
firstDir=$demo/card|Demo memory card
extractMetaApp="exiftool -f -d \\"%d.%m.%Y|%H:%M\\" -p \\"\$FileName|\$DateTimeOriginal\\" %1"
language=en

[photo]
previewApp=$viewer -f %1
presentApp=$viewer -F -D 5 -f %1

[library]
previewApp=$build/reader/folianto -list %1
presentApp=$build/reader/folianto -list %1

[clip]
previewApp=mplayer -playlist %1
presentApp=mplayer -playlist %1

[music]
previewApp=$build/player/cantrel -list %1
presentApp=$build/player/cantrel -list %1
INI
fi

# A demo "memory card" for First steps: a few photos with their dates taken, made once like the source
# folder's photos below (a card that exists already, also an emptied one, is left as it is).
card="$demo/card"
if [ ! -d "$card" ]; then
    mkdir -p "$card.part"
    shots=(
        "DSC_0201.jpg gradient:lightgreen-darkolivegreen 2024:05:18 09:20:00"
        "DSC_0202.jpg radial-gradient:white-steelblue 2024:05:18 09:21:00"
        "DSC_0203.jpg gradient:orange-purple 2024:08:02 20:45:00"
        "DSC_0204.jpg plasma:wheat-sienna 2024:11:11 15:00:00"
    )
    for shot in "${shots[@]}"; do
        read -r name picture day time <<<"$shot"
        convert -size 640x480 -seed 11 "$picture" -quality 85 "$card.part/$name" >/dev/null
        exiftool -q -overwrite_original "-DateTimeOriginal=$day $time" "$card.part/$name" >/dev/null
    done
    mv "$card.part" "$card"
fi

# A few photos waiting in the source folder for the arrangement, each with its date taken. Only
# made once: a source folder that exists already (also an emptied one) is left as it is.
src="$base/_src"
if [ ! -d "$src" ]; then
    mkdir -p "$src.part"
    photos=(
        "IMG_0101.jpg gradient:skyblue-navy 2023:01:14 08:12:00"
        "IMG_0102.jpg gradient:yellow-darkgreen 2023:04:22 13:40:00"
        "IMG_0103.jpg radial-gradient:white-orange 2023:07:09 19:05:00"
        "IMG_0104.jpg plasma:fractal 2023:07:09 19:06:00"
        "IMG_0105.jpg gradient:gold-firebrick 2023:10:03 10:30:00"
        "IMG_0106.jpg radial-gradient:lightcyan-darkblue 2023:12:24 23:15:00"
    )
    for photo in "${photos[@]}"; do
        read -r name picture day time <<<"$photo"
        convert -size 640x480 -seed 7 "$picture" -quality 85 "$src.part/$name" >/dev/null
        exiftool -q -overwrite_original "-DateTimeOriginal=$day $time" "$src.part/$name" >/dev/null
    done
    # Renamed into place only when complete, so a failed run is simply made again next time.
    mv "$src.part" "$src"
fi
echo "$ini"

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
# Folianto opens each book in the viewer its set file names for the extension; Cantrel runs MPlayer
# with the options of its own set file (no video window for music).
pdfviewer=$(command -v mupdf || command -v evince || command -v atril || command -v okular || echo xdg-open)
textviewer=$(command -v featherpad || command -v mousepad || command -v gedit || echo xdg-open)
printf 'pdf=%s\ntxt=%s\ndefault=%s\n' "$pdfviewer" "$textviewer" "$textviewer" > "$demo/folianto.set"
printf 'vo=null\n' > "$demo/cantrel.conf"
mplayer=$(command -v mplayer || echo mplayer)
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
previewApp=$build/reader/folianto -list %1 -set $demo/folianto.set
presentApp=$build/reader/folianto -list %1 -set $demo/folianto.set

[clip]
previewApp=mplayer -playlist %1
presentApp=mplayer -playlist %1

[music]
previewApp=$build/player/cantrel -list %1 -mplayer $mplayer -set $demo/cantrel.conf
presentApp=$build/player/cantrel -list %1 -mplayer $mplayer -set $demo/cantrel.conf
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

# A 4-second WAV (8 kHz, mono, 16 bit) of a C major arpeggio in soft square waves.
make_tune() {
    local out=$1 rate=8000 note samples period half i
    # A number as n little-endian bytes.
    le() {
        local v=$1 n=$2 k
        for ((k = 0; k < n; k++)); do printf "\\x$(printf %02x $(((v >> (8 * k)) & 255)))"; done
    }
    samples=$((rate * 4))
    {
        printf 'RIFF'; le $((36 + samples * 2)) 4; printf 'WAVEfmt '; le 16 4; le 1 2; le 1 2
        le $rate 4; le $((rate * 2)) 4; le 2 2; le 16 2; printf 'data'; le $((samples * 2)) 4
        for note in 262 330 392 523 392 330 262 523; do
            period=$((rate / note)); half=$((period / 2))
            high=$(printf '\xb8\x0b%.0s' $(seq "$half")); low=$(printf '\x48\xf4%.0s' $(seq $((period - half))))
            for ((i = 0; i < rate / 2 / period; i++)); do printf "$high$low"; done
            # Silence fills each half second up to its exact length.
            for ((i = (rate / 2 / period) * period; i < rate / 2; i++)); do printf '\x00\x00'; done
        done
    } > "$out"
}

# A one-page PDF written by hand (Helvetica text), with a correct cross-reference table.
make_book_pdf() {
    local out=$1 body="" offsets=() object
    local stream="BT /F1 28 Tf 72 740 Td (The Lighthouse Keeper) Tj /F1 14 Tf 0 -40 Td (A very short story.) Tj"
    stream+=" 0 -30 Td (Every evening the keeper climbed the ninety steps and lit the lamp.) Tj ET"
    local objects=(
        "<< /Type /Catalog /Pages 2 0 R >>"
        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>"
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Contents 4 0 R /Resources << /Font << /F1 5 0 R >> >> >>"
        "<< /Length ${#stream} >>
stream
$stream
endstream"
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"
    )
    body="%PDF-1.4
"
    for i in "${!objects[@]}"; do
        offsets+=("${#body}")
        body+="$((i + 1)) 0 obj
${objects[$i]}
endobj
"
    done
    local xref=${#body}
    body+="xref
0 $((${#objects[@]} + 1))
0000000000 65535 f 
"
    for object in "${offsets[@]}"; do
        body+="$(printf '%010d 00000 n ' "$object")
"
    done
    body+="trailer
<< /Size $((${#objects[@]} + 1)) /Root 1 0 R >>
startxref
$xref
%%EOF
"
    printf '%s' "$body" > "$out"
}
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
    # A short tune for the music box (with the ".sub" file that describing it would write) and a
    # small book in two forms for the library.
    make_tune "$src.part/tune.wav"
    printf 'Little Arpeggio\nTessary Demo Band\n2024\n' > "$src.part/tune.sub"
    make_book_pdf "$src.part/lighthouse.pdf"
    printf '%s\n' "The Lighthouse Keeper" "" "A very short story." "" \
        "Every evening the keeper climbed the ninety steps and lit the lamp." \
        "Every morning he wrote one line in his log: the sea was there, and so was he." > "$src.part/lighthouse.txt"
    # Renamed into place only when complete, so a failed run is simply made again next time.
    mv "$src.part" "$src"
fi
echo "$ini"

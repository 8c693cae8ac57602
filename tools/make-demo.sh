#!/usr/bin/env bash
# Prepares a ready demo base folder and its settings file for the built programs.
# Usage: tools/make-demo.sh BUILD_DIR [DEMO_DIR]   (DEMO_DIR defaults to ~/tessary-demo)
# Prints the path of the settings file to start Tessary with.
set -euo pipefail
build=$(cd "${1:?build folder}" && pwd)
demo=${2:-$HOME/tessary-demo}
base="$demo/base"
mkdir -p "$base" "$demo/backup"

viewer=$(command -v eog || command -v feh || command -v display || echo xdg-open)
ini="$demo/tessary.ini"
if [ ! -f "$ini" ]; then
cat > "$ini" <<INI
[main]
boxDir=$base
cpyDir=$demo/backup
burnCD=true %1 %2
firstDir=$demo/card|Demo memory card
extractMetaApp="exiftool -f -d \\"%d.%m.%Y|%H:%M\\" -p \\"\$FileName|\$DateTimeOriginal\\" %1"
language=en

[photo]
previewApp=$viewer %1
presentApp=$viewer %1

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
mkdir -p "$demo/card"
echo "$ini"

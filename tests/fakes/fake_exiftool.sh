#!/bin/sh
# Stands in for exiftool: hands everything to the real exiftool, except that in an argument file
# (-@ FILE) the write block of copy TESSARY_FAKE_FAIL names a file that is not there, and the write
# block of copy TESSARY_FAKE_WRONG writes another title than it was given. Blocks come in pairs, the
# write block of a copy and its read-back block, each ended by -execute.
if [ "$1" = "-@" ] && [ -n "$2" ]; then
    changed="$2.fake"
    awk -v fail="${TESSARY_FAKE_FAIL:-0}" -v wrong="${TESSARY_FAKE_WRONG:-0}" '
        BEGIN { block = 1; have = 0 }
        {
            copy = int((block + 1) / 2)
            writing = block % 2 == 1
            current = $0
            if (writing && copy == wrong + 0 && current ~ /^-XMP-dc:Title=/)
                current = "-XMP-dc:Title=changed by the fake"
            if (writing && copy == fail + 0 && current == "-echo3" && have)
                held = "/nonexistent/fake-exiftool/missing.jpg"
            if (have)
                print held
            held = current
            have = 1
            if (current == "-execute")
                block++
        }
        END { if (have) print held }' "$2" > "$changed" || exit 1
    shift 2
    exec exiftool -@ "$changed" "$@"
fi
exec exiftool "$@"

#!/bin/sh
# Stands in for MPlayer in slave mode. Appends "start" and its arguments joined by "|" to the file
# named by CANTREL_FAKE_RECORD, then one line per command it reads, and answers the commands
# Cantrel sends with MPlayer's answer lines: the metadata from CANTREL_FAKE_TITLE, _ARTIST, _ALBUM
# and _YEAR, the length from CANTREL_FAKE_LENGTH, and a position that grows by one second per
# request. "quit" ends it, unless CANTREL_FAKE_IGNORE_QUIT is set. At the end of its input it goes
# on like a player that is still playing; with CANTREL_FAKE_EXIT_AT_ONCE set it ends right after the
# record, as MPlayer does with a file it cannot play, after writing CANTREL_FAKE_ERROR (when set) on its
# error output. Its process id goes to "$CANTREL_FAKE_RECORD.pid".
record="$CANTREL_FAKE_RECORD"
[ -n "$record" ] || exit 1
line="start"
for arg in "$@"; do
    line="$line|$arg"
done
echo "$$" > "$record.pid"
printf '%s\n' "$line" >> "$record"
# A player that cannot play its file ends at once.
if [ -n "$CANTREL_FAKE_EXIT_AT_ONCE" ]; then
    printf 'MPlayer fake\n' >&2
    [ -z "$CANTREL_FAKE_ERROR" ] || printf '%s\n' "$CANTREL_FAKE_ERROR" >&2
    exit 1
fi
position=0
while IFS= read -r command; do
    printf '%s\n' "$command" >> "$record"
    case "$command" in
        get_meta_title) printf "ANS_META_TITLE='%s'\n" "$CANTREL_FAKE_TITLE" ;;
        get_meta_artist) printf "ANS_META_ARTIST='%s'\n" "$CANTREL_FAKE_ARTIST" ;;
        get_meta_album) printf "ANS_META_ALBUM='%s'\n" "$CANTREL_FAKE_ALBUM" ;;
        get_meta_year) printf "ANS_META_YEAR='%s'\n" "$CANTREL_FAKE_YEAR" ;;
        get_time_length) printf 'ANS_LENGTH=%s\n' "${CANTREL_FAKE_LENGTH:-0.00}" ;;
        get_time_pos)
            position=$((position + 1))
            # MPlayer's status line ends with a carriage return, not a line break.
            printf 'A:   %s.0 (0%s.0) of 3.0 (03.0)\rANS_TIME_POSITION=%s.0\n' "$position" "$position" "$position" ;;
        quit)
            [ -n "$CANTREL_FAKE_IGNORE_QUIT" ] || exit 0 ;;
    esac
done
exec sleep 600

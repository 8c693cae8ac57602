#!/bin/sh
# Stands in for a book viewer. Appends a line "name|argument|process id" (name: the name it was
# started under, so one copy per extension tells which viewer was chosen) to the file named by
# FOLIANTO_FAKE_RECORD, then stays open until the file "$FOLIANTO_FAKE_RECORD.exit" appears. With
# FOLIANTO_FAKE_IGNORE_TERM set it ignores requests to end, like a viewer that hangs.
record="$FOLIANTO_FAKE_RECORD"
[ -n "$record" ] || exit 1
[ -z "$FOLIANTO_FAKE_IGNORE_TERM" ] || trap '' TERM
printf '%s|%s|%s\n' "$(basename "$0")" "$1" "$$" >> "$record"
while [ ! -e "$record.exit" ]; do
    sleep 0.05
done
exit 0

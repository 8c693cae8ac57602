#!/bin/sh
# Stands in for a viewer or player started on a list file. It records its arguments, one per
# line, and a copy of the list file (its last argument) as "$TESSARY_FAKE_RECORD.list". The
# record appears in one step, after the copy, so a test that sees it sees everything.
record="$TESSARY_FAKE_RECORD"
[ -n "$record" ] || exit 1
: > "$record.part"
for arg in "$@"; do
    printf '%s\n' "$arg" >> "$record.part"
    last="$arg"
done
if [ -n "$last" ] && [ -f "$last" ]; then
    cp "$last" "$record.list"
fi
mv "$record.part" "$record"
exit 0

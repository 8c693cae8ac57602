#!/bin/sh
# Stands in for a disc burner: records its arguments, one per line, into the file named by
# TESSARY_FAKE_RECORD (in one step, so a test that sees the record sees all of it), prints a line
# and ends with the exit code in TESSARY_FAKE_EXIT (0 when unset). With TESSARY_FAKE_SLEEP set it
# writes its process id into "$TESSARY_FAKE_RECORD.pid" and sleeps that many seconds instead. With
# TESSARY_FAKE_MESSAGE set it writes that line on its error output before it ends.
record="$TESSARY_FAKE_RECORD"
if [ -n "$record" ]; then
    : > "$record.part"
    for arg in "$@"; do
        printf '%s\n' "$arg" >> "$record.part"
    done
    mv "$record.part" "$record"
fi
echo "fake burner: writing $#"
if [ -n "$TESSARY_FAKE_SLEEP" ]; then
    echo $$ > "$record.pid.part"
    mv "$record.pid.part" "$record.pid"
    exec sleep "$TESSARY_FAKE_SLEEP"
fi
if [ -n "$TESSARY_FAKE_MESSAGE" ]; then
    printf '%s\n' "$TESSARY_FAKE_MESSAGE" >&2
fi
exit "${TESSARY_FAKE_EXIT:-0}"

#!/bin/sh
# Stands in for the metadata extractor: records its arguments, one per line, into the file named
# by TESSARY_FAKE_RECORD, adds one line per run to the file named by TESSARY_FAKE_RUNS, and prints the
# file named by TESSARY_FAKE_OUTPUT (nothing when unset).
if [ -n "$TESSARY_FAKE_RUNS" ]; then
    echo run >> "$TESSARY_FAKE_RUNS"
fi
if [ -n "$TESSARY_FAKE_RECORD" ]; then
    : > "$TESSARY_FAKE_RECORD"
    for arg in "$@"; do
        printf '%s\n' "$arg" >> "$TESSARY_FAKE_RECORD"
    done
fi
if [ -n "$TESSARY_FAKE_OUTPUT" ] && [ -f "$TESSARY_FAKE_OUTPUT" ]; then
    cat "$TESSARY_FAKE_OUTPUT"
fi
exit 0

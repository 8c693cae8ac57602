#!/bin/sh
# Stands in for a viewer that stays open until it is ended: it writes its process id to
# "$TESSARY_FAKE_RECORD.pid" (in one step) and then waits as that same process.
record="$TESSARY_FAKE_RECORD"
[ -n "$record" ] || exit 1
echo $$ > "$record.pid.part"
mv "$record.pid.part" "$record.pid"
exec sleep 120

#!/usr/bin/env bash
# Fails on an include that runs up a floor: base/ uses nothing of the game,
# display/ and sound/ only base/, debug/ only display/ and base/.
set -euo pipefail
cd "$(dirname "$0")/.."
bad=0
while IFS=: read -r file _ line; do
    floor=${file%%/*}
    target=$(sed -nE 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^/"]+)\/.*/\1/p' <<<"$line")
    case "$floor:$target" in
    base:base | display:base | display:display | sound:base | sound:sound | \
        debug:base | debug:display | debug:debug) ;;
    *)
        echo "floors: $file reaches up with: $line"
        bad=1
        ;;
    esac
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' base display sound debug)
[ "$bad" = 0 ] && echo "floors: no include runs up a floor"
exit "$bad"

#!/usr/bin/env bash
# A longer run of the random action streams and of the table soak than CI makes: several
# seeds, many actions each. Usage: scripts/soak.sh [seeds] [actions] [tables]
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

seeds="${1:-10}"
export TABELLA_AZIONI="${2:-50000}" TABELLA_TABELLE="${3:-5000}" QT_QPA_PLATFORM=offscreen
install_missing "${BUILD_PACKAGES[@]}"
build_program
for seed in $(seq 1 "$seeds"); do
    TABELLA_SEME="$seed$RANDOM" "$BUILD/tests/tst_casuale" randomActions | grep -E 'seme|tasti|FAIL|Totals'
done
"$BUILD/tests/tst_casuale" thousandsOfTables | grep -E 'FAIL|Totals'

#!/usr/bin/env bash
# The layers as the build sees them: each library compiles against a view of the sources that
# holds its own folder and those below it. A header of a higher layer cannot be found from a
# lower one; a header of a lower layer can. strati.sh COMPILER VIEWS
set -uo pipefail
cxx="$1"
views="$2"
passed=0
failed=0

# compile LAYERS... -- HEADER: tries to compile a source that includes HEADER, searching the
# views of the given layers only.
compile() {
    local flags=() header
    while [ "$1" != "--" ]; do flags+=(-I "$views/$1"); shift; done
    header="$2"
    "$cxx" -std=c++20 -fsyntax-only -x c++ "${flags[@]}" -include "$header" /dev/null 2>&1
}

reaches() { # LAYER_VIEWS... -- HEADER: must compile
    if out="$(compile "$@")"; then
        passed=$((passed + 1))
    else
        echo "FAIL: ${*: -1} should be reachable: $out"; failed=$((failed + 1))
    fi
}

refuses() { # LAYER_VIEWS... -- HEADER: must not be found
    local header="${*: -1}"
    if out="$(compile "$@")"; then
        echo "FAIL: $header was reachable"; failed=$((failed + 1))
    elif grep -q "$header: No such file" <<<"$out"; then
        passed=$((passed + 1))
    else
        echo "FAIL: $header: $out"; failed=$((failed + 1))
    fi
}

platform=(tabella_platform tabella_core)
input=(tabella_input "${platform[@]}")
layout=(tabella_layout "${platform[@]}")

reaches tabella_core -- platform/twips.h
refuses tabella_core -- platform/form.h
reaches "${platform[@]}" -- platform/twips.h
for h in input/mappacomandi.h layout/griglia.h exercise/frmoperativo.h start/programma.h \
         print/frmstampaesercizio.h info/finestreinfo.h shared/finestre.h; do
    refuses "${platform[@]}" -- "$h"
done
reaches "${input[@]}" -- platform/twips.h
for h in layout/griglia.h exercise/frmoperativo.h start/frminizio.h shared/icona.h; do
    refuses "${input[@]}" -- "$h"
done
reaches "${layout[@]}" -- platform/twips.h
for h in input/pulsantiera.h exercise/frmoperativo.h print/frmstampaesercizio.h; do
    refuses "${layout[@]}" -- "$h"
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]

#!/usr/bin/env bash
# Loads real PL/SQL projects (folders given on the command line, e.g. checkouts of utPLSQL's
# source/ and alexandria-plsql-utils' ora/) into a fresh embedded database and prints how
# many of their units are VALID and INVALID, with the rows of each invalid unit. Builds the
# loader first (build folder: $VELMORA_BUILD_DIR, default build). Also parses every unit of
# the same folders on its own and reports any syntax error.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VELMORA_BUILD_DIR:-build}
[ $# -gt 0 ] || { echo "usage: $0 FOLDER..." >&2; exit 2; }
cmake --build "$top/$build" --target plsql_project_load plsql_corpus_check >/dev/null
status=0
"$top/$build/bin/plsql_corpus_check" "$@" | tail -1 || status=1
"$top/$build/bin/plsql_project_load" "$@" || status=1
exit $status

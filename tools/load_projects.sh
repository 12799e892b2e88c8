#!/usr/bin/env bash
# Loads public PL/SQL projects into a fresh embedded database with their own installers, as
# a user would with SQL*Plus, and prints for each project the statements tried, accepted and
# refused (by error code), then what the dictionary holds afterwards.
#
#   tools/load_projects.sh [--ocilite PATH] [--keep DIR] FOLDER...
#
# A FOLDER is a checkout (or export) of one of:
#   utPLSQL                source/install.sql run with the schema name as its parameter,
#                          as the project's installation guide documents (schema UT3)
#   alexandria-plsql-utils setup/install.sql run from setup/ (schema ALEX)
#   Logger                 logger_install.sql of the newest release zip (schema LOGGER)
# Each project is copied into a scratch folder first, so spool files and the database never
# land in the checkout. --keep DIR keeps the databases and the full logs in DIR.
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
ocilite="$top/build/bin/ocilite"
keep=""
folders=()
while [ $# -gt 0 ]; do
  case "$1" in
    --ocilite) ocilite=$(realpath "$2"); shift 2 ;;
    --keep) keep=$(realpath -m "$2"); shift 2 ;;
    -h|--help) sed -n '2,15p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) folders+=("$(realpath "$1")"); shift ;;
  esac
done
if [ ${#folders[@]} -eq 0 ]; then
  echo "usage: $0 [--ocilite PATH] [--keep DIR] FOLDER..." >&2
  exit 2
fi
if [ ! -x "$ocilite" ]; then
  echo "$ocilite not found: build the admin tool first (cmake --build build --target ocilite_admin)" >&2
  exit 2
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
password=secret

# The installer of a project folder: "NAME SCHEMA WORKDIR SCRIPT [ARGS...]" (paths in the copy).
describe_project() {
  local copy=$1
  if [ -f "$copy/source/install.sql" ] && [ -f "$copy/source/install_headless.sql" ]; then
    echo "utPLSQL UT3 $copy/source install.sql UT3"
  elif [ -f "$copy/setup/install.sql" ] && [ -d "$copy/ora" ]; then
    echo "alexandria-plsql-utils ALEX $copy/setup install.sql"
  elif compgen -G "$copy/releases/logger_*.zip" >/dev/null; then
    local zip
    zip=$(ls "$copy"/releases/logger_*.zip | sort -V | tail -1)
    mkdir -p "$copy/release"
    (cd "$copy/release" && unzip -q -o "$zip")
    echo "Logger LOGGER $copy/release logger_install.sql"
  elif [ -f "$copy/logger_install.sql" ]; then
    echo "Logger LOGGER $copy logger_install.sql"
  else
    return 1
  fi
}

# What the dictionary holds: objects by type and status.
dictionary_query() {
  cat <<'EOF'
set heading off
set pagesize 0
set feedback off
select rpad(object_type, 14) || ' ' || rpad(status, 8) || ' ' || count(*)
  from user_objects group by object_type, status order by object_type, status;
EOF
}

summarise() {
  local name=$1 log=$2 err=$3
  local tried failed
  tried=$(sed -n 's/^\([0-9]*\) statement(s) run.*/\1/p' "$log" | tail -1)
  tried=${tried:-0}
  # "file:line: CODE-nnnnn: text" -> CODE-nnnnn; other reports are counted as "other".
  failed=$(grep -cE '^[^ ]+:[0-9]+: (ORA|PLS|SP2)-[0-9]+' "$err" || true)
  echo "== $name"
  echo "   tried $tried, accepted $((tried - $(grep -cE '^[^ ]+:[0-9]+: ORA-[0-9]+' "$err" || true))), refused by code:"
  grep -oE '^[^ ]+:[0-9]+: (ORA|PLS|SP2)-[0-9]+' "$err" | sed 's/.*: //' | sort | uniq -c |
    sort -rn | sed 's/^/     /' || true
  local other
  other=$(grep -vcE '^[^ ]+:[0-9]+: (ORA|PLS|SP2)-[0-9]+' "$err" || true)
  [ "$other" -gt 0 ] && echo "     $other other report line(s)"
  echo "   reports: $failed"
}

status=0
for folder in "${folders[@]}"; do
  base=$(basename "$folder")
  copy="$scratch/$base"
  cp -r "$folder" "$copy"
  if ! read -r name schema workdir script args < <(describe_project "$copy"); then
    echo "== $folder: not a project this script knows (utPLSQL, alexandria-plsql-utils, Logger)" >&2
    status=1
    continue
  fi
  db="$scratch/$name.db"
  "$ocilite" create "$db" >/dev/null
  printf '%s\n' "$password" | "$ocilite" adduser "$db" "$schema" >/dev/null
  log="$scratch/$name.out"
  err="$scratch/$name.err"
  # shellcheck disable=SC2086 # args are words by design
  (cd "$workdir" && printf '%s\n' "$password" |
    "$ocilite" run "$db" "$schema" "$script" $args >"$log" 2>"$err" </dev/stdin) || true
  summarise "$name" "$log" "$err"
  dictionary_query >"$scratch/dictionary.sql"
  echo "   dictionary (USER_OBJECTS by type and status):"
  printf '%s\n' "$password" | "$ocilite" run "$db" "$schema" "$scratch/dictionary.sql" 2>&1 |
    grep -v 'statement(s) run' | sed 's/^/     /' || true
  if [ -n "$keep" ]; then
    mkdir -p "$keep"
    cp "$db" "$log" "$err" "$keep/"
  fi
done
exit $status

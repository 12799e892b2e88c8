#!/usr/bin/env bash
# Validates velmora-check's SARIF and JUnit output on the demo schema against the published
# schemas: SARIF 2.1.0 with python3-jsonschema (draft 4, as the schema declares), JUnit with
# xmllint against the Ant JUnit schema. Runs on a private data folder.
set -euo pipefail
check=$1
schemas=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config VELMORA_PASSWORD=TIGER

status=0
"$check" --user SCOTT --format sarif > "$work/check.sarif" || status=$?
[ "$status" -eq 1 ] || { echo "sarif run exited $status, expected 1" >&2; exit 1; }
status=0
"$check" --user SCOTT --format junit > "$work/check.xml" || status=$?
[ "$status" -eq 1 ] || { echo "junit run exited $status, expected 1" >&2; exit 1; }

python3 - "$schemas/sarif-schema-2.1.0.json" "$work/check.sarif" <<'PY'
import json, sys
import jsonschema
schema = json.load(open(sys.argv[1]))
log = json.load(open(sys.argv[2]))
jsonschema.Draft4Validator(schema, format_checker=jsonschema.FormatChecker()).validate(log)
assert log["runs"][0]["results"], "the demo has errors, the log has no results"
print("SARIF valid:", len(log["runs"][0]["results"]), "results")
PY
xmllint --noout --schema "$schemas/JUnit.xsd" "$work/check.xml"

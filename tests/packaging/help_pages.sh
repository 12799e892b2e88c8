#!/usr/bin/env bash
# The help pages: the same pages in Japanese and English, the two contexts the windows open
# (20 the contents, 30 the source view), every link to a page or the style sheet resolving,
# each page declaring its language, and the topics the help must cover.
set -euo pipefail
help=$1
status=0
complain() { echo "FAIL: $*" >&2; status=1; }

pages_en=$(cd "$help/en" && ls *.html | sort)
pages_ja=$(cd "$help/ja" && ls *.html | sort)
[ "$pages_en" = "$pages_ja" ] || complain "the languages hold different pages: [$pages_en] [$pages_ja]"
for language in en ja; do
  for context in 20 30; do
    [ -f "$help/$language/$context.html" ] || complain "$language: no page for context $context"
  done
  for page in "$help/$language"/*.html; do
    grep -q "<html lang=\"$language\">" "$page" || complain "$page does not declare lang=$language"
    for target in $(grep -o 'href="[^"#:]*"' "$page" | sed 's/^href="//; s/"$//'); do
      [ -f "$(dirname "$page")/$target" ] || complain "$page links to missing $target"
    done
  done
done
# What the help is about: logging on, the list, the source view, the keys, the settings file,
# the check and lint commands.
for language in en ja; do
  all=$(cat "$help/$language"/*.html)
  for topic in SCOTT TIGER 'LIKE' 'ERROR_MESSAGE' 'F8' 'Ctrl</kbd>+<kbd>C' 'registry.reg' \
               'velmora-check' 'VELMORA_PASSWORD' 'ocilite lint' 'pre-commit'; do
    grep -qF -- "$topic" <<<"$all" || complain "$language: nothing on $topic"
  done
done
exit $status

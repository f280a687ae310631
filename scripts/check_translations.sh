#!/usr/bin/env bash
# Checks the committed catalogues resources/translations/en.ts and es.ts against
# the sources: lupdate runs into a temporary copy of each, and the check fails
# when a text of the sources is missing from a committed catalogue or a message
# is left unfinished. Texts no longer in the sources are reported, not failed.
# To bring the catalogues up to date, run the same lupdate on the files
# themselves and translate what it marks unfinished.
set -euo pipefail
cd "$(dirname "$0")/.."

LUPDATE=${LUPDATE:-}
if [ -z "$LUPDATE" ]; then
  for candidate in lupdate lupdate-qt5 /usr/lib/qt5/bin/lupdate /usr/lib/x86_64-linux-gnu/qt5/bin/lupdate; do
    if command -v "$candidate" >/dev/null 2>&1; then
      LUPDATE=$candidate
      break
    fi
  done
fi
if [ -z "$LUPDATE" ]; then
  echo "check_translations: lupdate not found (package qttools5-dev-tools, or set LUPDATE)" >&2
  exit 2
fi

# Where the program's texts are: everything that goes into the program.
SOURCES=(core texts eventlog ui scada main.cpp)

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# One line per message: "<state>\t<context>\t<source>", the source's line breaks
# written as \n; state is "unfinished" or "finished".
messages() {
  awk '
    function flush_text(s) { gsub(/\n/, "\\n", s); return s }
    /<name>/ { c = $0; sub(/.*<name>/, "", c); sub(/<\/name>.*/, "", c); context = c }
    /<source>/ { insource = 1; text = "" }
    insource {
      line = $0
      if (line ~ /<source>/) sub(/.*<source>/, "", line)
      if (line ~ /<\/source>/) { sub(/<\/source>.*/, "", line); insource = 0 }
      text = (text == "" && !started) ? line : text "\n" line
      started = 1
      if (!insource) { source = text; started = 0 }
      next
    }
    /<translation/ {
      state = ($0 ~ /type="(unfinished|vanished|obsolete)"/) ? "unfinished" : "finished"
      if ($0 ~ /<translation[^>]*\/>/ || $0 ~ /<translation[^>]*><\/translation>/) state = "unfinished"
      printf "%s\t%s\t%s\n", state, context, flush_text(source)
    }
  ' "$1"
}

status=0
for lang in en es; do
  committed=resources/translations/$lang.ts
  if [ ! -f "$committed" ]; then
    echo "check_translations: $committed is missing" >&2
    status=1
    continue
  fi
  cp "$committed" "$tmp/$lang.ts"
  "$LUPDATE" -silent -no-obsolete -locations none -source-language ru -target-language "$lang" \
    "${SOURCES[@]}" -ts "$tmp/$lang.ts"

  messages "$committed" | sort > "$tmp/$lang.committed"
  messages "$tmp/$lang.ts" | sort > "$tmp/$lang.updated"
  cut -f2- "$tmp/$lang.committed" | sort -u > "$tmp/$lang.committed.keys"
  cut -f2- "$tmp/$lang.updated" | sort -u > "$tmp/$lang.updated.keys"

  missing=$(comm -13 "$tmp/$lang.committed.keys" "$tmp/$lang.updated.keys")
  unfinished=$(grep '^unfinished' "$tmp/$lang.updated" | cut -f2- || true)
  gone=$(comm -23 "$tmp/$lang.committed.keys" "$tmp/$lang.updated.keys")
  total=$(wc -l < "$tmp/$lang.updated")

  if [ -n "$missing" ]; then
    echo "check_translations: $committed lacks $(printf '%s\n' "$missing" | wc -l) text(s) of the sources:" >&2
    printf '%s\n' "$missing" | sed 's/^/  /' | tr '\t' ' ' >&2
    status=1
  fi
  if [ -n "$unfinished" ]; then
    echo "check_translations: $committed has $(printf '%s\n' "$unfinished" | wc -l) unfinished message(s):" >&2
    printf '%s\n' "$unfinished" | sed 's/^/  /' | tr '\t' ' ' >&2
    status=1
  fi
  if [ -z "$missing" ] && [ -z "$gone" ] && ! cmp -s "$committed" "$tmp/$lang.ts"; then
    echo "check_translations: note: $committed is not in the layout lupdate writes (run lupdate on it)"
  fi
  if [ -n "$gone" ]; then
    echo "check_translations: note: $committed holds $(printf '%s\n' "$gone" | wc -l) text(s) no longer in the sources"
  fi
  echo "check_translations: $lang: $total messages"
done

if [ "$status" -ne 0 ]; then
  echo "check_translations: FAILED" >&2
else
  echo "check_translations: OK"
fi
exit "$status"

#!/bin/bash
# Times `postcraft-cli letters print` of a one-page letter with merge fields
# in several fonts and sizes over generated address tables of 1,000 and
# 10,000 records (the goal: 10,000 letters to PDF within 20 s).
#   bench/letters/print_letters_bench.sh
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
cli="${POSTCRAFT_CLI:-$root/build/src/cli/postcraft-cli}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
python3 - <<'PY'
import random
random.seed(11)
with open('all.csv', 'w') as f:
    f.write('PREFIX,FNAME,MIDDLE,LNAME,TITLE,ORG,STREET,CITY,STATE,ZIP,USER1\n')
    for i in range(10000):
        f.write('Ms.,First%d,Q,Name%d,Director,Acme %d Inc,%d MAIN ST,SPRINGFIELD,IL,%05d,Note %d\n'
                % (i, i, i % 97, random.randint(1, 9999), random.randint(500, 99950), i))
PY
body="Thank you for your support over the past year. Your gift made a real difference to the families we serve, and we wanted to write and tell you what it has meant to them. "
{
  printf '{\\rtf1\\ansi{\\fonttbl{\\f0 Times New Roman;}{\\f1 Arial;}}'
  printf '\\paperw12240\\paperh15840\\margl1440\\margr1440\\margt1440\\margb1440\n'
  printf '\\f0\\fs24 [Name and Address]\\par\\par\\qr [Long Date]\\par\\ql\\par '
  printf 'Dear {\\b [Prefix] [Last]},\\par\\par'
  for _ in 1 2 3; do printf '\\fi360 %s%s\\par\\par\n' "$body" "$body"; done
  printf '{\\f1\\fs20\\i [Comment 1]} for [Full Name]at [Organization].\\par\\par'
  printf 'Yours sincerely,\\par\\par\\par The Committee\\par}'
} >letter.rtf
mkdir -p home/sysdata
"$cli" letters add --home home --description Thanks --rtf letter.rtf
for n in 1000 10000; do
  head -$((n + 1)) all.csv >"m$n.csv"
  "$cli" db create-address "T$n.DBF"
  "$cli" db append-csv "T$n.DBF" "m$n.csv" >/dev/null
  /usr/bin/time -f "letters print $n: %e s elapsed, %U s user, %S s system, %M KB peak" \
    "$cli" letters print --home home --db "T$n.DBF" --letter Thanks --date 20260307 \
      --pdf "o$n.pdf" </dev/null
  command -v pdfinfo >/dev/null && pdfinfo "o$n.pdf" | grep Pages
done

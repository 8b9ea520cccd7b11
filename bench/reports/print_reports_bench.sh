#!/bin/bash
# Times `postcraft-cli reports print --builtin 1` (the name, address and
# phone directory) on a generated address table: 100,000 records to one PDF.
#   bench/reports/print_reports_bench.sh [RECORDS]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
cli="${POSTCRAFT_CLI:-$root/build/src/cli/postcraft-cli}"
records="${1:-100000}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
python3 - "$records" <<'PY'
import random, sys
random.seed(7)
with open('all.csv', 'w') as f:
    f.write('LNAME,FNAME,STREET,CITY,STATE,ZIP,PHONE\n')
    for i in range(int(sys.argv[1])):
        f.write('Name%06d,First,%d MAIN ST,SPRINGFIELD,IL,%05d,555-%04d\n'
                % (i, random.randint(1, 9999), random.randint(500, 99950), random.randint(0, 9999)))
PY
mkdir -p home/sysdata
"$cli" db create-address T.DBF
"$cli" db append-csv T.DBF all.csv >/dev/null
/usr/bin/time -f "reports print --builtin 1, $records records: %e s elapsed, %U s user, %S s system, %M KB peak" \
  "$cli" reports print --home home --db T.DBF --builtin 1 --pdf out.pdf
pages="$(pdfinfo out.pdf | awk '/^Pages:/ {print $2}')"
echo "$pages pages"

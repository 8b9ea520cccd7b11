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
"$root/bench/make_address_csv.py" "$records" all.csv
mkdir -p home/sysdata
"$cli" db create-address T.DBF
"$cli" db append-csv T.DBF all.csv >/dev/null
/usr/bin/time -f "reports print --builtin 1, $records records: %e s elapsed, %U s user, %S s system, %M KB peak" \
  "$cli" reports print --home home --db T.DBF --builtin 1 --pdf out.pdf
pages="$(pdfinfo out.pdf | awk '/^Pages:/ {print $2}')"
echo "$pages pages"

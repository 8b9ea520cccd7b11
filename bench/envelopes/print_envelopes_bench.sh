#!/bin/bash
# Times `postcraft-cli envelopes print` on a generated address table: a #10
# envelope with a return address, an address block, a POSTNET barcode and
# a FIM, 10,000 records to one PDF on letter paper fed across.
#   bench/envelopes/print_envelopes_bench.sh [RECORDS]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
cli="${POSTCRAFT_CLI:-$root/build/src/cli/postcraft-cli}"
records="${1:-10000}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
"$root/bench/make_address_csv.py" "$records" all.csv
cat >envelope.json <<'JSON'
{"class": "TGPLabel", "name": "R", "properties": {"Left": 10, "Top": 10, "Width": 200, "Height": 20, "Caption": "Postcraft Mailing Co."}}
{"class": "TGDMultiLineAddressLabel", "name": "A", "properties": {"Left": 380, "Top": 170, "Width": 300, "Height": 90}}
{"class": "TGPostNetBarCode", "name": "B", "properties": {"Left": 380, "Top": 270, "Width": 270, "Height": 16, "ZipCodeField": "ZIP", "AddressField": "STREET"}}
{"class": "TGFIMBarCode", "name": "F", "properties": {"Left": 650, "Top": 0, "Width": 60, "Height": 60}}
JSON
mkdir -p home/sysdata
"$cli" layout load envelope.json in.E
"$cli" envelopes add --home home --description Bulk --size 20 --layout in.E
"$cli" db create-address T.DBF
"$cli" db append-csv T.DBF all.csv >/dev/null
/usr/bin/time -f "envelopes print $records: %e s elapsed, %U s user, %S s system, %M KB peak" \
  "$cli" envelopes print --home home --db T.DBF --layout Bulk --feed landscape,up,center \
  --paper 11x8.5 --pdf out.pdf

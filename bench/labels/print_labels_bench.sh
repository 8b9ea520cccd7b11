#!/bin/bash
# Times `postcraft-cli labels print` and `presort` on generated address
# tables: an Avery 5160 sheet with an address block and a POSTNET barcode,
# 1,000, 10,000 and 100,000 records (PRESORT over 1,000,000 with --big), and
# the preview of the 10,000 (first page, then all pages).
#   bench/labels/print_labels_bench.sh [--big]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
cli="${POSTCRAFT_CLI:-$root/build/src/cli/postcraft-cli}"
preview="${POSTCRAFT_PREVIEW_BENCH:-$root/build/bench/label_preview_bench}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
biggest=100000
[[ "${1:-}" == "--big" ]] && biggest=1000000
"$root/bench/make_address_csv.py" "$biggest" all.csv
cat >label.json <<'JSON'
{"class": "TGDMultiLineAddressLabel", "name": "A", "properties": {"Left": 8, "Top": 6, "Width": 240, "Height": 60}}
{"class": "TGPostNetBarCode", "name": "B", "properties": {"Left": 8, "Top": 72, "Width": 270, "Height": 16, "ZipCodeField": "ZIP", "AddressField": "STREET"}}
JSON
mkdir -p home/sysdata
"$cli" layout load label.json in.L
"$cli" labels add --home home --description Bulk --layout in.L --template "Avery 5160  Address"
for n in 1000 10000 100000; do
  head -$((n + 1)) all.csv >"m$n.csv"
  "$cli" db create-address "T$n.DBF"
  "$cli" db append-csv "T$n.DBF" "m$n.csv" >/dev/null
  /usr/bin/time -f "labels print $n: %e s, %M KB peak" \
    "$cli" labels print --home home --db "T$n.DBF" --layout Bulk --pdf "o$n.pdf"
done
if [[ -x "$preview" ]]; then
  echo -n "label preview 10000: "
  "$preview" home T10000.DBF Bulk 2>/dev/null
fi
if [[ "$biggest" == 1000000 ]]; then
  "$cli" db create-address BIG.DBF
  "$cli" db append-csv BIG.DBF all.csv >/dev/null
  /usr/bin/time -f "presort 1000000: %e s, %M KB peak" "$cli" presort BIG.DBF --out P.PSL
fi

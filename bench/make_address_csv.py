#!/usr/bin/env python3
"""Writes N generated addresses as a CSV file with a header row, the input
the print benchmarks append to a new address table:
    make_address_csv.py N OUT.csv
Names run Name000000, Name000001, ...; streets, ZIP+4 codes and phone
numbers come from a fixed seed, so every run prints the same pages."""
import random
import sys

random.seed(7)
count, out = int(sys.argv[1]), sys.argv[2]
with open(out, 'w') as f:
    f.write('LNAME,FNAME,STREET,CITY,STATE,ZIP,PHONE\n')
    for i in range(count):
        f.write('Name%06d,First,%d MAIN ST,SPRINGFIELD,IL,%05d-%04d,555-%04d\n'
                % (i, random.randint(1, 9999), random.randint(500, 99950),
                   random.randint(0, 9999), random.randint(0, 9999)))

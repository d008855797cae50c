#!/usr/bin/python3
# Loads a common-format file we wrote with the other program's own generic CSV reader (Debian's
# package "chirp") and prints every memory as that program sees it. Not run by ./test. Its Debian 12
# build opens files with mode "rU", which Python 3.11 refuses; the loader below is its own with
# only that mode changed. Run: /usr/bin/python3 read_with_other_program.py FILE.csv
import sys

from chirp.drivers import generic_csv


class Reader(generic_csv.CSVRadio):
    def load(self, filename=None):
        if filename:
            self._filename = filename
        self._blank()
        with open(self._filename, "r") as f:
            return self._load(f)


radio = Reader(sys.argv[1])
if radio.errors:
    print("errors:", radio.errors)
    sys.exit(1)
for mem in radio.get_memories():
    if not mem.empty:
        print(mem.number, mem.freq, repr(mem.duplex), mem.offset, repr(mem.tmode), mem.rtone,
              mem.ctone, mem.dtcs, mem.dtcs_polarity, mem.mode, repr(mem.skip), repr(mem.comment))

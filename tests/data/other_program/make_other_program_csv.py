#!/usr/bin/python3
# Writes other_program_memories.csv (memories of every kind) and other_program_repeaters.csv (10 m
# repeaters all shifted by 0.1 MHz) with the other program's own code: the generic CSV driver of
# Debian's package "chirp" (1:20221106+py3-1 on Debian 12). Not run by ./test: the file it wrote is
# kept beside this script. Run: /usr/bin/python3 make_other_program_csv.py MEMORIES.csv REPEATERS.csv
import sys

from chirp import chirp_common
from chirp.drivers import generic_csv

radio = generic_csv.CSVRadio(None)  # a new file: its sample memory at Location 0 (146.010 MHz)


def memory(number, freq, name, **fields):
    global radio
    mem = chirp_common.DVMemory() if fields.get("mode") == "DV" else chirp_common.Memory()
    mem.number = number
    mem.freq = freq
    mem.name = name
    for key, value in fields.items():
        setattr(mem, key, value)
    radio.set_memory(mem)


memory(1, 28400000, "SIMPLEX")
memory(2, 29620000, "RPT-", duplex="-", offset=100000, tmode="Tone", rtone=88.5)
memory(3, 29520000, "RPT+", duplex="+", offset=100000, tmode="TSQL", ctone=100.0)
memory(4, 29600000, "ODDOFF", duplex="+", offset=600000)
memory(5, 28300000, "SPLIT", duplex="split", offset=28400000)
memory(6, 29000000, "ODDSPLIT", duplex="split", offset=29300000)
memory(7, 28500000, "DTCS", tmode="DTCS", dtcs=754)
memory(8, 28510000, "CROSS", tmode="Cross", cross_mode="Tone->DTCS", rtone=67.0, dtcs=47)
memory(9, 28520000, "TSQLR", tmode="TSQL-R", ctone=88.5)
memory(10, 28530000, "DTCSR", tmode="DTCS-R", dtcs=23)
memory(11, 28600000, "AM", mode="AM")
memory(12, 28610000, "USB", mode="USB")
memory(13, 28620000, "LSB", mode="LSB")
memory(14, 28630000, "CW", mode="CW")
memory(15, 28640000, "NFM", mode="NFM")
memory(16, 28650000, "WFM", mode="WFM")
memory(17, 28660000, "DV", mode="DV", dv_urcall="CQCQCQ", dv_rpt1call="", dv_rpt2call="")
memory(18, 28670000, "RTTY", mode="RTTY")
memory(19, 28700000, "SKIP", skip="S")
memory(20, 30100000, "OUTBAND")
memory(21, 146520000, "2M")
memory(22, 28710000, "TXOFF", duplex="off")
memory(23, 29650000, "OVEREDGE", duplex="+", offset=100000)
memory(24, 28123456, "FINE")
memory(25, 28720000, "REVPOL", tmode="DTCS", dtcs=23, dtcs_polarity="RN")
memory(26, 28730000, "ODDTONE", tmode="Tone", rtone=69.3)
memory(27, 28740000, "COMMENT", comment="calling channel", tuning_step=10.0)
memory(28, 29600000, "ZEROOFF", duplex="+", offset=0)
radio.save(sys.argv[1])

radio = generic_csv.CSVRadio(None)
radio.erase_memory(0)  # this file starts at Location 1
memory(1, 29620000, "R1", duplex="-", offset=100000, tmode="Tone", rtone=88.5)
memory(2, 29640000, "R2", duplex="-", offset=100000)
memory(3, 29560000, "R3", duplex="+", offset=100000, tmode="TSQL", ctone=100.0)
memory(4, 29600000, "SIMPLEX")
radio.save(sys.argv[2])

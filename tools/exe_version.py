#!/usr/bin/env python3
"""Prints the "major.minor" of a Windows program's file version, as the
program itself reads it: the two halves of the fixed version record's most
significant word.
    python3 tools/exe_version.py Tintwright.exe
"""
import struct
import sys

FIXED_FILE_INFO_SIGNATURE = struct.pack("<I", 0xFEEF04BD)


def file_version(data):
    at = data.find(FIXED_FILE_INFO_SIGNATURE)
    if at < 0:
        raise SystemExit("exe_version: no version resource")
    # Signature, structure version, then the file version's high word.
    (most_significant,) = struct.unpack_from("<I", data, at + 8)
    return f"{most_significant >> 16}.{most_significant & 0xFFFF}"


if __name__ == "__main__":
    with open(sys.argv[1], "rb") as exe:
        print(file_version(exe.read()))

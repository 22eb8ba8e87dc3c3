"""Writes a zip of the named files of the current folder that holds nothing
of the machine or the moment of the build: every entry carries the time
SOURCE_DATE_EPOCH in UTC, the same attributes and no owner or extra fields,
so that the same files give the same bytes on any machine.

    SOURCE_DATE_EPOCH=... write_zip.py <zip> <file>...
"""
import os
import sys
import time
import zipfile

MS_DOS = 0

def main(zip_path, names):
    moment = time.gmtime(int(os.environ["SOURCE_DATE_EPOCH"]))[:6]
    with zipfile.ZipFile(zip_path, "w") as archive:
        for name in names:
            entry = zipfile.ZipInfo(name, moment)
            entry.create_system = MS_DOS
            entry.compress_type = zipfile.ZIP_DEFLATED
            with open(name, "rb") as file:
                archive.writestr(entry, file.read())

if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2:])

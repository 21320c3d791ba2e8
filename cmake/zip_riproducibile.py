"""Writes a zip of files in the working directory that is the same bytes for
the same files wherever and whenever it is made: entries in the order given,
each dated SOURCE_DATE_EPOCH in UTC, with fixed permissions and no owner,
access time or other extra field. (libarchive, behind CPack's zip, writes
the local time and the builder's user and group.)

Usage: zip_riproducibile.py ZIP SOURCE_DATE_EPOCH FILE...
"""

import sys
import time
import zipfile

# A zip entry's date cannot be before 1980.
INIZIO_ZIP = 315532800


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    archivio, epoca, *nomi = sys.argv[1:]
    data = time.gmtime(max(int(epoca), INIZIO_ZIP))[:6]
    with zipfile.ZipFile(archivio, "w") as zip_:
        for nome in nomi:
            voce = zipfile.ZipInfo(nome, data)
            voce.compress_type = zipfile.ZIP_DEFLATED
            voce.create_system = 3  # Unix, whose permission bits follow
            permessi = 0o755 if nome.lower().endswith(".exe") else 0o644
            voce.external_attr = (0o100000 | permessi) << 16
            with open(nome, "rb") as file_:
                zip_.writestr(voce, file_.read())


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Packs Purgox for people on Windows.

usage: make_dist.py ZIP EXE HELP_PAGE README LICENSE

Writes ZIP holding, at its top level: the executable as Purgox.exe, the help
page as Purgox.html with every picture it shows (help/*.png, taken from the
folder beside the page), the read-me as 読んでください.txt in Shift-JIS with
CR LF line ends, and the licence as LICENSE with CR LF line ends.

Names are stored in Shift-JIS without the UTF-8 flag, which is what the
extractor of a Japanese Windows reads; an Info-ZIP Unicode Path field carries
the same names for tools that look for it.
"""

import os
import re
import struct
import sys
import time
import zipfile
import zlib

README_NAME = "読んでください.txt"


class ShiftJisName(zipfile.ZipInfo):
    """An entry whose name is stored in code page 932."""

    def __init__(self, name, date_time):
        super().__init__(name, date_time)
        if not name.isascii():
            raw = name.encode("cp932")
            utf8 = name.encode("utf-8")
            self.extra = struct.pack("<HHBI", 0x7075, 5 + len(utf8), 1,
                                     zlib.crc32(raw)) + utf8
        self.compress_type = zipfile.ZIP_DEFLATED
        self.external_attr = 0o644 << 16

    def _encodeFilenameFlags(self):
        return self.filename.encode("cp932"), self.flag_bits


def windows_text(path, encoding):
    with open(path, encoding="utf-8") as f:
        text = f.read()
    return text.replace("\r\n", "\n").replace("\n", "\r\n").encode(encoding)


def pictures_of(page):
    with open(page, encoding="utf-8") as f:
        return sorted(set(re.findall(r'<img src="([^"]+)"', f.read())))


def main(argv):
    if len(argv) != 6:
        sys.stderr.write(__doc__.split("\n\n")[1] + "\n")
        return 2
    zip_path, exe, page, readme, licence = argv[1:]
    entries = [
        ("Purgox.exe", exe, None),
        ("Purgox.html", page, None),
        *[(src, os.path.join(os.path.dirname(page), src), None)
          for src in pictures_of(page)],
        (README_NAME, readme, "cp932"),
        ("LICENSE", licence, "ascii"),
    ]
    os.makedirs(os.path.dirname(zip_path) or ".", exist_ok=True)
    partial = zip_path + ".part"
    with zipfile.ZipFile(partial, "w") as archive:
        for name, source, encoding in entries:
            stamp = time.localtime(os.stat(source).st_mtime)
            info = ShiftJisName(name, tuple(stamp)[:6])
            if encoding:
                data = windows_text(source, encoding)
            else:
                with open(source, "rb") as f:
                    data = f.read()
            archive.writestr(info, data)
    os.replace(partial, zip_path)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

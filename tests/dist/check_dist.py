#!/usr/bin/env python3
"""Opens the release archive as someone on a Japanese Windows would and checks
what it holds.

usage: check_dist.py DIST_FOLDER OBJDUMP

- one archive in the folder, named after the version;
- the entries, under the names a Japanese Windows shows (Shift-JIS without
  the UTF-8 flag): the program, the help page, each picture the page shows
  and nothing more, the read-me, the licence;
- the read-me is Shift-JIS text with CR LF line ends, the licence is MIT's;
- the program imports only libraries every Windows has, asks for Windows 7
  in its header, and its about box and manifest carry the version of the
  archive's name.
"""

import os
import re
import subprocess
import sys
import tempfile
import zipfile

# Every Windows since 7 has these; no compiler runtime is among them.
SYSTEM_LIBRARIES = {
    "kernel32.dll", "user32.dll", "gdi32.dll", "shell32.dll", "comctl32.dll",
    "msvcrt.dll", "advapi32.dll", "comdlg32.dll", "ole32.dll", "oleaut32.dll",
    "shlwapi.dll", "version.dll", "ntdll.dll",
}

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def entry_name(info):
    if info.flag_bits & 0x800:
        failures.append(f"{info.filename}: stored with the UTF-8 flag")
        return info.filename
    return info.filename.encode("cp437").decode("cp932")


def private_headers(objdump, exe_bytes):
    with tempfile.TemporaryDirectory() as folder:
        exe = os.path.join(folder, "Purgox.exe")
        with open(exe, "wb") as f:
            f.write(exe_bytes)
        return subprocess.run([objdump, "-p", exe], check=True,
                              capture_output=True, text=True).stdout


def main(argv):
    folder, objdump = argv[1:]
    archives = os.listdir(folder)
    if len(archives) != 1:
        print(f"FAIL: {folder} holds {archives}, not one archive")
        return 1
    zip_path = os.path.join(folder, archives[0])
    version = re.fullmatch(r"Purgox-(\d+)\.(\d)(\d)-win64\.zip",
                           os.path.basename(zip_path))
    check(version, f"{zip_path}: not named Purgox-<version>-win64.zip")
    with zipfile.ZipFile(zip_path) as archive:
        files = {entry_name(i): archive.read(i) for i in archive.infolist()}

    page = files.get("Purgox.html", b"").decode("utf-8")
    pictures = set(re.findall(r'<img src="([^"]+)"', page))
    check(len(pictures) >= 5, f"the help page shows {len(pictures)} pictures")
    expected = {"Purgox.exe", "Purgox.html", "読んでください.txt", "LICENSE"} | pictures
    check(set(files) == expected,
          f"entries {sorted(files)}, expected {sorted(expected)}")
    for picture in pictures & set(files):
        check(files[picture].startswith(b"\x89PNG"), f"{picture}: not a PNG")

    readme = files.get("読んでください.txt", b"")
    try:
        text = readme.decode("cp932")
        check("Purgox.exe" in text and "Purgox.dat" in text,
              "the read-me names neither the program nor its settings file")
    except UnicodeDecodeError as e:
        failures.append(f"the read-me is not Shift-JIS: {e}")
    check(readme.endswith(b"\r\n") and readme.count(b"\n") == readme.count(b"\r\n"),
          "the read-me's lines do not all end in CR LF")
    check(files.get("LICENSE", b"").startswith(b"MIT License"),
          "LICENSE is not the MIT licence")

    exe = files.get("Purgox.exe", b"")
    headers = private_headers(objdump, exe)
    libraries = {name.lower() for name in re.findall(r"DLL Name: (\S+)", headers)}
    check("kernel32.dll" in libraries, f"no imports found: {libraries}")
    check(re.search(r"MajorSubsystemVersion\s+6\s+MinorSubsystemVersion\s+1\b", headers),
          "the program does not ask for Windows 7")
    check(libraries <= SYSTEM_LIBRARIES,
          f"imports beyond the system: {sorted(libraries - SYSTEM_LIBRARIES)}")
    if version:
        major, minor, patch = version.groups()
        about = f"Purgox Version {major}.{minor}{patch}".encode("utf-16-le")
        check(about in exe, "the about box does not show the archive's version")
        check(f'version="{major}.{minor}.{patch}.'.encode() in exe,
              "the manifest does not carry the archive's version")
    check(b"<dpiAware" in exe, "the manifest declares no DPI awareness")

    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

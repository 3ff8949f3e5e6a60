#!/usr/bin/env python3
"""Checks the Windows images themselves:
    check_images.py --target TRIPLET ROWLAY.exe COLLAY.exe
TRIPLET is i686-w64-mingw32 (PE32, i386) or x86_64-w64-mingw32 (PE32+, x86-64).

Machine, subsystem and imports come from objdump's view of the PE headers,
the version records and the icon from the resources (icoutils)."""
import argparse
import re
import struct
import subprocess
import sys
import tempfile

SYSTEM_DLLS = {"kernel32.dll", "msvcrt.dll", "user32.dll", "advapi32.dll", "ntdll.dll"}
BOUND_BY_NAME = ["AllocConsole", "GetStdHandle", "WriteConsoleA", "ReadConsoleA", "FreeConsole",
                 "RtlMoveMemory"]
# What each target's images must be: objdump's name for the file format,
# and the optional header's magic.
TARGETS = {
    "i686-w64-mingw32": ("pei-i386", "010b", "PE32"),
    "x86_64-w64-mingw32": ("pei-x86-64", "020b", "PE32+"),
}
failures = []
target = None


def check(condition, message):
    if not condition:
        failures.append(message)


def run(*command):
    return subprocess.run(command, check=True, capture_output=True).stdout


def headers(image):
    return run(f"{target}-objdump", "-p", image).decode()


def imported_functions(dump):
    # Import tables list one function per line under their DLL, as
    # "<hint> <ordinal> <name>" or "<hint> <name>".
    return set(re.findall(r"^\s+[0-9a-f]+\s+(?:[0-9]+\s+)?(\w+)$", dump, re.MULTILINE))


def check_headers(image, subsystem):
    dump = headers(image)
    file_format, magic, kind = TARGETS[target]
    check(f"file format {file_format}\n" in dump, f"{image}: not a {file_format} image")
    check(re.search(rf"^Magic\s+{magic}\s+\({re.escape(kind)}\)", dump, re.MULTILINE),
          f"{image}: not {kind}")
    check(re.search(rf"^Subsystem\s+0000000{subsystem[0]}\s+\({subsystem[1]}\)", dump, re.MULTILINE),
          f"{image}: subsystem is not {subsystem[1]}")
    dlls = {name.lower() for name in re.findall(r"DLL Name: (\S+)", dump)}
    check(dlls and dlls <= SYSTEM_DLLS, f"{image}: imports DLLs beyond the system's: {sorted(dlls)}")
    return dump


def version_record(image):
    raw = run("wrestool", "-x", "--raw", "--type=16", image)
    signature = raw.find(struct.pack("<I", 0xFEEF04BD))
    if signature < 0:
        return None, {}
    fixed = struct.unpack_from("<IIIIII", raw, signature)
    file_version = (fixed[2] >> 16, fixed[2] & 0xFFFF, fixed[3] >> 16, fixed[3] & 0xFFFF)
    product_version = (fixed[4] >> 16, fixed[4] & 0xFFFF, fixed[5] >> 16, fixed[5] & 0xFFFF)
    text = raw.decode("utf-16-le", errors="replace")
    strings = dict(re.findall(r"(FileVersion|ProductVersion)\x00+([^\x00]+)", text))
    return (file_version, product_version), strings


def check_version(image, version_strings):
    numbers, strings = version_record(image)
    check(numbers == ((1, 0, 0, 0), (1, 0, 0, 0)),
          f"{image}: numeric file and product version are {numbers}, not 1.0.0.0")
    for key in ("FileVersion", "ProductVersion"):
        check(strings.get(key) == version_strings,
              f"{image}: {key} string is {strings.get(key)!r}, not {version_strings!r}")


def check_icon(image):
    with tempfile.TemporaryDirectory() as folder:
        icon = folder + "/icon.ico"
        run("wrestool", "-x", "--type=group_icon", "-o", icon, image)
        listing = run("icotool", "-l", icon).decode()
    images = sorted(re.findall(r"--width=(\d+) --height=(\d+) --bit-depth=(\d+) --palette-size=(\d+)",
                               listing))
    expected = sorted([("32", "32", "1", "2"), ("32", "32", "4", "16"), ("16", "16", "4", "16")])
    check(images == expected, f"{image}: icon images are {images}, not {expected}")


def main():
    global target
    arguments = argparse.ArgumentParser(description="Checks the Windows images.")
    arguments.add_argument("--target", choices=sorted(TARGETS), required=True)
    arguments.add_argument("rowlay")
    arguments.add_argument("collay")
    options = arguments.parse_args()
    target, rowlay, collay = options.target, options.rowlay, options.collay
    check_headers(rowlay, ("3", "Windows CUI"))
    check_version(rowlay, "1.0.0.0")

    dump = check_headers(collay, ("2", "Windows GUI"))
    imported = imported_functions(dump)
    check(imported, f"{collay}: no imported functions found; the check would pass blindly")
    for name in BOUND_BY_NAME:
        check(name not in imported, f"{collay}: imports {name}, which it must bind by name")
    check("LoadLibraryA" in imported and "GetProcAddress" in imported,
          f"{collay}: does not import LoadLibraryA and GetProcAddress")
    check_version(collay, "1.00")
    check_icon(collay)

    for failure in failures:
        print("FAILED:", failure)
    print(f"image checks: {'all held' if not failures else str(len(failures)) + ' failed'}")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()

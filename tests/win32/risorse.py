"""Varnelo.exe's version record and icon group, read from the file: the
version, as shown and in numbers (with a fourth 0), in Italian (0x0410,
Unicode), one icon group of three images (32 x 32 in two and sixteen colours,
16 x 16 in sixteen). Prints each fault.

Usage: risorse.py EXE SHOWN_VERSION VERSION
"""
import struct
import sys

import pefile

STRINGS = {"ProductName": "Varnelo", "InternalName": "Varnelo",
           "OriginalFilename": "Varnelo.exe"}
ITALIAN = 0x0410
IMAGES = sorted([(32, 32, 1), (32, 32, 4), (16, 16, 4)])


def version_faults(pe, shown, numbers):
    found = []
    expected_fixed = (numbers[0] << 16 | numbers[1], numbers[2] << 16 | numbers[3])
    fixed = pe.VS_FIXEDFILEINFO[0] if getattr(pe, "VS_FIXEDFILEINFO", None) else None
    if fixed is None:
        return ["no version record"]
    for name in ("FileVersion", "ProductVersion"):
        version = (getattr(fixed, name + "MS"), getattr(fixed, name + "LS"))
        if version != expected_fixed:
            found.append(f"fixed {name} {version[0]:#010x} {version[1]:#010x}, not {numbers}")
    strings, translations = {}, []
    for info in (entry for group in pe.FileInfo for entry in group):
        if info.Key == b"StringFileInfo":
            for table in info.StringTable:
                if table.LangID.lower() == b"041004b0":
                    strings.update(table.entries)
        elif info.Key == b"VarFileInfo":
            translations += [v for var in info.Var for v in var.entry.values()]
    for name, expected in {**STRINGS, "FileVersion": shown, "ProductVersion": shown}.items():
        value = strings.get(name.encode(), b"(missing)").decode()
        if value != expected:
            found.append(f"{name} '{value}', not '{expected}'")
    if translations != ["0x0410 0x04b0"]:
        found.append(f"translations {translations}, not Italian in Unicode alone")
    return found


def icon_faults(pe):
    found = []
    resources = getattr(pe, "DIRECTORY_ENTRY_RESOURCE", None)
    kinds = {kind.id: kind for kind in resources.entries} if resources else {}
    version = kinds.get(pefile.RESOURCE_TYPE["RT_VERSION"])
    languages = [lang.id for name in version.directory.entries
                 for lang in name.directory.entries] if version else []
    if languages != [ITALIAN]:
        found.append(f"version record in languages {languages}, not Italian alone")
    groups = kinds.get(pefile.RESOURCE_TYPE["RT_GROUP_ICON"])
    names = groups.directory.entries if groups else []
    if len(names) != 1:
        return found + [f"{len(names)} icon groups, not one"]
    data = names[0].directory.entries[0].data.struct
    group = pe.get_data(data.OffsetToData, data.Size)
    count = struct.unpack_from("<H", group, 4)[0]
    images = sorted((w, h, bits) for w, h, _, _, _, bits, _, _
                    in (struct.unpack_from("<BBBBHHIH", group, 6 + 14 * i) for i in range(count)))
    if images != IMAGES:
        found.append(f"icon images {images}, not {IMAGES}")
    return found


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    pe = pefile.PE(sys.argv[1])
    found = version_faults(pe, sys.argv[2], [int(n) for n in sys.argv[3].split(".")] + [0])
    found += icon_faults(pe)
    for fault in found:
        print(fault)
    sys.exit(1 if found else 0)

"""Varnelo.exe's PE header and manifest fit its processor and Windows 7 SP1:
the machine type is the processor's, the subsystem version at most 6.1 (the
highest Windows 7 starts), the time stamp the build's SOURCE_DATE_EPOCH (the
build's own time would make every build differ), and the manifest names the
same processor and Windows 7 among its supported systems.

Usage: intestazione.py EXE PROCESSOR SOURCE_DATE_EPOCH  (PROCESSOR as CMake
names it: x86_64 or i686)
"""
import sys
import xml.etree.ElementTree as ET

import pefile

MACHINES = {"x86_64": (pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_AMD64"], "amd64"),
            "i686": (pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_I386"], "x86")}
SUPPORTED_OS = {
    "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}": "Windows 7",
    "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}": "Windows 8",
    "{1f676c76-80e1-4239-95bb-83d0f6d0da78}": "Windows 8.1",
    "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}": "Windows 10 and 11",
}
ASM_V1 = "{urn:schemas-microsoft-com:asm.v1}"
COMPATIBILITY = "{urn:schemas-microsoft-com:compatibility.v1}"


def manifest(pe):
    """The text of the RT_MANIFEST resource, or None."""
    resources = getattr(pe, "DIRECTORY_ENTRY_RESOURCE", None)
    for kind in resources.entries if resources is not None else []:
        if kind.id == pefile.RESOURCE_TYPE["RT_MANIFEST"]:
            data = kind.directory.entries[0].directory.entries[0].data.struct
            return pe.get_data(data.OffsetToData, data.Size)
    return None


def faults(exe, processor, source_date_epoch):
    pe = pefile.PE(exe)
    machine, architecture = MACHINES[processor]
    found = []
    if pe.FILE_HEADER.Machine != machine:
        found.append(f"machine type {pe.FILE_HEADER.Machine:#x}, not {machine:#x} ({processor})")
    subsystem = (pe.OPTIONAL_HEADER.MajorSubsystemVersion,
                 pe.OPTIONAL_HEADER.MinorSubsystemVersion)
    if subsystem > (6, 1):
        found.append("subsystem version %d.%d: Windows 7 starts at most 6.1" % subsystem)
    if pe.FILE_HEADER.TimeDateStamp != source_date_epoch:
        found.append(f"time stamp {pe.FILE_HEADER.TimeDateStamp}, not SOURCE_DATE_EPOCH "
                     f"{source_date_epoch}")

    text = manifest(pe)
    if text is None:
        return found + ["no manifest"]
    root = ET.fromstring(text)
    identity = root.find(f"{ASM_V1}assemblyIdentity")
    named = identity.get("processorArchitecture") if identity is not None else None
    if named != architecture:
        found.append(f"the manifest names processor {named}, not {architecture}")
    ids = {e.get("Id").lower() for e in root.iter(f"{COMPATIBILITY}supportedOS")}
    found += [f"the manifest does not name {name}" for guid, name in SUPPORTED_OS.items()
              if guid not in ids]
    return found


if __name__ == "__main__":
    if len(sys.argv) != 4 or sys.argv[2] not in MACHINES:
        sys.exit(__doc__)
    found = faults(sys.argv[1], sys.argv[2], int(sys.argv[3]))
    for fault in found:
        print(fault)
    sys.exit(1 if found else 0)

"""Varnelo.exe binds its three system routines by name at run time, so none
may be in its import table; and, linked statically, it imports only DLLs of
Windows itself."""
import sys

import pefile

BOUND_BY_NAME = {b"GetWindowsDirectoryA", b"GetSystemInfo", b"GetVolumeInformationA"}
RUNTIME_DLLS = ("libstdc++", "libgcc", "libwinpthread")

pe = pefile.PE(sys.argv[1])
imported = {
    (entry.dll.decode().lower(), imp.name)
    for entry in getattr(pe, "DIRECTORY_ENTRY_IMPORT", [])
    for imp in entry.imports
}
failures = [f"imports {name.decode()} from {dll}" for dll, name in imported if name in BOUND_BY_NAME]
failures += [f"needs {dll}" for dll in {dll for dll, _ in imported} if dll.startswith(RUNTIME_DLLS)]
if not any(dll == "user32.dll" for dll, _ in imported):
    failures.append("the import table was not read (no user32.dll)")
for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)

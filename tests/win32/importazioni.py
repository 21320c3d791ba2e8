"""An executable's import table, as Windows 7 SP1's loader would take it.

Varnelo.exe binds its three system routines by name at run time, so none may
be imported; linked statically, it imports only DLLs of Windows itself, and
only Known DLLs, which the loader never looks for in the program's folder
(a DLL planted there would run inside the program); and every function it
imports must exist on Windows 7 SP1, or the loader refuses to start it. The
functions are checked against the mingw-w64 headers, which declare only what
the Windows named by _WIN32_WINNT has.

Usage: importazioni.py EXE COMPILER (the mingw-w64 g++ of EXE's processor).
Prints one line per fault and exits 1 if there is any.
"""
import os
import re
import subprocess
import sys

import pefile

BOUND_BY_NAME = {"GetWindowsDirectoryA", "GetSystemInfo", "GetVolumeInformationA"}
RUNTIME_DLLS = ("libstdc++", "libgcc", "libwinpthread")

CRT_HEADERS = ["stdio.h", "stdlib.h", "string.h", "wchar.h", "errno.h", "locale.h", "signal.h",
               "setjmp.h", "process.h", "io.h", "direct.h", "sys/stat.h", "ctype.h", "math.h",
               "time.h"]

# Known DLLs of every Windows from 7 SP1 on (the KnownDLLs key of its Session
# Manager) that a program like this may need, with the headers that declare
# their functions. Any other DLL is loaded at run time from the system directory.
KNOWN_DLLS = {
    "kernel32.dll": [],
    "user32.dll": [],
    "gdi32.dll": [],
    "advapi32.dll": [],
    "shell32.dll": ["shellapi.h", "shlobj.h"],
    "ole32.dll": ["objbase.h"],
    "oleaut32.dll": ["oleauto.h"],
    "msvcrt.dll": CRT_HEADERS,
}

# Later functions that the headers declare even for Windows 7.
LATER_BUT_DECLARED = {
    "kernel32.dll": {
        "GetSystemTimePreciseAsFileTime", "WaitOnAddress", "WakeByAddressSingle",
        "WakeByAddressAll", "InitializeSynchronizationBarrier", "EnterSynchronizationBarrier",
        "DeleteSynchronizationBarrier", "CopyFile2", "GetOverlappedResultEx",
        "CreateFileMappingFromApp",
        # Windows 7 has these only with update KB2533623, not with SP1 alone.
        "SetDefaultDllDirectories", "AddDllDirectory", "RemoveDllDirectory",
    },
    "user32.dll": {"SetCoalescableTimer"},
}

# msvcrt.dll's start-up entries that mingw-w64's start-up code calls and no
# public header declares; every msvcrt.dll since Windows 2000 has them.
CRT_STARTUP = {"__set_app_type", "__getmainargs", "__wgetmainargs", "__initenv", "__winitenv",
               "_amsg_exit", "_commode", "__p__commode", "_initterm"}


def imports(pe):
    """(dll, function) pairs, the DLL in lower case; function None if by ordinal."""
    return sorted(
        (entry.dll.decode().lower(), imp.name.decode() if imp.name else None)
        for entry in getattr(pe, "DIRECTORY_ENTRY_IMPORT", [])
        for imp in entry.imports)


def undeclared_for_windows_7(compiler, functions):
    """The functions among (dll, name) that the headers do not declare for Windows 7 SP1."""
    headers = ["windows.h"] + sorted({h for dll, _ in functions for h in KNOWN_DLLS[dll]})
    lines = [f"#include <{h}>" for h in headers] + ["void take_addresses(void) {"]
    line_of = {}
    for function in functions:
        # A name that the headers define as a macro (msvcrt's data on x86) is theirs too.
        lines.append(f"#ifndef {function[1]}")
        lines.append(f"(void)&{function[1]};")
        line_of[len(lines)] = function
        lines.append("#endif")
    lines.append("}")
    result = subprocess.run(
        [compiler, "-x", "c", "-fsyntax-only", "-fmax-errors=0", "-D_WIN32_WINNT=0x0601",
         "-DWINVER=0x0601", "-"],
        input="\n".join(lines) + "\n", capture_output=True, text=True,
        env=dict(os.environ, LC_ALL="C"), check=False)
    error_lines = {int(n) for n in re.findall(r"^<stdin>:(\d+):\d+: error:", result.stderr, re.M)}
    if result.returncode != 0 and not error_lines:
        sys.exit(f"{compiler} failed:\n{result.stderr}")
    if not error_lines <= line_of.keys():
        sys.exit(f"the headers themselves fail to compile:\n{result.stderr}")
    return [line_of[n] for n in error_lines]


def faults(exe, compiler):
    pe = pefile.PE(exe)
    imported = imports(pe)
    found = [f"imports {name} from {dll}" for dll, name in imported if name in BOUND_BY_NAME]
    dlls = sorted({dll for dll, _ in imported})
    found += [f"needs {dll}" for dll in dlls if dll.startswith(RUNTIME_DLLS)]
    found += [f"{dll}: not one of Windows' Known DLLs" for dll in dlls
              if dll not in KNOWN_DLLS and not dll.startswith(RUNTIME_DLLS)]
    if "user32.dll" not in dlls:
        found.append("the import table was not read (no user32.dll)")

    known = [(dll, name) for dll, name in imported if dll in KNOWN_DLLS]
    found += [f"{dll}: a function imported by number, which cannot be checked"
              for dll, name in known if name is None]
    to_compile = [(dll, name) for dll, name in known
                  if name is not None and name not in CRT_STARTUP]
    later = [(dll, name) for dll, name in to_compile if name in LATER_BUT_DECLARED.get(dll, ())]
    later += undeclared_for_windows_7(compiler, to_compile)
    found += [f"{dll}!{name}: not in Windows 7 SP1" for dll, name in sorted(later)]
    return found


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    found = faults(sys.argv[1], sys.argv[2])
    for fault in found:
        print(fault)
    sys.exit(1 if found else 0)

"""Runs the MinGW-w64 compiler in syntax-only mode over the translation units of the given source
folders, taking each unit's include folders and definitions from the Linux build's
compile_commands.json. Prints each unit that fails with its errors, then a count; exits 1 when
any unit failed."""
import json
import os
import shlex
import subprocess
import sys
import tempfile
from concurrent.futures import ThreadPoolExecutor

compiler, database, *folders = sys.argv[1:]
root = os.getcwd()
units = []
for entry in json.load(open(database)):
    path = os.path.relpath(entry["file"], root)
    # The library's own files, and the moc output compiled for them in the build folder.
    in_sources = any(path.startswith(f + "/") for f in folders)
    in_autogen = any(path.startswith("build/" + f + "/") for f in folders) and "_autogen/" in path
    # Targets outside the default build (a drawing tool run by hand) may have no generated files.
    if (in_sources or in_autogen) and os.path.exists(entry["file"]):
        units.append(entry)

# Headers the Windows toolchain has no copy of, taken from the Linux system one by one (never the
# whole of /usr/include, whose C library headers would shadow Windows' own).
borrowed = tempfile.mkdtemp(prefix="wincheck-")
for name in ("sodium.h", "sodium"):
    if os.path.exists("/usr/include/" + name):
        os.symlink("/usr/include/" + name, os.path.join(borrowed, name))


def arguments(entry):
    args = shlex.split(entry["command"]) if "command" in entry else list(entry["arguments"])
    kept, skip = [], False
    for arg in args[1:]:
        if skip:
            skip = False
            continue
        if arg == "-o":
            skip = True
            continue
        if arg == "-c" or arg.startswith(("-fsanitize", "-fno-sanitize")):
            continue
        kept.append(arg)
    return [compiler, "-fsyntax-only", "-Wno-attributes", "-idirafter", borrowed] + kept


def check(entry):
    result = subprocess.run(arguments(entry), cwd=entry["directory"], capture_output=True, text=True)
    return entry["file"], result.returncode, result.stderr


failed = 0
with ThreadPoolExecutor(max_workers=2) as pool:
    for path, code, errors in pool.map(check, units):
        if code != 0:
            failed += 1
            print("FAILED " + os.path.relpath(path, root) + "\n" + errors)
print(f"wincheck: {len(units) - failed} of {len(units)} units compile for Windows")
sys.exit(1 if failed or not units else 0)

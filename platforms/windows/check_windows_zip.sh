#!/usr/bin/env bash
# The zip's read-mes as Windows' Notepad reads them: UTF-8 with a byte-order
# mark, every line ending in CR LF (the list of keys too), and that list
# there, as the help gives it.
# usage: check_windows_zip.sh ZIP
set -euo pipefail
exec python3 - "$1" <<'PYTHON'
import sys
import zipfile

failures = []
with zipfile.ZipFile(sys.argv[1]) as archive:
    names = [name for name in archive.namelist() if name.endswith(("/README.txt", "/ПРОЧЕТИ.txt"))]
    if len(names) != 2:
        failures.append("read-mes in the zip: %s" % names)
    for name in names:
        data = archive.read(name)
        if not data.startswith(b"\xef\xbb\xbf"):
            failures.append("%s has no byte-order mark" % name)
        lines = data.split(b"\n")
        bare = [i + 1 for i, line in enumerate(lines[:-1]) if not line.endswith(b"\r")]
        if bare:
            failures.append("%s: lines %s end in LF alone" % (name, bare))
        if lines[-1] not in (b"",):
            failures.append("%s: the last line has no line end" % name)
        if "  Помощ: F1\r\n" not in data.decode("utf-8-sig"):
            failures.append("%s: the list of keys is missing" % name)
for failure in failures:
    print("FAIL:", failure)
print("the read-mes are as Notepad reads them" if not failures else "%d failed" % len(failures))
sys.exit(1 if failures else 0)
PYTHON

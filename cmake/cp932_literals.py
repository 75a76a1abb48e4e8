"""Copies a UTF-8 C++ source with every character beyond ASCII spelled as
octal escapes of its Shift-JIS (code page 932) bytes, for compilers that
cannot convert string literals themselves (clang). Three-digit octal escapes
never run into the character that follows them.

    python3 cp932_literals.py SOURCE COPY
"""
import re
import sys

source, copy = sys.argv[1], sys.argv[2]
with open(source, encoding="utf-8") as f:
    text = f.read()
escaped = re.sub(r"[^\x00-\x7f]+", lambda m: "".join("\\%03o" % b for b in m.group().encode("cp932")), text)
with open(copy, "w", encoding="ascii") as f:
    f.write(escaped)

"""Writes the release archives; called by scripts/package from the top folder.

Usage: python3 scripts/package.py TIME VERSION ZIP PROGRAM [ZIP PROGRAM]...

Each ZIP gets, flat and sorted by name: its PROGRAM as LUMVAN32.EXE, every
samples/*.col with the bitmaps their [WallPaper] sections name, the two
read-me files of docs/release/ and LICENSE as LICENSE.txt, the texts with
CR LF line ends and VERSION in place of @VERSION@. The shared files are
read once, so all archives of one run hold the same ones. Every entry
carries TIME (seconds since 1970) and the same attributes, so the same
inputs always give the same bytes, whatever the files' own times and modes.
"""
import os
import sys
import time
import zipfile

SAMPLES = "samples"


def fail(message):
    sys.exit(f"package: {message}")


def read(path):
    with open(path, "rb") as f:
        return f.read()


def windows_text(path, encoding, version):
    """A UTF-8 text file as Windows reads it: CR LF, in the given code page."""
    text = read(path).decode("utf-8").replace("\r\n", "\n").replace("@VERSION@", version)
    text = text.replace("\n", "\r\n")
    try:
        data = text.encode(encoding)
    except UnicodeEncodeError as e:
        fail(f"{path}: {e.object[e.start]!r} cannot be written in {encoding}")
    if data.decode(encoding) != text:
        fail(f"{path}: a character does not come back the same from {encoding}")
    return data


def wallpapers(data):
    """The bitmap names in a color set's [WallPaper] section, read the way
    the program reads them: the first such section of a current-form file,
    up to the next section; "Wallpaper" then any '=' and blanks, then the
    name up to the line end."""
    lines = data.split(b"\n")
    if not lines[0].startswith(b"[WindowsSystemColors]"):
        return []  # the older form carries no wallpaper
    starts = [i for i, line in enumerate(lines) if line.startswith(b"[WallPaper]")]
    names = []
    for line in lines[starts[0] + 1:] if starts else []:
        if line[:1] in (b"[", b"\x1a"):
            break
        if line.startswith(b"Wallpaper"):
            name = line[len(b"Wallpaper"):].lstrip(b"= ").split(b"\r")[0]
            if name:
                names.append(name.decode("cp932"))
    return names


def sample_named(name, sample_files, col):
    """The file of samples/ a wallpaper name finds; Windows ignores case."""
    found = [f for f in sample_files if f == name] or \
            [f for f in sample_files if f.lower() == name.lower()]
    if len(found) != 1:
        fail(f"{SAMPLES}/{col} names the wallpaper {name!r}, which is not in {SAMPLES}/")
    return found[0]


def shared_files(version):
    files = {}
    sample_files = sorted(f for f in os.listdir(SAMPLES) if os.path.isfile(os.path.join(SAMPLES, f)))
    for col in [f for f in sample_files if f.endswith(".col")]:
        files[col] = read(os.path.join(SAMPLES, col))
        for name in wallpapers(files[col]):
            bitmap = sample_named(name, sample_files, col)
            files[bitmap] = read(os.path.join(SAMPLES, bitmap))
    files["README.txt"] = windows_text("docs/release/README.txt", "ascii", version)
    files["README-ja.txt"] = windows_text("docs/release/README-ja.txt", "cp932", version)
    files["LICENSE.txt"] = windows_text("LICENSE", "ascii", version)
    return files


def write_zip(path, files, stamp):
    # Zip times have no time zone and count in 2-second steps from 1980:
    # the time is written as UTC, and its odd second dropped.
    date_time = time.gmtime(max(stamp, 315532800))[:6]
    with zipfile.ZipFile(path, "w") as archive:
        for name in sorted(files):
            info = zipfile.ZipInfo(name, date_time)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.create_system = 3  # Unix, so that the mode below counts
            info.external_attr = 0o644 << 16
            archive.writestr(info, files[name], compresslevel=9)


def main():
    if len(sys.argv) < 5 or len(sys.argv) % 2 == 0:
        fail("usage: package.py TIME VERSION ZIP PROGRAM [ZIP PROGRAM]...")
    stamp, version, *outputs = sys.argv[1:]
    shared = shared_files(version)
    for path, program in zip(outputs[::2], outputs[1::2]):
        files = {**shared, "LUMVAN32.EXE": read(program)}
        if len({name.lower() for name in files}) != len(files):
            fail("two files of the archive differ only in case")
        write_zip(path, files, int(stamp))


if __name__ == "__main__":
    main()

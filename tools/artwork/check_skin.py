#!/usr/bin/env python3
"""Checks the written skin files: each bitmap's size, bits per pixel and file size, the mask's
always-inside rectangle, and skin.ini's line ends and section count."""
import struct
import sys
from pathlib import Path

# name: width, height, bits per pixel, file size (None: not fixed)
EXPECTED = {
    "frame.bmp": (188, 128, 24, 72246),
    "mask.bmp": (188, 128, 1, 3134),
    "buttons.bmp": (118, 141, 24, None),
    "popup.bmp": (88, 80, 8, None),
    "menuitem.bmp": (70, 116, 8, None),
    "hint.bmp": (42, 22, 8, None),
    "controls.bmp": (516, 318, 8, None),
    "controlsmask.bmp": (53, 31, 1, None),
}
MASK_INSIDE = (5, 4, 183, 124)
# Every bitmap also comes at 2x and 3x (NAME@2x.bmp, NAME@3x.bmp), exactly that many times the size.
DENSITIES = (1, 2, 3)


def bitmap_errors(path, width, height, bits, size):
    data = path.read_bytes()
    file_size, = struct.unpack_from("<I", data, 2)
    w, h = struct.unpack_from("<ii", data, 18)
    bpp, = struct.unpack_from("<H", data, 28)
    if data[:2] != b"BM" or (w, abs(h), bpp) != (width, height, bits) or file_size != len(data) \
            or (size is not None and file_size != size):
        return [f"{path.name}: {w}x{h} {bpp}-bit, {file_size} bytes"]
    return []


def mono_pixel_is_black(data, x, y):
    offset, width, height = struct.unpack_from("<I", data, 10)[0], *struct.unpack_from("<ii", data, 18)
    row_bytes = ((width + 31) // 32) * 4
    row = height - 1 - y if height > 0 else y
    index = (data[offset + row * row_bytes + x // 8] >> (7 - x % 8)) & 1
    blue, green, red = data[54 + 4 * index: 54 + 4 * index + 3]
    return (red, green, blue) == (0, 0, 0)


def main(folder):
    folder = Path(folder)
    errors = []
    for name, (width, height, bits, size) in EXPECTED.items():
        for scale in DENSITIES:
            file = name if scale == 1 else name.replace(".bmp", f"@{scale}x.bmp")
            errors += bitmap_errors(folder / file, width * scale, height * scale, bits,
                                    size if scale == 1 else None)
    mask = (folder / "mask.bmp").read_bytes()
    left, top, right, bottom = MASK_INSIDE
    if not all(mono_pixel_is_black(mask, x, y) for y in range(top, bottom) for x in range(left, right)):
        errors.append("mask.bmp: a pixel inside the window's fixed area is not black")
    ini = (folder / "skin.ini").read_bytes()
    if b"\n" in ini.replace(b"\r\n", b"") or not ini.endswith(b"\r\n") or any(b > 127 for b in ini):
        errors.append("skin.ini: not ASCII text with CR LF line ends")
    sections = [l for l in ini.split(b"\r\n") if l.startswith(b"[")]
    if len(sections) != 79:
        errors.append(f"skin.ini: {len(sections)} sections")
    for e in errors:
        print(e, file=sys.stderr)
    print(f"{len(EXPECTED)} bitmaps at {len(DENSITIES)} densities and skin.ini ({len(sections)} sections): "
          + ("problems above" if errors else "all as expected"))
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else "resources/skin"))

#!/usr/bin/env python3
"""Builds a binary skin file (.she, see skin/FORMAT.md) from its readable source.

    make_skin.py SOURCE OUTPUT.she [--size N] [--cpp OUTPUT.cpp]

SOURCE is a text file of [sections] (see skin/default_skin.txt); [include OTHER] takes another
source's sections first, so that a variant lists only what it changes. With --size the file is brought to
exactly N bytes through its declared FILL section (the build fails when the content alone is larger).
With --cpp the bytes are also written as a C++ byte array for the program to carry.
"""

import argparse
import os
import re
import struct
import sys

MAGIC = b".SHE"
VERSION = 1
HEADER_SIZE = 32
ENTRY_SIZE = 12

# Slot names, in the order of their index in the file. skin/format/skin_file.h holds the same lists.
COLOURS = [
    "window_background", "text", "text_disabled", "caption_text_active",
    "caption_text_inactive", "caption_shadow_active", "caption_shadow_inactive", "frame_active",
    "frame_inactive", "frame_fill_active", "frame_fill_inactive", "button_text", "focus",
    "menu_text", "menu_text_hot", "menu_line",
]
METRICS = [
    "caption_text_indent", "caption_font_height", "caption_font_weight", "close_width",
    "close_height", "close_right_margin", "button_slice", "check_size", "check_gap",
    "menu_item_padding", "text_pressed_offset", "frame_border", "caption_text_shadow",
]
IMAGES = [
    "caption_active", "caption_inactive", "close_normal", "close_hot", "close_pressed",
    "close_inactive", "button_normal", "button_hot", "button_pressed", "button_disabled",
    "check_off", "check_off_hot", "check_off_pressed", "check_off_disabled", "check_on",
    "check_on_hot", "check_on_pressed", "check_on_disabled", "menubar", "menu_item_hot",
]
MAX_IMAGE_SIDE = 256


class SourceError(Exception):
    pass


def parse_colour(text, where):
    m = re.fullmatch(r"#([0-9A-Fa-f]{6})([0-9A-Fa-f]{2})?", text)
    if not m:
        raise SourceError(f"{where}: not a colour: {text!r} (use #RRGGBB or #RRGGBBAA)")
    rgb = int(m.group(1), 16)
    alpha = int(m.group(2), 16) if m.group(2) else 255
    return ((rgb >> 16) & 255, (rgb >> 8) & 255, rgb & 255, alpha)


def read_sections(path):
    """[name args] headers, each followed by its non-empty, non-comment lines."""
    sections = []
    with open(path, encoding="ascii") as f:
        for number, raw in enumerate(f, 1):
            line = raw.rstrip("\n")
            stripped = line.strip()
            if not stripped or stripped.startswith(";"):
                continue
            if stripped.startswith("["):
                if not stripped.endswith("]"):
                    raise SourceError(f"{path}:{number}: unclosed section header")
                header = stripped[1:-1].split()
                if header[:1] == ["include"] and len(header) == 2:
                    # Another skin's sections first; what follows here adds to or replaces them.
                    sections.extend(read_sections(os.path.join(os.path.dirname(path), header[1])))
                    continue
                sections.append((header, [], number))
            elif not sections:
                raise SourceError(f"{path}:{number}: text before the first section")
            else:
                sections[-1][1].append((line.rstrip(), number))
    return sections


class Image:
    def __init__(self, width, height):
        if not (1 <= width <= MAX_IMAGE_SIDE and 1 <= height <= MAX_IMAGE_SIDE):
            raise SourceError(f"image size {width}x{height} out of range")
        self.width, self.height = width, height
        self.pixels = [(0, 0, 0, 0)] * (width * height)

    def put(self, x, y, colour):
        self.pixels[y * self.width + x] = colour

    def over(self, x, y, colour):
        """Draws colour (straight alpha) over the pixel at x, y."""
        r, g, b, a = colour
        if a == 0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        dr, dg, db, da = self.pixels[y * self.width + x]
        out_a = a + da * (255 - a) / 255
        if out_a <= 0:
            return
        mix = lambda s, d: round((s * a + d * da * (255 - a) / 255) / out_a)
        self.put(x, y, (mix(r, dr), mix(g, dg), mix(b, db), round(out_a)))

    def bgra(self):
        return b"".join(struct.pack("BBBB", b, g, r, a) for (r, g, b, a) in self.pixels)


def lerp(c0, c1, t):
    return tuple(round(c0[i] + (c1[i] - c0[i]) * t) for i in range(4))


def rounded_coverage(x, y, width, height, radius, inset):
    """Fraction (0..1) of pixel x, y inside a rounded rectangle shrunk by inset, 4x4 samples."""
    inside = 0
    for sy in range(4):
        for sx in range(4):
            px, py = x + (sx + 0.5) / 4, y + (sy + 0.5) / 4
            left, top = inset, inset
            right, bottom = width - inset, height - inset
            if not (left <= px <= right and top <= py <= bottom):
                continue
            r = max(radius - inset, 0)
            cx = min(max(px, left + r), right - r)
            cy = min(max(py, top + r), bottom - r)
            if (px - cx) ** 2 + (py - cy) ** 2 <= r * r:
                inside += 1
    return inside / 16


def draw_box(image, radius, border, top, bottom):
    """A rounded rectangle filling the image: a one-pixel border and a vertical gradient inside."""
    w, h = image.width, image.height
    for y in range(h):
        fill = lerp(top, bottom, y / max(h - 1, 1))
        for x in range(w):
            outer = rounded_coverage(x, y, w, h, radius, 0)
            inner = rounded_coverage(x, y, w, h, radius, 1)
            if outer > 0:
                image.over(x, y, border[:3] + (round(border[3] * (outer - inner)),))
            if inner > 0:
                image.over(x, y, fill[:3] + (round(fill[3] * inner),))


def draw_gradient(image, top, bottom):
    for y in range(image.height):
        colour = lerp(top, bottom, y / max(image.height - 1, 1))
        for x in range(image.width):
            image.put(x, y, colour)


def build(source):
    colours, metrics, fonts, palette, glyphs, images = {}, {}, [], {}, {}, {}
    name = ""
    for header, lines, number in read_sections(source):
        kind, args = header[0], header[1:]
        where = f"{source}:{number}"
        if kind == "skin":
            for text, n in lines:
                key, _, value = text.partition("=")
                if key.strip() != "name":
                    raise SourceError(f"{source}:{n}: unknown skin setting {key.strip()!r}")
                name = value.strip()
        elif kind in ("colours", "metrics", "palette"):
            for text, n in lines:
                key, sep, value = text.partition("=")
                key, value = key.strip(), value.strip()
                if not sep:
                    raise SourceError(f"{source}:{n}: expected key = value")
                if kind == "colours":
                    if key not in COLOURS:
                        raise SourceError(f"{source}:{n}: unknown colour {key!r}")
                    colours[key] = parse_colour(value, f"{source}:{n}")
                elif kind == "metrics":
                    if key not in METRICS:
                        raise SourceError(f"{source}:{n}: unknown metric {key!r}")
                    metrics[key] = int(value)
                else:
                    if len(key) != 1:
                        raise SourceError(f"{source}:{n}: palette keys are single characters")
                    palette[key] = (0, 0, 0, 0) if value == "transparent" else parse_colour(
                        value, f"{source}:{n}")
        elif kind == "fonts":
            fonts.extend(text.strip() for text, _ in lines)
        elif kind == "glyph":
            if len(args) != 1:
                raise SourceError(f"{where}: [glyph NAME]")
            rows = [text.strip() for text, _ in lines]
            if not rows or any(len(r) != len(rows[0]) for r in rows):
                raise SourceError(f"{where}: glyph rows must all have the same length")
            glyphs[args[0]] = rows
        elif kind == "image":
            if len(args) != 1 or args[0] not in IMAGES:
                raise SourceError(f"{where}: [image NAME] with NAME one of {', '.join(IMAGES)}")
            images[args[0]] = (lines, where)
        else:
            raise SourceError(f"{where}: unknown section [{kind}]")

    for required, have, what in ((COLOURS, colours, "colour"), (METRICS, metrics, "metric")):
        missing = [k for k in required if k not in have]
        if missing:
            raise SourceError(f"{source}: missing {what}s: {', '.join(missing)}")
    if not fonts:
        raise SourceError(f"{source}: [fonts] lists no font")

    rendered = {}
    for image_name in IMAGES:
        if image_name not in images:
            raise SourceError(f"{source}: missing image {image_name}")
        rendered[image_name] = render_image(images[image_name], palette, glyphs, rendered)
    return name, colours, metrics, fonts, rendered


def render_image(spec, palette, glyphs, done):
    lines, where = spec
    image = None
    for text, n in lines:
        words = text.split()
        op = words[0]
        try:
            if op == "size":
                image = Image(int(words[1]), int(words[2]))
            elif op == "copy":
                source = done[words[1]]
                image = Image(source.width, source.height)
                image.pixels = list(source.pixels)
            elif image is None:
                raise SourceError("the first line must be 'size W H' or 'copy IMAGE'")
            elif op == "gradient":
                draw_gradient(image, parse_colour(words[1], where), parse_colour(words[2], where))
            elif op == "box":
                draw_box(image, float(words[1]), parse_colour(words[2], where),
                         parse_colour(words[3], where), parse_colour(words[4], where))
            elif op == "row":  # row Y COLOUR: one full-width line, drawn over what is there
                colour = parse_colour(words[2], where)
                for x in range(image.width):
                    image.over(x, int(words[1]), colour)
            elif op == "glyph":  # glyph NAME: centred, characters coloured through [palette]
                rows = glyphs[words[1]]
                left = (image.width - len(rows[0])) // 2
                top = (image.height - len(rows)) // 2
                for y, row in enumerate(rows):
                    for x, ch in enumerate(row):
                        if ch not in palette:
                            raise SourceError(f"glyph {words[1]}: character {ch!r} not in [palette]")
                        image.over(left + x, top + y, palette[ch])
            else:
                raise SourceError(f"unknown image operation {op!r}")
        except (IndexError, KeyError, ValueError) as e:
            raise SourceError(f"{where} line {n}: {text.strip()!r}: {e!r}")
        except SourceError as e:
            raise SourceError(f"{where} line {n}: {e}")
    if image is None:
        raise SourceError(f"{where}: empty image")
    return image


def pack(name, colours, metrics, fonts, images, size):
    colr = struct.pack("<HH", len(COLOURS), 0) + b"".join(
        struct.pack("BBBB", *colours[k][:3], 0) for k in COLOURS)
    metr = struct.pack("<HH", len(METRICS), 0) + b"".join(
        struct.pack("<h", metrics[k]) for k in METRICS)
    font = b"".join(f.encode("ascii") + b"\0" for f in fonts) + b"\0"
    directory = struct.pack("<HH", len(IMAGES), 0)
    pixels = b""
    first_pixel = 4 + 12 * len(IMAGES)
    for index, image_name in enumerate(IMAGES):
        image = images[image_name]
        directory += struct.pack("<HHHHI", index, image.width, image.height, 0,
                                 first_pixel + len(pixels))
        pixels += image.bgra()
    imag = directory + pixels

    sections = [(b"COLR", colr), (b"METR", metr), (b"FONT", font), (b"IMAG", imag)]
    count = len(sections) + (1 if size else 0)
    table_offset = HEADER_SIZE
    body_offset = table_offset + ENTRY_SIZE * count
    content = body_offset + sum(len(s) for _, s in sections)
    if size:
        if content > size:
            raise SourceError(f"the skin's content takes {content} bytes, more than {size}")
        sections.append((b"FILL", bytes(size - content)))
    total = body_offset + sum(len(s) for _, s in sections)

    name_bytes = name.encode("ascii")[:12].ljust(12, b"\0")
    out = MAGIC + struct.pack("<HHIIHH", VERSION, HEADER_SIZE, total, table_offset, count,
                              ENTRY_SIZE) + name_bytes
    assert len(out) == HEADER_SIZE
    offset = body_offset
    for tag, data in sections:
        out += struct.pack("<4sII", tag, offset, len(data))
        offset += len(data)
    for _, data in sections:
        out += data
    assert len(out) == total
    return out


def write_cpp(path, data):
    lines = [
        "// Generated by skin/tools/make_skin.py from skin/default_skin.txt; do not edit.",
        "#include \"skin/carried_skin.h\"",
        "",
        "namespace sorvane::skin {",
        "",
        f"const unsigned char kCarriedSkin[] = {{",
    ]
    for i in range(0, len(data), 16):
        lines.append("  " + ", ".join(f"0x{b:02X}" for b in data[i:i + 16]) + ",")
    lines += ["};", f"const std::size_t kCarriedSkinSize = {len(data)};", "",
              "}  // namespace sorvane::skin", ""]
    with open(path, "w", encoding="ascii", newline="\n") as f:
        f.write("\n".join(lines))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("source")
    parser.add_argument("output")
    parser.add_argument("--size", type=int, default=0)
    parser.add_argument("--cpp")
    args = parser.parse_args()
    try:
        data = pack(*build(args.source), args.size)
    except SourceError as e:
        print(f"make_skin: {e}", file=sys.stderr)
        return 1
    with open(args.output, "wb") as f:
        f.write(data)
    if args.cpp:
        write_cpp(args.cpp, data)
    return 0


if __name__ == "__main__":
    sys.exit(main())

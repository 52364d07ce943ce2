"""Reads the resources of a PE file opened with pefile, and decodes the kinds
the plug-in carries: string blocks, classic dialog templates, icon and cursor
groups. Each decoder raises ValueError naming what is malformed."""

import struct


def resource_table(pe):
    """{(type, id): [(language, bytes), ...]}; a type or id is an int, or a str for a name."""
    table = {}
    root = getattr(pe, "DIRECTORY_ENTRY_RESOURCE", None)
    if root is None:
        return table
    for type_entry in root.entries:
        rtype = str(type_entry.name) if type_entry.name is not None else type_entry.id
        for name_entry in type_entry.directory.entries:
            rid = str(name_entry.name) if name_entry.name is not None else name_entry.id
            for lang_entry in name_entry.directory.entries:
                data = lang_entry.data.struct
                table.setdefault((rtype, rid), []).append(
                    (lang_entry.id, pe.get_data(data.OffsetToData, data.Size)))
    return table


class Reader:
    """Little-endian reads from a byte string, with a clear error at its end."""

    def __init__(self, data, what):
        self.data, self.pos, self.what = data, 0, what

    def take(self, fmt):
        size = struct.calcsize(fmt)
        if self.pos + size > len(self.data):
            raise ValueError(f"{self.what}: ends early (at byte {self.pos})")
        values = struct.unpack_from("<" + fmt, self.data, self.pos)
        self.pos += size
        return values if len(values) > 1 else values[0]

    def text(self):
        """A zero-terminated UTF-16 string."""
        units = []
        while True:
            unit = self.take("H")
            if unit == 0:
                return struct.pack(f"<{len(units)}H", *units).decode("utf-16-le")
            units.append(unit)

    def name_or_ordinal(self):
        """0xFFFF and an ordinal, or a zero-terminated UTF-16 name ("" for none)."""
        first = self.take("H")
        if first == 0xFFFF:
            return self.take("H")
        self.pos -= 2
        return self.text()

    def align(self, size):
        self.pos = (self.pos + size - 1) // size * size


def string_block(data, block):
    """The sixteen strings of a string block, by id: each is a count of UTF-16
    units followed by the units."""
    reader, strings = Reader(data, f"string block {block}"), {}
    for index in range(16):
        count = reader.take("H")
        units = [reader.take("H") for _ in range(count)]
        strings[(block - 1) * 16 + index] = struct.pack(f"<{count}H", *units).decode("utf-16-le")
    return strings


# The predefined window classes, by the atom a template may give instead of the name.
CONTROL_CLASSES = {0x80: "button", 0x81: "edit", 0x82: "static", 0x83: "listbox", 0x84: "scrollbar",
                   0x85: "combobox"}


def control_kind(window_class, style):
    """The item's kind in words, from its predefined class (atom or name) and style."""
    if isinstance(window_class, str):
        cls = window_class.lower()
    else:
        cls = CONTROL_CLASSES.get(window_class, f"class {window_class!r}")
    low = style & 0xF if cls == "button" else style & 0x1F
    if cls == "button":
        return {0: "push button", 1: "default push button", 2: "check box", 9: "radio button"}.get(
            low, f"button style {low}")
    if cls == "static":
        return {0: "static text", 7: "black frame"}.get(low, f"static style {low}")
    return cls


def dialog_template(data, dialog_id):
    """A classic (not extended) dialog template as a dict."""
    reader = Reader(data, f"dialog {dialog_id}")
    style, ex_style, count, x, y, cx, cy = reader.take("IIHhhhh")
    if style >> 16 == 0xFFFF and ex_style != 0:
        raise ValueError(f"dialog {dialog_id}: an extended template, not a classic one")
    dialog = {"style": style, "rect": (x, y, cx, cy), "menu": reader.name_or_ordinal(),
              "class": reader.name_or_ordinal(), "title": reader.text(), "font": None, "items": []}
    if style & 0x40:  # DS_SETFONT
        dialog["font"] = (reader.take("H"), reader.text())
    for _ in range(count):
        reader.align(4)
        item_style, _item_ex, ix, iy, icx, icy, item_id = reader.take("IIhhhhH")
        cls = reader.name_or_ordinal()
        text = reader.name_or_ordinal()
        extra = reader.take("H")
        reader.pos += extra
        dialog["items"].append({"id": item_id, "kind": control_kind(cls, item_style), "rect": (ix, iy, icx, icy),
                                "text": text if isinstance(text, str) else f"#{text}"})
    return dialog


def icon_group(data, what):
    """The images of an icon or cursor group: (width, height, colours, planes,
    bits per pixel, bytes, image id) each."""
    reader = Reader(data, what)
    _reserved, _kind, count = reader.take("HHH")
    entries = []
    for _ in range(count):
        width, height, colours, _res, planes, bits, size, image_id = reader.take("BBBBHHIH")
        entries.append({"width": width, "height": height, "colours": colours, "planes": planes,
                        "bits": bits, "bytes": size, "id": image_id})
    return entries


def cursor_group(data, what):
    """A cursor group's entries: width, height (doubled: mask and image), planes,
    bits per pixel, bytes, image id."""
    reader = Reader(data, what)
    _reserved, _kind, count = reader.take("HHH")
    entries = []
    for _ in range(count):
        width, height, planes, bits, size, image_id = reader.take("HHHHIH")
        entries.append({"width": width, "height": height, "planes": planes, "bits": bits, "bytes": size,
                        "id": image_id})
    return entries


def bitmap_header(data, what, offset=0):
    """Width, height (doubled: image and mask) and bits per pixel of a
    device-independent bitmap's header."""
    reader = Reader(data, what)
    reader.pos = offset
    header_size, width, height, _planes, bits = reader.take("IiiHH")
    if header_size < 40:
        raise ValueError(f"{what}: not a bitmap header (size {header_size})")
    return width, height, bits

"""What the 32-bit Windows plug-in file must carry, written down from the
plug-in's published layout (not read from contour.rc), for check_aip.py."""

import struct

FILE_NAME = "Tesk_Contour.aip"
EXPORTS = ["PluginMain"]
US_ENGLISH = 1033

# Windows resource types (winuser.h).
RT_CURSOR, RT_ICON, RT_DIALOG, RT_STRING = 1, 3, 5, 6
RT_GROUP_CURSOR, RT_GROUP_ICON, RT_VERSION = 12, 14, 16
TYPE_NAMES = {RT_CURSOR: "cursor", RT_ICON: "icon", RT_DIALOG: "dialog", RT_STRING: "string block",
              RT_GROUP_CURSOR: "cursor group", RT_GROUP_ICON: "icon group", RT_VERSION: "version record",
              "PIPL": "property list"}

# DLLs that come with every Windows; the C and C++ runtimes of the compiler
# (libstdc++-6.dll, libgcc_s_*.dll, libwinpthread-1.dll) must be linked in.
SYSTEM_DLLS = {"kernel32.dll", "msvcrt.dll", "user32.dll", "gdi32.dll", "advapi32.dll",
               "shell32.dll", "ole32.dll", "ntdll.dll"}


def fourcc(code):
    """A four-character code stored as a little-endian 32-bit number."""
    return struct.pack("<I", int.from_bytes(code.encode("ascii"), "big"))


def property_list():
    """The property list: header, then three properties of vendor, key, id,
    length and data padded to 4 bytes, then one zero byte (79 bytes)."""
    def prop(key, data):
        return fourcc("ADBE") + fourcc(key) + struct.pack("<iI", 0, len(data)) + data
    body = struct.pack("<HII", 1, 0, 3)
    body += prop("kind", fourcc("SPEA"))
    body += prop("ivrs", struct.pack("<I", 2))
    body += prop("wx86", b"PluginMain\0\0")
    return body + b"\0"


# String lists: entry i of list L is string L + i; the entry after the last
# one is empty.
MENU_STRINGS = {
    16000: "<First Mac index is 1>",
    16001: "Zeph <Paths>",
    16002: "Contour...",
}
ERROR_STRINGS = {
    16050: "<Mac strings begin at index 1>",
    16051: "-108",
    16052: "The filter cannot complete because there isn't enough memory (RAM) available.",
    16053: "271",
    16054: "The filter cannot complete because there isn't enough memory (RAM) available.",
    16055: "SEGM",
    16056: "The filter cannot complete because a layer is locked or invisible.",
    16057: "NESS",
    16058: "The filter cannot complete because a path has too many anchor points.",
    16059: "!sel",
    16060: "The selection is not valid for this filter.",
    16061: "<Others>",
    16062: "The contour plugin cannot complete because of an unknown error. The plugin requires standard "
           "paths to be selected or symbols or other shapes. It will not work with text in version CS",
}
STRINGS = {**MENU_STRINGS, **ERROR_STRINGS}
# Strings are stored sixteen to a block; block b holds ids 16 (b - 1) to 16 b - 1.
STRING_BLOCKS = sorted({string_id // 16 + 1 for string_id in STRINGS})

# Dialogs: popup, visible, caption, system menu, modal frame, set-font.
DIALOG_STYLE = 0x80000000 | 0x10000000 | 0x00C00000 | 0x00080000 | 0x00000080 | 0x00000040
DIALOG_FONT = (8, "MS Sans Serif")
NO_ID = 0xFFFF  # an item without an id (-1 as a 16-bit word)


class Text:
    """A text: exact, or a fixed beginning followed by free, non-empty text."""

    def __init__(self, text, prefix=False):
        self.text, self.prefix = text, prefix

    def matches(self, actual):
        if not self.prefix:
            return actual == self.text
        return actual.startswith(self.text) and actual[len(self.text):].strip() != ""

    def __repr__(self):
        return repr(self.text) + (" followed by more text" if self.prefix else "")


def exact(text):
    return Text(text)


def starting(text):
    return Text(text, prefix=True)


def free():
    return Text("", prefix=True)


# (id, kind, (x, y, width, height), text) per item.
DIALOGS = {
    16050: ("Contour Plug-in About", (305, 161), [
        (1, "default push button", (128, 141, 40, 14), exact("&OK")),
        (NO_ID, "static text", (15, 6, 254, 28), free()),
        (NO_ID, "static text", (15, 39, 279, 8), free()),
        (NO_ID, "static text", (15, 53, 271, 8), exact("Plugin Name: Zeph18 Contour")),
        (NO_ID, "static text", (15, 67, 271, 8), exact("Version Number: Vol 18.3")),
        (NO_ID, "static text", (15, 81, 271, 8), exact("Release Date: February 2007")),
        (NO_ID, "static text", (15, 95, 271, 8), starting("Development:")),
        (NO_ID, "static text", (15, 109, 271, 8), starting("Web Site:")),
        (NO_ID, "static text", (15, 123, 271, 8), starting("Technical e-mails:")),
    ]),
    16051: ("Plug-in Error", (233, 126), [
        (1, "default push button", (89, 107, 50, 14), exact("OK")),
        (2, "static text", (43, 12, 182, 88), exact("Message")),
        (3, "static text", (9, 111, 30, 8), exact("Code")),
        (4, "black frame", (10, 10, 18, 20), exact("")),
    ]),
    16100: ("Contour Plug-in", (217, 115), []),
}

ICON_GROUP = 16051    # one 32 x 32 image in 16 colours
CURSOR_GROUP = 16000  # one 32 x 32 monochrome cursor
CURSOR_HOT_SPOT = (20, 24)
VERSION_ID = 1

VERSION = (18, 3, 0, 0)
VERSION_TEXT = "18, 3, 0, 0"
VERSION_FLAGS_MASK = 0x3F
VS_FF_DEBUG = 0x1
VOS__WINDOWS32 = 0x4
VFT_DLL = 0x2
VERSION_LANGUAGE = (0x0809, 1200)  # British English, Unicode
VERSION_STRINGS = {
    "Comments": exact("Contour / inset plugin for Illustrator 10 and CS and CS2"),
    "CompanyName": free(),
    "FileDescription": free(),
    "FileVersion": exact(VERSION_TEXT),
    "InternalName": exact("Contour"),
    "LegalCopyright": free(),
    "LegalTrademarks": exact("Illustrator and Adobe are registered trademark of Adobe Systems Incorporated"),
    "OriginalFilename": exact(FILE_NAME),
    "ProductName": free(),
    "ProductVersion": exact(VERSION_TEXT),
}
# The free description still says what the plug-in does and where.
FILE_DESCRIPTION_MENTIONS = ["contour inset effects", "Illustrator 10, CS1 and CS2", "paths and other objects"]

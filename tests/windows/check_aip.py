#!/usr/bin/python3
"""Checks the 32-bit Windows plug-in file: a DLL for i386 that exports only
PluginMain, needs no compiler runtime DLLs, and carries exactly the expected
resources (property list, string lists, dialogs, icon, cursor, version
record), all US English.

    /usr/bin/python3 tests/windows/check_aip.py build/win32/bin/Tesk_Contour.aip

Prints one line per mismatch, naming what differs, and exits 1; prints a
summary and exits 0 when the file is as expected. Needs Debian's python3-pefile.
"""

import os
import sys

import pefile

import aip_expected as want
import pe_resources as res

IMAGE_FILE_MACHINE_I386 = 0x14C
IMAGE_FILE_DLL = 0x2000
PE32_MAGIC = 0x10B


class Check:
    """Collects mismatches; every check counts, so a summary can say how many passed."""

    def __init__(self):
        self.problems, self.count = [], 0

    def expect(self, ok, problem):
        self.count += 1
        if not ok:
            self.problems.append(problem)
        return ok

    def equal(self, what, actual, expected):
        return self.expect(actual == expected, f"{what}: expected {expected!r}, found {actual!r}")


def resource_name(rtype, rid):
    return f"{want.TYPE_NAMES.get(rtype, f'type {rtype!r}')} {rid}"


def check_image(check, pe, path):
    check.equal("file name", os.path.basename(path), want.FILE_NAME)
    check.equal("machine", hex(pe.FILE_HEADER.Machine), hex(IMAGE_FILE_MACHINE_I386))
    check.equal("optional header (PE32, 32-bit)", hex(pe.OPTIONAL_HEADER.Magic), hex(PE32_MAGIC))
    check.expect(pe.FILE_HEADER.Characteristics & IMAGE_FILE_DLL, "the file is not a DLL (IMAGE_FILE_DLL not set)")


def check_exports(check, pe):
    exports = getattr(pe, "DIRECTORY_ENTRY_EXPORT", None)
    if not check.expect(exports is not None, "no export table"):
        return
    names = [s.name.decode("ascii", "replace") if s.name else f"ordinal {s.ordinal}" for s in exports.symbols]
    check.equal("exports", names, want.EXPORTS)
    check.expect(all(s.forwarder is None for s in exports.symbols), "an export is forwarded to another DLL")
    check.equal("the export table's library name", exports.name.decode("ascii", "replace"), want.FILE_NAME)


def check_imports(check, pe):
    imported = [entry.dll.decode("ascii", "replace") for entry in getattr(pe, "DIRECTORY_ENTRY_IMPORT", [])]
    foreign = [dll for dll in imported if dll.lower() not in want.SYSTEM_DLLS]
    check.expect(not foreign, f"imports from DLLs that are not part of Windows: {', '.join(foreign)}")
    delayed = [entry.dll.decode("ascii", "replace") for entry in getattr(pe, "DIRECTORY_ENTRY_DELAY_IMPORT", [])]
    check.expect(not delayed, f"delay-loaded DLLs: {', '.join(delayed)}")


def expected_resources():
    """(type, id) of every resource but the icon and cursor images, whose ids
    the groups give."""
    names = {("PIPL", 16000), (want.RT_VERSION, want.VERSION_ID),
             (want.RT_GROUP_ICON, want.ICON_GROUP), (want.RT_GROUP_CURSOR, want.CURSOR_GROUP)}
    names |= {(want.RT_STRING, block) for block in want.STRING_BLOCKS}
    names |= {(want.RT_DIALOG, dialog_id) for dialog_id in want.DIALOGS}
    return names


def check_resource_set(check, table, image_ids):
    expected = expected_resources() | image_ids
    for key in sorted(expected - set(table), key=str):
        check.expect(False, f"{resource_name(*key)} is missing")
    for key in sorted(set(table) - expected, key=str):
        check.expect(False, f"unexpected resource: {resource_name(*key)}")
    for key, versions in sorted(table.items(), key=lambda item: str(item[0])):
        languages = [language for language, _ in versions]
        check.equal(f"languages of {resource_name(*key)}", languages, [want.US_ENGLISH])


def only(table, key):
    """The bytes of a resource in its one language, or None."""
    versions = table.get(key)
    return versions[0][1] if versions else None


def check_property_list(check, table):
    data = only(table, ("PIPL", 16000))
    if data is None:
        return
    expected = want.property_list()
    if check.equal("property list 16000 length", len(data), len(expected)):
        differing = [i for i in range(len(data)) if data[i] != expected[i]]
        check.expect(not differing, "property list 16000 differs at bytes "
                     + ", ".join(f"{i} ({data[i]:#04x}, expected {expected[i]:#04x})" for i in differing[:8]))


def check_strings(check, table):
    found = {}
    for block in want.STRING_BLOCKS:
        data = only(table, (want.RT_STRING, block))
        if data is not None:
            try:
                found.update(res.string_block(data, block))
            except ValueError as error:
                check.expect(False, str(error))
    for string_id, text in want.STRINGS.items():
        check.equal(f"string {string_id}", found.get(string_id), text)
    # The entry after the last one of each list reads as empty, which ends the list.
    for last in (max(want.MENU_STRINGS), max(want.ERROR_STRINGS)):
        check.equal(f"string {last + 1} (end of the list)", found.get(last + 1, ""), "")
    extra = {i: t for i, t in found.items() if i not in want.STRINGS and t}
    check.expect(not extra, f"unexpected strings: {extra}")


def check_dialogs(check, table):
    for dialog_id, (title, size, items) in want.DIALOGS.items():
        data = only(table, (want.RT_DIALOG, dialog_id))
        if data is None:
            continue
        try:
            dialog = res.dialog_template(data, dialog_id)
        except ValueError as error:
            check.expect(False, str(error))
            continue
        what = f"dialog {dialog_id}"
        check.equal(f"{what} style", hex(dialog["style"]), hex(want.DIALOG_STYLE))
        check.equal(f"{what} title", dialog["title"], title)
        check.equal(f"{what} size", dialog["rect"][2:], size)
        check.equal(f"{what} font", dialog["font"], want.DIALOG_FONT)
        check.equal(f"{what} menu and class", (dialog["menu"], dialog["class"]), ("", ""))
        if not check.equal(f"{what} item count", len(dialog["items"]), len(items)):
            continue
        for number, (item, (item_id, kind, rect, text)) in enumerate(zip(dialog["items"], items), 1):
            where = f"{what} item {number}"
            check.equal(f"{where} id", item["id"], item_id)
            check.equal(f"{where} kind", item["kind"], kind)
            check.equal(f"{where} rectangle", item["rect"], rect)
            check.expect(text.matches(item["text"]), f"{where} text: expected {text!r}, found {item['text']!r}")


def check_icon_and_cursor(check, table):
    """Checks the groups; returns the (type, id) of the images they name."""
    image_ids = set()
    data = only(table, (want.RT_GROUP_ICON, want.ICON_GROUP))
    if data is not None:
        entries = res.icon_group(data, f"icon group {want.ICON_GROUP}")
        if check.equal(f"icon group {want.ICON_GROUP} image count", len(entries), 1):
            entry = entries[0]
            check.equal(f"icon group {want.ICON_GROUP} image size and colours",
                        (entry["width"], entry["height"], entry["colours"]), (32, 32, 16))
            image_ids.add((want.RT_ICON, entry["id"]))
            image = only(table, (want.RT_ICON, entry["id"]))
            if image is not None:
                check.equal(f"icon {entry['id']} bitmap (width, height with mask, bits per pixel)",
                            res.bitmap_header(image, f"icon {entry['id']}"), (32, 64, 4))
    data = only(table, (want.RT_GROUP_CURSOR, want.CURSOR_GROUP))
    if data is not None:
        entries = res.cursor_group(data, f"cursor group {want.CURSOR_GROUP}")
        if check.equal(f"cursor group {want.CURSOR_GROUP} image count", len(entries), 1):
            entry = entries[0]
            check.equal(f"cursor group {want.CURSOR_GROUP} image (width, height with mask, bits per pixel)",
                        (entry["width"], entry["height"], entry["bits"]), (32, 64, 1))
            image_ids.add((want.RT_CURSOR, entry["id"]))
            image = only(table, (want.RT_CURSOR, entry["id"]))
            if image is not None and check.expect(len(image) >= 4, f"cursor {entry['id']} is too short"):
                check.equal(f"cursor {entry['id']} hot spot", (image[0] | image[1] << 8, image[2] | image[3] << 8),
                            want.CURSOR_HOT_SPOT)
                check.equal(f"cursor {entry['id']} bitmap (width, height with mask, bits per pixel)",
                            res.bitmap_header(image, f"cursor {entry['id']}", 4), (32, 64, 1))
    return image_ids


def check_version(check, pe):
    fixed = getattr(pe, "VS_FIXEDFILEINFO", None)
    if not check.expect(fixed, "no version record that the system can read"):
        return
    fixed = fixed[0]
    major, minor, patch, build = want.VERSION
    check.equal("file version", (fixed.FileVersionMS, fixed.FileVersionLS), (major << 16 | minor, patch << 16 | build))
    check.equal("product version", (fixed.ProductVersionMS, fixed.ProductVersionLS),
                (major << 16 | minor, patch << 16 | build))
    check.equal("version flags mask", hex(fixed.FileFlagsMask), hex(want.VERSION_FLAGS_MASK))
    check.equal("version flags (debug)", hex(fixed.FileFlags), hex(want.VS_FF_DEBUG))
    check.equal("version operating system", hex(fixed.FileOS), hex(want.VOS__WINDOWS32))
    check.equal("version file type", hex(fixed.FileType), hex(want.VFT_DLL))

    tables, translations = {}, []
    for info in getattr(pe, "FileInfo", [[]])[0]:
        for table in getattr(info, "StringTable", []):
            tables[table.LangID.decode("ascii", "replace").lower()] = {
                k.decode("utf-8", "replace"): v.decode("utf-8", "replace") for k, v in table.entries.items()}
        for var in getattr(info, "Var", []):
            translations.extend(var.entry.values())
    language, codepage = want.VERSION_LANGUAGE
    key = f"{language:04x}{codepage:04x}"
    check.equal("version string tables", sorted(tables), [key])
    check.equal("version translation", translations, [f"0x{language:04x} 0x{codepage:04x}"])
    strings = tables.get(key, {})
    check.equal("version string keys", sorted(strings), sorted(want.VERSION_STRINGS))
    for name, text in want.VERSION_STRINGS.items():
        if name in strings:
            check.expect(text.matches(strings[name]), f"version {name}: expected {text!r}, found {strings[name]!r}")
    description = strings.get("FileDescription", "")
    for words in want.FILE_DESCRIPTION_MENTIONS:
        check.expect(words in description, f"version FileDescription does not mention {words!r}: {description!r}")


def check_file(path):
    """Every mismatch of the file at `path`, and how many checks ran."""
    check = Check()
    try:
        pe = pefile.PE(path)
    except (OSError, pefile.PEFormatError) as error:
        check.expect(False, f"not a PE file: {error}")
        return check
    check_image(check, pe, path)
    check_exports(check, pe)
    check_imports(check, pe)
    table = res.resource_table(pe)
    try:
        image_ids = check_icon_and_cursor(check, table)
        check_resource_set(check, table, image_ids)
        check_property_list(check, table)
        check_strings(check, table)
        check_dialogs(check, table)
    except ValueError as error:
        check.expect(False, str(error))
    check_version(check, pe)
    return check


def main(argv):
    if len(argv) != 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    check = check_file(argv[1])
    for problem in check.problems:
        print(f"{argv[1]}: {problem}")
    if check.problems:
        return 1
    print(f"{argv[1]}: as expected ({check.count} checks)")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

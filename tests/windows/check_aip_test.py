#!/usr/bin/python3
"""The checker of the Windows plug-in file must catch real faults: each case
alters one thing in a copy of the built file (patching its bytes where pefile
finds them) and expects check_aip to fail, naming what differs.

    /usr/bin/python3 tests/windows/check_aip_test.py build/win32/bin/Tesk_Contour.aip
"""

import os
import shutil
import struct
import sys
import tempfile
import unittest

import pefile

import aip_expected as want
import check_aip

BUILT_FILE = None  # set from the command line


def resource_entry(pe, rtype, rid):
    """The name entry and the data entry of one resource."""
    for type_entry in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if (str(type_entry.name) if type_entry.name is not None else type_entry.id) != rtype:
            continue
        for name_entry in type_entry.directory.entries:
            if name_entry.id == rid:
                return name_entry, name_entry.directory.entries[0]
    raise LookupError(f"no resource {rtype} {rid} in the built file")


class AlteredCopies(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp()
        self.path = os.path.join(self.folder, want.FILE_NAME)
        shutil.copyfile(BUILT_FILE, self.path)
        self.pe = pefile.PE(self.path)
        self.data = bytearray(self.pe.__data__)
        self.pe.close()

    def tearDown(self):
        shutil.rmtree(self.folder)

    def problems_after_patch(self):
        with open(self.path, "wb") as out:
            out.write(self.data)
        return check_aip.check_file(self.path).problems

    def assertNamed(self, problems, *words):
        """Some problem mentions every word."""
        self.assertTrue(any(all(w in p for w in words) for p in problems),
                        f"no problem names {words}: {problems}")

    def patch_resource_bytes(self, rtype, rid, old, new):
        _, lang_entry = resource_entry(self.pe, rtype, rid)
        start = self.pe.get_offset_from_rva(lang_entry.data.struct.OffsetToData)
        end = start + lang_entry.data.struct.Size
        at = bytes(self.data[start:end]).find(old)
        self.assertGreaterEqual(at, 0, f"{old!r} not in resource {rtype} {rid}")
        self.data[start + at:start + at + len(new)] = new

    def test_the_built_file_passes(self):
        self.assertEqual(self.problems_after_patch(), [])

    def test_a_missing_dialog_is_named(self):
        # Renumbering dialog 16051 to 16052 leaves the file without 16051.
        name_entry, _ = resource_entry(self.pe, want.RT_DIALOG, 16051)
        struct.pack_into("<I", self.data, name_entry.struct.get_file_offset(), 16052)
        problems = self.problems_after_patch()
        self.assertNamed(problems, "dialog 16051 is missing")
        self.assertNamed(problems, "unexpected resource", "dialog 16052")

    def test_a_changed_menu_string_is_named(self):
        self.patch_resource_bytes(want.RT_STRING, 1001, "Contour...".encode("utf-16-le"),
                                  "Contour!..".encode("utf-16-le"))
        self.assertNamed(self.problems_after_patch(), "string 16002", "Contour!..")

    def test_a_resource_in_another_language_is_named(self):
        _, lang_entry = resource_entry(self.pe, "PIPL", 16000)
        struct.pack_into("<I", self.data, lang_entry.struct.get_file_offset(), 1031)
        self.assertNamed(self.problems_after_patch(), "languages of property list 16000", "1031")

    def test_a_changed_property_list_byte_is_named(self):
        # The entry point's name starts at 50 + 16 (third property's data); its "n" is byte 75.
        self.patch_resource_bytes("PIPL", 16000, b"PluginMain", b"PluginMaiX")
        self.assertNamed(self.problems_after_patch(), "property list 16000 differs at bytes 75 (0x58, expected 0x6e)")

    def test_a_moved_dialog_item_is_named(self):
        # The error dialog's message text at (43, 12) moves to (44, 12).
        self.patch_resource_bytes(want.RT_DIALOG, 16051, struct.pack("<hhhhH", 43, 12, 182, 88, 2),
                                  struct.pack("<h", 44))
        self.assertNamed(self.problems_after_patch(), "dialog 16051 item 2 rectangle")

    def test_a_changed_version_text_is_named(self):
        self.patch_resource_bytes(want.RT_VERSION, want.VERSION_ID, "Contour\0".encode("utf-16-le"),
                                  "Contoux\0".encode("utf-16-le"))
        self.assertNamed(self.problems_after_patch(), "version InternalName", "Contoux")

    def test_another_machine_is_named(self):
        struct.pack_into("<H", self.data, self.pe.FILE_HEADER.get_file_offset(), 0x8664)
        self.assertNamed(self.problems_after_patch(), "machine")

    def test_a_renamed_export_is_named(self):
        offset = self.pe.DIRECTORY_ENTRY_EXPORT.symbols[0].name_offset
        self.data[offset:offset + 10] = b"PluginMaiN"
        self.assertNamed(self.problems_after_patch(), "exports", "PluginMaiN")

    def test_an_import_from_a_compiler_runtime_is_named(self):
        runtime = [e for e in self.pe.DIRECTORY_ENTRY_IMPORT if e.dll.lower() == b"msvcrt.dll"]
        self.assertTrue(runtime, "the built file imports msvcrt.dll")
        offset = self.pe.get_offset_from_rva(runtime[0].struct.Name)
        self.data[offset:offset + 10] = b"libgcc.dll"  # same length as msvcrt.dll
        self.assertNamed(self.problems_after_patch(), "not part of Windows", "libgcc.dll")

    def test_a_file_that_is_not_a_library_is_named(self):
        with open(self.path, "wb") as out:
            out.write(b"this is text\n")
        self.assertNamed(check_aip.check_file(self.path).problems, "not a PE file")


if __name__ == "__main__":
    if len(sys.argv) < 2:
        print(__doc__.strip(), file=sys.stderr)
        sys.exit(2)
    BUILT_FILE = sys.argv.pop(1)
    unittest.main()

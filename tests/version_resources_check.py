#!/usr/bin/env python3
"""version_resources_check.py EXE DLL: checks the Windows conventions the two shipped binaries carry.

Both: a version resource filed under zh-CN with version 1.0.0.0, product "Sorvane" and the Chinese
file description in a "080404b0" string table (so the code page 936 bytes of the .rc files were
converted to the right UTF-16), Translation 0x0804/1200.
The program also: the application manifest (id 1) asking for asInvoker, listing Vista to 10/11, not
declaring DPI awareness and not asking for common controls 6; the icon group with its icons.
Reads the PE files directly, so it runs on the build machine without Wine.
"""
import struct
import sys
import xml.etree.ElementTree as ET

RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 14, 16, 24
ZH_CN = 0x0804
SUPPORTED_OS = {  # Vista, 7, 8, 8.1, 10/11
    "{e2011457-1546-43c5-a5fe-008deee3d3f0}", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
    "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",
    "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",
}

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
    return condition


def resources(path):
    """{(type, name, language): bytes}; ids are ints, names upper-case strings."""
    data = open(path, "rb").read()
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        raise ValueError(f"{path}: not a PE file")
    sections, optional_size = struct.unpack_from("<H", data, pe + 6)[0], struct.unpack_from("<H", data, pe + 20)[0]
    optional = pe + 24
    magic = struct.unpack_from("<H", data, optional)[0]
    directories = optional + (96 if magic == 0x10B else 112)
    rsrc_rva, rsrc_size = struct.unpack_from("<II", data, directories + 2 * 8)
    if rsrc_size == 0:
        return {}
    table = optional + optional_size

    def offset(rva):
        for i in range(sections):
            va, raw_size, raw = struct.unpack_from("<I I I", data, table + 40 * i + 12)
            virtual_size = struct.unpack_from("<I", data, table + 40 * i + 8)[0]
            if va <= rva < va + max(virtual_size, raw_size):
                return raw + rva - va
        raise ValueError(f"{path}: RVA {rva:#x} in no section")

    base = offset(rsrc_rva)

    def entries(directory):
        named, ids = struct.unpack_from("<HH", data, base + directory + 12)
        for i in range(named + ids):
            name, target = struct.unpack_from("<II", data, base + directory + 16 + 8 * i)
            if name & 0x80000000:
                at = base + (name & 0x7FFFFFFF)
                length = struct.unpack_from("<H", data, at)[0]
                name = data[at + 2:at + 2 + 2 * length].decode("utf-16-le").upper()
            yield name, target

    found = {}
    for rtype, t in entries(0):
        for name, n in entries(t & 0x7FFFFFFF):
            for lang, leaf in entries(n & 0x7FFFFFFF):
                rva, size = struct.unpack_from("<II", data, base + leaf)
                found[(rtype, name, lang)] = data[offset(rva):offset(rva) + size]
    return found


def version_node(buf, at):
    """One node of a VS_VERSIONINFO tree: (key, value, children, end)."""
    length, value_length, kind = struct.unpack_from("<HHH", buf, at)
    end = at + length
    p = at + 6
    key_end = p
    while buf[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = buf[p:key_end].decode("utf-16-le")
    p = (key_end + 2 + 3) & ~3
    size = value_length * 2 if kind == 1 else value_length
    value = buf[p:p + size]
    p = (p + size + 3) & ~3
    children = []
    while p < end:
        child = version_node(buf, p)
        children.append(child)
        p = (child[3] + 3) & ~3
    return key, value, children, end


def text(value):
    return value.decode("utf-16-le").rstrip("\0")


def check_version(path, found, description, filename):
    versions = [(k, v) for k, v in found.items() if k[0] == RT_VERSION]
    if not check(len(versions) == 1, f"{path}: {len(versions)} version resources, want 1"):
        return
    (_, name, lang), blob = versions[0]
    check(name == 1 and lang == ZH_CN, f"{path}: version resource {name}/{lang:#x}, want 1/0x804")
    key, fixed, children, _ = version_node(blob, 0)
    check(key == "VS_VERSION_INFO", f"{path}: root key {key!r}")
    sig, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<6I", fixed, 0)
    check(sig == 0xFEEF04BD, f"{path}: no VS_FIXEDFILEINFO")
    check((file_ms, file_ls, product_ms, product_ls) == (0x10000, 0, 0x10000, 0),
          f"{path}: fixed versions {file_ms:#x}.{file_ls:#x} / {product_ms:#x}.{product_ls:#x}, want 1.0.0.0")
    blocks = {c[0]: c for c in children}
    tables = {t[0]: t for t in blocks.get("StringFileInfo", ("", b"", [], 0))[2]}
    if not check("080404b0" in tables, f"{path}: no 080404b0 string table (have {sorted(tables)})"):
        return
    strings = {k: text(v) for k, v, _, _ in tables["080404b0"][2]}
    want = {"ProductName": "Sorvane", "FileDescription": description, "FileVersion": "1.0.0.0",
            "ProductVersion": "1.0.0.0", "OriginalFilename": filename}
    for field, expected in want.items():
        check(strings.get(field) == expected, f"{path}: {field} = {strings.get(field)!r}, want {expected!r}")
    for field in ("CompanyName", "LegalCopyright"):
        check(strings.get(field), f"{path}: {field} missing or empty")
    translations = [v for k, v, _, _ in blocks.get("VarFileInfo", ("", b"", [], 0))[2] if k == "Translation"]
    check(translations == [struct.pack("<HH", ZH_CN, 1200)], f"{path}: Translation {translations}, want 0x0804, 1200")


def check_manifest(path, found):
    manifests = [v for k, v in found.items() if k[0] == RT_MANIFEST and k[1] == 1]
    if not check(len(manifests) == 1, f"{path}: no application manifest (RT_MANIFEST 1)"):
        return
    root = ET.fromstring(manifests[0])
    local = lambda e: e.tag.rsplit("}", 1)[-1]
    elements = list(root.iter())
    levels = [e.get("level") for e in elements if local(e) == "requestedExecutionLevel"]
    check(levels == ["asInvoker"], f"{path}: execution level {levels}, want asInvoker")
    supported = {e.get("Id", "").lower() for e in elements if local(e) == "supportedOS"}
    check(supported == SUPPORTED_OS, f"{path}: supportedOS {sorted(supported)}")
    aware = [(local(e), (e.text or "").strip()) for e in elements if local(e) in ("dpiAware", "dpiAwareness")]
    check(not aware, f"{path}: declares DPI awareness {aware}; Windows must scale the fixed-pixel windows")
    identities = [e.get("name", "") for e in elements if local(e) == "assemblyIdentity"]
    check(not any("Common-Controls" in n for n in identities),
          f"{path}: asks for common controls 6; the edit box must count bytes and the skin draws the buttons")


def check_icon(path, found):
    groups = [v for k, v in found.items() if k[:2] == (RT_GROUP_ICON, "DEFAULT_ICON")]
    if not check(len(groups) == 1, f"{path}: no icon group DEFAULT_ICON"):
        return
    count = struct.unpack_from("<H", groups[0], 4)[0]
    icons = {k[1] for k in found if k[0] == RT_ICON}
    check(count > 0, f"{path}: icon group is empty")
    for i in range(count):
        icon_id = struct.unpack_from("<H", groups[0], 6 + 14 * i + 12)[0]
        check(icon_id in icons, f"{path}: icon group names icon {icon_id}, which is missing")


def main():
    exe, dll = sys.argv[1], sys.argv[2]
    exe_resources, dll_resources = resources(exe), resources(dll)
    check_version(exe, exe_resources, "Sorvane 文件名列表工具", "Sorvane.exe")
    check_version(dll, dll_resources, "Sorvane 界面皮肤库", "SkinH_EL.dll")
    check_manifest(exe, exe_resources)
    check_icon(exe, exe_resources)
    for f in failures:
        print(f)
    print("version resources:", "FAILED" if failures else "ok")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

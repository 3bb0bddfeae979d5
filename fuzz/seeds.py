#!/usr/bin/env python3
"""Writes the seed inputs of every fuzz target, one folder per target, from the file formats.

A target fuzz_<name> takes its seeds from <out>/<name>/; a target without an entry here starts
from an empty corpus. Usage: seeds.py <out folder>
"""
import math
import os
import struct
import sys
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def rows(n, row):
    return "".join(row(i) for i in range(n)).encode("latin-1")


def raw_spectrum():
    # The first byte picks the extension: 0 ".dat", 1 ".elb".
    header = "T=293K HV=60000V I_Em=10uA I_H=2uA U_W=300V\r\nBemerkungen: Probe\r\n"
    body = rows(60, lambda i: f"{i} 1000 {10 * (i + 1) ** 2}\r\n")
    tabs = rows(30, lambda i: f"{i * 0.5}\t500\t{100 + i}\r\n")
    backwards = rows(10, lambda i: f"{10 - i} 1000 {50 + i}\r\n")
    measured = [b"\x00" + header.encode() + body, b"\x00" + tabs, b"\x00" + backwards, b"\x01" + body]
    # The edited spectrum that the averaging writes: the working curve's x about 0, TAB, y.
    edited = rows(81, lambda i: f"{(i - 40) * 0.1:.7g}\t{1000 * math.exp(-abs(i - 40) / 20):.7g}\r\n")
    one_sided = rows(40, lambda i: f"{1 + i * 0.25:.7g} {50 + i:.7g}\r\n")
    return measured + [b"\x01" + edited, b"\x01" + one_sided, b"\x00" + edited]


def xy(n, step, y):
    return rows(n, lambda i: f"{i * step:.4f}\t{y(i):.6g}\r\n")


def curve_files():
    # The first byte picks the curve kind: 1 raw-like J(K), 6 I(K), 7 G(r), 24 v(r), 21 form factor.
    curve = xy(80, 0.1, lambda i: 100 * math.exp(-i / 30) + 5 * math.sin(i / 3))
    comma = curve.replace(b".", b",")
    # A project's mean form factors, whose header word the curve reader skips.
    mixture = b"Mischungsformfaktor_K[1/nm]\r\n" + curve
    return [bytes([kind]) + body for kind in (1, 4, 6, 7, 11, 21, 23, 24) for body in (curve, comma)] + [
        bytes([21]) + mixture]


def form_factor():
    table = xy(60, 0.05, lambda i: 6 * math.exp(-(i * 0.05) ** 2))
    # A project's mean form factors (K in 1/nm), which the table reader refuses.
    mixture = b"Mischungsformfaktor_K[1/nm]\r\n" + xy(60, 0.1, lambda i: 6 * math.exp(-(i * 0.01) ** 2))
    return [table, b"s f\r\n" + xy(20, 0.1, lambda i: 3 - 0.1 * i), mixture]


def background():
    return [xy(12, 3.0, lambda i: 50 - i), b"no points\r\n1\t2\r\n"]


def structure_curves():
    ik = xy(200, 0.1, lambda i: math.sin(i / 5) * math.exp(-i / 80))
    gr = xy(300, 0.01, lambda i: math.sin(i / 10) * math.exp(-i / 100))
    return [bytes([kind]) + body for kind, body in ((0, ik), (1, ik), (2, gr), (3, gr))]


def element_database():
    with open(os.path.join(ROOT, "resources", "bintable_102.dat"), "rb") as f:
        return [f.read()]


def formula():
    return [b"2*y+sin(3)", b"root(8;3)+hex(255)", b"((1+2)*3)^2/0", b"arcoth(2)+1e308*10", b"101b+FFh+17o+45\xb0"]


def png(width, height, colour, depth, pixels, palette=b""):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    head = struct.pack(">IIBBBBB", width, height, depth, colour, 0, 0, 0)
    rows = b"".join(b"\0" + pixels[y] for y in range(height))
    plte = chunk(b"PLTE", palette) if palette else b""
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", head) + plte + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b"")


def bmp(width, height):
    pitch = (3 * width + 3) // 4 * 4
    rows = b"".join(bytes(c for x in range(width) for c in (x * 40, y * 60, 200)).ljust(pitch, b"\0") for y in range(height))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    return b"BM" + struct.pack("<IHHI", 14 + len(info) + len(rows), 0, 0, 14 + len(info)) + info + rows


def tiff(width, height):
    pixels = bytes(c for i in range(width * height) for c in (i * 30, 100, 255 - i * 30))
    ifd = 8 + len(pixels)
    entries = [(256, 3, 1, width), (257, 3, 1, height), (258, 3, 3, ifd + 2 + 12 * 10 + 4),
               (259, 3, 1, 1), (262, 3, 1, 2), (273, 4, 1, 8), (277, 3, 1, 3), (278, 3, 1, height),
               (279, 4, 1, len(pixels)), (284, 3, 1, 1)]
    out = b"II*\0" + struct.pack("<I", ifd) + pixels + struct.pack("<H", len(entries))
    out += b"".join(struct.pack("<HHII", *e) for e in entries) + b"\0\0\0\0"
    return out + struct.pack("<HHH", 8, 8, 8)


def jpeg():
    # One grey 8x8 block with all coefficients zero; each Huffman table holds the one code "0".
    def segment(marker, body):
        return b"\xff" + bytes([marker]) + struct.pack(">H", len(body) + 2) + body
    table = lambda cls_id, symbol: bytes([cls_id]) + bytes([1] + [0] * 15) + bytes([symbol])
    return (b"\xff\xd8" + segment(0xE0, b"JFIF\0\x01\x01\0\0\x01\0\x01\0\0")
            + segment(0xDB, b"\0" + bytes(range(1, 65)))
            + segment(0xC0, b"\x08\0\x08\0\x08\x01\x01\x11\0")
            + segment(0xC4, table(0x00, 0) + table(0x10, 0))
            + segment(0xDA, b"\x01\x01\0\0\x3f\0") + b"\x3f\xff\xd9")


GIF = (b"GIF89a\x01\0\x01\0\x80\0\0\xff\xff\xff\0\0\0!\xf9\x04\x01\0\0\0\0"
       b",\0\0\0\0\x01\0\x01\0\0\x02\x02D\x01\0;")


def images():
    # The first byte picks the extension: 0 png, 1 tif, 2 jpg, 3 bmp, 4 gif, 5 one the library does not know.
    rgb = png(4, 3, 2, 8, [bytes(range(12 * y, 12 * y + 12)) for y in range(3)])
    palette = png(2, 2, 3, 8, [b"\0\1", b"\1\0"], b"\0\0\0\xff\xff\xff")
    grey16 = png(3, 2, 0, 16, [b"\0\0\x80\0\xff\xff", b"\x12\x34\x56\x78\x9a\xbc"])
    files = [(0, rgb), (0, palette), (0, grey16), (1, tiff(2, 2)), (2, jpeg()), (3, bmp(3, 2)), (4, GIF)]
    return [bytes([kind]) + body for kind, body in files] + [b"\x05" + body for _, body in files]


REPLIES = [b"HTTP/1.0 200 OK\r\nContent-Length: 5\r\n\r\nhello",
           b"HTTP/1.1 302 Found\r\nContent-Location: /x\r\nlocation: /v2.txt\r\n\r\n",
           b"HTTP/1.0 206 Partial\r\nContent-Range: bytes 3-5/6\r\nContent-Length: 3\r\n\r\ndef",
           b"HTTP/1.0 500 Internal Server Error\r\n\r\n",
           b"http://www.example.org:8080/zelo/v_zelo.txt",
           b"www.example.org/a/b?c=d"]


def http_reply():
    return REPLIES


def tiled_tiff(width, height, tile):
    # One 8-bit grey tile of tile x tile pixels covering a smaller picture.
    pixels = bytes((i * 7) % 256 for i in range(tile * tile))
    ifd = 8 + len(pixels)
    entries = [(256, 3, 1, width), (257, 3, 1, height), (258, 3, 1, 8), (259, 3, 1, 1), (262, 3, 1, 1),
               (277, 3, 1, 1), (322, 3, 1, tile), (323, 3, 1, tile), (324, 4, 1, 8), (325, 4, 1, len(pixels))]
    out = b"II*\0" + struct.pack("<I", ifd) + pixels + struct.pack("<H", len(entries))
    return out + b"".join(struct.pack("<HHII", *e) for e in entries) + b"\0\0\0\0"


def big_tiff(width, height):
    # BigTIFF: 8-byte offsets and 20-byte directory entries; one uncompressed grey strip.
    pixels = bytes(range(width * height))
    ifd = 16 + len(pixels)
    entries = [(256, 3, 1, width), (257, 3, 1, height), (258, 3, 1, 8), (259, 3, 1, 1), (262, 3, 1, 1),
               (273, 16, 1, 16), (277, 3, 1, 1), (278, 3, 1, height), (279, 16, 1, len(pixels))]
    out = b"MM\0\x2b\0\x08\0\0" + struct.pack(">Q", ifd) + pixels + struct.pack(">Q", len(entries))
    for tag, kind, count, value in entries:
        field = struct.pack(">H", value) + b"\0" * 6 if kind == 3 else struct.pack(">Q", value)
        out += struct.pack(">HHQ", tag, kind, count) + field
    return out + b"\0" * 8


def picture_header():
    # One valid file of each format the program opens, then TIFF layouts the header check reads.
    extra = [(1, tiled_tiff(20, 10, 16)), (1, big_tiff(4, 3)), (5, tiled_tiff(3, 3, 16))]
    return images() + [bytes([kind]) + body for kind, body in extra]


def settings():
    return [("[Software\\Murenko\\Settings]\r\nMax_R=text:2.5\r\nnm=dword:1\r\nBlob=binary:00ff10\r\n"
             "MRU1=text:/home/user/probe.dat\r\nMRU2=text:C:\\\\Messung\\\\a b.rav\r\n").encode(),
            b"[Software\\Murenko\\Settings]\nMRU10=text:/x\\x3d.dat\nMRU3=dword:7\n[broken\nname-without-value\n",
            b""]


def download():
    # First byte: mode (memory, file, resumed file) and piece size; replies separated by four zero bytes.
    sep = b"\0\0\0\0"
    moved = b"HTTP/1.0 301 Moved\r\nLocation: /v2.txt\r\n\r\n"
    return [b"\x00" + REPLIES[0],
            b"\x03" + moved + sep + b"HTTP/1.0 200 OK\r\nContent-Length: 3\r\n\r\nabc",
            b"\x01" + REPLIES[2],
            b"\x02" + b"HTTP/1.1 206 Partial\r\nContent-Range: bytes 3-5/6\r\n\r\ndef",
            b"\x06" + b"HTTP/1.0 200 OK\r\nContent-Length: 2\r\n\r\ntoo long",
            b"\x09" + b"HTTP/1.0 404 Not Found\r\n\r\n",
            b"\x00" + b"no header at all",
            b"\x00" + (moved + sep) * 7]


def update_window():
    return version_file() + [b"#2.33.0001/2.32.0880/3.18.0.1/neu/new\r\n", b"#3/1/3.18.0/a/b", b"#2.32\0.0880/x/y/z/w"]


def formula_values():
    return [b"y*2", b"Y+1", b"ln(y)", b"foo(y)", b"x*y+sin(x)", b"hex(y)", b"y/0", b"mod(y;0)"]


def version_file():
    return [b"v#2.33.0001/2.32.0880/3.18.0/1.0/1.0", b"Zelo#2.34.0/2.35.0002/3.17.0/1.1/1.0\r\n",
            b"#1.2/ 3 . 4 . 5 /-1.+2.0///"]


SEEDS = {
    "raw_spectrum": raw_spectrum,
    "curve_files": curve_files,
    "form_factor": form_factor,
    "background": background,
    "structure_curves": structure_curves,
    "element_database": element_database,
    "formula": formula,
    "images": images,
    "http_reply": http_reply,
    "version_file": version_file,
    "picture_header": picture_header,
    "qt_picture": images,
    "settings": settings,
    "download": download,
    "update_window": update_window,
    "formula_values": formula_values,
}


def main(out):
    for name, make in SEEDS.items():
        folder = os.path.join(out, name)
        os.makedirs(folder, exist_ok=True)
        for i, content in enumerate(make()):
            with open(os.path.join(folder, f"seed{i}"), "wb") as f:
                f.write(content)


if __name__ == "__main__":
    main(sys.argv[1])

#!/usr/bin/env python3
"""Writes a short clip for the player tests: make_clip.py PATH.wav|PATH.avi
A wave file: one second of an 8-bit square wave at 8000 Hz. A video: two seconds of
uncompressed 32 x 24 frames at 10 per second ('DIB '), with its index."""
import struct, sys, wave

def chunk(fourcc, data):
    return fourcc + struct.pack("<I", len(data)) + data + (b"\0" if len(data) % 2 else b"")

def riff_list(kind, fourcc, data):
    return chunk(kind, fourcc + data)

def avi(path, width=32, height=24, frames=20, rate=10):
    size = width * height * 3
    avih = struct.pack("<10I4I", 1000000 // rate, size * rate, 0, 0x10, frames, 0, 1, size,
                       width, height, 0, 0, 0, 0)
    strh = b"vids" + b"DIB " + struct.pack("<IHHIIIIIIIIhhhh", 0, 0, 0, 0, 1, rate, 0, frames,
                                           size, 0xFFFFFFFF, 0, 0, 0, width, height)
    strf = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, size, 0, 0, 0, 0)
    hdrl = riff_list(b"LIST", b"hdrl", chunk(b"avih", avih) +
                     riff_list(b"LIST", b"strl", chunk(b"strh", strh) + chunk(b"strf", strf)))
    movi, index = b"", b""
    for f in range(frames):
        pixels = bytes((i * 7 + f * 20) & 255 for i in range(size))
        index += b"00db" + struct.pack("<III", 0x10, 4 + len(movi), size)
        movi += chunk(b"00db", pixels)
    body = hdrl + riff_list(b"LIST", b"movi", movi) + chunk(b"idx1", index)
    with open(path, "wb") as out:
        out.write(riff_list(b"RIFF", b"AVI ", body))

def wav(path):
    w = wave.open(path, "wb")
    w.setnchannels(1), w.setsampwidth(1), w.setframerate(8000)
    w.writeframes(bytes(40 if (i // 20) % 2 else 216 for i in range(8000)))
    w.close()

if __name__ == "__main__":
    (avi if sys.argv[1].endswith(".avi") else wav)(sys.argv[1])

#!/usr/bin/env python3
"""Writes the STRINGTABLE entries of resource scripts as a C++ table for the native build,
so that the program's English texts exist once, in the resource script. With --complete,
checks instead that a language library holds every text of the program, and no other, and a
context menu (menu 128) with the program's commands in the program's order, saved in the
code page its #pragma code_page names; it writes STAMP when it does.

    rc_strings.py OUTPUT HEADER SCRIPT...
    rc_strings.py --complete STAMP LIBRARY HEADER SCRIPT...

HEADER (resource.h, may be missing) gives the values of symbolic ids. Entries are read
one per line: `ID, "text"` (the comma may be missing). Escapes are decoded as the resource
compiler decodes them and written again as C++ escapes.
"""
import re
import sys

ENTRY = re.compile(r'^\s*([A-Za-z_][A-Za-z0-9_]*|\d+|0[xX][0-9A-Fa-f]+)\s*,?\s*"(.*)"\s*(//.*)?$')
DEFINE = re.compile(r'^\s*#\s*define\s+([A-Za-z_][A-Za-z0-9_]*)\s+\(?\s*(\d+|0[xX][0-9A-Fa-f]+)\s*\)?')
SIMPLE = {'n': 10, 't': 9, 'r': 13, 'a': 7, 'b': 8, 'f': 12, 'v': 11, '\\': 92, '"': 34, "'": 39}


def fail(where, message):
    sys.exit(f"{where}: {message}")


def decode(body, where):
    """Bytes of an RC string literal's body (between the outer quotes)."""
    out = bytearray()
    i = 0
    while i < len(body):
        c = body[i]
        if c == '"':
            if i + 1 < len(body) and body[i + 1] == '"':
                out.append(34)
                i += 2
                continue
            fail(where, "stray quote in string")
        if c != '\\':
            out.append(ord(c))
            i += 1
            continue
        i += 1
        if i >= len(body):
            fail(where, "backslash at the end of a string")
        e = body[i]
        if e in SIMPLE:
            out.append(SIMPLE[e])
            i += 1
        elif e in 'xX':
            m = re.match(r'[0-9A-Fa-f]{1,2}', body[i + 1:])
            if not m:
                fail(where, "\\x without digits")
            out.append(int(m.group(0), 16))
            i += 1 + len(m.group(0))
        elif e in '01234567':
            m = re.match(r'[0-7]{1,3}', body[i:])
            out.append(int(m.group(0), 8) & 0xFF)
            i += len(m.group(0))
        else:
            fail(where, f"unknown escape \\{e}")
    return bytes(out)


def cxx_literal(data):
    parts = []
    for b in data:
        if b == 34:
            parts.append('\\"')
        elif b == 92:
            parts.append('\\\\')
        elif b == 63:
            parts.append('\\?')
        elif 32 <= b < 127:
            parts.append(chr(b))
        else:
            parts.append('\\%03o' % b)
    return '"' + ''.join(parts) + '"'


def number(text):
    return int(text, 16) if text.lower().startswith('0x') else int(text)


def read_symbols(header):
    symbols = {}
    try:
        with open(header, encoding='latin-1') as f:
            for line in f:
                m = DEFINE.match(line)
                if m:
                    symbols[m.group(1)] = number(m.group(2))
    except FileNotFoundError:
        pass
    return symbols


MENU_LINE = re.compile(r'^\s*(POPUP|MENUITEM)\b\s*(SEPARATOR|"(?:[^"]|"")*")?\s*(?:,\s*(\w+))?')


def read_menu(script, symbols):
    """The shape of menu 128 in SCRIPT: its POPUP and MENUITEM lines as (kind, command id)."""
    shape = []
    inside = False
    depth = 0
    with open(script, encoding='latin-1') as f:
        for n, line in enumerate(f, 1):
            if re.match(r'^\s*(IDR_MAINFRAME|128)\s+MENU\b', line):
                inside = True
                continue
            if not inside:
                continue
            word = line.strip()
            if word in ('BEGIN', '{'):
                depth += 1
            elif word in ('END', '}'):
                depth -= 1
                if depth == 0:
                    break
            m = MENU_LINE.match(line)
            if not m:
                continue
            ident = m.group(3)
            if ident and not ident[0].isdigit():
                if ident not in symbols:
                    fail(f"{script}:{n}", f"unknown id {ident}")
                ident = str(symbols[ident])
            shape.append((m.group(1), m.group(2) == 'SEPARATOR', ident))
    return shape


def check_code_page(library):
    """The resource compiler reads the library in the code page its pragma names: a file
    saved in another one (UTF-8, say) would give every letter beyond ASCII wrong."""
    with open(library, 'rb') as f:
        data = f.read()
    m = re.search(rb'#\s*pragma\s+code_page\s*\(\s*(\d+)\s*\)', data)
    if not m:
        fail(library, "names no code page (#pragma code_page)")
    page = 'cp' + m.group(1).decode()
    try:
        data.decode(page)
    except UnicodeDecodeError as e:
        fail(library, f"byte {e.start} is no letter of code page {page}")
    try:
        data.decode('ascii')
    except UnicodeDecodeError:
        try:
            data.decode('utf-8')
        except UnicodeDecodeError:
            return
    fail(library, f"is UTF-8 or plain ASCII, not in code page {page}")


def check_complete(stamp, library, header, scripts):
    check_code_page(library)
    symbols = read_symbols(header)
    own = read_table(scripts, symbols)
    theirs = read_table([library], symbols)
    missing = sorted(set(own) - set(theirs))
    extra = sorted(set(theirs) - set(own))
    if missing:
        fail(library, "lacks the texts " + ", ".join(map(str, missing)))
    if extra:
        fail(library, "holds texts the program does not have: " + ", ".join(map(str, extra)))
    own_menu = [shape for script in scripts for shape in read_menu(script, symbols)]
    if read_menu(library, symbols) != own_menu:
        fail(library, "menu 128 differs from the program's in its entries or their ids")
    with open(stamp, 'w') as f:
        f.write('complete\n')


def main():
    if len(sys.argv) >= 2 and sys.argv[1] == '--complete':
        if len(sys.argv) < 6:
            sys.exit(__doc__)
        check_complete(sys.argv[2], sys.argv[3], sys.argv[4], sys.argv[5:])
        return
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    output, header, scripts = sys.argv[1], sys.argv[2], sys.argv[3:]
    table = read_table(scripts, read_symbols(header))
    text = ['// Generated from the resource scripts by cmake/rc_strings.py; do not edit.\n']
    for sid in sorted(table):
        text.append('{%d, %s},\n' % (sid, cxx_literal(table[sid])))
    with open(output, 'w', encoding='latin-1') as f:
        f.write(''.join(text))


def read_table(scripts, symbols):
    table = {}
    for script in scripts:
        with open(script, encoding='latin-1') as f:
            lines = f.read().splitlines()
        state = None  # None, 'head' (after STRINGTABLE), 'body'
        for n, line in enumerate(lines, 1):
            where = f"{script}:{n}"
            s = line.strip()
            if state is None:
                if re.match(r'^STRINGTABLE\b', s):
                    state = 'head'
                continue
            if state == 'head':
                if s in ('BEGIN', '{'):
                    state = 'body'
                continue
            if s in ('END', '}'):
                state = None
                continue
            if not s or s.startswith('//'):
                continue
            m = ENTRY.match(line)
            if not m:
                fail(where, "string table line not of the form ID, \"text\"")
            ident = m.group(1)
            if ident[0].isdigit():
                sid = number(ident)
            elif ident in symbols:
                sid = symbols[ident]
            else:
                fail(where, f"unknown id {ident}")
            if sid in table:
                fail(where, f"string {sid} defined twice")
            table[sid] = decode(m.group(2), where)
    return table


if __name__ == '__main__':
    main()

#!/usr/bin/env python3
"""Fails when a file under src/ includes a header of a layer above its own.

Layers, low to high: platform, shell, print, log, exercises. A file may include headers of its own
layer and of the layers below it, whether it names them with "…" or <…>. app/, the composition
root, may include every layer and is not read here. Usage: livelli_include.py SRC_DIR
"""
import pathlib
import re
import sys

LIVELLI = ["platform", "shell", "print", "log", "exercises"]
INCLUDE = re.compile(r'^\s*#\s*include\s*(?:"([^"]+)"|<([^>]+)>)')


def livello(percorso, src):
    """The layer of a path under src/, or None outside src/ or for a file the build generates
    (a .moc); a source folder in no layer is an error."""
    if not percorso.is_relative_to(src):
        return None
    cartella = percorso.relative_to(src).parts[0]
    if cartella not in LIVELLI and not percorso.exists():
        return None
    if cartella not in LIVELLI:
        raise SystemExit(f"{percorso}: src/{cartella} is in no layer; add it to LIVELLI in {__file__}")
    return LIVELLI.index(cartella)


def bersaglio(file, incluso, src, virgolette):
    """The header an #include names: "…" beside the including file first, else from src/ (the
    include path); <…> from src/ only. A system or Qt header resolves outside every layer."""
    vicino = (file.parent / incluso).resolve()
    return vicino if virgolette and vicino.exists() else (src / incluso).resolve()


def violazioni(src):
    for file in sorted(src.rglob("*")):
        if file.suffix not in (".h", ".cpp") or not file.is_file():
            continue
        proprio = livello(file, src)
        for numero, riga in enumerate(file.read_text(encoding="utf-8").splitlines(), 1):
            m = INCLUDE.match(riga)
            if not m:
                continue
            incluso = m.group(1) or m.group(2)
            altro = livello(bersaglio(file, incluso, src, m.group(1) is not None), src)
            if altro is not None and altro > proprio:
                yield (f"{file.relative_to(src.parent)}:{numero}: {LIVELLI[proprio]} includes "
                       f"{LIVELLI[altro]} ({incluso})")


def main():
    if len(sys.argv) != 2:
        raise SystemExit(__doc__)
    src = pathlib.Path(sys.argv[1]).resolve()
    if not src.is_dir():
        raise SystemExit(f"{src}: no such folder")
    errori = list(violazioni(src))
    for e in errori:
        print(e)
    lette = sum(1 for f in src.rglob("*") if f.suffix in (".h", ".cpp"))
    if lette == 0:
        raise SystemExit(f"{src}: no sources read")
    print(f"{lette} files read, {len(errori)} includes against the layers")
    return 1 if errori else 0


if __name__ == "__main__":
    sys.exit(main())

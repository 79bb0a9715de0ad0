#!/usr/bin/env python3
"""Copies one document's rows of a demo database under new keys, so that a batch has many
documents to make: `duplicate_keys.py DB KIND SOURCE_KEY COUNT` prints the new keys.

trip    a trip of VeículosDeslocamentos (new CodInterno)
os      a service order of OSs and the rows of the OS* tables with its Planílha
budget  a budget of Orçamentos and the rows of the Orçamento* tables with its Planílha

Copied rows keep their data; the new keys start at 900000 and other unique numbers of the
main row (CodInterno, NumOrçamento) follow them. Integer primary keys of the detail rows are
given new values by SQLite.
"""
import sqlite3
import sys

KINDS = {
    # kind: (main table, key column, unique columns set to the key too, detail table prefixes)
    "trip": ("VeículosDeslocamentos", "CodInterno", [], []),
    "os": ("OSs", "Planílha", ["CodInterno", "Ordem"], ["OS"]),
    "budget": ("Orçamentos", "Planílha", ["CodInterno", "NumOrçamento"], ["Orçament"]),
}
FIRST_KEY = 900000


def columns(db, table):
    return [(r[1], r[5]) for r in db.execute(f'PRAGMA table_info("{table}")')]


def copy_rows(db, table, key_column, source, target, same_as_key):
    cols = columns(db, table)
    names, values = [], []
    for name, pk in cols:
        names.append(f'"{name}"')
        if name == key_column or name in same_as_key:
            values.append(str(target))
        elif pk and name != key_column:
            values.append("NULL")  # a detail row's own key: SQLite gives a new one
        else:
            values.append(f'"{name}"')
    db.execute(f'INSERT INTO "{table}" ({", ".join(names)}) SELECT {", ".join(values)} '
               f'FROM "{table}" WHERE "{key_column}"=?', (source,))


def main():
    if len(sys.argv) != 5 or sys.argv[2] not in KINDS:
        sys.exit(f"usage: {sys.argv[0]} DB {'|'.join(KINDS)} SOURCE_KEY COUNT")
    path, kind, source, count = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
    table, key, unique, prefixes = KINDS[kind]
    db = sqlite3.connect(path)
    if db.execute(f'SELECT COUNT(*) FROM "{table}" WHERE "{key}"=?', (source,)).fetchone()[0] != 1:
        sys.exit(f"no {kind} {source} in {table}")
    details = [
        name for (name,) in db.execute("SELECT name FROM sqlite_master WHERE type='table'")
        if name != table and any(name.startswith(p) for p in prefixes)
        and any(c == key for c, _ in columns(db, name))
    ]
    first = FIRST_KEY + db.execute(f'SELECT COUNT(*) FROM "{table}" WHERE "{key}">=?',
                                   (FIRST_KEY,)).fetchone()[0]
    keys = list(range(first, first + count))
    with db:
        for k in keys:
            copy_rows(db, table, key, source, k, unique)
            for d in details:
                copy_rows(db, d, key, source, k, [])
    print(" ".join(str(k) for k in keys))


if __name__ == "__main__":
    main()

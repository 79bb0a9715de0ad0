#!/usr/bin/env python3
"""Cost of one call through the Python client, by the kind of access a host writes.

    PYTHONPATH=build/python python3 bench/bench_python_client.py

Each figure is the best of five runs of N calls, in microseconds per call.
"""
import os
import subprocess
import tempfile
import timeit

import orvane

N = 20000
sb = orvane.cStringBuilder()
sb.Append("abcdef")
f = orvane.FuncoesOrvane()
conn = orvane.create("ADODB.Connection")
db = os.path.join(tempfile.mkdtemp(), "demo.db")
subprocess.run([os.environ.get("ORVANE_BIN", "build/orvane"), "demo-db", db], check=True,
               stdout=subprocess.DEVNULL)
conn.Open("sqlite:" + db)
rs = conn.Execute("Select CodCliente As Um, Nome As Dois From Clientes")

cases = {
    "property read (sb.Length)": lambda: sb.Length,
    "property write (sb.ChunkSize = 100)": lambda: setattr(sb, "ChunkSize", 100),
    "method, positional (sb.Find('d'))": lambda: sb.Find("d"),
    "method, keywords (sb.Find('d', compare=0))": lambda: sb.Find("d", compare=0),
    "method with write-back (f.extenso.call_byref('-5'))": lambda: f.extenso.call_byref("-5"),
    "default member (rs['Dois'])": lambda: rs["Dois"],
    "object chain (rs.Fields['Um'].Value)": lambda: rs.Fields["Um"].Value,
    "late-bound invoke, no attribute lookup": lambda: sb.invoke("Length", orvane.PROPERTY_GET),
}
for name, fn in cases.items():
    best = min(timeit.repeat(fn, number=N, repeat=5))
    print(f"{best / N * 1e6:8.2f} us  {name}")

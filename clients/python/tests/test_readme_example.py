"""The README's Python host example, run as written from a folder laid out like the
checkout after `make demo` (the demo database and the built templates)."""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

import orvane

SOURCE = os.environ.get("ORVANE_SOURCE_DIR", os.path.join(os.path.dirname(__file__), "..", "..", ".."))
BUILD = os.environ.get("ORVANE_BINARY_DIR", os.path.join(SOURCE, "build"))
GENERATORS = ("GeraOrçamento", "GeraContrato")


def readme_example():
    with open(os.path.join(SOURCE, "README.md"), encoding="utf-8") as f:
        blocks = re.findall(r"```python\n(.*?)```", f.read(), re.S)
    return next(b for b in blocks if "GeraOrçamento" in b)


def pdf_text(path):
    with open(path, "rb") as f:
        if f.read(5) != b"%PDF-":
            raise AssertionError(f"{path} is not a PDF")
    return subprocess.run(["pdftotext", path, "-"], check=True, capture_output=True,
                          text=True).stdout


class ReadmeExampleTest(unittest.TestCase):
    def test_example_is_python(self):
        compile(readme_example(), "README.md", "exec")

    def test_example_runs(self):
        docs = orvane.GeraDocsOrvane()
        missing = [g for g in GENERATORS if not hasattr(docs, g)]
        if missing:
            self.skipTest("GeraDocsOrvane has no member " + " nor ".join(missing)
                          + " yet; the example runs once the generators are there")
        root = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, root, True)
        demo = os.path.join(root, "build", "demo-output")
        os.makedirs(os.path.join(root, "build", "demo"))
        os.symlink(os.path.join(os.path.abspath(BUILD), "demo", "templates"),
                   os.path.join(root, "build", "demo", "templates"))
        subprocess.run([os.environ.get("ORVANE_BIN", "orvane"), "demo-db",
                        os.path.join(demo, "demo.db")], check=True, stdout=subprocess.DEVNULL)

        tmp = os.path.join(root, "tmp")  # where the generators leave what they produce
        os.mkdir(tmp)
        r = subprocess.run([sys.executable, "-c", readme_example()], cwd=root,
                           env=dict(os.environ, TMPDIR=tmp + "/"), capture_output=True, text=True,
                           timeout=480)
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertNotIn("Orvane:", r.stderr)  # no message box: every step went through
        out = dict(line.split(": ", 1) for line in r.stdout.splitlines())
        self.assertTrue(out["Cliente"].startswith("Ana Lúcia"))
        for kind in ("Orçamento", "Contrato"):
            path = out[kind]
            self.assertTrue(path.endswith(".pdf"), path)
            self.assertIn("Ana Lúcia", pdf_text(path), kind)
        with open(out["Nota"], encoding="utf-8") as f:
            self.assertEqual(f.read(), "<b>Acesso:</b> port&atilde;o lateral<br>Avisar antes da visita.")


if __name__ == "__main__":
    unittest.main()

"""The package: pip installs it from the build tree into a fresh virtual environment with no
package index; it finds its library beside it or through ORVANE_LIB; its stub lists the
members of the public classes as the member tables have them."""
import ast
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

BUILD = os.environ.get("ORVANE_BINARY_DIR", "build")
PACKAGE = os.path.join(BUILD, "python")
ORVANE = os.environ.get("ORVANE_BIN", "orvane")

CHECK = """
import orvane, os
f = orvane.FuncoesOrvane()
print(f.extenso("2"))
print(os.path.realpath(orvane._client._lib._name))
"""


def clean_env(**extra):
    env = {k: v for k, v in os.environ.items()
           if k not in ("PYTHONPATH", "ORVANE_LIB", "LD_LIBRARY_PATH", "VIRTUAL_ENV")}
    env["PIP_CONFIG_FILE"] = os.devnull  # no index, no extra links: only what is given
    env.update(extra)
    return env


class PipInstallTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.dir = tempfile.mkdtemp()
        cls.venv = os.path.join(cls.dir, "venv")
        subprocess.run([sys.executable, "-m", "venv", cls.venv], check=True)
        cls.python = os.path.join(cls.venv, "bin", "python")
        subprocess.run([cls.python, "-m", "pip", "install", "--no-index", "--quiet",
                        "--disable-pip-version-check", PACKAGE], check=True, env=clean_env(),
                       cwd=cls.dir)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.dir, ignore_errors=True)

    def run_python(self, code, **env):
        return subprocess.run([self.python, "-c", code], capture_output=True, text=True,
                              env=clean_env(**env), cwd=self.dir)

    def test_installed_package_uses_the_library_beside_it(self):
        r = self.run_python(CHECK)
        self.assertEqual(r.returncode, 0, r.stderr)
        words, library = r.stdout.splitlines()
        self.assertEqual(words, "Dois reais")
        self.assertTrue(library.startswith(os.path.realpath(self.venv)), library)
        site = subprocess.run([self.python, "-c", "import orvane, os; "
                               "print(os.listdir(os.path.dirname(orvane.__file__)))"],
                              capture_output=True, text=True, env=clean_env(), cwd=self.dir)
        for name in ("classes.pyi", "py.typed", "liborvane.so.0"):
            self.assertIn(name, site.stdout)

    def test_orvane_lib_names_the_library(self):
        built = os.path.realpath(os.path.join(BUILD, "liborvane.so.0"))
        r = self.run_python(CHECK, ORVANE_LIB=built)
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertEqual(r.stdout.splitlines()[1], built)
        r = self.run_python("import orvane", ORVANE_LIB=os.path.join(self.dir, "nada.so"))
        self.assertNotEqual(r.returncode, 0)
        self.assertIn("ORVANE_LIB=", r.stderr)

    def test_uninstall_leaves_nothing(self):
        # Last by name: the other tests use the installed package.
        subprocess.run([self.python, "-m", "pip", "uninstall", "--yes", "--quiet", "orvane"],
                       check=True, env=clean_env(), cwd=self.dir)
        self.assertNotEqual(self.run_python("import orvane").returncode, 0)


class StubTest(unittest.TestCase):
    """classes.pyi and classes.py against what `orvane classes` lists."""

    @classmethod
    def setUpClass(cls):
        with open(os.path.join(PACKAGE, "orvane", "classes.pyi"), encoding="utf-8") as f:
            cls.stub = ast.parse(f.read())
        cls.classes = {n.name: n for n in cls.stub.body if isinstance(n, ast.ClassDef)}
        listing = subprocess.run([ORVANE, "classes"], check=True, capture_output=True,
                                 text=True).stdout
        cls.listed = {}
        current = None
        for line in listing.splitlines():
            if line.startswith("class "):
                current = cls.listed.setdefault(line.split()[1], [])
            elif line.startswith("  ") and not line.startswith("      ") and current is not None:
                current.append(line.strip())

    def members(self, cls):
        out = {}
        for node in self.classes[cls].body:
            if isinstance(node, ast.FunctionDef):
                out.setdefault(node.name, node)
            elif isinstance(node, ast.AnnAssign):  # a write-only property
                out.setdefault(node.target.id, node)
        return out

    def test_every_public_class_and_member_is_in_the_stub(self):
        import orvane
        self.assertEqual(set(self.classes), set(self.listed))
        for cls, lines in self.listed.items():
            members = self.members(cls)
            for line in lines:
                if line.startswith("Enum "):
                    continue
                name = line.split("(")[0].split()[-1]
                self.assertIn(name, members, f"{cls}.{name}")
            self.assertTrue(issubclass(getattr(orvane, cls), orvane.Object))

    def test_parameters_types_and_properties(self):
        gera = self.members("GeraDocsOrvane")["GeraDeslocamentoViatura"]
        self.assertEqual([a.arg for a in gera.args.args],
                         ["self", "Connorvane", "CodUnidade", "CodEmpresa", "CodDesloca", "Layout",
                          "Visualiza", "Cópias"])
        self.assertEqual(ast.unparse(gera.returns), "str")
        extenso = self.members("FuncoesOrvane")["extenso"]
        self.assertEqual(len(extenso.args.defaults), len(extenso.args.args) - 2)  # optionals
        self.assertIn("MissingType", ast.unparse(extenso.args.args[-1].annotation))
        self.assertIn("nValor", ast.get_docstring(extenso))  # by reference, written back
        sb = [n for n in self.classes["cStringBuilder"].body if isinstance(n, ast.FunctionDef)]
        chunk = [ast.unparse(d) for n in sb if n.name == "ChunkSize" for d in n.decorator_list]
        self.assertEqual(chunk, ["property", "ChunkSize.setter"])
        overloads = [n for n in self.stub.body
                     if isinstance(n, ast.FunctionDef) and n.name == "create"]
        self.assertEqual(len(overloads), len(self.classes) + 1)


if __name__ == "__main__":
    unittest.main()

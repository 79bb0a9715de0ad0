"""Tests of the Python client against the built liborvane.so (ORVANE_LIB)."""
import decimal
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import orvane  # noqa: E402


class NzTest(unittest.TestCase):
    def setUp(self):
        self.f = orvane.create("FuncoesOrvane")

    def test_null_takes_the_substitute(self):
        self.assertEqual(self.f.NZ(None, ""), "")
        self.assertEqual(self.f.NZ(None, None), 0)
        self.assertEqual(self.f.nz(5, 0), 5)
        self.assertEqual(self.f.NZ(decimal.Decimal("2.12"), 0), decimal.Decimal("2.12"))

    def test_omitted_substitute_comes_back_as_the_marker(self):
        self.assertIs(self.f.NZ(None), orvane.MISSING)
        self.assertIs(self.f.NZ(None, orvane.MISSING), orvane.MISSING)

    def test_by_reference_arguments_are_reported(self):
        value, byref = self.f.call_byref("NZ", None, "x")
        self.assertEqual(value, "x")
        self.assertEqual(set(byref), {"Dado", "CasoNull"})

    def test_errors(self):
        with self.assertRaises(orvane.OrvaneError) as e:
            self.f.NoSuchMember()
        self.assertEqual(e.exception.number, 438)
        with self.assertRaises(orvane.OrvaneError) as e:
            orvane.create("No.Such.Class")
        self.assertEqual(e.exception.number, 429)
        with self.assertRaises(orvane.OrvaneError) as e:
            self.f.NZ()
        self.assertEqual(e.exception.number, 449)

    def test_objects_know_their_type(self):
        self.assertEqual(self.f.type_name, "FuncoesOrvane")
        self.assertEqual(orvane.create("Orvane.GeraPDF").type_name, "GeraPDF")

    def test_settings(self):
        orvane.set_setting("word_version", "16.0")
        with self.assertRaises(ValueError):
            orvane.set_setting("colour", "blue")


class BusinessFunctionsTest(unittest.TestCase):
    def setUp(self):
        self.f = orvane.create("FuncoesOrvane")

    def test_extenso_writes_back_without_the_sign(self):
        self.assertEqual(self.f.extenso("1234,56"),
                         "Um mil, duzentos e trinta e quatro reais e cinquenta e seis centavos")
        value, byref = self.f.call_byref("extenso", "-5")
        self.assertEqual(value, "Cinco reais")
        self.assertEqual(byref["nValor"], "5")

    def test_acertodg_fits_and_writes_back(self):
        value, byref = self.f.call_byref("AcertoDG", "abc", "0", 1, 6)
        self.assertEqual(value, "000ABC")
        self.assertEqual(byref["Texto"], "000abc")

    def test_messages_reach_the_host_handler(self):
        seen = []
        orvane.set_message_handler(lambda text, style, title: seen.append((text, style, title)) or 1)
        try:
            f = orvane.create("FuncoesOrvane")  # the handler applies to objects created after it
            self.assertEqual(f.extenso("não é número"), "")
        finally:
            orvane.set_message_handler(None)
        self.assertEqual(len(seen), 1)
        text, style, title = seen[0]
        self.assertTrue(text.startswith("Ocorreu o erro nº"))
        self.assertEqual((style, title), (16, "Orvane"))


class StringBuilderTest(unittest.TestCase):
    def test_append_insert_find_and_properties(self):
        sb = orvane.create("cStringBuilder")
        self.assertEqual((sb.get("Length"), sb.get("Capacity"), sb.get("ChunkSize")), (0, 0, 8192))
        sb.Append("abc")
        sb.Insert(0, "x")
        self.assertEqual(sb.get("toString"), "xabc")
        self.assertEqual(sb.Find("C"), 4)
        self.assertEqual(sb.Find("C", 1, 0), 0)
        sb.ChunkSize = 100
        self.assertEqual(sb.get("ChunkSize"), 100)
        with self.assertRaises(orvane.OrvaneError) as e:
            sb.Insert(9, "y")
        self.assertEqual(e.exception.number, 9)


class DatabaseTest(unittest.TestCase):
    """Dlookup on the demo database through a connection object made by the host."""

    @classmethod
    def setUpClass(cls):
        cls.dir = tempfile.mkdtemp()
        cls.db = os.path.join(cls.dir, "demo.db")
        subprocess.run([os.environ.get("ORVANE_BIN", "orvane"), "demo-db", cls.db], check=True,
                       stdout=subprocess.DEVNULL)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.dir, ignore_errors=True)

    def test_dlookup_and_aggregates(self):
        conn = orvane.create("ADODB.Connection")
        conn.Open("sqlite:" + self.db)
        f = orvane.create("FuncoesOrvane")
        self.assertEqual(f.Dlookup(conn, "Nome", "Clientes", "CodCliente=1042")[:9], "Ana Lúcia")
        self.assertIsNone(f.Dlookup(conn, "Nome", "Clientes", "CodCliente=-1"))
        self.assertGreater(f.DCount(conn, "*", "Clientes"), 3)
        self.assertEqual(f.DSum(conn, "Nome", "TabelaQueNaoExiste"), 0)


if __name__ == "__main__":
    unittest.main()

"""The Python client against the built library: attributes by member kind, named
arguments, by-reference write-back, errors, typed classes, database objects."""
import decimal
import os
import shutil
import subprocess
import tempfile
import unittest

import orvane


def demo_database(folder):
    path = os.path.join(folder, "demo.db")
    subprocess.run([os.environ.get("ORVANE_BIN", "orvane"), "demo-db", path], check=True,
                   stdout=subprocess.DEVNULL)
    return path


class AttributesTest(unittest.TestCase):
    def test_properties_give_values_and_methods_callables(self):
        sb = orvane.cStringBuilder()
        self.assertEqual((sb.Length, sb.Capacity, sb.ChunkSize), (0, 0, 8192))
        sb.Append("abc")
        clear = sb.Clear  # taking a method does not run it
        self.assertEqual(sb.toString, "abc")
        clear()
        self.assertEqual(sb.Length, 0)
        self.assertIsNone(sb.Append("x"))  # a Sub gives None, not Empty

    def test_assignment_writes_properties(self):
        sb = orvane.cStringBuilder()
        sb.ChunkSize = 100
        self.assertEqual(sb.chunksize, 100)  # names match without regard to case
        sb.TheString = "só escrita"  # a write-only property
        self.assertEqual(sb.toString, "só escrita")
        with self.assertRaises(orvane.OrvaneError) as e:
            sb.Length = 5  # read-only
        self.assertEqual(e.exception.number, 438)

    def test_unknown_members(self):
        f = orvane.FuncoesOrvane()
        self.assertFalse(hasattr(f, "NaoExiste"))
        with self.assertRaises(orvane.OrvaneError) as e:
            f.NaoExiste()
        self.assertEqual(e.exception.number, 438)
        self.assertIn("NaoExiste", e.exception.description)
        self.assertIn("extenso", dir(f))
        self.assertIn("GeraDeslocamentoViatura", dir(orvane.GeraDocsOrvane()))

    def test_typed_classes(self):
        f = orvane.create("Orvane.FuncoesOrvane")
        self.assertIsInstance(f, orvane.FuncoesOrvane)
        self.assertEqual(f.type_name, "FuncoesOrvane")
        self.assertIsInstance(orvane.GeraPDF(), orvane.Object)
        self.assertEqual(orvane.FuncoesOrvane.AppExport.gWriter, 3)
        self.assertTrue(f.ValidaAppExport(orvane.FuncoesOrvane.AppExport.gWriter) in (True, False))


class ArgumentsTest(unittest.TestCase):
    def setUp(self):
        self.f = orvane.FuncoesOrvane()

    def test_keywords_are_named_arguments(self):
        self.assertEqual(self.f.NZ(CasoNull=7, Dado=None), 7)
        self.assertEqual(self.f.NZ(None, casonull="x"), "x")
        sb = orvane.cStringBuilder()
        sb.Append("abcabc")
        self.assertEqual(sb.Find("C", compare=0), 0)  # binary compare: no capital C
        self.assertEqual(sb.Find("c", lStartIndex=4), 6)

    def test_binding_errors_are_also_python_type_errors(self):
        for call, number in ((lambda: self.f.NZ(Nada=1), 448), (lambda: self.f.NZ(), 449),
                             (lambda: self.f.NZ(1, 2, 3), 450)):
            with self.assertRaises(TypeError) as e:
                call()
            self.assertIsInstance(e.exception, orvane.OrvaneError)
            self.assertEqual(e.exception.number, number)

    def test_null_and_missing(self):
        self.assertEqual(self.f.NZ(None, ""), "")
        self.assertIs(self.f.NZ(None), orvane.MISSING)
        self.assertIs(self.f.NZ(None, CasoNull=orvane.MISSING), orvane.MISSING)
        self.assertEqual(self.f.NZ(decimal.Decimal("2.12"), 0), decimal.Decimal("2.12"))

    def test_by_reference_write_back(self):
        value, byref = self.f.extenso.call_byref(nValor="-5")
        self.assertEqual((value, byref), ("Cinco reais", {"nValor": "5"}))
        value, byref = self.f.call_byref("AcertoDG", "abc", "0", 1, 6)
        self.assertEqual((value, byref["Texto"]), ("000ABC", "000abc"))
        self.f.extenso("-7")
        self.assertEqual(self.f.byref, {"nValor": "7"})

    def test_named_arguments_of_the_text_to_pdf_converter(self):
        folder = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, folder, True)
        note = os.path.join(folder, "nota.txt")
        with open(note, "w", encoding="cp1252") as f:
            f.write("Nota do cliente\r\n")
        pdf = orvane.GeraPDF()
        for size in (10, 12):
            out = os.path.join(folder, f"{size}.pdf")
            self.assertIsNone(pdf.ConvertToPDF(note, out, FontSize=size, TextTitle="Nota"))
            with open(out, "rb") as f:
                data = f.read()
            self.assertIn(b"/F1 %d Tf" % size, data)
            self.assertIn(b"/Title (Nota)", data)

    def test_errors_carry_number_and_description(self):
        sb = orvane.cStringBuilder()
        with self.assertRaises(orvane.OrvaneError) as e:
            sb.Insert(9, "y")
        self.assertEqual(e.exception.number, 9)
        self.assertTrue(e.exception.description)
        with self.assertRaises(orvane.OrvaneError) as e:
            orvane.create("No.Such.Class")
        self.assertEqual(e.exception.number, 429)

    def test_host_services(self):
        seen = []
        orvane.set_message_handler(lambda text, style, title: seen.append((style, title)) or 1)
        try:
            f = orvane.FuncoesOrvane()  # the handler applies to objects created after it
            self.assertEqual(f.extenso("não é número"), "")
        finally:
            orvane.set_message_handler(None)
        self.assertEqual(seen, [(16, "Orvane")])
        with self.assertRaises(ValueError):
            orvane.set_setting("colour", "blue")


class CollectionsTest(unittest.TestCase):
    """Default members and indexes: recordsets, fields, dictionaries, collections."""

    @classmethod
    def setUpClass(cls):
        cls.dir = tempfile.mkdtemp()
        cls.conn = orvane.create("ADODB.Connection")
        cls.conn.Open("sqlite:" + demo_database(cls.dir))

    @classmethod
    def tearDownClass(cls):
        cls.conn.Close()
        shutil.rmtree(cls.dir, ignore_errors=True)

    def test_recordset_fields(self):
        rs = self.conn.Execute("Select Nome, CodCliente From Clientes Where CodCliente=1042")
        self.assertEqual(rs["Nome"][:9], "Ana Lúcia")  # rs("Nome")
        self.assertEqual(rs.Fields["CodCliente"].Value, 1042)
        self.assertEqual(rs.Fields("Nome").Name, "Nome")
        self.assertEqual(rs.Collect("CodCliente"), 1042)  # an indexed property, called
        self.assertEqual([f.Name for f in rs.Fields], ["Nome", "CodCliente"])  # from 0
        self.assertEqual(len(rs.Fields), 2)
        self.assertFalse(rs.EOF)
        rs.MoveNext()
        self.assertTrue(rs.EOF)

    def test_aggregates_take_the_connection(self):
        f = orvane.FuncoesOrvane()
        self.assertIsNone(f.Dlookup(self.conn, "Nome", "Clientes", "CodCliente=-1"))
        self.assertGreater(f.DCount(self.conn, "*", "Clientes"), 3)
        self.assertEqual(f.DSum(self.conn, "Nome", Tabela="TabelaQueNaoExiste"), 0)

    def test_dictionary_and_collection(self):
        d = orvane.FuncoesOrvane().parse('{"a": 1, "b": [10, 20]}')
        self.assertEqual(list(d), ["a", "b"])
        self.assertEqual(list(d["b"]), [10, 20])  # a collection counts from 1
        d["c"] = "novo"
        self.assertEqual((len(d), d.Item("c"), "c" in d), (3, "novo", True))
        with self.assertRaises(TypeError):
            len(orvane.FuncoesOrvane())


if __name__ == "__main__":
    unittest.main()

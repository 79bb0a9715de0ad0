"""Python hosts driving the office objects with attributes and keyword arguments, and the
trip sheet generator and the RTF converter through the typed classes."""
import os
import shutil
import subprocess
import tempfile
import unittest
import zipfile

import orvane

TEMPLATES = os.path.join(os.environ.get("ORVANE_BINARY_DIR", "build"), "demo", "templates")
TRIP_SHEET = "Ficha de Deslocamento"


def pdf_text(path):
    with open(path, "rb") as f:
        if f.read(5) != b"%PDF-":
            raise AssertionError(f"{path} is not a PDF")
    return subprocess.run(["pdftotext", "-layout", path, "-"], check=True, capture_output=True,
                          text=True).stdout


class OfficeTestCase(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, self.dir, True)

    def template(self, extension):
        source = os.path.join(TEMPLATES, TRIP_SHEET + extension)
        if not os.path.exists(source):
            self.skipTest(f"{source} was not built (LibreOffice missing when building)")
        copy = os.path.join(self.dir, "ficha" + extension)
        shutil.copy(source, copy)
        return copy

    def path(self, name):
        return os.path.join(self.dir, name)


class WordTest(OfficeTestCase):
    def test_open_replace_type_save_and_export(self):
        word = orvane.create("Word.Application")
        self.assertTrue(word.Version.startswith("16"))
        word.Visible = False
        self.assertFalse(word.Visible)
        doc = word.Documents.Open(self.template(".docx"), ReadOnly=False)
        self.assertEqual(word.Documents.Count, 1)
        self.assertEqual(doc.FullName, self.path("ficha.docx"))

        sel = word.Selection
        find = sel.Find
        find.ClearFormatting()
        find.Text = "Des.CodInterno"
        find.Replacement.Text = "000501"
        find.MatchCase = True
        self.assertTrue(find.Execute(Replace=2))  # wdReplaceAll, every other argument omitted
        self.assertFalse(sel.Find.Execute(FindText="Des.CodInterno"))
        self.assertTrue(sel.Find.Execute(FindText="Des.Data", Forward=True, Wrap=1))
        self.assertEqual(sel.Text, "Des.Data")  # a plain execute selects what it found
        sel.TypeText(Text="06/12/2026")
        sel.Borders.LineStyle = 1  # a property whose index is optional gives its value

        word.ActiveDocument.SaveAs(FileName=self.path("saida.docx"))
        word.ActiveDocument.ExportAsFixedFormat(OutputFileName=self.path("saida.pdf"),
                                                ExportFormat=17)
        word.Quit(SaveChanges=False)

        with zipfile.ZipFile(self.path("saida.docx")) as z:
            body = z.read("word/document.xml").decode()
        self.assertIn("000501", body)
        self.assertIn("06/12/2026", body)
        self.assertNotIn("Des.CodInterno", body)
        text = pdf_text(self.path("saida.pdf"))
        self.assertIn("000501", text)
        self.assertIn("06/12/2026", text)

    def test_errors_of_the_object_model(self):
        word = orvane.create("Word.Application")
        with self.assertRaises(orvane.OrvaneError) as e:
            word.Documents.Open(FileName=self.path("nao-existe.docx"))
        self.assertNotEqual(e.exception.number, 0)
        with self.assertRaises(TypeError):
            word.Documents.Open(Arquivo="x.docx")  # no such named argument
        word.Quit()


class WriterTest(OfficeTestCase):
    def test_service_manager_desktop_replace_and_store(self):
        f = orvane.FuncoesOrvane()
        manager = orvane.create("com.sun.star.ServiceManager")
        desktop = manager.createInstance("com.sun.star.frame.Desktop")
        doc = desktop.loadComponentFromURL(URL=f.ConvertToUrl(self.template(".odt")),
                                           Arguments=[f.MakePropertyValue("Hidden", True)])
        replace = doc.createReplaceDescriptor()
        replace.SearchString = "Des.CodInterno"
        replace.setReplaceString("000501")
        replace.SearchCaseSensitive = True
        self.assertGreaterEqual(doc.replaceAll(replace), 1)
        search = doc.createSearchDescriptor()
        search.SearchString = "Des.CodInterno"
        self.assertIsNone(doc.findFirst(search))  # nothing left: Nothing comes back as None
        self.assertIn("000501", doc.Text.String)

        pdf = self.path("ficha.pdf")
        doc.storeToURL(f.ConvertToUrl(pdf),
                       Properties=[f.MakePropertyValue("FilterName", "writer_pdf_Export")])
        doc.close(DeliverOwnership=True)
        self.assertIn("000501", pdf_text(pdf))


class GeneratorsTest(OfficeTestCase):
    """The trip sheet and the RTF converter as a host calls them, on the demo database."""

    def setUp(self):
        super().setUp()
        db = self.path("demo.db")
        subprocess.run([os.environ.get("ORVANE_BIN", "orvane"), "demo-db", db], check=True,
                       stdout=subprocess.DEVNULL)
        self.conn = orvane.create("ADODB.Connection")
        self.conn.Open("sqlite:" + db)
        self.addCleanup(self.conn.Close)

    def test_trip_sheet_with_named_arguments(self):
        docs = orvane.GeraDocsOrvane()
        for extension in (".docx", ".odt"):
            with self.subTest(extension):
                layout = self.template(extension)
                produced = docs.GeraDeslocamentoViatura(self.conn, CodUnidade=301, CodEmpresa=1,
                                                        CodDesloca=501, Layout=layout,
                                                        Visualiza=False, Cópias=0)
                self.assertTrue(produced.endswith(".pdf"), produced)
                self.assertEqual(docs.byref["Layout"], produced)  # written back
                text = pdf_text(produced)
                self.assertIn("FICHA DE DESLOCAMENTO", text)
                self.assertNotIn("Des.CodInterno", text)

    def test_trip_sheet_failure_is_an_empty_result_and_a_message(self):
        seen = []
        orvane.set_message_handler(lambda text, style, title: seen.append(text) or 1)
        try:
            docs = orvane.GeraDocsOrvane()
            self.assertEqual(docs.GeraDeslocamentoViatura(self.conn, 301, 1, 501,
                                                          Layout=self.path("sem-modelo.docx"),
                                                          Visualiza=False, Cópias=0), "")
        finally:
            orvane.set_message_handler(None)
        self.assertTrue(seen)

    def test_rtf_note_to_html(self):
        f = orvane.FuncoesOrvane()
        note = r"{\rtf1\ansi{\fonttbl{\f0 Arial;}}\f0 {\b Cliente:} Ana L\'facia\par Portão azul\par}"
        html = f.rtf2html3(strRTF=note)
        self.assertEqual(html, '<b><font face="Arial">Cliente:</font></b> Ana L&uacute;cia'
                               "<br>Portão azul")


if __name__ == "__main__":
    unittest.main()

"""Tests of the Python client against the built liborvane.so (ORVANE_LIB)."""
import decimal
import os
import sys
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


if __name__ == "__main__":
    unittest.main()

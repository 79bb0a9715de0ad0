#include "funcs/textclean.h"

#include <gtest/gtest.h>

#include "testing/testing.h"

namespace orvane::funcs {
namespace {

std::string tira(const std::string& s, bool pj = false, bool sc = false) {
  return to_utf8(TiraAcento(from_utf8(s), pj, sc));
}

TEST(TiraAcento, ModesAndSymbols) {
  EXPECT_EQ(tira("Ação"), "ACAo");
  EXPECT_EQ(tira("Nº 5 (50%)"), "NO 5  50  ");
  EXPECT_EQ(tira("Nº 5 (50%)", true), "Nº 5  50% ");
  EXPECT_EQ(tira("Nº 5 (50%)", false, true), "NO 5  50  ");
  EXPECT_EQ(tira("P&D"), "PED");
  EXPECT_EQ(tira("P&D", false, true), "P&D");
  EXPECT_EQ(tira("P&D", true), "P&D");
  EXPECT_EQ(tira("1ª via", true, true), "1ª via");  // PJ wins over SC
  EXPECT_EQ(tira("1ª via", false, true), "1A via");
  EXPECT_EQ(tira("m² m³ [x]{y} ¼½¾´“q”"), "m2 m3 [x]{y}      q ");
  EXPECT_EQ(tira("ÃÕÁÉÍÓÚÀÈÌÒÙÄËÏÖÜÂÊÎÔÛÇ"), "AOAEIOUAEIOUAEIOUAEIOUC");
  EXPECT_EQ(tira("ãõáéíóúàèìòùäëïöüâêîôûç"), "AOAEIOUAEIOUAEIOUAEIOUC");
}

// Over every character of the Latin-1 range and the typographic extras, in every mode:
// the length never changes, no listed accent survives, other characters pass unchanged.
TEST(TiraAcento, EveryCharacterEveryMode) {
  Text all;
  for (char16_t c = 1; c < 0x250; ++c) all.push_back(c);
  all += u"\u201C\u201D\u2019\u20AC";
  const Text accents = T("ãõáéíóúàèìòùäëïöüâêîôûçÃÕÁÉÍÓÚÀÈÌÒÙÄËÏÖÜÂÊÎÔÛÇ¼½¾´“”()²³");
  for (int mode = 0; mode < 3; ++mode) {
    Text r = TiraAcento(all, mode == 2, mode == 1);
    ASSERT_EQ(r.size(), all.size());
    for (size_t i = 0; i < r.size(); ++i) {
      EXPECT_EQ(accents.find(r[i]), Text::npos) << mode << " " << int(all[i]);
      bool listed =
          accents.find(all[i]) != Text::npos || Text(u"\u00BA\u00AA&%").find(all[i]) != Text::npos;
      if (!listed) {
        EXPECT_EQ(r[i], all[i]) << int(all[i]);
      }
    }
  }
}

TEST(AcertoDG, FitsAndWritesBack) {
  Variant t = Text(u"abc");
  EXPECT_EQ(AcertoDG(t, u"0", 1, 6), u"000ABC");
  EXPECT_EQ(t, Variant(Text(u"000abc")));
  t = Text(u"abc");
  EXPECT_EQ(AcertoDG(t, u"0", 0, 6), u"ABC000");
  t = Text(u"abcdef");
  EXPECT_EQ(AcertoDG(t, u"0", 1, 4), u"ABCD");
  EXPECT_EQ(t, Variant(Text(u"abcd")));
  t = Text(u"abcdef");
  EXPECT_EQ(AcertoDG(t, u"0", 1, 4, true), u"abcd");
  t = Variant(int32_t{123});
  EXPECT_EQ(AcertoDG(t, u"0", 1, 5), u"00123");
  EXPECT_EQ(t, Variant(Text(u"00123")));
  t = Text(T("ação"));
  EXPECT_EQ(AcertoDG(t, u" ", 7, 5), T(" AÇÃO"));
  t = Text(u"ab");  // a filler of several characters is added whole
  EXPECT_EQ(AcertoDG(t, u"xy", 0, 5), u"ABXYXY");
  t = Text(u"ab");
  EXPECT_EQ(AcertoDG(t, u"", 1, 5), u"AB");  // nothing to pad with: left as it is
  EXPECT_EQ(t, Variant(Text(u"ab")));
  t = Text(u"ab");
  EXPECT_EQ(AcertoDG(t, u"0", 1, 0), u"");
}

TEST(AcertoDG, NegativeWidthNullAndEmpty) {
  Variant t = Variant(12.5);
  EXPECT_EQ(AcertoDG(t, u"0", 1, -1), u"12,5");
  EXPECT_EQ(t, Variant(12.5));  // the cut failed, so the value stays as it was
  t = Variant::Null();
  EXPECT_EQ(AcertoDG(t, u"0", 1, 3), u"");
  EXPECT_TRUE(t.is_null());
  t = Variant();
  EXPECT_EQ(AcertoDG(t, u"*", 1, 3), u"***");
}

TEST(LimpaLetra, DigitsOnly) {
  Variant t = Text(u"(11) 3456-7890");
  EXPECT_EQ(LimpaLetra(t), u"1134567890");
  EXPECT_EQ(t, Variant(Text(u"(11) 3456-7890")));
  t = Variant::Null();
  EXPECT_EQ(LimpaLetra(t), u"");
  EXPECT_EQ(t, Variant(Text()));
  t = Variant(-12.5);
  EXPECT_EQ(LimpaLetra(t), u"125");
  t = Text(T("nº ²³ 7"));
  EXPECT_EQ(LimpaLetra(t), u"7");
}

TEST(TipoCombustivelEImpar, Values) {
  EXPECT_EQ(TipoCombustivel(u"G"), u"GASOLINA");
  EXPECT_EQ(TipoCombustivel(u"A"), u"ETANOL");
  EXPECT_EQ(TipoCombustivel(u"B"), u"BICOMBUSTIVEL");
  EXPECT_EQ(TipoCombustivel(u"D"), u"DIESEL");
  EXPECT_EQ(TipoCombustivel(u"N"), u"GNV");
  EXPECT_EQ(TipoCombustivel(u"E"), T("Elétrico"));
  EXPECT_EQ(TipoCombustivel(u"H"), T("Híbrido"));
  EXPECT_EQ(TipoCombustivel(u"g"), u"");
  EXPECT_EQ(TipoCombustivel(u"GG"), u"");
  EXPECT_EQ(TipoCombustivel(u""), u"");
  EXPECT_TRUE(EImpar(-3));
  EXPECT_FALSE(EImpar(0));
  EXPECT_FALSE(EImpar(-4));
  EXPECT_TRUE(EImpar(INT32_MAX));
  EXPECT_FALSE(EImpar(INT32_MIN));
}

TEST(TextCleanCommand, ThroughOrvaneCall) {
  auto run = [](const std::string& args) {
    return orvane::testing::run_command(orvane::testing::orvane_bin() + " call " + args);
  };
  auto r = run("--json FuncoesOrvane AcertoDG abc 0 1 6");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\"result\":{\"type\":\"String\",\"value\":\"000ABC\"}"), std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("\"Texto\":{\"type\":\"String\",\"value\":\"000abc\"}"), std::string::npos)
      << r.out;
  r = run("--json FuncoesOrvane LimpaLetra @null");
  EXPECT_NE(r.out.find("\"byref\":{\"Texto\":{\"type\":\"String\",\"value\":\"\"}}"),
            std::string::npos)
      << r.out;
  r = run(
      "FuncoesOrvane TiraAcento 'Nº 5 (50%)' @bool:true --then EImpar -3 --then tipocombustivel g");
  EXPECT_EQ(r.out, "Nº 5  50% \nTrue\n\n");
}

}  // namespace
}  // namespace orvane::funcs

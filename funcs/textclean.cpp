#include "funcs/textclean.h"

#include <array>

#include "core/convert.h"
#include "core/error.h"
#include "funcs/aggregates.h"

namespace orvane::funcs {

using component::opt;
using component::ref;
using component::val;

namespace {

// One source list and a target list per mode, position for position. The target is
// always written in upper case, so é becomes E and an untouched plain letter keeps its
// case.
const Text& accent_source() {
  static const Text s = T("ãõáéíóúàèìòùäëïöüâêîôûçÃÕÁÉÍÓÚÀÈÌÒÙÄËÏÖÜÂÊÎÔÛÇºª&%()[]{}²³¼½¾´“”");
  return s;
}
const Text& accent_target(bool pj, bool sc) {
  static const Text plain = T("aoaeiouaeiouaeiouaeioucAOAEIOUAEIOUAEIOUAEIOUCoae   []{}23      ");
  static const Text keep_amp =
      T("aoaeiouaeiouaeiouaeioucAOAEIOUAEIOUAEIOUAEIOUCoa&   []{}23      ");
  static const Text company = T("aoaeiouaeiouaeiouaeioucAOAEIOUAEIOUAEIOUAEIOUCºª&%  []{}23      ");
  return pj ? company : sc ? keep_amp : plain;
}

}  // namespace

Text TiraAcento(TextView linha, bool pj, bool sc) {
  const Text& source = accent_source();
  const Text& target = accent_target(pj, sc);
  Text out(linha);
  for (char16_t& c : out) {
    size_t i = source.find(c);
    if (i != Text::npos) c = vb::UpperChar(target[i]);
  }
  return out;
}

Text AcertoDG(Text& texto, TextView caracter, uint8_t direcao, int16_t tamanho, bool nao_ucase) {
  if (tamanho >= 0) {
    const size_t width = static_cast<size_t>(tamanho);
    if (texto.size() >= width) {
      texto.resize(width);
    } else if (!caracter.empty()) {
      // Padding is built in one piece: a multi-character filler is repeated whole.
      size_t times = (width - texto.size() + caracter.size() - 1) / caracter.size();
      Text pad;
      pad.reserve(times * caracter.size());
      for (size_t i = 0; i < times; ++i) pad += caracter;
      texto = direcao != 0 ? pad + texto : texto + pad;
    }
  }
  return nao_ucase ? texto : vb::UCase(texto);
}

Text AcertoDG(Variant& texto, TextView caracter, uint8_t direcao, int16_t tamanho, bool nao_ucase) {
  if (texto.is_null()) return Text();
  Text s;
  if (!resume_next([&] { s = CStr(texto); })) return Text();
  Text r = AcertoDG(s, caracter, direcao, tamanho, nao_ucase);
  if (tamanho >= 0) texto = std::move(s);
  return r;
}

Text LimpaLetra(Variant& texto) {
  resume_next([&] { texto = NZ(texto, Text()); });
  Text s, digits;
  resume_next([&] { s = CStr(texto); });
  for (char16_t c : s)
    if (c >= u'0' && c <= u'9') digits.push_back(c);
  return digits;
}

Text TipoCombustivel(TextView tipo) {
  struct Fuel {
    const char16_t* code;
    const char* name;
  };
  static constexpr std::array<Fuel, 7> kFuels = {{{u"G", "GASOLINA"},
                                                  {u"A", "ETANOL"},
                                                  {u"B", "BICOMBUSTIVEL"},
                                                  {u"D", "DIESEL"},
                                                  {u"N", "GNV"},
                                                  {u"E", "Elétrico"},
                                                  {u"H", "Híbrido"}}};
  for (const Fuel& f : kFuels)
    if (tipo == f.code) return T(f.name);
  return Text();
}

bool EImpar(int32_t num) { return num % 2 != 0; }

void add_textclean_members(component::MemberTable& t) {
  const Variant no = false;
  t.method(
      u"TiraAcento",
      {val(u"Linha", VarType::String), opt(u"PJ", VarType::Boolean, no),
       opt(u"SC", VarType::Boolean, no)},
      VarType::String,
      [](Object&, component::Args& a) {
        return Variant(TiraAcento(a[0].text(), a[1].boolean(), a[2].boolean()));
      },
      "accents and symbols out, replaced letters in capitals");
  t.method(
      u"AcertoDG",
      {ref(u"Texto", VarType::Variant), ref(u"Caracter", VarType::String),
       ref(T("Direção"), VarType::Byte), ref(u"Tamanho", VarType::Integer),
       opt(T("NãoUCASE"), VarType::Boolean, no)},
      VarType::String,
      [](Object&, component::Args& a) {
        return Variant(AcertoDG(a[0], a[1].text(), a[2].byte(), a[3].integer(), a[4].boolean()));
      },
      "Texto fitted to Tamanho (written back), in upper case unless NãoUCASE");
  t.method(
      u"LimpaLetra", {ref(u"Texto", VarType::Variant)}, VarType::String,
      [](Object&, component::Args& a) { return Variant(LimpaLetra(a[0])); },
      "the digits of Texto (Texto becomes NZ(Texto, \"\"))");
  t.method(
      u"TipoCombustivel", {ref(u"Tipo", VarType::String)}, VarType::String,
      [](Object&, component::Args& a) { return Variant(TipoCombustivel(a[0].text())); },
      "fuel name of a one-letter code");
  t.method(
      u"EImpar", {val(u"iNum", VarType::Long)}, VarType::Boolean,
      [](Object&, component::Args& a) { return Variant(EImpar(a[0].lng())); },
      "True for odd numbers");
}

}  // namespace orvane::funcs

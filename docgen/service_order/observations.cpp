#include "docgen/service_order/observations.h"

#include "core/convert.h"
#include "docgen/frame/values.h"
#include "funcs/textclean.h"

namespace orvane::docgen::service_order {
namespace {

// Word types a Null observation as a single blank, so the placeholder still goes.
Variant blank_for_null(const Variant& v) { return v.is_null() ? Variant(Text(u" ")) : v; }

}  // namespace

std::vector<LongText> DocWordSubstObservacoes(const db::Recordset& order,
                                              const db::Recordset& customer) {
  const Variant& painel = customer.field(u"SigmaLocalizaPainel");
  return {
      {T("OSs.ObservaçõesFechamento"), blank_for_null(order.field(T("ObservaçõesFechamento")))},
      {T("Cli.ObservaçãoSigma"), blank_for_null(customer.field(T("ObservaçãoSIGMA")))},
      {u"Cli.SigmaLocalizaPainel", blank_for_null(painel)},
      {u"vSigmaLocalizaPainel", blank_for_null(painel)},
  };
}

Text mask_marked_spans(TextView observacoes) {
  Text text(observacoes);
  while (true) {
    const long open = vb::InStr(text, u"[#");
    if (open == 0) break;
    const long close = vb::InStr(text, u"#]");
    if (close == 0 || close < open) break;
    // The width is a 16-bit integer, as AcertoDG takes it: a longer span overflows (6).
    const int16_t width = CInt(Variant(static_cast<int32_t>(close + 2 - open)));
    Text stars = u"*";
    funcs::AcertoDG(stars, u"*", 0, width);
    text = vb::Left(text, open - 1) + stars + vb::Mid(text, close + 2);
  }
  return text;
}

std::vector<LongText> masked_observations(const db::Recordset& order) {
  const Variant masked(mask_marked_spans(key_text(order.field(T("Observações")))));
  return {{u"vObserva", masked}, {T("OS.Observações"), masked}};
}

}  // namespace orvane::docgen::service_order

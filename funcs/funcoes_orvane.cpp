#include "funcs/funcoes_orvane.h"

#include "funcs/aggregates.h"
#include "funcs/files.h"
#include "funcs/rounding.h"
#include "funcs/rtf_members.h"
#include "funcs/textclean.h"
#include "funcs/unitchecks.h"
#include "funcs/wording.h"
#include "json/json_members.h"

namespace orvane::funcs {

FuncoesOrvane::FuncoesOrvane(ContextPtr ctx) : ctx_(ctx ? std::move(ctx) : default_context()) {}

const component::MemberTable& FuncoesOrvane::table() {
  static const component::MemberTable kTable = [] {
    component::MemberTable t(u"FuncoesOrvane");
    add_aggregate_members(t);
    add_wording_members(t);
    add_textclean_members(t);
    add_rounding_members(t);
    add_unitchecks_members(t);
    json::add_json_members(t);
    add_rtf_members(t);
    add_file_members(t);
    return t;
  }();
  return kTable;
}

FuncoesOrvane& self_of(Object& self) { return static_cast<FuncoesOrvane&>(self); }

}  // namespace orvane::funcs

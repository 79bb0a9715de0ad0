// The wiring of the component: every creatable class, public and platform.
#include "component/registry.h"
#include "docgen/gera_docs_orvane.h"
#include "funcs/funcoes_orvane.h"
#include "platform/db/db.h"
#include "platform/office/word/word.h"
#include "platform/office/writer/writer.h"
#include "platform/storage/orvane_arquivos.h"
#include "strbuild/string_builder.h"
#include "textpdf/gera_pdf.h"

namespace orvane::component {
namespace {

template <class C>
ClassInfo public_class(const char16_t* name) {
  return ClassInfo{name,
                   {Text(u"Orvane.") + name},
                   [](const ContextPtr& ctx) -> ObjectPtr { return std::make_shared<C>(ctx); },
                   &C::table(),
                   true};
}

}  // namespace

void register_all_classes(Registry& r) {
  r.add(public_class<docgen::GeraDocsOrvane>(u"GeraDocsOrvane"));
  r.add(public_class<funcs::FuncoesOrvane>(u"FuncoesOrvane"));
  r.add(public_class<strbuild::cStringBuilder>(u"cStringBuilder"));
  r.add(public_class<textpdf::GeraPDF>(u"GeraPDF"));
  // Platform classes (office suites, storage component) are added here by their layers.
  r.add(ClassInfo{u"OrvaneArquivos",
                  {u"Tesmar.Orvane.OrvaneArquivos"},
                  [](const ContextPtr& ctx) -> ObjectPtr {
                    return std::make_shared<storage::OrvaneArquivos>(ctx);
                  },
                  &storage::OrvaneArquivos::table(),
                  false});
  r.add(ClassInfo{
      u"Word.Application",
      {},
      [](const ContextPtr& ctx) -> ObjectPtr { return office::word::Application::create(ctx); },
      nullptr,
      false});
  db::register_classes(r);
  r.add(ClassInfo{u"com.sun.star.ServiceManager",
                  {},
                  [](const ContextPtr& ctx) -> ObjectPtr {
                    return office::writer::ServiceManager::create(ctx);
                  },
                  nullptr,
                  false});
}

}  // namespace orvane::component

// The pipeline's own rules: the suite choice, the names of the produced files, Word's
// version and the texts of the messages.
#include "docgen/frame/pipeline.h"

#include <gtest/gtest.h>

namespace orvane::docgen {
namespace {

TEST(Pipeline, SuiteChoiceIsTheCaseSensitiveOdt) {
  EXPECT_EQ(choose_suite(u"/m/Ficha.odt"), Route::Writer);
  EXPECT_EQ(choose_suite(u"/m/Ficha.ODT"), Route::Word);
  EXPECT_EQ(choose_suite(u"/m/Ficha.docx"), Route::Word);
  EXPECT_EQ(choose_suite(u"C:\\Modelos\\Ficha.doc"), Route::Word);
}

TEST(Pipeline, OutputNames) {
  EXPECT_EQ(pdf_name(u"/tmp/Ficha.docx"), u"/tmp/Ficha.pdf");
  EXPECT_EQ(pdf_name(u"/tmp/Ficha.doc"), u"/tmp/Ficha.pdf");
  EXPECT_EQ(pdf_name(u"/tmp/Ficha.odt"), u"/tmp/Ficha.pdf");
  EXPECT_EQ(pdf_name(u"/tmp/Ficha.ODT"), u"/tmp/Ficha.pdf");
  EXPECT_EQ(doc_name(u"/tmp/Ficha.docx"), u"/tmp/Ficha.doc");
  EXPECT_EQ(doc_name(u"/tmp/Ficha.doc"), u"/tmp/Ficha.doc");
  // The fallback after a failed export starts from the PDF name.
  EXPECT_EQ(doc_name(u"/tmp/Ficha.pdf"), u"/tmp/Ficha.doc");
}

TEST(Pipeline, GenericMessageCarriesNumberAndDescription) {
  EXPECT_EQ(generic_failure_message(VbError(3021, u"Sem registro atual")),
            T("Ocorreu um erro ao processar o arquivo:\r\r3021 - Sem registro atual\r\r"
              "Verifique se o arquivo já não está aberto em outra janela, encerre todos e tente "
              "novamente!"));
}

}  // namespace
}  // namespace orvane::docgen

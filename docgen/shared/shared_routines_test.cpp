// The routines several documents share, on the demo database: the equipment balance of a
// customer built for the test, the ownership transfer, the digital acceptance and the
// payment conditions of the demo budgets.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "core/convert.h"
#include "core/format.h"
#include "docgen/frame/values.h"
#include "docgen/shared/digital_acceptance.h"
#include "docgen/shared/equipment_balance.h"
#include "docgen/shared/ownership_transfer.h"
#include "docgen/shared/payment_conditions.h"
#include "funcs/rounding.h"
#include "platform/db/db.h"
#include "testing/testing.h"

namespace orvane::docgen {
namespace {

using orvane::testing::TempDir;

class SharedRoutines : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = orvane::testing::demo_database(dir_);
    connection_ = db::open_connection(from_utf8(path_.string()), ctx_.ctx);
    conn_ = db::as_variant(connection_);
  }
  void run(const char* sql) { connection_->run_script(from_utf8(sql)); }

  // Placeholder -> value of every row the routine added.
  static std::map<Text, Text> rows(const PlaceholderTable& t) {
    std::map<Text, Text> out;
    for (int32_t i = 1; i <= t.counter(); ++i) out[t.text(i)] = key_text(t.value(i));
    return out;
  }

  TempDir dir_;
  std::filesystem::path path_;
  orvane::testing::RecordingContext ctx_;
  db::ConnectionPtr connection_;
  Variant conn_;
};

TEST_F(SharedRoutines, EquipmentBalanceFollowsTheSixSteps) {
  // Customer 1999 of this test: orders closed (F), waiting for the withdrawal (B) and cancelled.
  run(R"(
    INSERT INTO Clientes (CodCliente, TipoCadastro, Nome) VALUES (1999, 'C', 'Cliente do teste');
    INSERT INTO OSs (Planílha, CodInterno, Ordem, Unidade, Empresa, Cliente, Status, DataFechamento)
      VALUES (99001, 99001, 1, 301, 1, 1999, 'F', '2026-01-10'),
             (99002, 99002, 2, 301, 1, 1999, 'F', '2026-02-01'),
             (99003, 99003, 3, 301, 1, 1999, 'B', '2026-03-01'),
             (99004, 99004, 4, 301, 1, 1999, 'C', '2026-03-02');
    INSERT INTO OSProdutos (CodInterno, Planílha, CodProduto, Descrição, Quantidade, Custo,
                            CobraCliente, Motivo) VALUES
      (99101, 99001, 1003, 'SENSOR IVP', 5, 40.00, 0, 'Locado'),
      (99102, 99001, 1001, 'CENTRAL AMT', 1, 400.00, 1, NULL),
      (99103, 99001, 1004, 'SENSOR MAGNETICO', 2, 20.00, 0, 'Direta'),
      (99104, 99004, 1003, 'SENSOR IVP', 10, 40.00, 0, 'Locado');
    INSERT INTO OSProdutosRetirar (CodInterno, Planílha, CodProduto, Descrição, Quantidade,
                                   Entregue, Motivo) VALUES
      (99201, 99002, 1003, 'SENSOR IVP', 1, 1, 'Locado'),
      (99202, 99002, 1005, 'SIRENE', 1, 1, 'Empréstimo'),
      (99203, 99003, 1003, 'SENSOR IVP', 2, 1, 'Locado');
    INSERT INTO CorrigeLocados (CodInterno, CodCliente, CodProduto, Data, Modalidade, Quantidade)
      VALUES (99301, 1999, 1005, '2026-02-02', 'E', 1),
             (99302, 1999, 1002, '2026-02-03', 'G', 2);
    INSERT INTO TempProdutosCliente (Cliente, CodProduto, Descrição, Tipo, Quantidade, Custo)
      VALUES (1999, 1009, 'ANTIGO', 'Locado', 7, 1);
  )");
  auto others = [&] {
    return CLng(
        connection_->first_value(u"Select Count(*) From TempProdutosCliente Where Cliente<>1999"));
  };
  run("INSERT INTO TempProdutosCliente (Cliente, CodProduto, Tipo, Quantidade) VALUES "
      "(1042, 1001, 'Locado', 3)");
  const int32_t before = others();
  AtualizaProdutosCliente(conn_, 301, 1, 1999);

  auto rs = db::open_recordset(
      connection_,
      u"Select CodProduto, Tipo, Quantidade, Custo, Descrição From TempProdutosCliente "
      u"Where Cliente=1999 Order By CodProduto, Tipo");
  std::vector<std::string> got;
  for (; !rs->eof(); rs->move_next()) {
    got.push_back(to_utf8(key_text(rs->field(0)) + u" " + key_text(rs->field(1)) + u" " +
                          key_text(rs->field(2)) + u" " + key_text(rs->field(3)) + u" " +
                          key_text(rs->field(4))));
  }
  const Text kit_cost = key_text(Variant(funcs::RetornaCustoSelecionado(conn_, 301, 1, 1003, 0)));
  const Text keypad_cost =
      key_text(Variant(funcs::RetornaCustoSelecionado(conn_, 301, 1, 1002, 0)));
  // 1003 Locado: 5 received, 1 withdrawn (F), 1 delivered and 1 pending (B); the pending one is
  // in transit. 1005: withdrawn from a loan and put back by a correction: zero, removed. The
  // direct sale, the cancelled order and the customer's old rows are gone.
  const std::vector<std::string> expected = {
      "1001 Vendido 1 400 CENTRAL AMT",
      "1002 Garantia 2 " + to_utf8(keypad_cost) + " TECLADO LCD XAT 2000",
      "1003 Em Transito 1 " + to_utf8(kit_cost) + " SENSOR IVP", "1003 Locado 2 40 SENSOR IVP"};
  EXPECT_EQ(got, expected);
  // Nobody else's rows were touched.
  EXPECT_EQ(others(), before);
}

TEST_F(SharedRoutines, OwnershipTransferOfTheHilux) {
  PlaceholderTable t(100);
  ownership_transfer_routine(conn_, t, Variant(int32_t{1071}), Variant(int32_t{5}),
                             Variant(int32_t{20063}));
  auto r = rows(t);
  EXPECT_EQ(r[u"vTrocaNome"], T("José Roberto Fagundes"));
  EXPECT_EQ(r[u"vTrocaCPFCNPJ"], u"371.025.648-80");
  const Text vehicle = r[u"vTrocaTitularidadeVeiculo"];
  EXPECT_EQ(vb::Split(vehicle, u"\t").size(), 5u) << to_utf8(vehicle);
  EXPECT_NE(vehicle.find(key_text(
                connection_->first_value(T("Select Placa From GRVeículos Where CodInterno=5")))),
            Text::npos);
  EXPECT_EQ(r[u"vTipoOrcOrigem"],
            key_text(connection_->first_value(
                u"Select Descreve From DadosEntidades Where CodEntidade=249 And Codigo='R'")));
  EXPECT_FALSE(r[u"vTipoOrcOrigem"].empty());

  PlaceholderTable none(100);
  ownership_transfer_routine(conn_, none, Variant::Null(), Variant::Null(),
                             Variant(int32_t{20051}));
  auto n = rows(none);
  EXPECT_EQ(n.size(), 10u);
  EXPECT_EQ(n[u"vTrocaNome"], u"");
  EXPECT_EQ(n[u"vTrocaTitularidadeVeiculo"], u"");
}

TEST_F(SharedRoutines, DigitalAcceptanceWithWitnesses) {
  PlaceholderTable t(200);
  add_acceptance_record(conn_, t, Variant(Text(u"a3f1c9e2-5b7d-4e08-9c61-2d4b8f7a1e35")));
  auto r = rows(t);
  EXPECT_EQ(r[u"ACT.Ace_NomeAssinante"], T("ANA LÚCIA BERTOLINI CARDOSO"));  // varchar: capitals
  EXPECT_EQ(r[u"vDataAceite"], u"04/03/2025 09:31:44");
  EXPECT_EQ(r[u"vEveAceite"], T("Assinatura da testemunha 2 - documento concluído"));
  EXPECT_EQ(r[u"vAssinante2DataAceite"], u"03/03/2025 20:02:51");
  EXPECT_EQ(r[u"vTestemunha1DataAceite"], u"04/03/2025 08:55:03");
  EXPECT_EQ(r[u"vTestemunha2DataAceite"], u"04/03/2025 09:31:44");
  EXPECT_EQ(r[u"vTestemunha1Nome"], T("Patrícia Helena Duarte"));
  EXPECT_EQ(r[u"vTestemunha1CPF"], u"618.305.742-80");
  EXPECT_EQ(r[u"vTestemunha2Nome"], u"Marcelo Augusto Fontana");

  // Without an acceptance every placeholder is there, blank.
  PlaceholderTable blank(200);
  add_acceptance_record(conn_, blank, Variant::Null());
  auto b = rows(blank);
  EXPECT_TRUE(b.count(u"ACT.Ace_NomeAssinante"));
  for (const auto& [name, value] : b) EXPECT_EQ(value, u"") << to_utf8(name);
  EXPECT_EQ(blank.counter(), t.counter());
}

std::vector<Text> lines(const ListSet& lists, TextView name) {
  std::vector<Text> out;
  const ListLines& l = lists[name];
  for (int32_t i = 1; i <= l.count(); ++i) out.push_back(l.line(i));
  return out;
}

TEST_F(SharedRoutines, ConditionsOfferedWithTheBudget) {
  ListSet lists;
  // Budget 20051 (total 790,90) offers conditions 11 (down payment + 30/60), 16 (PIX) and 12.
  const Currency installment =
      payment_conditions_routine(*ctx_.ctx, conn_, 301, Variant(int32_t{20051}),
                                 Variant(int32_t{2}), Variant(int32_t{11}), lists);
  EXPECT_EQ(installment, CCur(263.63));  // its own condition: three equal payments
  EXPECT_EQ(lines(lists, T("vCondições")),
            (std::vector<Text>{u"ENTRADA R$ 263,63 + 2 x R$ 263,63 (30/60 dias)\tR$ 790,90",
                               u"A VISTA\tR$ 790,90",
                               u"SEM ENTRADA 3 x R$ 263,63 (30/60/90 dias)\tR$ 790,90"}));
  EXPECT_EQ(lines(lists, T("vCondiçõesEntrada"))[0],
            u"Entrada de R$ 263,63 + 2 (duas) parcelas de R$ 263,63");
  EXPECT_EQ(lines(lists, T("vCondiçõesEntrada"))[2],
            T("Sem entrada, 3 (tres) parcelas de R$ 263,63"));
  EXPECT_EQ(lines(lists, T("vCondiçõesValores"))[0],
            u"Entrada de R$ 263,63; 30 dias de R$ 263,63; 60 dias de R$ 263,63 = R$ 790,90");
  EXPECT_EQ(lines(lists, T("vCondiçõesSemValor")),
            (std::vector<Text>{u"ENTRADA + 2 PARCELAS (30/60 DIAS)", u"A VISTA",
                               u"SEM ENTRADA, 3 PARCELAS (30/60/90 DIAS)"}));
  EXPECT_EQ(lines(lists, T("vCondiçõesProdutos"))[1], u"A VISTA\tR$ 197,90");
  EXPECT_EQ(lines(lists, T("vCondições2"))[0], T("Entrada + 30/60 dias\t3 x R$ 263,63"));
}

TEST_F(SharedRoutines, OwnInstallmentPlanIsALoanAtTheUnitsRate) {
  ListSet lists;
  // Budget 20058: 5 installments on 2.255,10 of products less 500,00 down, 1,99 % a month.
  const Currency installment =
      payment_conditions_routine(*ctx_.ctx, conn_, 301, Variant(int32_t{20058}),
                                 Variant(int32_t{2}), Variant(int32_t{13}), lists);
  // Independent check: paying it monthly clears the financed balance.
  double balance = 2255.10 - 500.00;
  for (int month = 0; month < 5; ++month) balance = balance * 1.0199 - CDbl(Variant(installment));
  EXPECT_LT(std::fabs(balance), 0.03) << CDbl(Variant(installment));
  const Text shown = CStr(Format(Variant(installment), u"Currency"));
  EXPECT_EQ(lines(lists, T("vCondições"))[0],
            u"Entrada de R$ 500,00 + 5 (cinco) parcelas de " + shown);
  EXPECT_EQ(lines(lists, T("vCondiçõesSemValor"))[0], u"Entrada + 5 parcelas");
  // Then its own condition (13: down payment and five monthly payments).
  EXPECT_EQ(lists[T("vCondições")].count(), 2);
}

TEST_F(SharedRoutines, InstallmentsSentenceInTheFeminine) {
  const Variant total(CCur(790.90));
  EXPECT_EQ(installments_sentence(*ctx_.ctx, conn_, total, Variant(int32_t{11})),
            u"1 + 2 (UMA MAIS DUAS) PARCELAS IGUAIS E SUCESSIVAS DE R$ 263,63 (DUZENTOS E "
            u"SESSENTA E TRES REAIS E SESSENTA E TRES CENTAVOS) CADA");
  EXPECT_EQ(installments_sentence(*ctx_.ctx, conn_, total, Variant(int32_t{12})).substr(0, 48),
            u"3 (TRES) PARCELAS IGUAIS E SUCESSIVAS DE R$ 263,");
  EXPECT_EQ(installments_sentence(*ctx_.ctx, conn_, total, Variant(int32_t{10})),
            u"1 (UMA) PARCELA DE R$ 790,90 (SETECENTOS E NOVENTA REAIS E NOVENTA CENTAVOS)");
  EXPECT_EQ(installments_sentence(*ctx_.ctx, conn_, total, Variant::Null()), u"");
  // Twenty-one installments read "VINTE E UMA".
  EXPECT_EQ(installments_in_words(*ctx_.ctx, 21), u"VINTE E UMA");
}

}  // namespace
}  // namespace orvane::docgen

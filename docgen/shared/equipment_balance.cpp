#include "docgen/shared/equipment_balance.h"

#include "core/convert.h"
#include "docgen/frame/values.h"
#include "funcs/aggregates.h"
#include "funcs/rounding.h"
#include "platform/db/db.h"

namespace orvane::docgen {
namespace {

// The cost a withdrawn or corrected product gets when its balance row has none: the
// selected cost of the unit, with no price table.
constexpr int32_t kNoPriceTable = 0;

class Balance {
 public:
  Balance(const Variant& conn, int32_t unit, int32_t company, int32_t customer)
      : conn_(conn), unit_(unit), company_(company), customer_(CStr(Variant(customer))) {}

  db::RecordsetPtr read(TextView sql) const {
    return db::open_recordset(conn_, sql, db::CursorType::Static, db::LockType::ReadOnly);
  }
  void execute(TextView sql) const { db::connection_of(conn_)->execute(sql); }
  const Text& customer() const { return customer_; }
  const Variant& conn() const { return conn_; }

  // Opens the balance row of (product, kind) for update, created when missing.
  db::RecordsetPtr find_or_create(const Variant& product, TextView kind,
                                  const Variant& description) const {
    db::RecordsetPtr row = db::open_recordset(
        conn_,
        T("Select * From TempProdutosCliente Where Cliente=") + customer_ + u" And CodProduto=" +
            key_text(product) + u" And Tipo='" + Text(kind) + u"'",
        db::CursorType::Keyset, db::LockType::Optimistic);
    if (row->record_count() < 1) {
      row->add_new();
      row->set_field(u"Tipo", Variant(Text(kind)));
      row->set_field(u"Cliente", Variant(CLng(Variant(customer_))));
      row->set_field(u"CodProduto", product);
      row->set_field(T("Descrição"), description);
    }
    return row;
  }

  // A balance row without a cost takes the product's selected cost.
  void fill_cost(db::Recordset& row, const Variant& product) const {
    if (money_or_zero(row.field(u"Custo")) != Currency()) return;
    row.set_field(u"Custo", Variant(funcs::RetornaCustoSelecionado(conn_, unit_, company_,
                                                                   CLng(product), kNoPriceTable)));
  }

  void add_quantity(db::Recordset& row, double quantity) const {
    row.set_field(u"Quantidade", Variant(number_or_zero(row.field(u"Quantidade")) + quantity));
  }

 private:
  Variant conn_;
  int32_t unit_, company_;
  Text customer_;
};

// The kind of a manual correction, by its Modalidade.
Text correction_kind(const Variant& modalidade) {
  const Text m = key_text(modalidade);
  if (m == u"V") return u"Vendido";
  if (m == u"L") return u"Locado";
  if (m == u"E") return T("Empréstimo");
  if (m == u"G") return u"Garantia";
  if (m == u"B") return u"Gratifica";
  if (m == u"I") return u"Interno";
  if (m == u"M") return u"Manutencao";
  return Text();
}

void received_equipment(const Balance& b) {
  db::RecordsetPtr rs =
      b.read(T("Select OSProdutos.CodInterno, OSProdutos.Custo, CodProduto, Descrição, Quantidade, "
               "DataFechamento As Data, Case CobraCliente When 0 Then Motivo Else 'Vendido' End As "
               "Tipo From OSProdutos Inner Join OSs On OSProdutos.Planílha=OSs.Planílha Where "
               "Isnull(Motivo,'')<>'Direta' And Status<>'A' And Status<>'C' And OSs.Cliente=") +
             b.customer() + T(" Order By DataFechamento, Descrição"));
  for (; !rs->eof(); rs->move_next()) {
    db::RecordsetPtr row = b.find_or_create(rs->field(u"CodProduto"), key_text(rs->field(u"Tipo")),
                                            rs->field(T("Descrição")));
    b.add_quantity(*row, number_or_zero(rs->field(u"Quantidade")));
    // The latest delivery's cost stands for the row; a delivery without one keeps it.
    if (money_or_zero(rs->field(u"Custo")) != Currency()) {
      row->set_field(u"Custo", rs->field(u"Custo"));
    }
    row->update();
  }
}

void removed_equipment(const Balance& b) {
  db::RecordsetPtr rs = b.read(
      T("Select osprodutosretirar.CodInterno, CodProduto, Descrição, Entregue as Quantidade, "
        "DataFechamento As Data, Motivo from osprodutosretirar inner join OSs on "
        "oss.planílha=osprodutosretirar.planílha where cliente=") +
      b.customer() + T(" And status<>'A' And Status<>'C' Order By DataFechamento, Descrição"));
  for (; !rs->eof(); rs->move_next()) {
    const Variant product = rs->field(u"CodProduto");
    db::RecordsetPtr row =
        b.find_or_create(product, key_text(rs->field(u"Motivo")), rs->field(T("Descrição")));
    b.add_quantity(*row, -number_or_zero(rs->field(u"Quantidade")));
    b.fill_cost(*row, product);
    row->update();
  }
}

void manual_corrections(const Balance& b) {
  db::RecordsetPtr rs = b.read(u"Select * from CorrigeLocados Where CodCliente=" + b.customer() +
                               u" Order By Data, CodInterno");
  for (; !rs->eof(); rs->move_next()) {
    const Variant product = rs->field(u"CodProduto");
    const Variant description =
        funcs::Dlookup(b.conn(), T("Descriçao"), u"Produtos", u"CodProduto=" + key_text(product));
    db::RecordsetPtr row =
        b.find_or_create(product, correction_kind(rs->field(u"Modalidade")), description);
    b.add_quantity(*row, number_or_zero(rs->field(u"Quantidade")));
    b.fill_cost(*row, product);
    row->update();
  }
}

void equipment_in_transit(const Balance& b) {
  db::RecordsetPtr rs = b.read(
      Text(u"Select OSProdutosRetirar.*, (OSProdutosRetirar.Quantidade-OSProdutosRetirar.Entregue) "
           u"As Pendentes ") +
      u"From OSProdutosRetirar " + T("Inner Join OSs On OSProdutosRetirar.Planílha=OSs.Planílha ") +
      u"Where OSs.Cliente=" + b.customer() +
      u" And OSs.Status In ('B','F') And OSProdutosRetirar.Entregue<OSProdutosRetirar.Quantidade");
  for (; !rs->eof(); rs->move_next()) {
    const Variant product = rs->field(u"CodProduto");
    const double pending = number_or_zero(rs->field(u"Pendentes"));
    db::RecordsetPtr transit = b.find_or_create(product, u"Em Transito", rs->field(T("Descrição")));
    b.add_quantity(*transit, pending);
    b.fill_cost(*transit, product);
    transit->update();
    db::RecordsetPtr origin =
        b.find_or_create(product, key_text(rs->field(u"Motivo")), rs->field(T("Descrição")));
    b.add_quantity(*origin, -pending);
    origin->update();
  }
}

}  // namespace

void AtualizaProdutosCliente(const Variant& conn, int32_t cod_unidade, int32_t cod_empresa,
                             int32_t cliente) {
  const Balance b(conn, cod_unidade, cod_empresa, cliente);
  const Text delete_rows = u"Delete From TempProdutosCliente Where Cliente=" + b.customer();
  // One transaction: the rows are written to disk once, not once per row, and a failure
  // halfway leaves the customer's balance as it was.
  b.execute(u"Begin Transaction");
  try {
    b.execute(delete_rows);
    received_equipment(b);
    removed_equipment(b);
    manual_corrections(b);
    equipment_in_transit(b);
    b.execute(delete_rows + u" And Isnull(Quantidade,0)=0");
  } catch (...) {
    b.execute(u"Rollback Transaction");
    throw;
  }
  b.execute(u"Commit Transaction");
}

}  // namespace orvane::docgen

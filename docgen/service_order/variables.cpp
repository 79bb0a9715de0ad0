#include "docgen/service_order/variables.h"

#include "core/convert.h"
#include "core/format.h"
#include "docgen/frame/values.h"
#include "docgen/service_order/queries.h"
#include "funcs/aggregates.h"

namespace orvane::docgen::service_order {
namespace {

Variant lookup(const Variant& conn, TextView field, TextView table, TextView filter) {
  return funcs::Dlookup(conn, field, table, filter);
}

Text joined(const std::vector<Text>& items, TextView separator) {
  Text out;
  for (size_t i = 0; i < items.size(); ++i) {
    if (i > 0) out += separator;
    out += items[i];
  }
  return out;
}

// The registered vehicle of the order (vVeiPlaca ... vVeiCHIPSerial). An order without a
// vehicle, or whose vehicle is gone, leaves them empty.
void add_order_vehicle(const Variant& conn, PlaceholderTable& table, const Variant& cod_veiculo) {
  Variant placa, inclusao, obs, panico, local, bloqueio, rast_id, rast_modelo, chip_linha,
      chip_serial;
  if (!cod_veiculo.is_null()) {
    const Text key = key_text(cod_veiculo);
    auto open = [&](TextView sql) {
      return db::open_recordset(conn, sql, db::CursorType::Static, db::LockType::ReadOnly);
    };
    db::RecordsetPtr v = open(order_vehicle_sql(key));
    if (!v->eof()) {
      placa = v->field(u"Placa");
      inclusao = Variant(formatted(v->field(T("Inclusão")), u"dd/mm/yyyy"));
      obs = v->field(T("ObsVeículo"));
      panico = Variant(is_set(v->field(u"Panico")) ? Text(u"SIM") : T("NÃO"));
      local = v->field(T("LocalizaçãoMódulo"));
      bloqueio = lookup(conn, u"Descreve", u"DadosEntidades",
                        u"CodEntidade=233 And Codigo=" + key_text(v->field(u"Bloqueio")));
    }
    db::RecordsetPtr t = open(first_tracker_sql(key));
    if (!t->eof()) {
      rast_id = t->field(u"IDChip");
      rast_modelo = t->field(u"Modelo");
    }
    db::RecordsetPtr c = open(first_chip_sql(key));
    if (!c->eof()) {
      chip_linha = Variant(key_text(c->field(u"DDD")) + u"-" + key_text(c->field(u"Linha")));
      chip_serial = c->field(u"Serial");
    }
  }
  table.add(u"vVeiPlaca", placa);
  table.add(u"vVeiInclusao", inclusao);
  table.add(u"vVeiObs", obs);
  table.add(u"vVeiPanico", panico);
  table.add(u"vVeiLocalModulo", local);
  table.add(u"vVeiBloqueio", bloqueio);
  table.add(u"vVeiRastID", rast_id);
  table.add(u"vVeiRastModelo", rast_modelo);
  table.add(u"vVeiCHIPLinha", chip_linha);
  table.add(u"vVeiCHIPSerial", chip_serial);
}

// Per vehicle line of the order: "plate: module location" and "plate: tracker ids",
// joined with "; ".
void add_installation_lines(PlaceholderTable& table, const OrderVehicles& v) {
  std::vector<Text> locations, trackers;
  db::Recordset& rs = *v.vehicles;
  size_t i = 0;
  if (rs.record_count() > 0) {
    for (rs.move_first(); !rs.eof(); rs.move_next(), ++i) {
      const Text placa = key_text(rs.field(u"Placa"));
      locations.push_back(placa + u": " + key_text(rs.field(T("LocalizaçãoMódulo"))));
      std::vector<Text> ids;
      db::Recordset& t = *v.trackers.at(i);
      if (t.record_count() > 0) {
        for (t.move_first(); !t.eof(); t.move_next()) ids.push_back(key_text(t.field(u"IDChip")));
      }
      trackers.push_back(placa + u": " + joined(ids, u", "));
    }
  }
  table.add(u"vInstVeiLocalModulo", Variant(joined(locations, u"; ")));
  table.add(u"vInstVeiRastID", Variant(joined(trackers, u"; ")));
}

}  // namespace

OrderVehicles read_order_vehicles(const Generation& g, TextView planilha) {
  OrderVehicles v;
  v.vehicles = open_recordset(g, order_vehicles_sql(planilha));
  db::Recordset& rs = *v.vehicles;
  if (rs.record_count() > 0) {
    for (rs.move_first(); !rs.eof(); rs.move_next()) {
      const Text line = key_text(rs.field(u"CodInterno"));
      v.trackers.push_back(open_recordset(g, vehicle_trackers_sql(line)));
      v.chips.push_back(open_recordset(g, vehicle_chips_sql(line)));
    }
  }
  return v;
}

Variant imported_budget(const Variant& conn, TextView planilha) {
  return lookup(conn, T("PlanílhaOrçamento"), T("OSImportação"),
                T("PlanílhaOS=") + Text(planilha) + u" And TipoItem='I'");
}

Currency products_gross(db::Recordset& products) {
  Currency sum;
  if (products.record_count() == 0) return sum;
  for (products.move_first(); !products.eof(); products.move_next()) {
    if (!is_set(products.field(u"CobraCliente"))) continue;
    sum = sum + CCur(Variant(number_or_zero(products.field(u"Quantidade")) *
                             number_or_zero(products.field(T("Unitário")))));
  }
  return sum;
}

Currency services_gross(db::Recordset& services) {
  Currency sum;
  if (services.record_count() == 0) return sum;
  for (services.move_first(); !services.eof(); services.move_next()) {
    if (!is_set(services.field(u"CobraCliente"))) continue;
    sum = sum + money_or_zero(services.field(u"TotalBruto"));
  }
  return sum;
}

Text modalidade_text(const Variant& modalidade) {
  return key_text(modalidade) == u"L" ? Text(u"Locado") : Text(u"Vendido");
}

Text nivel_seguranca_text(const Variant& nivel) {
  if (!nivel.is_null() && !nivel.is_empty() && IsNumeric(nivel)) {
    switch (static_cast<int>(CDbl(nivel))) {
      case 1:
        return u"Muito Alto";
      case 2:
        return u"Alto";
      case 3:
        return u"Normal";
      case 4:
        return u"Baixo";
      case 5:
        return u"Muito Baixo";
    }
  }
  return T("Não Informado");
}

Text prioridade_text(const Variant& prioridade) {
  const Text p = key_text(prioridade);
  if (p == u"A") return u"Alta";
  if (p == u"N") return u"Normal";
  if (p == u"B") return u"Baixa";
  return T("Não Informado");
}

Text mensagem_tecnico(const db::Recordset& order) {
  if (is_set(order.field(u"Agendada"))) {
    return T("ATENÇÃO SR TECNICO, AGENDADO O SERVIÇO COM O CLIENTE NO DIA ") +
           formatted(order.field(u"DataAgenda"), u"DD/MM/YYYY") + T(" ÀS ") +
           formatted(order.field(u"HoraAgenda"), u"HH:MM") + u". SEJA PONTUAL!";
  }
  return T("ATENÇÃO SR TECNICO, DEVOLVER A OS ASSINADA ATÉ O DIA ") +
         formatted(order.field(u"DataEntrega"), u"DD/MM/YYYY") + u".";
}

Text data_executa(const db::Recordset& order) {
  if (is_set(order.field(u"Agendada"))) {
    return formatted(order.field(u"DataAgenda"), u"DD/MM/YYYY") + u" " +
           formatted(order.field(u"HoraAgenda"), u"HH:MM");
  }
  return T("ATÉ ") + formatted(order.field(u"DataEntrega"), u"DD/MM/YYYY");
}

Text forma_pagamento(const Variant& conn, const db::Recordset& order, const Variant& budget) {
  Variant code = order.field(u"FechamentoFormaPagto");
  if (key_text(code).empty()) {
    code = lookup(conn, u"FormaPagto", T("Orçamentos"), T("Planílha=") + key_text(budget));
  }
  const Variant name =
      lookup(conn, u"FormaPagto", u"FormasPagto", u"CodFormaPagto=" + key_text(code));
  return name.is_null() ? Text(u"Sem Forma de Pagamento Informada") : key_text(name);
}

void AdicionaVariaveisOS(const Variant& conn, PlaceholderTable& table, const OrderSources& s) {
  const db::Recordset& os = s.order;
  const db::Recordset& cli = s.customer;
  const Text planilha = key_text(os.field(T("Planílha")));

  if (s.route == Route::Word) table.add(u"vEmpMonitoramento", os.field(u"EmpresaSigma"));
  table.add(u"vModalidade", Variant(modalidade_text(os.field(u"Modalidade"))));
  table.add(u"vSigmaFantasia", cli.field(u"FantasiaSigma"));
  table.add(u"vTecnicoResponsavel",
            lookup(conn, u"Nome", u"Clientes", u"CodCliente=" + key_text(cli.field(T("Técnico")))));
  table.add(u"vCliAtividade", lookup(conn, u"Descreve", u"DadosEntidades",
                                     u"CodInterno=" + key_text(cli.field(T("CodOcupação")))));
  table.add(u"vNivelSeguranca", Variant(nivel_seguranca_text(cli.field(T("NívelSegurança")))));
  table.add(u"vArea", lookup(conn, T("DescrÁrea"), T("Áreas"),
                             T("CodÁrea=") + key_text(cli.field(T("Área")))));
  table.add(u"vSubArea", lookup(conn, u"DescrSub", T("SubÁreas"),
                                T("CodSubÁrea=") + key_text(cli.field(T("SubÁrea")))));
  table.add(u"vTipoFaturamento",
            lookup(conn, u"TipoFaturamento", u"TiposFaturamento",
                   u"CodTipoFaturamento=" + key_text(cli.field(u"TipoFaturamento"))));
  table.add(T("vMensagemTécnico"), Variant(mensagem_tecnico(os)));
  table.add(u"vDataExecuta", Variant(data_executa(os)));
  table.add(u"vPrioridade", Variant(prioridade_text(os.field(u"Prioridade"))));

  const Variant total(Format(Variant(money_or_zero(os.field(u"TotalProdutos")) +
                                     money_or_zero(os.field(T("TotalServiços")))),
                             u"#,##0.00"));
  table.add(u"vTotalOS", total);
  table.add(u"vTotal", total);

  table.add(u"vOSTipo",
            Variant(vb::Trim(key_text(
                lookup(conn, u"Descreve", u"DadosEntidades",
                       u"CodEntidade=52 And Codigo='" + key_text(os.field(u"Tipo")) + u"'")))));
  table.add(u"vUltimaPreventiva",
            Variant(formatted(funcs::DMax(conn, u"DataAbertura", u"OSs",
                                          u"Cliente=" + key_text(os.field(u"Cliente")) +
                                              u" And Tipo='P' And Status<>'C'"),
                              u"dd/mm/yyyy")));
  table.add(T("vNomeTécnico"),
            lookup(conn, u"Nome", u"Clientes", u"CodCliente=" + key_text(os.field(T("Técnico")))));
  table.add(u"vNomeVendedor",
            lookup(conn, u"Nome", u"Clientes", u"CodCliente=" + key_text(os.field(u"Vendedor"))));
  table.add(u"vDataAbertura", Variant(formatted(os.field(u"DataAbertura"), u"dd/mm/yyyy")));

  table.add(u"vPercProdutosDescontos",
            Variant(key_text(Format(os.field(u"PDesconto"), u"0.00")) + u"%"));
  table.add(T("vPercServiçosDescontos"),
            Variant(key_text(Format(os.field(T("PDescontoServiços")), u"0.00")) + u"%"));
  table.add(u"vProdutosDescontos", Format(os.field(u"Desconto"), u"Currency"));
  table.add(T("vServiçosDescontos"), Format(os.field(T("DescontoServiços")), u"Currency"));

  table.add(u"vTitOrcOrigem",
            lookup(conn, u"Titulo", T("Orçamentos"), T("Planílha=") + key_text(s.imported_budget)));
  table.add(u"vFormaPagamento", Variant(forma_pagamento(conn, os, s.imported_budget)));

  Variant visit_date, visit_notes;
  {
    db::RecordsetPtr visit = db::open_recordset(conn, latest_visit_sql(planilha),
                                                db::CursorType::Static, db::LockType::ReadOnly);
    if (!visit->eof()) {
      visit_date = Variant(formatted(visit->field(u"Data"), u"dd/mm/yyyy"));
      visit_notes = visit->field(T("Observações"));
    }
  }
  table.add(u"vUltAtendimentoDT", visit_date);
  table.add(u"vUltAtendimentoOBS", visit_notes);

  table.add(u"vProdutosTotalBruto", Format(Variant(s.products_gross), u"Currency"));
  table.add(T("vServiçosTotalBruto"), Format(Variant(s.services_gross), u"Currency"));

  {
    std::vector<Text> plates, models;
    db::RecordsetPtr lines = db::open_recordset(conn, order_vehicle_lines_sql(planilha),
                                                db::CursorType::Static, db::LockType::ReadOnly);
    for (; !lines->eof(); lines->move_next()) {
      plates.push_back(key_text(lines->field(u"Placa")));
      models.push_back(key_text(lines->field(u"Modelo")));
    }
    table.add(u"vVeiPlacas", Variant(joined(plates, u"; ")));
    table.add(u"vVeiModelos", Variant(joined(models, u", ")));
  }
  add_order_vehicle(conn, table, os.field(T("CodVeículo")));
  add_installation_lines(table, s.vehicles);
}

}  // namespace orvane::docgen::service_order

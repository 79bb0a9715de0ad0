#include "funcs/files.h"

#include "component/registry.h"
#include "core/convert.h"
#include "core/error.h"
#include "funcs/aggregates.h"
#include "funcs/funcoes_orvane.h"
#include "platform/os/files.h"
#include "platform/os/shell.h"

namespace orvane::funcs {

using component::Args;
using component::opt;
using component::ref;
using component::val;

namespace {

bool is_separator(char16_t c) { return c == u'\\' || c == u'/'; }

constexpr TextView kStorageProgId = u"Tesmar.Orvane.OrvaneArquivos";
// A store failure with this text is the component's "nothing to report".
constexpr TextView kNothingReturned = u"N\u00e3o retornou nenhum resultado";

// "Report and go on": an unexpected error of one step shows the standard failure
// message and the next step follows.
template <class F>
void reporting(const Context& ctx, F&& step) {
  try {
    step();
  } catch (...) {
    VbError e = current_error();
    ctx.show(ui::standard_failure(e.number(), e.description()));
  }
}

Text unit_text(const Variant& conn, TextView campo, TextView tabela, const Text& filtro) {
  return CStr(NZ(Dlookup(conn, campo, tabela, filtro), Variant(Text())));
}

Text unit_folder(const Variant& conn, int32_t cod_unidade) {
  return vb::Trim(unit_text(conn, u"Descreve", u"DadosEntidades",
                            u"Unidade=" + CStr(Variant(cod_unidade)) + u" And CodEntidade=87"));
}

Text unit_filter(int32_t cod_unidade) { return u"CodUnidade=" + CStr(Variant(cod_unidade)); }

bool unit_uses_store(const Variant& conn, int32_t cod_unidade) {
  return CBool(
      NZ(Dlookup(conn, u"S3Ativo", u"Unidades", unit_filter(cod_unidade)), Variant(false)));
}

struct StoreAccess {
  Text endpoint, access_key, secret_key;
};

StoreAccess store_access(const Variant& conn, int32_t cod_unidade) {
  Text filter = unit_filter(cod_unidade);
  return StoreAccess{unit_text(conn, u"UrlAmbienteS3", u"Unidades", filter),
                     unit_text(conn, u"ChaveAcessoS3", u"Unidades", filter),
                     unit_text(conn, u"ChaveSecretS3", u"Unidades", filter)};
}

Text stored_name(TextView folder, TextView prefixo, TextView name) {
  Text s(folder);
  s += prefixo;
  if (!prefixo.empty()) s += u'-';
  return s + Text(name);
}

Text object_key(TextView folder, TextView prefixo, TextView name) {
  return stored_name(vb::Replace(folder, u"\\", u"/"), prefixo, name);
}

void open_with_program(const Context& ctx, TextView file) {
  Text no_folder;
  RunFile(ctx, file, no_folder, eSW_SHOWNORMAL);
}

}  // namespace

Text RetornaPastaTemp() { return os::temp_folder(); }

Text SeparaArquivo(TextView caminho_completo, bool retorna) {
  size_t i = caminho_completo.size();
  while (i > 0 && !is_separator(caminho_completo[i - 1])) --i;
  return retorna ? Text(caminho_completo.substr(i)) : Text(caminho_completo.substr(0, i));
}

Text LimpaArquivo(TextView arquivo) {
  static constexpr TextView kKept =
      u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789.:\\ -()";
  Text out;
  for (char16_t c : arquivo)
    if (kKept.find(c) != TextView::npos) out += c;
  return out;
}

bool ManipulaArqsAbreArquivos(const ContextPtr& ctx, const Variant& conn, int32_t cod_unidade,
                              TextView arquivo, TextView prefixo, Text& v_arquivo, Text& pasta,
                              bool abrir) {
  const Context& c = *ctx;
  bool found = false;
  bool in_store = false;
  bool have_folder = true;
  reporting(c, [&] {
    if (pasta.empty()) pasta = unit_folder(conn, cod_unidade);
    have_folder = !pasta.empty();
  });
  if (!have_folder) return false;
  reporting(c, [&] { in_store = unit_uses_store(conn, cod_unidade); });

  if (!in_store) {
    reporting(c, [&] {
      Text name = stored_name(pasta, prefixo, arquivo);
      if (!os::file_exists(name)) return;
      if (abrir) open_with_program(c, name);
      v_arquivo = name;
      found = true;
    });
    return found;
  }

  // A failed fetch is no failure of ours: the caller's path stays as it was.
  resume_next([&] {
    StoreAccess s = store_access(conn, cod_unidade);
    ObjectPtr store = component::create_object(kStorageProgId, ctx);
    Variant got =
        call(store, u"ObterArquivo",
             {s.endpoint, s.access_key, s.secret_key, object_key(pasta, prefixo, arquivo)});
    v_arquivo = CStr(got);
  });
  reporting(c, [&] {
    if (v_arquivo.empty()) return;
    if (abrir) open_with_program(c, v_arquivo);
    found = true;
  });
  return found;
}

void ManipulaArqsCopiaArquivos(const ContextPtr& ctx, const Variant& conn, int32_t cod_unidade,
                               TextView arquivos, TextView prefixo, Text& pasta, bool oculta_erro) {
  const Context& c = *ctx;
  resume_next([&] {
    if (pasta.empty()) pasta = unit_folder(conn, cod_unidade);
  });
  StoreAccess access;
  ObjectPtr store;
  resume_next([&] { access = store_access(conn, cod_unidade); });
  resume_next([&] { store = component::create_object(kStorageProgId, ctx); });
  if (pasta.empty()) return;
  bool in_store = false;
  resume_next([&] { in_store = unit_uses_store(conn, cod_unidade); });

  for (const Text& path : vb::Split(arquivos, u"|")) {
    if (!os::file_exists(path)) {
      c.show(u"O arquivo " + path + T(" não foi localizado!"), ui::kExclamation);
      continue;
    }
    Text name = SeparaArquivo(path, true);
    if (!in_store) {
      Text target = stored_name(pasta, prefixo, name);
      if (os::file_exists(target)) {
        int answer = c.show(u"O arquivo " + name + T(" já existe! Deseja substituí-lo?"),
                            ui::kQuestion + ui::kYesNo);
        if (answer != ui::kYes) continue;
      }
      resume_next([&] { os::copy_file(path, target); });  // a failed copy is skipped
      continue;
    }
    try {
      call(store, u"SalvarArquivo",
           {access.endpoint, access.access_key, access.secret_key, object_key(pasta, prefixo, name),
            path});
    } catch (...) {
      VbError e = current_error();
      if (!e.description().empty() && !oculta_erro &&
          e.description().find(kNothingReturned) == Text::npos)
        c.show(ui::standard_failure(e.number(), e.description()));
    }
  }
}

Text RunFileMessage(int shell_result) {
  switch (shell_result) {
    case 0:
      return T("Memória insuficiente ou arquivo corrompido (Erro 1)");
    case 2:
      return T("Faltando arquivos da aplicação (Erro 2)");
    case 3:
      return T("Localização Inválida (Erro 3)");
    case 5:
      return T("Falha de compartilhamento (Erro 4)");
    case 6:
      return T("Não foi possível localizar o todas as dependências (Erro 5)");
    case 8:
      return T("Memória insificiente para executar o programa (Erro 6)");
    case 10:
      return T("Versão de Windows não suportada (Erro 7)");
    case 11:
      return T("Erro no Snapshot (Erro 8)");
    case 12:
      return T("O arquivo necessita de outro sistema operacional (Erro 9)");
    case 14:
      return T("Erro no Snapshot (Erro 10)");
    case 15:
      return T("O Windows não suporta o modo de memória (Erro 11)");
    case 16:
      return T("Falha na leitura do arquivo (Erro 12)");
    case 19:
      return T("Falha na leitura do arquivo (Erro 13)");
    case 20:
      return T("Livraria inválida (Erro 14)");
    case 21:
      return T("O programa exige Win32 (Erro 15)");
    case 31:
      return T("Erro no snapshot (Erro 16)");
    default:
      return Text();
  }
}

Text RunFile(const Context& ctx, TextView file, Text& file_path, int32_t run_style) {
  if (vb::Trim(file_path).empty()) file_path = os::current_folder();
  int result = os::shell_open(ctx.settings, file, file_path, run_style);
  return result >= 32 ? Text() : RunFileMessage(result);
}

bool ValidaAppExport(const ContextPtr& ctx, int32_t app) {
  bool ok = true;
  try {
    switch (app) {
      case gWord: {
        ObjectPtr word = component::create_object(u"Word.Application", ctx);
        call(word, u"Quit", {Variant(false)});  // SaveChanges
        break;
      }
      case gExcel:
        component::create_object(u"Excel.Application", ctx);
        break;
      case gWriter:
      case gCalc:
        component::create_object(u"com.sun.star.ServiceManager", ctx);
        break;
      default:
        break;
    }
  } catch (...) {
    ok = false;
  }
  return ok;
}

Text ConvertToUrl(TextView str_file) {
  if (!str_file.empty() && str_file.front() == u'/') {
    static const char* digits = "0123456789ABCDEF";
    std::string url = "file://";
    for (unsigned char c : to_utf8(str_file)) {
      bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                   c == '-' || c == '.' || c == '_' || c == '~' || c == '/';
      if (plain) {
        url += static_cast<char>(c);
      } else {
        url += '%';
        url += digits[c >> 4];
        url += digits[c & 15];
      }
    }
    return from_utf8(url);
  }
  Text s = vb::Replace(str_file, u"\\", u"/");
  s = vb::Replace(s, u":", u"|");
  s = vb::Replace(s, u" ", u"%20");
  return u"file:///" + s;
}

ObjectPtr MakePropertyValue(const ContextPtr& ctx, const Variant& c_name, const Variant& u_value) {
  ObjectPtr manager = component::create_object(u"com.sun.star.ServiceManager", ctx);
  ObjectPtr prop =
      as_object(call(manager, u"Bridge_GetStruct", {Text(u"com.sun.star.beans.PropertyValue")}));
  let(prop, u"Name", c_name);
  let(prop, u"Value", u_value);
  return prop;
}

void add_file_members(component::MemberTable& t) {
  t.enumeration(u"AppExport",
                {{u"gWord", gWord}, {u"gExcel", gExcel}, {u"gWriter", gWriter}, {u"gCalc", gCalc}});
  t.enumeration(u"eRunMode", {{u"eSW_HIDE", eSW_HIDE},
                              {u"eSW_SHOWNORMAL", eSW_SHOWNORMAL},
                              {u"eSW_NORMAL", eSW_NORMAL},
                              {u"eSW_SHOWMINIMIZED", eSW_SHOWMINIMIZED},
                              {u"eSW_SHOWMAXIMIZED", eSW_SHOWMAXIMIZED},
                              {u"eSW_MAXIMIZE", eSW_MAXIMIZE},
                              {u"eSW_SHOWNOACTIVATE", eSW_SHOWNOACTIVATE},
                              {u"eSW_SHOW", eSW_SHOW},
                              {u"eSW_MINIMIZE", eSW_MINIMIZE},
                              {u"eSW_SHOWMINNOACTIVE", eSW_SHOWMINNOACTIVE},
                              {u"eSW_SHOWNA", eSW_SHOWNA},
                              {u"eSW_RESTORE", eSW_RESTORE}});

  t.method(
      u"RetornaPastaTemp", {}, VarType::String,
      [](Object&, Args&) { return Variant(RetornaPastaTemp()); },
      "the user's temporary folder, with its trailing separator");
  t.method(
      u"SeparaArquivo",
      {ref(u"CaminhoCompleto", VarType::String), ref(u"Retorna", VarType::Boolean)},
      VarType::String,
      [](Object& self, Args& a) {
        try {
          return Variant(SeparaArquivo(a[0].text(), a[1].boolean()));
        } catch (...) {
          VbError e = current_error();
          self_of(self).context().show(ui::standard_failure(e.number(), e.description()));
          return Variant(Text());
        }
      },
      "the file name (Retorna True) or the folder with its separator (False)");
  t.method(
      u"LimpaArquivo", {ref(u"Arquivo", VarType::String)}, VarType::String,
      [](Object&, Args& a) { return Variant(LimpaArquivo(a[0].text())); },
      "the text without the characters a file name cannot hold");
  t.method(
      u"ManipulaArqsAbreArquivos",
      {ref(u"Connorvane", VarType::Variant), ref(u"CodUnidade", VarType::Long),
       ref(u"Arquivo", VarType::String), ref(u"Prefixo", VarType::String),
       opt(u"vArquivo", VarType::String, Text()), opt(u"Pasta", VarType::String, Text()),
       opt(u"Abrir", VarType::Boolean, Variant(true))},
      VarType::Boolean,
      [](Object& self, Args& a) {
        Text& v_arquivo = a[4].text();
        Text& pasta = a[5].text();
        return Variant(ManipulaArqsAbreArquivos(self_of(self).context_ptr(), a[0], a[1].lng(),
                                                a[2].text(), a[3].text(), v_arquivo, pasta,
                                                a[6].boolean()));
      },
      "finds or fetches the unit's stored file into vArquivo and opens it (Abrir)");
  t.method(
      u"ManipulaArqsCopiaArquivos",
      {ref(u"Connorvane", VarType::Variant), ref(u"CodUnidade", VarType::Long),
       ref(u"Arquivos", VarType::String), ref(u"Prefixo", VarType::String),
       opt(u"Pasta", VarType::String, Text()),
       opt(u"OcultaErro", VarType::Boolean, Variant(false))},
      VarType::Empty,
      [](Object& self, Args& a) {
        Text& pasta = a[4].text();
        ManipulaArqsCopiaArquivos(self_of(self).context_ptr(), a[0], a[1].lng(), a[2].text(),
                                  a[3].text(), pasta, a[5].boolean());
        return Variant();
      },
      "stores the local files (joined by \"|\") in the unit's folder or object store");
  t.method(
      u"RunFile",
      {ref(u"File", VarType::String), opt(u"FilePath", VarType::String, Text()),
       opt(u"RunStyle", VarType::Long, Variant(int32_t{eSW_SHOWNORMAL}))},
      VarType::String,
      [](Object& self, Args& a) {
        Text& folder = a[1].text();
        return Variant(RunFile(self_of(self).context(), a[0].text(), folder, a[2].lng()));
      },
      "opens the file with its program; \"\" or the error text (RunStyle: eRunMode)");
  t.method(
      u"ValidaAppExport", {ref(u"App", VarType::Long)}, VarType::Boolean,
      [](Object& self, Args& a) {
        return Variant(ValidaAppExport(self_of(self).context_ptr(), a[0].lng()));
      },
      "whether the office application (AppExport) can be started");
  t.method(
      u"ConvertToUrl", {val(u"strFile", VarType::String)}, VarType::String,
      [](Object&, Args& a) { return Variant(ConvertToUrl(a[0].text())); },
      "the file URL of a path, for the Writer suite");
  t.method(
      u"MakePropertyValue", {ref(u"cName", VarType::Variant), ref(u"uValue", VarType::Variant)},
      VarType::Object,
      [](Object& self, Args& a) {
        return Variant(MakePropertyValue(self_of(self).context_ptr(), a[0], a[1]));
      },
      "a com.sun.star.beans.PropertyValue with Name and Value set");
}

}  // namespace orvane::funcs

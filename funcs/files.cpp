#include "funcs/files.h"

#include "component/registry.h"
#include "core/error.h"
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

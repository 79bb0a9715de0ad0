// Stored files, the temporary folder and launching: where a unit keeps its files
// (a folder, or an S3-compatible store reached through the "Tesmar.Orvane.OrvaneArquivos"
// component), fetching and storing them, opening a file with its program, probing the
// office suites and the small path helpers the generators share.
//
// The functions below are the members of FuncoesOrvane of the same names; the
// generators call them directly. Members that show messages take the context.
#pragma once

#include <cstdint>

#include "component/member_table.h"
#include "core/context.h"
#include "core/object.h"
#include "core/variant.h"

namespace orvane::funcs {

// Office applications that ValidaAppExport probes.
enum AppExport : int32_t { gWord = 1, gExcel = 2, gWriter = 3, gCalc = 4 };

// Window show codes for RunFile.
enum eRunMode : int32_t {
  eSW_HIDE = 0,
  eSW_SHOWNORMAL = 1,
  eSW_NORMAL = 1,
  eSW_SHOWMINIMIZED = 2,
  eSW_SHOWMAXIMIZED = 3,
  eSW_MAXIMIZE = 3,
  eSW_SHOWNOACTIVATE = 4,
  eSW_SHOW = 5,
  eSW_MINIMIZE = 6,
  eSW_SHOWMINNOACTIVE = 7,
  eSW_SHOWNA = 8,
  eSW_RESTORE = 9,
};

// The user's temporary folder with its trailing separator ("" when the system has none).
Text RetornaPastaTemp();

// The bare file name (`retorna` true) or the folder with its trailing separator
// (false) of a path; either "\" or "/" separates. Without a separator the name is the
// whole text and the folder "".
Text SeparaArquivo(TextView caminho_completo, bool retorna);

// Keeps only unaccented letters, digits and . : \ - ( ) and blanks. Meant for a bare file
// name: "/" is dropped too, so apply it before joining the name to its folder.
Text LimpaArquivo(TextView arquivo);

// Where a unit keeps its files, read from the database on `conn` (the host's
// Connection): the unit file folder (DadosEntidades, entity 87; in the object store the
// key prefix), the object-store switch and the store's endpoint and keys (Unidades).
// The stored name of a file is folder + prefix + "-" (only with a prefix) + file name;
// its object key is the same with every "\" of the folder turned into "/".

// Finds the unit's stored `arquivo` (local folder) or fetches it from the object store
// into the temporary folder; `v_arquivo` receives its local path and, when `abrir`, it is
// opened with RunFile. An empty `pasta` becomes the unit file folder (written back);
// false when there is none, or when the file is not there. A failed fetch leaves
// `v_arquivo` as it came. Unexpected errors show the standard failure message.
bool ManipulaArqsAbreArquivos(const ContextPtr& ctx, const Variant& conn, int32_t cod_unidade,
                              TextView arquivo, TextView prefixo, Text& v_arquivo, Text& pasta,
                              bool abrir = true);

// Stores the local files of `arquivos` (full paths joined by "|") for the unit: copied
// into the unit file folder (asking before replacing a file there; only Yes replaces),
// or uploaded to the object store. A missing file gives the "não foi localizado"
// message; a failed upload the standard failure message unless `oculta_erro`. An empty
// `pasta` becomes the unit file folder (written back); without one nothing is stored.
void ManipulaArqsCopiaArquivos(const ContextPtr& ctx, const Variant& conn, int32_t cod_unidade,
                               TextView arquivos, TextView prefixo, Text& pasta,
                               bool oculta_erro = false);

// Opens `file` with its program (HostSettings::opener_command, default xdg-open) from the
// working folder `file_path`; a blank `file_path` becomes the current folder (written
// back). "" on success, else the Portuguese text for the shell's result code. Shows
// nothing.
Text RunFile(const Context& ctx, TextView file, Text& file_path,
             int32_t run_style = eSW_SHOWNORMAL);
// The text RunFile gives for a shell result code ("" for success and unknown codes).
Text RunFileMessage(int shell_result);

// Whether the office application can be created through the class registry ("Word.Application"
// is also asked to Quit). Any failure gives false; other values of `app` give true.
bool ValidaAppExport(const ContextPtr& ctx, int32_t app);

// A file URL for the Writer suite. A POSIX path ("/home/a b.odt") gives
// "file:///home/a%20b.odt" with every byte outside A-Z a-z 0-9 - . _ ~ / percent-encoded
// (UTF-8); any other text is read as a Windows path: "\" -> "/", ":" -> "|",
// blank -> "%20", behind "file:///" ("C:\Meus Docs\a.odt" -> "file:///C|/Meus%20Docs/a.odt").
Text ConvertToUrl(TextView str_file);

// A "com.sun.star.beans.PropertyValue" obtained from a new "com.sun.star.ServiceManager"
// (Bridge_GetStruct) with Name and Value set. Errors reach the caller.
ObjectPtr MakePropertyValue(const ContextPtr& ctx, const Variant& c_name, const Variant& u_value);

void add_file_members(component::MemberTable& t);

}  // namespace orvane::funcs

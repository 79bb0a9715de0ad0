#include "platform/office/printer.h"

#include "platform/office/errors.h"
#include "platform/office/process.h"
#include "platform/os/shell.h"

namespace orvane::office {

void print_file(const Context& ctx, const std::string& file, int copies) {
  if (copies < 1) return;
  std::string cmd = ctx.settings.printer_command.empty() ? "lp -n" : ctx.settings.printer_command;
  ProcessResult r = run_shell(cmd + " " + std::to_string(copies) + " " + shell_quote(file), 120);
  if (r.status != 0) {
    std::string why = r.timed_out ? "tempo esgotado" : r.output;
    while (!why.empty() && (why.back() == '\n' || why.back() == '\r')) why.pop_back();
    if (r.status == 127 && !r.timed_out)
      why = "o comando de impressão \"" + cmd + "\" não foi encontrado";
    fail(oerr::kCommandFailed, "Não foi possível imprimir " + file + ": " + why);
  }
}

bool show_file(const Context& ctx, const std::string& file) {
  // The same shell open as RunFile: detached, through the configured opener.
  return os::shell_open(ctx.settings, from_utf8(file), u"", 1) >= 32;
}

}  // namespace orvane::office

#include "platform/office/convert.h"

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <atomic>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpedantic"
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wcast-function-type"
#include <LibreOfficeKit/LibreOfficeKit.h>
#include <LibreOfficeKit/LibreOfficeKitInit.h>
#pragma GCC diagnostic pop

#include "platform/office/comments.h"
#include "platform/office/errors.h"
#include "platform/office/package.h"
#include "platform/office/process.h"
#include "platform/office/scratch.h"
#include "platform/os/files.h"

namespace orvane::office {

namespace fs = std::filesystem;

namespace {

const char* extension_of(Format f) {
  switch (f) {
    case Format::Pdf:
    case Format::PdfWithComments:
      return "pdf";
    case Format::Doc:
      return "doc";
    case Format::Docx:
      return "docx";
    case Format::Odt:
      return "odt";
  }
  return "pdf";
}

// The extension a document's content calls for (".docx", ".odt", ".doc", ".rtf"), or "" when
// its first bytes say nothing more than LibreOffice finds by itself.
std::string content_extension(const std::string& path) {
  std::string head(5, '\0');
  std::ifstream in(path, std::ios::binary);
  in.read(head.data(), static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<size_t>(in.gcount()));
  if (head.rfind(std::string("PK\x03\x04", 4), 0) == 0) {
    try {
      Package p = Package::open(path);
      if (p.has("[Content_Types].xml")) return ".docx";
      if (p.has("mimetype") && p.read("mimetype") == "application/vnd.oasis.opendocument.text")
        return ".odt";
    } catch (...) {
      // Not a package after all: LibreOffice says what it is.
    }
    return "";
  }
  if (head.rfind(std::string("\xD0\xCF\x11\xE0", 4), 0) == 0) return ".doc";
  if (head.rfind("{\\rtf", 0) == 0) return ".rtf";
  return "";
}

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// A document whose name does not say what it is (a template kept as ".dll", a Word document
// named ".odt") is loaded from a copy in `folder` named after its content; LibreOffice goes by
// the name and would refuse it.
std::string loadable(const std::string& input, const std::string& folder) {
  const std::string want = content_extension(input);
  if (want.empty() || lower(fs::path(input).extension().string()) == want) return input;
  const std::string copy = folder + "/origem" + want;
  std::error_code ec;
  fs::copy_file(input, copy, fs::copy_options::overwrite_existing, ec);
  if (ec) fail(oerr::kFileNotFound, "O arquivo " + input + " não foi encontrado.");
  return copy;
}

const char* filter_of(Format f) {
  switch (f) {
    case Format::Pdf:
      return "pdf:writer_pdf_Export";
    case Format::PdfWithComments:
      return "pdf:writer_pdf_Export:{\"ExportNotes\":{\"type\":\"boolean\",\"value\":\"true\"}}";
    case Format::Doc:
      return "doc:MS Word 97";
    case Format::Docx:
      return "docx:MS Word 2007 XML";
    case Format::Odt:
      return "odt:writer8";
  }
  return "pdf";
}

// Free bytes on the file system that holds `dir`; 0 when that cannot be told.
std::uintmax_t free_bytes(const std::string& dir) {
  struct statvfs st {};
  if (::statvfs(dir.c_str(), &st) != 0) return 0;
  return static_cast<std::uintmax_t>(st.f_bavail) * st.f_frsize;
}

// LibreOffice started in this process ends the whole process, host included, when its
// user installation or a document cannot be written for want of space. Below this much
// free room in the temporary folder it is not used: the conversion runs in a child
// process instead, whose failure is only a failed conversion.
constexpr std::uintmax_t kRoomForInProcessOffice = std::uintmax_t{64} << 20;

// Less free room than this, after a failed conversion, is taken for its cause.
constexpr std::uintmax_t kNearlyFull = std::uintmax_t{1} << 20;

// What soffice printed, less the start-up notices it prints on every run, cut short.
std::string what_soffice_said(const std::string& output) {
  std::string said;
  size_t start = 0;
  while (start < output.size()) {
    size_t end = output.find('\n', start);
    if (end == std::string::npos) end = output.size();
    std::string line = output.substr(start, end - start);
    start = end + 1;
    if (line.empty() || line.find("javaldx") != std::string::npos) continue;
    if (!said.empty()) said += ' ';
    said += line;
  }
  return said.substr(0, 300);
}

bool room_for_in_process_office() {
  return free_bytes(to_utf8(os::temp_folder())) >= kRoomForInProcessOffice;
}

// The process-wide in-process converter. Started once; never restarted (LibreOfficeKit
// cannot start twice in one process), and never used again once it has failed.
struct Kit {
  std::mutex m;
  bool tried = false;
  bool failed = false;
  LibreOfficeKit* office = nullptr;
  std::string profile;
};

std::atomic<bool> fail_next{false};

Kit& kit() {
  static Kit* k = new Kit;  // lives until the process ends
  return *k;
}

std::string& soffice_profile() {
  static std::string* p = new std::string;
  return *p;
}

// The process whose profiles these are: a child forked from it that exits leaves them.
std::atomic<pid_t> profiles_owner{0};

// At exit, without the converter's lock: a conversion still running on another thread must
// not keep the process from ending.
void remove_profiles() {
  if (profiles_owner != ::getpid()) return;
  Kit& k = kit();
  std::error_code ec;
  if (!k.profile.empty()) fs::remove_all(k.profile, ec);
  if (!soffice_profile().empty()) fs::remove_all(soffice_profile(), ec);
}

// The end of a process that started LibreOffice in it. LibreOffice's libraries tear
// themselves down in their exit handlers while its main-loop thread is still at work; on a
// loaded machine that corrupted the heap, and the process then aborted after its work was
// done, or hung for good in LibreOffice's crash handler (it allocates inside a signal
// handler). Shutting LibreOffice down first raced the same way. So the process ends here,
// before those handlers, with the status it was given: output flushed, profiles removed,
// nothing of LibreOffice torn down. Handlers registered before the converter started do not
// run; handlers registered later have already run.
void end_process(int status, void*) {
  remove_profiles();
#if defined(__SANITIZE_ADDRESS__)
  __lsan_do_leak_check();  // the checker's own exit handler would not run
#endif
  std::fflush(nullptr);
  std::_Exit(status);
}

// Registered when the converter starts and again after its first document: the later
// registration runs first, after the exit handlers of the libraries that document loaded.
void end_process_before_libreoffice_teardown() { on_exit(end_process, nullptr); }

void remove_profiles_at_exit() {
  profiles_owner = ::getpid();
  static std::once_flag once;
  std::call_once(once, [] { std::atexit(remove_profiles); });
}

// The running converter, started on first use; null when it cannot run now. A start
// put off for want of room or of a temporary folder is tried again on a later call.
// REQUIRES: k.m held.
LibreOfficeKit* start_kit(Kit& k) {
  if (k.tried) return k.failed ? nullptr : k.office;
  if (!libreoffice_installed() || !room_for_in_process_office()) return nullptr;
  std::string profile = os::make_scratch_folder("orvane-lok");
  if (profile.empty()) return nullptr;
  k.tried = true;
  k.profile = profile;
  k.office = lok_init_2(libreoffice_program_dir().c_str(), file_url(k.profile).c_str());
  profiles_owner = ::getpid();
  if (k.office)
    end_process_before_libreoffice_teardown();
  else
    remove_profiles_at_exit();
  return k.office;
}

bool produced_file(const std::string& produced) {
  std::error_code ec;
  return fs::is_regular_file(produced, ec) && fs::file_size(produced, ec) > 0;
}

// Converts in-process. Returns false when LibreOffice failed; the output file is then
// untouched. REQUIRES: k.m held, office running.
bool convert_in_process(LibreOfficeKit* office, const std::string& input, const std::string& output,
                        Format format) {
  Scratch work("orvane-convert");
  std::string produced = work.dir() + "/documento." + extension_of(format);
  LibreOfficeKitDocument* doc = nullptr;
  if (!fail_next.exchange(false))
    doc = office->pClass->documentLoad(office, file_url(loadable(input, work.dir())).c_str());
  if (!doc) return false;
  int ok = doc->pClass->saveAs(doc, file_url(produced).c_str(), extension_of(format), nullptr);
  doc->pClass->destroy(doc);
  if (!ok || !produced_file(produced)) return false;
  install_file_atomically(produced, output);
  return true;
}

}  // namespace

const std::string& libreoffice_program_dir() {
  static const std::string dir = "/usr/lib/libreoffice/program";
  return dir;
}

bool libreoffice_installed() {
  return ::access((libreoffice_program_dir() + "/soffice").c_str(), X_OK) == 0;
}

std::string file_url(const std::string& path) {
  std::string abs = path;
  if (abs.empty() || abs[0] != '/') {
    std::error_code ec;
    abs = fs::absolute(path, ec).string();
  }
  static const char* hex = "0123456789ABCDEF";
  std::string url = "file://";
  for (unsigned char c : abs) {
    if (std::isalnum(c) || std::strchr("/-._~", c))
      url += static_cast<char>(c);
    else {
      url += '%';
      url += hex[c >> 4];
      url += hex[c & 15];
    }
  }
  return url;
}

std::string path_from_url(const std::string& url) {
  std::string s = url;
  if (s.rfind("file:", 0) == 0 || s.rfind("FILE:", 0) == 0) s = s.substr(5);
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '%' && i + 2 < s.size() && std::isxdigit(static_cast<unsigned char>(s[i + 1])) &&
        std::isxdigit(static_cast<unsigned char>(s[i + 2]))) {
      out += static_cast<char>(std::stoi(s.substr(i + 1, 2), nullptr, 16));
      i += 2;
    } else if (s[i] == '|') {
      out += ':';
    } else {
      out += s[i] == '\\' ? '/' : s[i];
    }
  }
  // "file:///x", "file:////x" and "file://localhost/x" all name /x.
  if (out.rfind("//localhost/", 0) == 0) out = out.substr(11);
  size_t slashes = 0;
  while (slashes < out.size() && out[slashes] == '/') ++slashes;
  if (slashes > 1) out = out.substr(slashes - 1);
  return out;
}

bool in_process_converter_running() {
  Kit& k = kit();
  std::lock_guard<std::mutex> lock(k.m);
  return k.office != nullptr && !k.failed;
}

void convert_with_soffice(const std::string& input, const std::string& output, Format format) {
  if (!libreoffice_installed())
    fail(oerr::kConversion,
         "Não foi possível gerar " + output + ": o LibreOffice não está instalado.");
  static std::mutex one_at_a_time;
  std::lock_guard<std::mutex> lock(one_at_a_time);
  if (soffice_profile().empty()) {
    soffice_profile() = os::make_scratch_folder("orvane-soffice");
    remove_profiles_at_exit();
  }
  Scratch work("orvane-convert");
  std::string ext = content_extension(input);
  if (ext.empty()) ext = fs::path(input).extension().string();
  std::string src = work.dir() + "/documento" + ext;
  std::error_code ec;
  fs::copy_file(input, src, ec);
  if (ec) fail(oerr::kFileNotFound, "O arquivo " + input + " não foi encontrado.");
  std::vector<std::string> argv = {libreoffice_program_dir() + "/soffice",
                                   "--headless",
                                   "--invisible",
                                   "--nologo",
                                   "--norestore",
                                   "--nolockcheck",
                                   "-env:UserInstallation=" + file_url(soffice_profile()),
                                   "--convert-to",
                                   filter_of(format),
                                   "--outdir",
                                   work.dir() + "/out",
                                   src};
  ProcessResult r = run_program(argv, 300);
  std::string produced = work.dir() + "/out/documento." + extension_of(format);
  if (r.status != 0 || !fs::exists(produced, ec)) {
    std::string said = what_soffice_said(r.output);
    std::string why = r.timed_out ? " (tempo esgotado)"
                      : free_bytes(work.dir()) < kNearlyFull
                          ? " (sem espaço livre na pasta temporária)"
                      : r.status == -1 ? " (o processo foi interrompido)"
                      : said.empty()   ? ""
                                       : ": " + said;
    fail(oerr::kConversion, "O LibreOffice não conseguiu converter " + input + why);
  }
  if (!produced_file(produced))
    fail(oerr::kConversion, "O LibreOffice não gerou o arquivo " + output);
  install_file_atomically(produced, output);
}

void convert_document(const std::string& input, const std::string& output, Format format) {
  std::error_code ec;
  if (!fs::is_regular_file(input, ec))
    fail(oerr::kFileNotFound, "O arquivo " + input + " não foi encontrado.");
  if (has_comments(input)) {
    convert_with_soffice(input, output, format);
    return;
  }
  if (format == Format::PdfWithComments) format = Format::Pdf;
  Kit& k = kit();
  {
    std::lock_guard<std::mutex> lock(k.m);
    LibreOfficeKit* office = start_kit(k);
    if (office && room_for_in_process_office()) {
      if (convert_in_process(office, input, output, format)) {
        static std::once_flag first_document;
        std::call_once(first_document, end_process_before_libreoffice_teardown);
        return;
      }
      // LibreOffice may be left in a state where its next load ends the process.
      k.failed = true;
    }
  }
  convert_with_soffice(input, output, format);
}

namespace testing_hooks {
void fail_next_in_process_conversion() { fail_next = true; }
}  // namespace testing_hooks

}  // namespace orvane::office

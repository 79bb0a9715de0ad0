// Conversion of documents through LibreOffice: PDF, Word 97 (.doc), and the package
// formats (.docx, .odt) for documents that arrive in another format.
//
// LibreOffice runs in-process through LibreOfficeKit, started on the first conversion
// and reused for the rest of the process, one conversion at a time. A conversion runs a
// separate `soffice --headless --convert-to` instead when the in-process converter
// cannot start; while the temporary folder has too little free room for it to run
// safely (in-process it would end the host on a full disk); for a document with
// comments, which it cannot load (comments.h); and for good once it has failed: a
// LibreOffice that failed a conversion may end the whole process on the next one, so
// the failed conversion is tried once more in a child soffice and so are all later ones.
// The output file is written atomically: a failed conversion leaves no file (and no
// truncated one) at the target path, and a previous file there stays as it was.
//
// A process that started the in-process converter ends, at exit(), before LibreOffice's
// own exit handlers (they corrupt the heap while its thread still runs): its profiles are
// removed, stdio flushed, and it ends with the status exit() was given. Exit handlers the
// process registered before its first conversion do not run.
#pragma once

#include <string>

namespace orvane::office {

enum class Format {
  Pdf,
  // A PDF that carries the document's comments as PDF comments (an export "with markup").
  PdfWithComments,
  Doc,
  Docx,
  Odt,
};

// Where LibreOffice is installed, and whether it is.
const std::string& libreoffice_program_dir();
bool libreoffice_installed();

// VbError 4198 (with the reason) when LibreOffice is missing or cannot convert.
void convert_document(const std::string& input, const std::string& output, Format format);
// Always through a separate soffice process.
void convert_with_soffice(const std::string& input, const std::string& output, Format format);
// True while the in-process converter serves conversions: it has started and has not
// failed one.
bool in_process_converter_running();

// file:// URL of a local path (percent-encoded) and back.
std::string file_url(const std::string& path);
std::string path_from_url(const std::string& url);

namespace testing_hooks {
// The next in-process conversion fails as one that LibreOffice could not load. For the
// tests of what follows such a failure; nothing else calls it.
void fail_next_in_process_conversion();
}  // namespace testing_hooks

}  // namespace orvane::office

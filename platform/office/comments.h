// Comments in document files: Word comments (the w:commentReference marks and the ranges
// around them) and ODF annotations.
//
// LibreOffice in-process cannot load a document that holds any: laying out the comment
// margin needs user-interface files that a server installation of LibreOffice does not
// have, so the load fails, and the converter is broken for the rest of the process. A
// PDF exported the way Word exports by default shows the document's content without the
// comments, so the converter gets a copy without them; a conversion that must keep them
// (another editable format, or a PDF with its comments) runs in a child soffice.
#pragma once

#include <string>

namespace orvane::office {

// True when the file (.docx, .odt, flat ODF or OOXML, RTF) holds comments. A file of
// another kind, or one that cannot be read, counts as holding none.
bool has_comments(const std::string& path);

// Takes the comments out of a .docx or .odt file in place; the text they were attached
// to stays. Returns false, leaving the file untouched, when it held none.
// VbError 5792 when the package or one of its parts is damaged.
bool remove_comments(const std::string& path);

}  // namespace orvane::office

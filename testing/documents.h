// Reading produced documents back in tests: the text of a PDF (pdftotext), the paragraphs
// and XML nodes of a saved .docx or .odt, and a recording printer and opener for the
// generators' printing and preview.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/context.h"
#include "testing/testing.h"

namespace orvane::testing {

// Runs of blanks (spaces, tabs, line and page breaks) as one space, trimmed.
std::string squeeze(const std::string& s);
// The PDF's text (pdftotext, UTF-8) squeezed; fails the test when pdftotext fails.
std::string pdf_text(const std::filesystem::path& pdf);
// How many times `needle` occurs in `hay`.
size_t count_of(const std::string& hay, const std::string& needle);

// The paragraphs of a saved .docx or .odt in document order (table cells included), one
// string per paragraph (a line break starts another), tabs kept as "\t".
std::vector<std::string> paragraphs(const std::filesystem::path& file);
// Success when `line` is one of `lines`; otherwise the failure lists them all.
::testing::AssertionResult has_line(const std::vector<std::string>& lines, const std::string& line);
// The number of nodes an XPath finds in the main part (word/document.xml, content.xml).
size_t count_nodes(const std::filesystem::path& file, const char* xpath);
// The main part's XML text.
std::string main_part(const std::filesystem::path& file);

// A printer and an opener that write how they were called into a log: give their commands
// to HostSettings and read calls() afterwards.
class CallRecorder {
 public:
  explicit CallRecorder(const TempDir& dir);
  // Settings with the recording printer and opener.
  HostSettings settings(HostSettings base = {}) const;
  // The log, waiting up to five seconds for `expected_lines` lines (the opener runs
  // detached).
  std::string calls(size_t expected_lines = 0) const;

 private:
  std::string folder_, log_;
};

}  // namespace orvane::testing

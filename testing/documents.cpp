#include "testing/documents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <pugixml.hpp>
#include <thread>

#include "platform/office/package.h"

namespace orvane::testing {

namespace fs = std::filesystem;

std::string squeeze(const std::string& s) {
  std::string out;
  bool blank = false;
  for (char c : s) {
    if (c == ' ' || c == '\n' || c == '\t' || c == '\r' || c == '\f') {
      blank = !out.empty();
    } else {
      if (blank) out += ' ';
      blank = false;
      out += c;
    }
  }
  return out;
}

std::string pdf_text(const fs::path& pdf) {
  auto r = run_command("pdftotext -enc UTF-8 '" + pdf.string() + "' -");
  EXPECT_EQ(r.status, 0) << r.err;
  return squeeze(r.out);
}

size_t count_of(const std::string& hay, const std::string& needle) {
  size_t n = 0;
  for (size_t at = hay.find(needle); at != std::string::npos; at = hay.find(needle, at + 1)) ++n;
  return n;
}

std::string main_part(const fs::path& file) {
  office::Package pkg = office::Package::open(file.string());
  return pkg.read(file.extension() == ".odt" ? "content.xml" : "word/document.xml");
}

std::vector<std::string> paragraphs(const fs::path& file) {
  const bool odf = file.extension() == ".odt";
  pugi::xml_document xml;
  xml.load_string(main_part(file).c_str(), pugi::parse_default | pugi::parse_ws_pcdata);
  std::vector<std::string> out;
  const char* para = odf ? "//text:p" : "//w:p";
  for (pugi::xpath_node p : xml.select_nodes(para)) {
    std::string line;
    for (pugi::xpath_node x : p.node().select_nodes(".//node()")) {
      pugi::xml_node n = x.node();
      const std::string name = n.name();
      if (n.type() == pugi::node_pcdata) {
        const std::string parent = n.parent().name();
        if (odf || parent == "w:t") line += n.value();
      } else if (name == "w:br" || name == "text:line-break") {
        out.push_back(line);  // a line of its own
        line.clear();
      } else if (name == "w:tab" || name == "text:tab") {
        line += "\t";
      } else if (name == "text:s") {
        line += std::string(std::max(1, n.attribute("text:c").as_int(1)), ' ');
      }
    }
    out.push_back(line);
  }
  return out;
}

::testing::AssertionResult has_line(const std::vector<std::string>& lines,
                                    const std::string& line) {
  if (std::find(lines.begin(), lines.end(), line) != lines.end()) {
    return ::testing::AssertionSuccess();
  }
  std::string all;
  for (const auto& x : lines) all += "[" + x + "]\n";
  return ::testing::AssertionFailure() << "no line [" << line << "] in\n" << all;
}

size_t count_nodes(const fs::path& file, const char* xpath) {
  pugi::xml_document xml;
  xml.load_string(main_part(file).c_str());
  return xml.select_nodes(xpath).size();
}

CallRecorder::CallRecorder(const TempDir& dir)
    : folder_(dir.str() + "recorder/"), log_(dir.str() + "recorder/calls.log") {
  fs::create_directories(folder_);
  write_file(folder_ + "record.sh", "#!/bin/sh\necho \"$0 $*\" >> '" + log_ + "'\n");
  fs::permissions(folder_ + "record.sh", fs::perms::owner_all);
  fs::create_symlink(folder_ + "record.sh", folder_ + "printer");
  fs::create_symlink(folder_ + "record.sh", folder_ + "opener");
}

HostSettings CallRecorder::settings(HostSettings base) const {
  base.printer_command = folder_ + "printer";
  base.opener_command = folder_ + "opener";
  return base;
}

std::string CallRecorder::calls(size_t expected_lines) const {
  for (int i = 0; i < 50; ++i) {
    std::string s = fs::exists(log_) ? read_file(log_) : "";
    if (static_cast<size_t>(std::count(s.begin(), s.end(), '\n')) >= expected_lines) return s;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return fs::exists(log_) ? read_file(log_) : "";
}

}  // namespace orvane::testing

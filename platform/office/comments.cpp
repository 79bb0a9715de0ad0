#include "platform/office/comments.h"

#include <cstdint>
#include <cstring>
#include <pugixml.hpp>
#include <string_view>
#include <vector>

#include "core/error.h"
#include "platform/office/package.h"
#include "platform/office/xmlutil.h"

namespace orvane::office {

namespace {

// An element `name` starts somewhere in `xml` (not merely a longer name sharing its start).
bool has_element(std::string_view xml, std::string_view name) {
  for (size_t at = xml.find(name); at != std::string_view::npos; at = xml.find(name, at + 1)) {
    if (at == 0 || xml[at - 1] != '<') continue;
    size_t after = at + name.size();
    if (after >= xml.size()) return false;
    char c = xml[after];
    if (c == '>' || c == '/' || c == ' ' || c == '\t' || c == '\n' || c == '\r') return true;
  }
  return false;
}

struct Marks {
  const char* trigger;                // what makes LibreOffice lay out a comment
  std::vector<const char*> elements;  // what goes
};

const Marks kWordMarks{"w:commentReference",
                       {"w:commentReference", "w:commentRangeStart", "w:commentRangeEnd"}};
const Marks kOdfMarks{"office:annotation", {"office:annotation", "office:annotation-end"}};

// Parts where the marks can sit: the main text, headers, footers and notes of a .docx
// (every XML part under word/ but the comments themselves); the content and the styles
// (headers and footers) of an .odt.
bool may_hold_marks(const std::string& name, bool odf) {
  if (odf) return name == "content.xml" || name == "styles.xml";
  if (name.rfind("word/", 0) != 0 || name.size() < 4 ||
      name.compare(name.size() - 4, 4, ".xml") != 0)
    return false;
  return name.compare(name.rfind('/') + 1, 8, "comments") != 0;
}

bool package_has_comments(Package& pkg) {
  bool odf = pkg.has("content.xml");
  if (!odf && !pkg.has("[Content_Types].xml")) return false;
  const Marks& m = odf ? kOdfMarks : kWordMarks;
  for (const std::string& name : pkg.names())
    if (may_hold_marks(name, odf) && has_element(pkg.read(name), m.trigger)) return true;
  return false;
}

uint32_t le32(const std::string& b, size_t at) {
  if (at + 4 > b.size()) return 0;
  auto u = [&](size_t k) { return static_cast<uint32_t>(static_cast<unsigned char>(b[at + k])); };
  return u(0) | u(1) << 8 | u(2) << 16 | u(3) << 24;
}
uint16_t le16(const std::string& b, size_t at) {
  if (at + 2 > b.size()) return 0;
  return static_cast<uint16_t>(static_cast<unsigned char>(b[at]) |
                               static_cast<unsigned char>(b[at + 1]) << 8);
}

// A Word 97 document (a compound file holding a WordDocument stream) whose file
// information block, at the start of that stream, gives its comment references a size.
bool word97_has_comments(const std::string& b) {
  constexpr uint32_t kEnd = 0xFFFFFFFE;
  constexpr int kGuard = 1 << 16;  // chains longer than this are damaged (or looping)
  uint16_t shift = le16(b, 0x1E), mini_shift = le16(b, 0x20);
  if ((shift != 9 && shift != 12) || mini_shift != 6) return false;
  const size_t sector = size_t{1} << shift, mini = size_t{1} << mini_shift;
  auto at = [&](uint32_t s) { return (static_cast<size_t>(s) + 1) * sector; };
  // The sectors of the allocation table: 109 listed in the header, the rest in a chain.
  std::vector<uint32_t> fat;
  for (size_t i = 0; i < 109; ++i) fat.push_back(le32(b, 0x4C + 4 * i));
  uint32_t difat = le32(b, 0x44);
  for (int guard = 0; difat < kEnd && guard < kGuard; ++guard) {
    for (size_t i = 0; i + 1 < sector / 4; ++i) fat.push_back(le32(b, at(difat) + 4 * i));
    difat = le32(b, at(difat) + sector - 4);
  }
  auto next = [&](uint32_t s) -> uint32_t {
    size_t per = sector / 4;
    if (s / per >= fat.size() || fat[s / per] >= kEnd) return kEnd;
    return le32(b, at(fat[s / per]) + 4 * (s % per));
  };
  // Up to `want` bytes of the stream that starts at sector `s`.
  auto read = [&](uint32_t s, size_t want) {
    std::string out;
    for (int guard = 0; s < kEnd && out.size() < want && guard < kGuard; ++guard, s = next(s)) {
      if (at(s) + sector > b.size()) break;
      out.append(b, at(s), sector);
    }
    return out.substr(0, want);
  };
  static const char16_t kName[] = u"WordDocument";
  std::string root, stream;
  uint32_t dir = le32(b, 0x30);
  for (int guard = 0; dir < kEnd && guard < kGuard && stream.empty(); ++guard, dir = next(dir)) {
    for (size_t e = at(dir); e < at(dir) + sector && e + 128 <= b.size(); e += 128) {
      if (b[e + 66] == 5) root = read(le32(b, e + 116), le32(b, e + 120));
      if (le16(b, e + 64) != sizeof kName || b[e + 66] != 2) continue;
      bool same = true;
      for (size_t k = 0; k + 1 < sizeof kName / 2 && same; ++k)
        same = le16(b, e + 2 * k) == kName[k];
      if (!same) continue;
      uint32_t start = le32(b, e + 116);
      if (le32(b, e + 120) >= le32(b, 0x38)) {
        stream = read(start, 1024);
      } else {
        // A small stream lives in the mini stream (the root entry's), in 64-byte sectors
        // chained by the mini allocation table.
        std::string minifat = read(le32(b, 0x3C), size_t{le32(b, 0x40)} * sector);
        for (int g = 0; start < kEnd && stream.size() < 1024 && g < kGuard; ++g) {
          if ((start + 1) * mini > root.size()) break;
          stream.append(root, start * mini, mini);
          start = le32(minifat, 4 * size_t{start});
          if (4 * size_t{start} >= minifat.size()) start = kEnd;
        }
      }
      break;
    }
  }
  if (le16(stream, 0) != 0xA5EC) return false;
  size_t words = le16(stream, 32);
  size_t longs = le16(stream, 34 + 2 * words);
  size_t pairs = 38 + 2 * words + 4 * longs;  // after the count of pairs
  if (le16(stream, pairs - 2) < 5) return false;
  return le32(stream, pairs + 9 * 4) != 0;  // lcbPlcfandRef
}

}  // namespace

bool has_comments(const std::string& path) {
  std::string bytes;
  try {
    bytes = read_whole_file(path);
  } catch (const VbError&) {
    return false;
  }
  if (bytes.rfind("PK\x03\x04", 0) == 0) {
    try {
      Package pkg = Package::from_bytes(std::move(bytes), path);
      return package_has_comments(pkg);
    } catch (const VbError&) {
      return false;  // a damaged package is refused by whoever reads it
    }
  }
  if (bytes.rfind("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 0) == 0) return word97_has_comments(bytes);
  std::string_view head = std::string_view(bytes).substr(0, 64);
  if (head.find("{\\rtf") != std::string_view::npos)
    return bytes.find("\\annotation") != std::string::npos ||
           bytes.find("\\chatn") != std::string::npos;
  if (head.find('<') != std::string_view::npos)
    return has_element(bytes, kOdfMarks.trigger) || has_element(bytes, kWordMarks.trigger) ||
           bytes.find("w:type=\"Word.Comment\"") != std::string::npos;
  return false;
}

bool remove_comments(const std::string& path) {
  std::string bytes = read_whole_file(path);
  if (bytes.rfind("PK\x03\x04", 0) != 0) return false;
  Package pkg = Package::from_bytes(std::move(bytes), path);
  bool odf = pkg.has("content.xml");
  if (!odf && !pkg.has("[Content_Types].xml")) return false;
  const Marks& m = odf ? kOdfMarks : kWordMarks;
  bool removed = false;
  for (const std::string& name : pkg.names()) {
    if (!may_hold_marks(name, odf)) continue;
    const std::string& data = pkg.read(name);
    bool any = false;
    for (const char* e : m.elements) any = any || has_element(data, e);
    if (!any) continue;
    pugi::xml_document xml;
    parse_part(xml, data, name, path,
               pugi::parse_default | pugi::parse_declaration | pugi::parse_ws_pcdata);
    std::vector<pugi::xml_node> marks;
    xml.find_node([&](pugi::xml_node n) {
      for (const char* e : m.elements)
        if (is_named(n, e)) marks.push_back(n);
      return false;
    });
    // Last first, so a run is only judged once all its marks are gone.
    for (auto it = marks.rbegin(); it != marks.rend(); ++it) {
      pugi::xml_node n = *it;
      pugi::xml_node parent = n.parent();
      parent.remove_child(n);
      // The run that carried a comment reference goes with it once nothing else is left.
      bool empty_run = is_named(parent, "w:r");
      for (pugi::xml_node c : parent.children())
        if (c.type() == pugi::node_element && !is_named(c, "w:rPr")) empty_run = false;
      if (empty_run) parent.parent().remove_child(parent);
    }
    if (marks.empty()) continue;
    pkg.write(name, serialize(xml));
    removed = true;
  }
  if (removed) pkg.save(path, odf);
  return removed;
}

}  // namespace orvane::office

#include "textpdf/gera_pdf.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/convert.h"
#include "core/error.h"
#include "textpdf/line_reader.h"

namespace orvane::textpdf {
namespace {

namespace fs = std::filesystem;
using component::opt;
using component::ref;

constexpr int32_t kMaxObjects = 5000;  // also the most pages the page table holds
constexpr size_t kFlushAt = 32000;     // buffered bytes before an append to the file
constexpr int32_t kInfoObj = 1, kCatalogObj = 2, kPagesObj = 3, kFontObj = 4, kEncodingObj = 5,
                  kResourcesObj = 6;
constexpr std::string_view kProducer = "Orvane Text-PDF v1.0";

// Every number in the file has a point as decimal separator and no grouping, whatever
// the locale; whole values have no decimals.
std::string num(int64_t v) { return std::to_string(v); }

std::string num(double v) {
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
  return std::string(buf, r.ptr);
}

std::string num(Currency c) {
  const int64_t raw = c.raw();
  const uint64_t mag = raw < 0 ? 0 - static_cast<uint64_t>(raw) : static_cast<uint64_t>(raw);
  std::string s = (raw < 0 ? "-" : "") + std::to_string(mag / Currency::kScale);
  uint64_t frac = mag % Currency::kScale;
  if (frac) {
    char digits[5];
    std::snprintf(digits, sizeof digits, "%04u", static_cast<unsigned>(frac));
    std::string_view d(digits, 4);
    while (d.back() == '0') d.remove_suffix(1);
    s += '.';
    s += d;
  }
  return s;
}

// The characters a wrapped line may end with.
constexpr std::array<bool, 256> kBreakAfter = [] {
  std::array<bool, 256> t{};
  for (char c : std::string_view("*&^%$#,. ;<=>[])}!\"")) t[static_cast<unsigned char>(c)] = true;
  return t;
}();

// The length of the first piece of a line longer than `width`: up to and including the
// last break character from column `width` back to column `width` / 2, else `width`.
size_t piece_length(std::string_view line, size_t width) {
  const size_t lowest = std::max<size_t>(width / 2, 1);
  for (size_t pos = width; pos >= lowest; --pos)
    if (kBreakAfter[static_cast<unsigned char>(line[pos - 1])]) return pos;
  // Never split an escaped parenthesis: a piece ending in its backslash would escape the
  // line end and leave the parenthesis bare at the start of the next piece.
  size_t n = width;
  if (n > 1 && line[n - 1] == '\\' && (line[n] == '(' || line[n] == ')')) --n;
  return n;
}

std::string_view trim_spaces(std::string_view s) {
  size_t b = s.find_first_not_of(' ');
  if (b == std::string_view::npos) return {};
  return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

// A file counts as present when it exists and holds at least one byte.
bool file_exists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode) && st.st_size > 0;
}

VbError open_error(int e, bool input) {
  switch (e) {
    case ENOENT:
    case ENOTDIR:
      return VbError(input ? err::kFileNotFound : err::kPathNotFound);
    case EACCES:
    case EPERM:
    case EROFS:
      return VbError(err::kPermissionDenied);
    default:
      return VbError(err::kPathFileAccess);
  }
}

int open_file(const std::string& path, int flags, bool input) {
  int fd;
  do fd = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
  while (fd < 0 && errno == EINTR);
  if (fd < 0) throw open_error(errno, input);
  return fd;
}

struct DocInfo {
  Text author, creator, keywords, subject, title;
};

// One conversion: the objects, pages and byte offsets of the file being written.
class PdfWriter {
 public:
  PdfWriter(const PdfLayout& layout, int fd) : l_(layout), fd_(fd) {
    buffer_.reserve(kFlushAt * 2);
    font_line_ = "/F1 " + num(l_.font_size) + " Tf";
    foot_position_ = "1 0 0 1 " + num(l_.number_x) + " " + num(int64_t{l_.number_y}) + " Tm";
  }

  void write_header() {
    write_line({"%PDF-1.2"});
    write_line({"%\xE2\xE3\xCF\xD3"});  // "%âãÏÓ": marks the file as binary
  }

  void write_fixed_objects(const DocInfo& info, Date now) {
    const DateParts d = now.parts();
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "D:%04d%02d%02d%02d%02d%02d", d.year, d.month, d.day, d.hour,
                  d.minute, d.second);
    // The texts go in as given, unescaped.
    begin_object(kInfoObj);
    write_line({"<<"});
    write_line({"/Author (", to_cp1252(info.author), ")"});
    write_line({"/CreationDate (", stamp, ")"});
    write_line({"/Creator (", to_cp1252(info.creator), ")"});
    write_line({"/Producer (", kProducer, ")"});
    write_line({"/Title (", to_cp1252(info.title), ")"});
    write_line({"/Subject (", to_cp1252(info.subject), ")"});
    write_line({"/Keywords (", to_cp1252(info.keywords), ")"});
    write_line({">>"});
    write_line({"endobj"});

    begin_object(kFontObj);
    write_line({"<<"});
    write_line({"/Type /Font"});
    write_line({"/Subtype /Type1"});
    write_line({"/Name /F1"});
    write_line({"/Encoding ", num(int64_t{kEncodingObj}), " 0 R"});
    write_line({"/BaseFont /", to_cp1252(l_.font_name)});
    write_line({">>"});
    write_line({"endobj"});

    begin_object(kEncodingObj);
    write_line({"<<"});
    write_line({"/Type /Encoding"});
    write_line({"/BaseEncoding /WinAnsiEncoding"});
    write_line({">>"});
    write_line({"endobj"});

    begin_object(kResourcesObj);
    write_line({"<<"});
    write_line({"  /Font << /F1 ", num(int64_t{kFontObj}), " 0 R >>"});
    write_line({"  /ProcSet [ /PDF /Text ]"});
    write_line({">>"});
    write_line({"endobj"});
  }

  // Every output line counts once on its page: a page break comes before a line when the
  // page already holds lines-per-page lines, or when what is left of the input line holds
  // a form feed (which stays in the text).
  void write_pages(LineReader& in) {
    const size_t width = static_cast<size_t>(l_.chars_per_line);
    begin_page();
    std::string_view line;
    while (in.next(line)) {
      std::string_view text = escape_parens(trim_spaces(line));
      const void* ff = text.empty() ? nullptr : ::memrchr(text.data(), '\f', text.size());
      const bool has_ff = ff != nullptr;
      const size_t last_ff =
          has_ff ? static_cast<size_t>(static_cast<const char*>(ff) - text.data()) : 0;
      break_page_if(has_ff);
      size_t start = 0;
      while (text.size() - start > width) {
        const size_t n = piece_length(text.substr(start), width);
        write_text(text.substr(start, n));
        start += n;
        break_page_if(has_ff && last_ff >= start);
      }
      write_text(text.substr(start));
    }
    page_foot();
    end_page();
  }

  void write_trailer() {
    begin_object(kCatalogObj);
    write_line({"<<"});
    write_line({"/Type /Catalog"});
    write_line({"/Pages ", num(int64_t{kPagesObj}), " 0 R"});
    write_line({">>"});
    write_line({"endobj"});

    begin_object(kPagesObj);
    write_line({"<<"});
    write_line({"/Type /Pages"});
    write_line({"/Count ", num(int64_t{pages_})});
    write_line(
        {"/MediaBox [ 0 0 ", num(int64_t{l_.page_width}), " ", num(int64_t{l_.page_height}), " ]"});
    std::string kids = "/Kids [ ";
    for (int32_t p = 1; p <= pages_; ++p) kids += num(int64_t{page_objects_[p - 1]}) + " 0 R ";
    kids += "]";
    write_line({kids});
    write_line({">>"});
    write_line({"endobj"});

    const int32_t xref = offset();
    write_line({"xref"});
    write_line({"0 ", num(int64_t{objects_} + 1)});
    write_line({"0000000000 65535 f "});
    for (int32_t n = 1; n <= objects_; ++n) {
      char entry[32];
      std::snprintf(entry, sizeof entry, "%010ld 00000 n ", static_cast<long>(offsets_[n - 1]));
      write_line({entry});
    }
    write_line({"trailer"});
    write_line({"<<"});
    write_line({"/Size ", num(int64_t{objects_} + 1)});
    write_line({"/Root ", num(int64_t{kCatalogObj}), " 0 R"});
    write_line({"/Info ", num(int64_t{kInfoObj}), " 0 R"});
    write_line({">>"});
    write_line({"startxref"});
    write_line({num(int64_t{xref})});
    write_line({"%%EOF"}, true);
  }

 private:
  // Appends the parts and a CR to the buffer; appends the buffer to the file once it
  // passes kFlushAt bytes, or when `final` is set.
  void write_line(std::initializer_list<std::string_view> parts, bool final = false) {
    for (std::string_view p : parts) buffer_.append(p);
    buffer_.push_back('\r');
    if (buffer_.size() > kFlushAt || final) flush();
  }

  void flush() {
    const char* p = buffer_.data();
    size_t left = buffer_.size();
    while (left) {
      ssize_t n = ::write(fd_, p, left);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) throw VbError(errno == ENOSPC ? 61 : err::kDeviceIo);
      p += n;
      left -= static_cast<size_t>(n);
    }
    written_ += static_cast<int64_t>(buffer_.size());
    buffer_.clear();
  }

  // Bytes produced so far, buffered or written: the file position of the next line.
  int32_t offset() const {
    int64_t o = written_ + static_cast<int64_t>(buffer_.size());
    if (o > INT32_MAX) throw VbError(err::kOverflow);
    return static_cast<int32_t>(o);
  }

  static int32_t& slot(std::array<int32_t, kMaxObjects>& table, int32_t n) {
    if (n < 1 || n > kMaxObjects) throw VbError(err::kSubscript);
    return table[static_cast<size_t>(n - 1)];
  }

  void begin_object(int32_t n) {
    slot(offsets_, n) = offset();
    objects_ = std::max(objects_, n);
    write_line({num(int64_t{n}), " 0 obj"});
  }

  void begin_page() {
    ++pages_;
    page_obj_ = objects_ + 1;
    slot(page_objects_, pages_) = page_obj_;
    begin_object(page_obj_);
    write_line({"<<"});
    write_line({"/Type /Page"});
    write_line({"/Parent ", num(int64_t{kPagesObj}), " 0 R"});
    write_line({"/Resources ", num(int64_t{kResourcesObj}), " 0 R"});
    write_line({"/Contents ", num(int64_t{page_obj_} + 1), " 0 R"});
    write_line({"/Rotate ", num(int64_t{l_.rotation})});
    write_line({">>"});
    write_line({"endobj"});
    begin_object(page_obj_ + 1);
    write_line({"<<"});
    write_line({"/Length ", num(int64_t{page_obj_} + 2), " 0 R"});
    write_line({">>"});
    write_line({"stream"});
    stream_start_ = offset();
    write_line({"BT"});
    write_line({font_line_});
    write_line({"1 0 0 1 50 ", num(int64_t{l_.page_height} - 40), " Tm"});
    write_line({num(l_.leading), " TL"});
  }

  void page_foot() {
    write_line({foot_position_});
    write_line({"(", num(int64_t{pages_}), ") Tj"});
    write_line({font_line_});
  }

  void end_page() {
    write_line({"ET"});
    const int32_t length = offset() - stream_start_;
    write_line({"endstream"});
    write_line({"endobj"});
    begin_object(page_obj_ + 2);
    write_line({num(int64_t{length})});
    write_line({"endobj"});
    lines_ = 0;
  }

  void break_page_if(bool form_feed) {
    if (lines_ >= l_.lines_per_page || form_feed) {
      page_foot();
      end_page();
      begin_page();
    }
  }

  // One output line; the CR LF stands within the parentheses.
  void write_text(std::string_view s) {
    write_line({"T* (", s, "\r\n) Tj"});
    ++lines_;
  }

  // Parentheses get a backslash; backslashes already in the text stay as they are.
  std::string_view escape_parens(std::string_view s) {
    if (s.empty() ||
        (!std::memchr(s.data(), '(', s.size()) && !std::memchr(s.data(), ')', s.size())))
      return s;
    escaped_.clear();
    for (char c : s) {
      if (c == '(' || c == ')') escaped_.push_back('\\');
      escaped_.push_back(c);
    }
    return escaped_;
  }

  const PdfLayout& l_;
  int fd_;
  std::string buffer_;
  int64_t written_ = 0;
  int32_t objects_ = 0;  // last object number used
  int32_t pages_ = 0;    // pages begun
  int32_t lines_ = 0;    // output lines on the current page
  int32_t page_obj_ = 0;
  int32_t stream_start_ = 0;
  std::array<int32_t, kMaxObjects> offsets_{};
  std::array<int32_t, kMaxObjects> page_objects_{};
  std::string font_line_, foot_position_, escaped_;
};

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  void close() {
    int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 && errno != EINTR) throw VbError(err::kDeviceIo);
  }

 private:
  int fd_;
};

}  // namespace

PdfLayout setup_layout(TextView font_name, int16_t font_size, int16_t rotation, float pwidth,
                       float pheight) {
  PdfLayout l;
  l.page_height = CLng(Variant(pheight * 72.0f));
  l.page_width = CLng(Variant(pwidth * 72.0f));
  l.font_name = Text(font_name);
  l.font_size = Currency::from_int(font_size);
  l.leading = CCur(Variant(font_size * 1.2));
  l.rotation = rotation;
  if (l.leading.raw() == 0) throw VbError(err::kDivisionByZero);
  l.lines_per_page = CLng(Variant((l.page_height - 72.0) / l.leading.to_double()));
  const Text lower = vb::LCase(font_name);
  const double k = lower == u"courier" ? 1.5 : lower == u"arial" ? 2.0 : 2.2;
  l.chars_per_line = CLng(Variant(l.page_width * k / l.font_size.to_double()));
  // A line must take at least one character, or wrapping could never end.
  if (l.chars_per_line < 1) throw VbError(err::kInvalidCall);
  l.number_x = l.page_width / 2.0;
  return l;
}

GeraPDF::GeraPDF(ContextPtr ctx) : ctx_(ctx ? std::move(ctx) : default_context()) {}

void GeraPDF::ConvertToPDF(const Text& filename, const Text& outputfile, const Text& TextAuthor,
                           const Text& TextCreator, const Text& TextKeywords,
                           const Text& TextSubject, const Text& TextTitle, const Text& FontName,
                           int16_t FontSize, int16_t Rotation, float pwidth, float pheight) {
  const std::string input = to_utf8(filename), output = to_utf8(outputfile);
  if (!file_exists(input)) {
    ctx_->show(T("Arquivo '") + filename + T("' não existe."), ui::kOkOnly, Text());
    return;
  }
  // Everything that can fail before writing is checked before the old output goes.
  const PdfLayout layout = setup_layout(FontName, FontSize, Rotation, pwidth, pheight);
  LineReader reader(open_file(input, O_RDONLY, true));
  {
    std::error_code ec;
    if (file_exists(output) && fs::equivalent(input, output, ec))
      throw VbError(err::kFileAlreadyOpen);
  }
  // The file is written beside the target and renamed over it once complete, so a
  // failure half way (a full disk) leaves the previous output as it was.
  static std::atomic<unsigned> serial{0};
  const std::string partial =
      output + ".part-" + std::to_string(::getpid()) + "-" + std::to_string(serial++);
  Fd out(open_file(partial, O_WRONLY | O_CREAT | O_EXCL, false));
  try {
    PdfWriter w(layout, out.get());
    w.write_header();
    w.write_fixed_objects({TextAuthor, TextCreator, TextKeywords, TextSubject, TextTitle},
                          ctx_->now());
    try {
      w.write_pages(reader);
    } catch (const VbError& e) {
      // Running out of pages leaves the truncated file in place, as the host expects.
      if (e.number() == err::kSubscript) {
        out.close();
        if (::rename(partial.c_str(), output.c_str()) != 0) throw open_error(errno, false);
      }
      throw;
    }
    w.write_trailer();
    out.close();
    if (::rename(partial.c_str(), output.c_str()) != 0) throw open_error(errno, false);
  } catch (...) {
    // After a read or write failure the partial file is useless and goes.
    ::unlink(partial.c_str());
    throw;
  }
}

const component::MemberTable& GeraPDF::table() {
  static const component::MemberTable kTable = [] {
    component::MemberTable t(u"GeraPDF");
    const Variant empty{Text()};
    t.method(
        u"ConvertToPDF",
        {ref(u"filename", VarType::String), ref(u"outputfile", VarType::String),
         opt(u"TextAuthor", VarType::String, empty), opt(u"TextCreator", VarType::String, empty),
         opt(u"TextKeywords", VarType::String, empty), opt(u"TextSubject", VarType::String, empty),
         opt(u"TextTitle", VarType::String, empty),
         opt(u"FontName", VarType::String, Variant(u"Courier")),
         opt(u"FontSize", VarType::Integer, Variant(int16_t{10})),
         opt(u"Rotation", VarType::Integer, Variant(int16_t{0})),
         opt(u"pwidth", VarType::Single, Variant(8.5f)),
         opt(u"pheight", VarType::Single, Variant(11.0f))},
        VarType::Empty,
        [](Object& self, component::Args& a) {
          static_cast<GeraPDF&>(self).ConvertToPDF(a[0].text(), a[1].text(), a[2].text(),
                                                   a[3].text(), a[4].text(), a[5].text(),
                                                   a[6].text(), a[7].text(), a[8].integer(),
                                                   a[9].integer(), a[10].single(), a[11].single());
          return Variant();
        },
        "writes the PDF file outputfile from the text file filename");
    return t;
  }();
  return kTable;
}

}  // namespace orvane::textpdf

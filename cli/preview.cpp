#include "cli/preview.h"

#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-image.h>
#include <poppler-page-renderer.h>
#include <poppler-page.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>

namespace orvane::cli {
namespace {

namespace fs = std::filesystem;

// poppler reports damaged files on stderr by default; a damaged file is an answer here.
void quiet_poppler() {
  static const bool once = [] {
    poppler::set_debug_error_function([](const std::string&, void*) {}, nullptr);
    return true;
  }();
  (void)once;
}

bool looks_like_pdf(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  char head[5] = {};
  in.read(head, 5);
  return in.gcount() == 5 && std::memcmp(head, "%PDF-", 5) == 0;
}

std::unique_ptr<poppler::document> open_pdf(const fs::path& path) {
  quiet_poppler();
  std::unique_ptr<poppler::document> doc(poppler::document::load_from_file(path.string()));
  if (!doc || doc->is_locked() || doc->pages() < 1) return nullptr;
  return doc;
}

// The first page at `width` pixels; an invalid image when it cannot be rendered.
poppler::image render_first_page(const fs::path& pdf, int width,
                                 poppler::image::format_enum format) {
  auto doc = open_pdf(pdf);
  if (!doc) return {};
  std::unique_ptr<poppler::page> page(doc->create_page(0));
  if (!page) return {};
  double points = page->page_rect(poppler::media_box).width();
  if (points <= 0) return {};
  double dpi = width * 72.0 / points;
  poppler::page_renderer renderer;
  renderer.set_render_hint(poppler::page_renderer::antialiasing);
  renderer.set_render_hint(poppler::page_renderer::text_antialiasing);
  renderer.set_image_format(format);
  return renderer.render_page(page.get(), dpi, dpi);
}

// Saves beside the target and renames, so a reader never sees half a PNG.
bool save_png(const poppler::image& img, const fs::path& png) {
  fs::path partial = png.parent_path() /
                     (".orvane-part-" + std::to_string(::getpid()) + "-" + png.filename().string());
  std::error_code ec;
  if (!img.save(partial.string(), "png") || (fs::rename(partial, png, ec), ec)) {
    fs::remove(partial, ec);
    return false;
  }
  return true;
}

}  // namespace

int document_pages(const fs::path& path) {
  if (!looks_like_pdf(path)) return fs::is_regular_file(path) ? 0 : -1;
  auto doc = open_pdf(path);
  return doc ? doc->pages() : -1;
}

bool write_thumbnail(const fs::path& pdf, const fs::path& png, int width) {
  poppler::image img = render_first_page(pdf, width, poppler::image::format_rgb24);
  return img.is_valid() && save_png(img, png);
}

bool write_first_pages_picture(const std::vector<fs::path>& pdfs, const fs::path& png, int width) {
  const int gap = 16, border = 1;
  std::vector<poppler::image> pages;
  int height = 0;
  for (const auto& pdf : pdfs) {
    pages.push_back(render_first_page(pdf, width, poppler::image::format_argb32));
    if (!pages.back().is_valid()) return false;
    height = std::max(height, pages.back().height());
  }
  if (pages.empty()) return false;
  const int n = static_cast<int>(pages.size());
  const int total_w = gap + n * (width + 2 * border + gap);
  const int total_h = height + 2 * border + 2 * gap;
  poppler::image canvas(total_w, total_h, poppler::image::format_argb32);
  if (!canvas.is_valid()) return false;
  char* out = canvas.data();
  const int out_row = canvas.bytes_per_row();
  // argb32: one native-order 32-bit word per pixel.
  auto put = [&](int x, int y, uint32_t rgb) { std::memcpy(out + y * out_row + x * 4, &rgb, 4); };
  for (int y = 0; y < total_h; ++y)
    for (int x = 0; x < total_w; ++x) put(x, y, 0xFFFFFFFFu);
  for (int i = 0; i < n; ++i) {
    const poppler::image& p = pages[i];
    const int x0 = gap + i * (width + 2 * border + gap), y0 = gap;
    for (int y = 0; y < p.height() + 2 * border; ++y)
      for (int x = 0; x < p.width() + 2 * border; ++x) put(x0 + x, y0 + y, 0xFF9A9A9Au);
    const char* in = p.const_data();
    for (int y = 0; y < p.height(); ++y)
      std::memcpy(out + (y0 + border + y) * out_row + (x0 + border) * 4, in + y * p.bytes_per_row(),
                  static_cast<size_t>(p.width()) * 4);
  }
  return save_png(canvas, png);
}

std::string html_escape(const std::string& s) {
  std::string out;
  for (char c : s) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string href(const std::string& relative_path) {
  static const char* hex = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : relative_path) {
    if (std::isalnum(c) || std::strchr("/-._~", c)) {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += hex[c >> 4];
      out += hex[c & 15];
    }
  }
  return out;
}

void write_index_html(const fs::path& dir, const std::string& title,
                      const std::vector<IndexEntry>& entries) {
  using Status = IndexEntry::Status;
  size_t produced = 0, failed = 0, absent = 0;
  for (const auto& e : entries)
    (e.status == Status::Produced ? produced : e.status == Status::Failed ? failed : absent)++;
  std::ostringstream h;
  h << "<!DOCTYPE html>\n<html lang=\"pt-BR\">\n<head>\n<meta charset=\"utf-8\">\n<title>"
    << html_escape(title) << "</title>\n<style>\n"
    << "body{font-family:sans-serif;margin:2em;color:#222}\n"
    << "ul.docs{list-style:none;padding:0;display:flex;flex-wrap:wrap;gap:1.5em}\n"
    << "ul.docs li{width:220px}\n"
    << "ul.docs img{width:200px;border:1px solid #999;box-shadow:2px 2px 4px #ccc}\n"
    << ".failed{color:#a00}.absent{color:#777}\n"
    << ".none{display:block;width:200px;height:283px;border:1px dashed #999;color:#777;"
    << "text-align:center;line-height:283px}\n"
    << "</style>\n</head>\n<body>\n<h1>" << html_escape(title) << "</h1>\n<p>" << produced
    << " produced, " << failed << " failed, " << absent << " not in this build.</p>\n"
    << "<ul class=\"docs\">\n";
  for (const auto& e : entries) {
    h << "<li>\n";
    if (e.status == Status::Produced) {
      h << "<a href=\"" << href(e.document) << "\">";
      if (!e.thumbnail.empty())
        h << "<img src=\"" << href(e.thumbnail) << "\" alt=\"" << html_escape(e.name) << "\">";
      else
        h << "<span class=\"none\">" << html_escape(fs::path(e.document).extension().string())
          << "</span>";
      h << "</a>\n";
    }
    h << "<div><b>" << html_escape(e.name) << "</b></div>\n<div>" << html_escape(e.kind) << ", "
      << html_escape(e.route) << "</div>\n";
    if (e.status == Status::Produced) {
      char secs[32];
      std::snprintf(secs, sizeof secs, "%.2f s", e.seconds);
      h << "<div><a href=\"" << href(e.document) << "\">"
        << html_escape(fs::path(e.document).filename().string()) << "</a></div>\n<div>";
      if (e.pages > 0) h << e.pages << (e.pages == 1 ? " page, " : " pages, ");
      h << secs << "</div>\n";
    } else if (e.status == Status::Failed) {
      h << "<div class=\"failed\">failed: " << html_escape(e.message) << "</div>\n";
    } else {
      h << "<div class=\"absent\">not in this build (" << html_escape(e.message) << ")</div>\n";
    }
    h << "</li>\n";
  }
  h << "</ul>\n</body>\n</html>\n";

  fs::path target = dir / "index.html";
  fs::path partial = dir / (".orvane-part-" + std::to_string(::getpid()) + "-index.html");
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    out << h.str();
    if (!out.flush()) throw std::runtime_error("cannot write " + target.string());
  }
  std::error_code ec;
  fs::rename(partial, target, ec);
  if (ec) {
    fs::remove(partial, ec);
    throw std::runtime_error("cannot write " + target.string());
  }
}

}  // namespace orvane::cli

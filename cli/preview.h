// Looking at produced documents without an office suite: page counts, first-page thumbnails
// (rendered in this process by poppler), a picture of several first pages side by side, and
// the index page of a folder of documents.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace orvane::cli {

// Pages of a PDF; 0 for a file that is not a PDF (a .doc); -1 for a PDF that cannot be read.
int document_pages(const std::filesystem::path& path);

// Renders the first page of `pdf` as a PNG `width` pixels wide. False when the PDF cannot
// be read or the image written (nothing is left at `png` then).
bool write_thumbnail(const std::filesystem::path& pdf, const std::filesystem::path& png, int width);

// The first pages of `pdfs`, each `width` pixels wide, side by side on white with a thin
// border. False when any cannot be rendered or the PNG written.
bool write_first_pages_picture(const std::vector<std::filesystem::path>& pdfs,
                               const std::filesystem::path& png, int width);

// One document of an index page. Paths are relative to the index's folder.
struct IndexEntry {
  std::string name;   // "Ficha de Deslocamento 501"
  std::string kind;   // "trip sheet"
  std::string route;  // "Word", "Writer"
  enum class Status { Produced, Failed, NotInBuild } status = Status::Produced;
  std::string message;    // why it failed, or the member this build lacks
  std::string document;   // the PDF or .doc
  std::string thumbnail;  // the PNG, empty when there is none
  int pages = 0;
  double seconds = 0;
};

// Writes `dir`/index.html (atomically) listing every entry: thumbnail, links, pages, time,
// and failures with their message.
void write_index_html(const std::filesystem::path& dir, const std::string& title,
                      const std::vector<IndexEntry>& entries);

// Text escaped for HTML content and attribute values.
std::string html_escape(const std::string& s);
// A relative path as an href: each segment percent-encoded.
std::string href(const std::string& relative_path);

}  // namespace orvane::cli

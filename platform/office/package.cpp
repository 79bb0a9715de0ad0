#include "platform/office/package.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/office/errors.h"

namespace orvane::office {

void fail(int32_t number, const std::string& description_utf8) {
  throw VbError(number, from_utf8(description_utf8));
}

struct Package::Source {
  std::string bytes;
  zip_t* archive = nullptr;
  ~Source() {
    if (archive) zip_discard(archive);
  }
};

namespace {

std::string zip_message(int code) {
  zip_error_t e;
  zip_error_init_with_code(&e, code);
  std::string m = zip_error_strerror(&e);
  zip_error_fini(&e);
  return m;
}

std::string folder_of(const std::string& path) {
  auto parent = std::filesystem::path(path).parent_path();
  return parent.empty() ? std::string(".") : parent.string();
}

// A temporary file beside `path`, so the final rename never crosses file systems.
std::string temp_beside(const std::string& path, int& fd) {
  std::string dir = folder_of(path);
  std::string name = std::filesystem::path(path).filename().string();
  std::string tmpl = dir + "/." + name + ".orvane-XXXXXX";
  fd = mkstemp(tmpl.data());
  if (fd < 0)
    fail(err::kPathFileAccess,
         "Não foi possível gravar o arquivo " + path + ": " + std::strerror(errno));
  // mkstemp makes the file private; give it the mode a plain new file would have.
  mode_t mask = umask(0);
  umask(mask);
  fchmod(fd, 0666 & ~mask);
  return tmpl;
}

}  // namespace

std::string read_whole_file(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec))
    fail(oerr::kFileNotFound, "O arquivo " + path + " não foi encontrado.");
  std::ifstream in(path, std::ios::binary);
  if (!in) fail(err::kPermissionDenied, "Não foi possível ler o arquivo " + path + ".");
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

void write_file_atomically(const std::string& path, std::string_view data) {
  int fd = -1;
  std::string tmp = temp_beside(path, fd);
  size_t done = 0;
  while (done < data.size()) {
    ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      std::string why = std::strerror(errno);
      ::close(fd);
      ::unlink(tmp.c_str());
      fail(err::kPathFileAccess, "Não foi possível gravar o arquivo " + path + ": " + why);
    }
    done += static_cast<size_t>(n);
  }
  if (::fsync(fd) != 0 || ::close(fd) != 0) {
    ::unlink(tmp.c_str());
    fail(err::kPathFileAccess, "Não foi possível gravar o arquivo " + path + ".");
  }
  if (std::rename(tmp.c_str(), path.c_str()) != 0) {
    std::string why = std::strerror(errno);
    ::unlink(tmp.c_str());
    fail(err::kPathFileAccess, "Não foi possível gravar o arquivo " + path + ": " + why);
  }
}

void install_file_atomically(const std::string& finished, const std::string& path) {
  if (std::rename(finished.c_str(), path.c_str()) == 0) return;
  if (errno != EXDEV) {
    std::string why = std::strerror(errno);
    fail(err::kPathFileAccess, "Não foi possível gravar o arquivo " + path + ": " + why);
  }
  write_file_atomically(path, read_whole_file(finished));
  ::unlink(finished.c_str());
}

Package::Package(Package&&) noexcept = default;
Package& Package::operator=(Package&&) noexcept = default;
Package::~Package() = default;

Package Package::open(const std::string& path, PackageLimits limits) {
  return from_bytes(read_whole_file(path), path, limits);
}

Package Package::from_bytes(std::string bytes, std::string label, PackageLimits limits) {
  Package p;
  p.label_ = std::move(label);
  p.limits_ = limits;
  p.src_ = std::make_unique<Source>();
  p.src_->bytes = std::move(bytes);
  zip_error_t zerr;
  zip_error_init(&zerr);
  zip_source_t* s = zip_source_buffer_create(p.src_->bytes.data(), p.src_->bytes.size(), 0, &zerr);
  if (!s) fail(oerr::kCorruptDocument, "O arquivo " + p.label_ + " não pôde ser lido.");
  p.src_->archive = zip_open_from_source(s, ZIP_RDONLY | ZIP_CHECKCONS, &zerr);
  if (!p.src_->archive) {
    std::string why = zip_error_strerror(&zerr);
    zip_source_free(s);
    zip_error_fini(&zerr);
    fail(oerr::kCorruptDocument,
         "O arquivo " + p.label_ + " está corrompido ou não é um documento (" + why + ").");
  }
  zip_error_fini(&zerr);
  zip_int64_t n = zip_get_num_entries(p.src_->archive, 0);
  if (n < 0 || static_cast<size_t>(n) > limits.max_entries)
    fail(oerr::kCorruptDocument, "O arquivo " + p.label_ + " tem partes demais.");
  for (zip_int64_t i = 0; i < n; ++i) {
    const char* name = zip_get_name(p.src_->archive, static_cast<zip_uint64_t>(i), 0);
    if (!name) continue;
    Entry e;
    e.name = name;
    e.index = i;
    p.entries_.push_back(std::move(e));
  }
  return p;
}

Package::Entry* Package::find(std::string_view name) {
  for (auto& e : entries_)
    if (!e.removed && e.name == name) return &e;
  return nullptr;
}
const Package::Entry* Package::find(std::string_view name) const {
  return const_cast<Package*>(this)->find(name);
}

std::vector<std::string> Package::names() const {
  std::vector<std::string> out;
  for (auto& e : entries_)
    if (!e.removed) out.push_back(e.name);
  return out;
}

bool Package::has(std::string_view name) const { return find(name) != nullptr; }

bool Package::changed(std::string_view name) const {
  const Entry* e = find(name);
  return e && e->replaced;
}

const std::string& Package::read(std::string_view name) {
  Entry* e = find(name);
  if (!e)
    fail(oerr::kCorruptDocument, "O documento " + label_ + " não tem a parte " + std::string(name) +
                                     " (o arquivo está incompleto).");
  if (e->loaded || e->replaced) return e->data;
  auto idx = static_cast<zip_uint64_t>(e->index);
  zip_stat_t st;
  zip_stat_init(&st);
  if (zip_stat_index(src_->archive, idx, 0, &st) != 0)
    fail(oerr::kCorruptDocument,
         "A parte " + e->name + " do documento " + label_ + " está corrompida.");
  auto too_big = [&] {
    fail(oerr::kCorruptDocument, "A parte " + e->name + " do documento " + label_ +
                                     " excede o tamanho permitido ao ser descompactada.");
  };
  if ((st.valid & ZIP_STAT_SIZE) &&
      (st.size > limits_.max_part_size || st.size + inflated_total_ > limits_.max_total_size))
    too_big();
  zip_file_t* f = zip_fopen_index(src_->archive, idx, 0);
  if (!f)
    fail(oerr::kCorruptDocument, "A parte " + e->name + " do documento " + label_ +
                                     " não pôde ser aberta (" +
                                     zip_error_strerror(zip_get_error(src_->archive)) + ").");
  // The header's size is not trusted: reading stops at the cap whatever it says.
  std::string data;
  char buf[65536];
  for (;;) {
    zip_int64_t got = zip_fread(f, buf, sizeof buf);
    if (got < 0) {
      std::string why = zip_error_strerror(zip_file_get_error(f));
      zip_fclose(f);
      fail(oerr::kCorruptDocument,
           "A parte " + e->name + " do documento " + label_ + " está corrompida (" + why + ").");
    }
    if (got == 0) break;
    data.append(buf, static_cast<size_t>(got));
    if (data.size() > limits_.max_part_size ||
        data.size() + inflated_total_ > limits_.max_total_size) {
      zip_fclose(f);
      too_big();
    }
  }
  if (zip_fclose(f) != 0)
    fail(oerr::kCorruptDocument,
         "A parte " + e->name + " do documento " + label_ + " está corrompida (CRC).");
  inflated_total_ += data.size();
  e->data = std::move(data);
  e->loaded = true;
  return e->data;
}

void Package::write(const std::string& name, std::string data, bool stored) {
  Entry* e = find(name);
  if (!e) {
    entries_.push_back(Entry{});
    e = &entries_.back();
    e->name = name;
  }
  e->data = std::move(data);
  e->replaced = true;
  e->loaded = true;
  e->stored = stored;
}

void Package::remove(const std::string& name) {
  if (Entry* e = find(name)) e->removed = true;
}

void Package::save(const std::string& path, bool odf) const {
  // Assemble in a temporary file beside the target; rename only when complete.
  int fd = -1;
  std::string tmp = temp_beside(path, fd);
  ::close(fd);
  auto discard = [&](zip_t* z, const std::string& why) {
    if (z) zip_discard(z);
    ::unlink(tmp.c_str());
    fail(oerr::kCommandFailed, "Não foi possível gravar o documento " + path + ": " + why);
  };
  int zerr = 0;
  zip_t* out = zip_open(tmp.c_str(), ZIP_TRUNCATE, &zerr);
  if (!out) discard(nullptr, zip_message(zerr));

  std::vector<const Entry*> order;
  for (auto& e : entries_)
    if (!e.removed && odf && e.name == "mimetype")
      order.insert(order.begin(), &e);
    else if (!e.removed)
      order.push_back(&e);

  for (const Entry* e : order) {
    zip_source_t* s = nullptr;
    if (e->replaced) {
      s = zip_source_buffer(out, e->data.data(), e->data.size(), 0);
    } else {
      // Unchanged parts travel as their original compressed bytes.
      s = zip_source_zip(out, src_->archive, static_cast<zip_uint64_t>(e->index), 0, 0, -1);
    }
    if (!s) discard(out, zip_strerror(out));
    zip_int64_t idx = zip_file_add(out, e->name.c_str(), s, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
    if (idx < 0) {
      zip_source_free(s);
      discard(out, zip_strerror(out));
    }
    bool store = e->stored || (odf && e->name == "mimetype");
    if (e->replaced || store)
      zip_set_file_compression(out, static_cast<zip_uint64_t>(idx),
                               store ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 0);
  }
  if (zip_close(out) != 0) discard(out, zip_strerror(out));
  if (std::rename(tmp.c_str(), path.c_str()) != 0) {
    std::string why = std::strerror(errno);
    ::unlink(tmp.c_str());
    fail(oerr::kCommandFailed, "Não foi possível gravar o documento " + path + ": " + why);
  }
}

}  // namespace orvane::office

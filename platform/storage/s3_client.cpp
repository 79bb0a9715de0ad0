#include "platform/storage/s3_client.h"

#include <curl/curl.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>
#include <mutex>
#include <regex>

#include "core/error.h"
#include "platform/storage/sigv4.h"

namespace orvane::storage {
namespace fs = std::filesystem;

namespace {

[[noreturn]] void fail(const Text& description) { throw VbError(kStorageError, description); }

std::string lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

std::string amz_now() {
  std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm utc;
  gmtime_r(&t, &utc);
  char buf[32];
  std::strftime(buf, sizeof buf, "%Y%m%dT%H%M%SZ", &utc);
  return buf;
}

bool is_loopback(const std::string& host) {
  return host == "localhost" || host == "::1" || host == "[::1]" || host.rfind("127.", 0) == 0;
}

// The text between <Tag> and </Tag> in an S3 error body.
std::string xml_value(const std::string& body, const std::string& tag) {
  size_t b = body.find("<" + tag + ">");
  if (b == std::string::npos) return {};
  b += tag.size() + 2;
  size_t e = body.find("</" + tag + ">", b);
  return e == std::string::npos ? std::string() : body.substr(b, e - b);
}

void global_init() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct Curl {
  CURL* h = nullptr;
  curl_slist* headers = nullptr;
  Curl() {
    global_init();
    h = curl_easy_init();
    if (!h) fail(T("Não foi possível iniciar a comunicação com o armazenamento."));
  }
  ~Curl() {
    curl_slist_free_all(headers);
    curl_easy_cleanup(h);
  }
};

size_t append_to_string(char* p, size_t size, size_t n, void* out) {
  static_cast<std::string*>(out)->append(p, size * n);
  return size * n;
}

size_t write_to_fd(char* p, size_t size, size_t n, void* fd) {
  size_t total = size * n, done = 0;
  while (done < total) {
    ssize_t w = ::write(*static_cast<int*>(fd), p + done, total - done);
    if (w < 0 && errno == EINTR) continue;
    if (w <= 0) return 0;  // makes curl stop with a write error
    done += static_cast<size_t>(w);
  }
  return total;
}

// A download in progress: a temporary file beside the target, removed unless it was
// renamed into place.
struct PartialFile {
  int fd = -1;
  std::string path;
  ~PartialFile() {
    if (fd >= 0) ::close(fd);
    if (!path.empty()) ::unlink(path.c_str());
  }
};

}  // namespace

S3Endpoint S3Endpoint::parse(TextView url) {
  static const std::regex form(
      R"(^(https?)://([A-Za-z0-9.\-]+|\[[0-9A-Fa-f:.]+\])(?::(\d{1,5}))?/+([^/?#]+)/*([^?#]*)$)",
      std::regex::icase);
  std::string u = to_utf8(url);
  std::smatch m;
  if (!std::regex_match(u, m, form))
    fail(T("Endereço do armazenamento inválido: \"") + Text(url) +
         u"\" (esperado https://servidor[:porta]/bucket).");
  S3Endpoint e;
  e.https = lower(m[1]) == "https";
  e.host = lower(m[2]);
  if (m[3].matched) {
    e.port = std::stoi(m[3]);
    if (e.port < 1 || e.port > 65535)
      fail(T("Porta inválida no endereço do armazenamento: ") + Text(url));
  }
  e.bucket = m[4];
  e.prefix = m[5];
  if (!e.prefix.empty() && e.prefix.back() != '/') e.prefix += '/';
  // AWS host names carry the region: s3.sa-east-1.amazonaws.com, s3-sa-east-1.amazonaws.com.
  static const std::regex aws(R"(^s3[.\-]([a-z0-9\-]+)\.amazonaws\.com$)");
  std::smatch r;
  e.region = std::regex_match(e.host, r, aws) && r[1] != "external-1" ? r[1].str() : "us-east-1";
  return e;
}

std::string S3Endpoint::host_header() const {
  bool default_port = port == 0 || (https && port == 443) || (!https && port == 80);
  return default_port ? host : host + ":" + std::to_string(port);
}

std::string S3Endpoint::base_url() const {
  return std::string(https ? "https://" : "http://") + host_header();
}

S3Client::S3Client(TextView endpoint, TextView access_key, TextView secret_key)
    : endpoint_(S3Endpoint::parse(endpoint)),
      endpoint_text_(endpoint),
      access_key_(to_utf8(access_key)),
      secret_key_(to_utf8(secret_key)) {
  if (access_key_.empty() || secret_key_.empty())
    fail(T("Chave de acesso ou chave secreta do armazenamento não informada."));
}

namespace {

// Why a request got no answer, for the people who read the message.
Text transport_failure(CURLcode rc) {
  switch (rc) {
    case CURLE_COULDNT_RESOLVE_HOST:
      return T("servidor não encontrado");
    case CURLE_COULDNT_CONNECT:
      return T("o servidor não aceitou a conexão");
    case CURLE_OPERATION_TIMEDOUT:
      return T("o servidor deixou de responder");
    case CURLE_PARTIAL_FILE:
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
      return T("a conexão foi interrompida antes do fim da transferência");
    default:
      return from_utf8(curl_easy_strerror(rc));
  }
}

// Signs and sends one request. `setup` adds the body or the sink.
template <class Setup>
long perform(const S3Endpoint& ep, const std::string& access, const std::string& secret,
             const std::string& method, const std::string& key, const std::string& payload_hash,
             const Text& what, Setup&& setup) {
  size_t start = key.find_first_not_of('/');
  std::string bare = start == std::string::npos ? std::string() : key.substr(start);
  if (bare.empty()) fail(T("Nome de arquivo inválido: \"") + from_utf8(key) + u"\".");
  std::string uri = "/" + uri_encode(ep.bucket, false) + "/" + uri_encode(ep.prefix + bare, true);
  SigningRequest r;
  r.method = method;
  r.canonical_uri = uri;
  r.payload_hash = payload_hash;
  r.amz_date = amz_now();
  r.region = ep.region;
  r.headers = {{"host", ep.host_header()},
               {"x-amz-content-sha256", payload_hash},
               {"x-amz-date", r.amz_date}};

  Curl c;
  std::string url = ep.base_url() + uri;
  for (const auto& [name, value] : r.headers)
    if (name != "host") c.headers = curl_slist_append(c.headers, (name + ": " + value).c_str());
  c.headers =
      curl_slist_append(c.headers, ("Authorization: " + authorization(r, access, secret)).c_str());
  c.headers = curl_slist_append(c.headers, "Expect:");
  curl_easy_setopt(c.h, CURLOPT_URL, url.c_str());
  curl_easy_setopt(c.h, CURLOPT_PATH_AS_IS, 1L);  // keys may hold "//" or "./"
  curl_easy_setopt(c.h, CURLOPT_HTTPHEADER, c.headers);
  curl_easy_setopt(c.h, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(c.h, CURLOPT_CONNECTTIMEOUT, 15L);
  // A stalled transfer ends after a minute without progress; large files take their time.
  curl_easy_setopt(c.h, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(c.h, CURLOPT_LOW_SPEED_TIME, 60L);
  if (is_loopback(ep.host)) curl_easy_setopt(c.h, CURLOPT_PROXY, "");
  setup(c.h);
  CURLcode rc = curl_easy_perform(c.h);
  if (rc != CURLE_OK)
    fail(T("Não foi possível ") + what + u" \"" + from_utf8(key) + u"\" (armazenamento " +
         from_utf8(ep.base_url()) + u"): " + transport_failure(rc) + u".");
  long status = 0;
  curl_easy_getinfo(c.h, CURLINFO_RESPONSE_CODE, &status);
  return status;
}

[[noreturn]] void refused(long status, const std::string& body, const Text& what,
                          const std::string& key) {
  std::string code = xml_value(body, "Code"), message = xml_value(body, "Message");
  Text detail = u"HTTP " + from_utf8(std::to_string(status));
  if (!code.empty()) detail += u" " + from_utf8(code);
  if (!message.empty()) detail += u": " + from_utf8(message);
  fail(u"O armazenamento recusou " + what + u" \"" + from_utf8(key) + u"\" (" + detail + u").");
}

}  // namespace

bool S3Client::get_object(const std::string& key, const fs::path& local_file) const {
  fs::path folder = local_file.parent_path();
  if (folder.empty()) folder = ".";
  PartialFile part;
  std::string pattern =
      (folder / ("." + local_file.filename().string() + ".orvane-XXXXXX")).string();
  part.fd = ::mkstemp(pattern.data());
  if (part.fd < 0)
    fail(T("Não foi possível gravar o arquivo ") + from_utf8(local_file.string()) + u".");
  part.path = pattern;
  ::fchmod(part.fd, 0644);

  long status = perform(endpoint_, access_key_, secret_key_, "GET", key, kEmptyPayloadHash,
                        T("buscar o arquivo"), [&](CURL* h) {
                          curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, write_to_fd);
                          curl_easy_setopt(h, CURLOPT_WRITEDATA, &part.fd);
                        });
  if (status != 200) {
    // The body of a refusal is a short XML document.
    std::string body;
    ::lseek(part.fd, 0, SEEK_SET);
    char buf[4096];
    ssize_t n;
    while (body.size() < 65536 && (n = ::read(part.fd, buf, sizeof buf)) > 0) body.append(buf, n);
    if (status == 404 && xml_value(body, "Code") != "NoSuchBucket") return false;
    refused(status, body, T("a leitura do arquivo"), key);
  }
  if (::fsync(part.fd) != 0 || ::close(part.fd) != 0) {
    part.fd = -1;
    fail(T("Não foi possível gravar o arquivo ") + from_utf8(local_file.string()) + u".");
  }
  part.fd = -1;
  if (::rename(part.path.c_str(), local_file.c_str()) != 0)
    fail(T("Não foi possível gravar o arquivo ") + from_utf8(local_file.string()) + u".");
  part.path.clear();
  return true;
}

void S3Client::put_object(const std::string& key, const fs::path& local_file) const {
  Text local = from_utf8(local_file.string());
  std::unique_ptr<FILE, decltype(&std::fclose)> in(std::fopen(local_file.c_str(), "rb"),
                                                   std::fclose);
  std::error_code ec;
  if (!in || fs::is_directory(local_file, ec))
    fail(u"O arquivo " + local + T(" não pôde ser lido."));
  std::string hash;
  try {
    hash = sha256_file_hex(local_file);
  } catch (const std::exception&) {
    fail(u"O arquivo " + local + T(" não pôde ser lido."));
  }
  auto size = static_cast<curl_off_t>(fs::file_size(local_file, ec));
  if (ec) fail(u"O arquivo " + local + T(" não pôde ser lido."));

  std::string body;
  long status = perform(endpoint_, access_key_, secret_key_, "PUT", key, hash,
                        T("enviar o arquivo"), [&](CURL* h) {
                          curl_easy_setopt(h, CURLOPT_UPLOAD, 1L);
                          curl_easy_setopt(h, CURLOPT_READDATA, in.get());
                          curl_easy_setopt(h, CURLOPT_INFILESIZE_LARGE, size);
                          curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, append_to_string);
                          curl_easy_setopt(h, CURLOPT_WRITEDATA, &body);
                        });
  if (status < 200 || status >= 300) refused(status, body, T("a gravação do arquivo"), key);
}

}  // namespace orvane::storage

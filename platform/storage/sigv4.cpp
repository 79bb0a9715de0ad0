#include "platform/storage/sigv4.h"

#include <openssl/evp.h>
#include <openssl/hmac.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <stdexcept>

namespace orvane::storage {
namespace {

std::string hex(const unsigned char* p, size_t n) {
  static const char* digits = "0123456789abcdef";
  std::string s;
  s.reserve(n * 2);
  for (size_t i = 0; i < n; ++i) {
    s += digits[p[i] >> 4];
    s += digits[p[i] & 15];
  }
  return s;
}

std::string hmac(std::string_view key, std::string_view data) {
  unsigned char out[EVP_MAX_MD_SIZE];
  unsigned int len = 0;
  if (!HMAC(EVP_sha256(), key.data(), static_cast<int>(key.size()),
            reinterpret_cast<const unsigned char*>(data.data()), data.size(), out, &len))
    throw std::runtime_error("HMAC-SHA256 failed");
  return std::string(reinterpret_cast<char*>(out), len);
}

std::string trim(std::string_view s) {
  size_t b = s.find_first_not_of(" \t"), e = s.find_last_not_of(" \t");
  return b == std::string_view::npos ? std::string() : std::string(s.substr(b, e - b + 1));
}

std::string signed_headers(const SigningRequest& r) {
  std::string s;
  for (const auto& [name, value] : r.headers) s += (s.empty() ? "" : ";") + name;
  return s;
}

std::string scope(const SigningRequest& r) {
  return r.amz_date.substr(0, 8) + "/" + r.region + "/" + r.service + "/aws4_request";
}

}  // namespace

std::string sha256_hex(std::string_view data) {
  unsigned char out[EVP_MAX_MD_SIZE];
  unsigned int len = 0;
  if (!EVP_Digest(data.data(), data.size(), out, &len, EVP_sha256(), nullptr))
    throw std::runtime_error("SHA-256 failed");
  return hex(out, len);
}

std::string sha256_file_hex(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + file.string());
  std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> ctx(EVP_MD_CTX_new(), EVP_MD_CTX_free);
  if (!ctx || !EVP_DigestInit_ex(ctx.get(), EVP_sha256(), nullptr))
    throw std::runtime_error("SHA-256 failed");
  char buf[1 << 16];
  while (in) {
    in.read(buf, sizeof buf);
    if (in.gcount() > 0) EVP_DigestUpdate(ctx.get(), buf, static_cast<size_t>(in.gcount()));
  }
  if (in.bad()) throw std::runtime_error("cannot read " + file.string());
  unsigned char out[EVP_MAX_MD_SIZE];
  unsigned int len = 0;
  EVP_DigestFinal_ex(ctx.get(), out, &len);
  return hex(out, len);
}

std::string uri_encode(std::string_view s, bool keep_slash) {
  static const char* digits = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : s) {
    bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                 c == '-' || c == '.' || c == '_' || c == '~' || (keep_slash && c == '/');
    if (plain) {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += digits[c >> 4];
      out += digits[c & 15];
    }
  }
  return out;
}

std::string canonical_request(const SigningRequest& r) {
  std::string s = r.method + "\n" + r.canonical_uri + "\n" + r.canonical_query + "\n";
  for (const auto& [name, value] : r.headers) s += name + ":" + trim(value) + "\n";
  s += "\n" + signed_headers(r) + "\n" + r.payload_hash;
  return s;
}

std::string string_to_sign(const SigningRequest& r) {
  return "AWS4-HMAC-SHA256\n" + r.amz_date + "\n" + scope(r) + "\n" +
         sha256_hex(canonical_request(r));
}

std::string authorization(const SigningRequest& r, std::string_view access_key,
                          std::string_view secret_key) {
  std::string key = hmac("AWS4" + std::string(secret_key), r.amz_date.substr(0, 8));
  key = hmac(key, r.region);
  key = hmac(key, r.service);
  key = hmac(key, "aws4_request");
  std::string sig = hmac(key, string_to_sign(r));
  return "AWS4-HMAC-SHA256 Credential=" + std::string(access_key) + "/" + scope(r) +
         ", SignedHeaders=" + signed_headers(r) +
         ", Signature=" + hex(reinterpret_cast<const unsigned char*>(sig.data()), sig.size());
}

}  // namespace orvane::storage

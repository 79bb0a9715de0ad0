// AWS Signature Version 4 for S3 requests: the canonical request, the string to sign
// and the Authorization header, as AWS documents them. Pure functions over bytes; the
// secret key only ever enters the HMAC chain.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>

namespace orvane::storage {

// Lower-case hex SHA-256 of `data`, and of a file's contents (std::runtime_error when
// the file cannot be read).
std::string sha256_hex(std::string_view data);
std::string sha256_file_hex(const std::filesystem::path& file);
inline constexpr const char* kEmptyPayloadHash =
    "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855";

// Percent-encodes everything but A-Z a-z 0-9 - . _ ~ (and "/" when `keep_slash`), as
// S3 expects in the canonical URI and query.
std::string uri_encode(std::string_view s, bool keep_slash);

struct SigningRequest {
  std::string method;           // "GET", "PUT"
  std::string canonical_uri;    // already encoded, e.g. "/bucket/a%20b.pdf"
  std::string canonical_query;  // already encoded and sorted; usually ""
  // Headers to sign, names in lower case (the map keeps them sorted); must include
  // "host" and "x-amz-date".
  std::map<std::string, std::string> headers;
  std::string payload_hash;  // the x-amz-content-sha256 value
  std::string amz_date;      // "20130524T000000Z"
  std::string region;        // "us-east-1"
  std::string service = "s3";
};

std::string canonical_request(const SigningRequest& r);
std::string string_to_sign(const SigningRequest& r);
// The Authorization header value:
// "AWS4-HMAC-SHA256 Credential=KEY/DATE/REGION/s3/aws4_request, SignedHeaders=..., Signature=...".
std::string authorization(const SigningRequest& r, std::string_view access_key,
                          std::string_view secret_key);

}  // namespace orvane::storage

// A small S3 client: fetch and store one object, path-style, signed with AWS
// Signature Version 4, over libcurl. The endpoint names the bucket:
// "https://host[:port]/bucket" (any further path is a key prefix); plain http is
// accepted for stores on the local network.
//
// Leading slashes of a key are dropped: a key made from an absolute folder would
// otherwise be refused by some stores and mean another object on others.
//
// Failures raise VbError kStorageError with a Portuguese description that names the
// endpoint and the object, never the keys.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "core/text.h"

namespace orvane::storage {

inline constexpr int32_t kStorageError = 440;

struct S3Endpoint {
  bool https = true;
  std::string host;  // as written, lower case
  int port = 0;      // 0 = the scheme's default
  std::string bucket;
  std::string prefix;  // "" or "folder/" placed before every key
  std::string region;  // from an AWS host name, else "us-east-1"

  // VbError kStorageError for anything that is not such a URL.
  static S3Endpoint parse(TextView url);
  std::string host_header() const;  // host[:port]
  std::string base_url() const;     // scheme://host[:port]
};

class S3Client {
 public:
  // REQUIRES: both keys non-empty (VbError kStorageError otherwise).
  S3Client(TextView endpoint, TextView access_key, TextView secret_key);

  // Downloads the object into `local_file`, which is replaced only once the whole
  // object has arrived. False when the store has no such object.
  bool get_object(const std::string& key, const std::filesystem::path& local_file) const;
  // Uploads `local_file` under `key`, replacing the object.
  void put_object(const std::string& key, const std::filesystem::path& local_file) const;

  const S3Endpoint& endpoint() const { return endpoint_; }

 private:
  S3Endpoint endpoint_;
  Text endpoint_text_;
  std::string access_key_, secret_key_;
};

}  // namespace orvane::storage

// The storage component when the store dies in the middle of a transfer: s3rver is
// killed (SIGKILL) while a large file goes up or comes down, then started again on the
// same port and data folder.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <thread>
#include <vector>

#include "core/error.h"
#include "platform/storage/orvane_arquivos.h"
#include "platform/storage/s3_client.h"
#include "testing/s3rver.h"
#include "testing/testing.h"

namespace orvane::storage {
namespace {

namespace fs = std::filesystem;
using orvane::testing::S3rver;
using orvane::testing::TempDir;
using orvane::testing::write_file;

const Text kAccess = u"S3RVER", kSecret = u"S3RVER";

// Far more than the loopback socket buffers hold, so that a transfer seen moving is
// still far from its end.
constexpr size_t kBig = size_t{32} << 20;

// Incompressible bytes, different for each seed.
std::string big_data(uint64_t seed) {
  std::string s(kBig, '\0');
  std::mt19937_64 random(seed);
  for (size_t i = 0; i < s.size(); i += 8) {
    uint64_t v = random();
    std::memcpy(&s[i], &v, 8);
  }
  return s;
}

// Whether the file holds exactly `data`.
bool holds(const fs::path& p, std::string_view data) {
  std::unique_ptr<FILE, decltype(&std::fclose)> in(std::fopen(p.c_str(), "rb"), std::fclose);
  if (!in) return false;
  std::vector<char> buf(1 << 20);
  size_t at = 0, n;
  while ((n = std::fread(buf.data(), 1, buf.size(), in.get())) > 0) {
    if (n > data.size() - at || std::memcmp(buf.data(), data.data() + at, n) != 0) return false;
    at += n;
  }
  return at == data.size();
}

off_t size_of(const fs::path& p) {
  struct stat st;
  return ::stat(p.c_str(), &st) == 0 ? st.st_size : -1;
}

// Name -> size of every file in a folder.
std::map<std::string, off_t> listing(const fs::path& dir) {
  std::map<std::string, off_t> files;
  for (const auto& e : fs::directory_iterator(dir))
    files[e.path().filename().string()] = size_of(e.path());
  return files;
}

struct Outcome {
  bool cut = false;  // the transfer failed
  VbError error{0, u""};
};

class StorageFaults : public orvane::testing::S3rverTest {
 protected:
  // Runs `transfer` on a thread of its own and kills the server as soon as `under_way`
  // sees its bytes moving; the server is started again before returning. A fast run may
  // end before the kill lands: then `prepare` sets the scene again and it is tried once
  // more. `prepare` gets the number of the try.
  Outcome cut_short(const std::function<void(int)>& prepare, const std::function<void()>& transfer,
                    const std::function<bool()>& under_way) {
    Outcome out;
    for (int attempt = 0; attempt < 5 && !out.cut; ++attempt) {
      prepare(attempt);
      std::atomic<bool> done{false};
      std::string unexpected;
      std::thread worker([&] {
        try {
          transfer();
        } catch (const VbError& e) {
          out.cut = true;
          out.error = e;
        } catch (const std::exception& e) {
          unexpected = e.what();
        }
        done = true;
      });
      bool killed = false;
      while (!done && !killed) {
        if (under_way()) {
          server_->kill();
          killed = true;
        } else {
          std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
      }
      worker.join();
      EXPECT_EQ(unexpected, "");
      if (killed) {
        server_->restart();
        EXPECT_TRUE(server_->running()) << server_->problem();
      }
    }
    return out;
  }

  // The error of a transfer cut short: a storage error that says what could not be done
  // to which file where, and why, without the keys.
  static void expect_described(const VbError& e, const Text& action, const Text& key) {
    EXPECT_EQ(e.number(), kStorageError);
    const Text& d = e.description();
    EXPECT_EQ(d.find(T("Não foi possível ") + action), 0u) << to_utf8(d);
    EXPECT_NE(d.find(key), Text::npos) << to_utf8(d);
    EXPECT_NE(d.find(from_utf8("127.0.0.1:" + std::to_string(server_->port()))), Text::npos)
        << to_utf8(d);
    EXPECT_NE(d.find(T("conexão foi interrompida")), Text::npos) << to_utf8(d);
    EXPECT_EQ(d.find(kSecret), Text::npos) << to_utf8(d);
  }
};

TEST_F(StorageFaults, AnUploadCutShortFailsAndLeavesTheLocalFileWhole) {
  std::string data = big_data(1);
  fs::path file = files_.path() / "digitalização.bin";
  write_file(file, data);
  Text local = from_utf8(file.string());
  std::string key;

  Outcome out =
      cut_short([&](int attempt) { key = "lote/grande-" + std::to_string(attempt); },
                [&] { SalvarArquivo(endpoint(), kAccess, kSecret, from_utf8(key), local); },
                // s3rver writes the object as the body comes in
                [&] { return size_of(server_->object_file(key)) > 0; });
  ASSERT_TRUE(out.cut) << "every try ended before the kill";
  expect_described(out.error, T("enviar o arquivo"), from_utf8(key));
  EXPECT_TRUE(holds(file, data)) << "the local file changed";

  // The server is back: the same call now stores the whole file.
  SalvarArquivo(endpoint(), kAccess, kSecret, from_utf8(key), local);
  EXPECT_TRUE(holds(server_->object_file(key), data));
  EXPECT_TRUE(holds(file, data));
}

TEST_F(StorageFaults, ADownloadCutShortKeepsTheCopyThereWasAndLeavesNoPart) {
  const Text key = u"docs/contrato.pdf";
  const fs::path target = temp_.path() / "contrato.pdf";
  std::string old_copy = "%PDF-1.4 versão anterior", data = big_data(2);
  write_file(files_.path() / "novo.pdf", data);
  SalvarArquivo(endpoint(), kAccess, kSecret, key,
                from_utf8((files_.path() / "novo.pdf").string()));

  std::map<std::string, off_t> before;
  // Something else than what was there grows in the folder: the download has begun.
  auto under_way = [&] {
    for (const auto& [name, size] : listing(temp_.path()))
      if (size > 0 && (!before.count(name) || before.at(name) != size)) return true;
    return false;
  };
  auto fetch = [&] { ObterArquivo(endpoint(), kAccess, kSecret, key); };

  // A good copy from an earlier fetch is there: it stays, whole.
  Outcome out = cut_short(
      [&](int) {
        write_file(target, old_copy);
        before = listing(temp_.path());
      },
      fetch, under_way);
  ASSERT_TRUE(out.cut) << "every try ended before the kill";
  expect_described(out.error, T("buscar o arquivo"), key);
  EXPECT_TRUE(holds(target, old_copy)) << "the copy there was changed";
  EXPECT_EQ(listing(temp_.path()).size(), 1u) << "a partial download was left behind";

  // No copy yet: none appears.
  out = cut_short(
      [&](int) {
        fs::remove(target);
        before = listing(temp_.path());
      },
      fetch, under_way);
  ASSERT_TRUE(out.cut) << "every try ended before the kill";
  expect_described(out.error, T("buscar o arquivo"), key);
  EXPECT_TRUE(listing(temp_.path()).empty()) << "a partial download was left behind";

  // The server is back: the same call now brings the whole object.
  EXPECT_EQ(ObterArquivo(endpoint(), kAccess, kSecret, key), from_utf8(target.string()));
  EXPECT_TRUE(holds(target, data));
  EXPECT_EQ(listing(temp_.path()).size(), 1u);
}

}  // namespace
}  // namespace orvane::storage

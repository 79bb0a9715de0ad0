// A pool of worker processes sharing one list of keys. Each worker is this program again
// (argv given), in its own process group and with its own temporary folder; it reads one key
// per line on stdin and answers each on file descriptor 3 with one line:
//   "ok\tKEY\tPATH\tPAGES\tSECONDS" or "fail\tKEY\tMESSAGE".
// The pool hands a key to each idle worker until the list is empty. A worker that dies fails
// its key (with the last line it wrote on stderr) and the list goes on. SIGINT or SIGTERM
// while the pool runs: no key is handed out any more, the documents in progress finish; a
// second one kills the workers.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace orvane::cli {

struct KeyOutcome {
  std::string key;
  bool ok = false;
  std::string detail;  // the produced path, or why not
  int pages = 0;
  double seconds = 0;
};

struct PoolSettings {
  std::vector<std::string> worker_args;  // argv[0] onwards; the program is /proc/self/exe
  int jobs = 1;
  // Where the workers write their targets: temporary copies they leave there when killed
  // are removed afterwards.
  std::string target_folder;
  std::function<void(const KeyOutcome&)> on_outcome;  // each finished key, as it finishes
  std::function<void(const std::string&)> on_note;    // what the pool has to say
};

struct PoolResult {
  std::vector<KeyOutcome> outcomes;  // in the order they finished
  bool interrupted = false;
};

// Throws std::runtime_error when no worker can be started.
PoolResult run_pool(const PoolSettings& settings, const std::vector<std::string>& keys);

// The worker's side: one answer line, tabs and line breaks in the fields made spaces.
std::string ok_answer(const std::string& key, const std::string& path, int pages, double seconds);
std::string fail_answer(const std::string& key, const std::string& message);

}  // namespace orvane::cli

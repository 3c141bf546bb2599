#include "skindata/job_runner.h"

#include <atomic>
#include <exception>
#include <filesystem>
#include <mutex>
#include <set>
#include <stdexcept>
#include <thread>
#include <vector>

#include "skindata/png_writer.h"

namespace fs = std::filesystem;

namespace {

struct Shared {
  const JobList& jobs;
  const std::string& root;
  std::atomic<size_t> next{0};
  std::atomic<bool> failed{false};
  std::mutex error_lock;
  std::exception_ptr error;
};

void work(Shared& shared) {
  for (size_t i = shared.next++; i < shared.jobs.size() && !shared.failed; i = shared.next++) {
    try {
      const ImageJob& job = shared.jobs[i];
      write_png(job.draw(), (fs::path(shared.root) / job.path).string());
    } catch (...) {
      std::lock_guard<std::mutex> lock(shared.error_lock);
      if (!shared.error) shared.error = std::current_exception();
      shared.failed = true;
    }
  }
}

}  // namespace

void prepare_folders(const std::string& root, const JobList& jobs) {
  std::set<std::string> paths;
  for (const ImageJob& job : jobs) {
    if (!paths.insert(job.path).second) throw std::runtime_error("two images named " + job.path);
    fs::create_directories(fs::path(root) / fs::path(job.path).parent_path());
  }
  for (const std::string& folder : extra_folders()) fs::create_directories(fs::path(root) / folder);
}

void run_jobs(const std::string& root, const JobList& jobs, unsigned threads) {
  Shared shared{jobs, root, {0}, {false}, {}, {}};
  std::vector<std::thread> workers;
  for (unsigned i = 1; i < threads; ++i) workers.emplace_back(work, std::ref(shared));
  work(shared);
  for (std::thread& t : workers) t.join();
  if (shared.error) std::rethrow_exception(shared.error);
}

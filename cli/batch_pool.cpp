#include "cli/batch_pool.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <optional>
#include <thread>
#include <utility>

#include "cli/batch_run.h"
#include "cli/batch_worker.h"
#include "core/child_process.h"
#include "imageio/picture_limits.h"

namespace pixmora::cli {

namespace {

// A worker process and the picture it is running, with what it has said
// about that picture so far. Its standard error is read as it comes, so that
// a worker saying much never waits on a full pipe.
struct Worker {
  ChildProcess child;
  std::optional<size_t> job;
  std::string said;
};

// What became of one picture: its notes, without the tool's prefix, and the
// rest of what it said joined into one line.
struct Outcome {
  bool succeeded = false;
  std::vector<std::string> notes;
  std::string err;
};

Outcome ReadMessages(const std::string& text, bool succeeded) {
  Outcome outcome{succeeded, {}, ""};
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    if (line.rfind("pixmora-cli: ", 0) == 0) line.erase(0, 13);
    if (line.rfind("note: ", 0) == 0) outcome.notes.push_back(line);
    else if (!line.empty() && line.rfind("timings: ", 0) != 0)
      outcome.err += (outcome.err.empty() ? "" : "; ") + line;
  }
  return outcome;
}

// Each of the workers gets its share of the cores for its commands: with one
// worker per core, a command that split its work among threads would only
// make the workers wait on one another.
Result<Worker> StartWorker(const std::string& self, int threads,
                           const std::vector<std::string>& stepsAndOptions) {
  std::vector<std::string> argv = {self, kWorkerArgument, std::to_string(threads)};
  argv.insert(argv.end(), stepsAndOptions.begin(), stepsAndOptions.end());
  ChildProcess::Options options;
  options.in = ChildProcess::Stream::Pipe;
  options.err = ChildProcess::Stream::Pipe;
  Worker worker{ChildProcess(argv, options), std::nullopt, ""};
  if (!worker.child.Started())
    return std::unexpected(Failure{
        .kind = Failure::Kind::Resources, .action = "start the batch tool", .why = worker.child.Error()});
  return worker;
}

// Hands the worker its next picture, or ends its input when none is left.
// A worker that has died meanwhile is found when its error stream ends.
void GiveNext(Worker& worker, std::deque<size_t>& queue, const std::vector<std::string>& images,
              const std::vector<std::string>& outputs) {
  if (queue.empty()) {
    worker.child.CloseIn();
    return;
  }
  const size_t index = queue.front();
  queue.pop_front();
  worker.job = index;
  worker.child.WriteIn(images[index] + '\0' + outputs[index] + '\0');
}

// The end of the worker's current picture in what it said, if it is there:
// the outcome, and what it said is cleared for the next.
std::optional<Outcome> PictureEnded(Worker& worker) {
  const size_t mark = worker.said.find(kEndOfPicture);
  if (mark == std::string::npos) return std::nullopt;
  const size_t end = worker.said.find('\n', mark);
  if (end == std::string::npos) return std::nullopt;
  const bool succeeded = worker.said.compare(mark + 1, end - mark - 1, "0") == 0;
  Outcome outcome = ReadMessages(worker.said.substr(0, mark), succeeded);
  worker.said.erase(0, end + 1);
  return outcome;
}

// The outcome of the picture a worker was running when it ended.
Outcome WorkerEnded(Worker& worker) {
  const int status = worker.child.Reap();
  Outcome outcome = ReadMessages(worker.said, false);
  if (WIFSIGNALED(status)) outcome.err = "stopped by signal " + std::to_string(WTERMSIG(status));
  else if (outcome.err.empty()) outcome.err = "the batch tool ended while running it";
  return outcome;
}

// Names each picture's notes and counts what failed.
class Report {
 public:
  explicit Report(const std::vector<std::string>& images) : images_(images), failures_(images.size()) {}
  void Finished(size_t index, const Outcome& outcome);
  size_t Done() const { return done_; }
  int ExitStatus() const;

 private:
  const std::vector<std::string>& images_;
  std::vector<std::string> failures_;
  size_t done_ = 0, failed_ = 0;
};

void ShowProgress(size_t done, size_t total, size_t failed) {
  if (!isatty(STDERR_FILENO)) return;
  std::fprintf(stderr, "\r%zu of %zu pictures done%s", done, total,
               failed ? (", " + std::to_string(failed) + " failed").c_str() : "");
  if (done == total) std::fputc('\n', stderr);
  std::fflush(stderr);
}

// How many pictures run at once: the cores, but no more than the memory
// available holds pictures of 24 megapixels with their planes.
size_t Parallelism(size_t pictures) {
  const size_t cores = std::max(1u, std::thread::hardware_concurrency());
  const auto byMemory = static_cast<size_t>(AvailableMemory() /
                                            (24'000'000 * (kBytesPerPixel + kPlaneBytesPerPixel)));
  return std::max<size_t>(1, std::min({cores, byMemory, pictures}));
}

// The largest files first: the pictures then share the cores evenly to the
// end, and each worker's memory, mapped for its first picture, holds the next.
std::deque<size_t> LargestFirst(const std::vector<std::string>& images) {
  std::vector<std::pair<uintmax_t, size_t>> sized;
  for (size_t i = 0; i < images.size(); ++i) {
    std::error_code ec;
    const uintmax_t bytes = std::filesystem::file_size(images[i], ec);
    sized.emplace_back(ec ? 0 : bytes, i);
  }
  std::stable_sort(sized.begin(), sized.end(), [](auto& a, auto& b) { return a.first > b.first; });
  std::deque<size_t> order;
  for (const auto& s : sized) order.push_back(s.second);
  return order;
}


void Report::Finished(size_t index, const Outcome& outcome) {
  const std::string& picture = images_[index];
  for (const std::string& note : outcome.notes) {
    if (isatty(STDERR_FILENO)) std::fputs("\r\033[K", stderr);
    // A note on reading the picture names it already.
    const bool named = note.find(picture) != std::string::npos;
    std::fprintf(stderr, "pixmora-cli: %s%s%s\n", named ? "" : picture.c_str(), named ? "" : ": ", note.c_str());
  }
  if (!outcome.succeeded) {
    ++failed_;
    failures_[index] = outcome.err.empty() ? "failed" : outcome.err;
  }
  ShowProgress(++done_, images_.size(), failed_);
}

int Report::ExitStatus() const {
  if (failed_ == 0) return 0;
  std::fprintf(stderr, "pixmora-cli: %zu of %zu pictures failed:\n", failed_, images_.size());
  for (size_t i = 0; i < images_.size(); ++i)
    if (!failures_[i].empty()) std::fprintf(stderr, "  %s: %s\n", images_[i].c_str(), failures_[i].c_str());
  return 1;
}

}  // namespace

Result<int> RunPictures(const std::vector<std::string>& images, const std::vector<std::string>& outputs,
                        const std::vector<std::string>& stepsAndOptions, const std::string& self) {
  std::deque<size_t> queue = LargestFirst(images);
  Report report(images);
  ShowProgress(0, images.size(), 0);
  std::vector<Worker> workers;
  const size_t parallel = Parallelism(images.size());
  const int threads = static_cast<int>(std::max<size_t>(1, std::thread::hardware_concurrency() / parallel));
  // A worker that starts takes the next picture.
  const auto start = [&]() -> Status {
    Result<Worker> worker = StartWorker(self, threads, stepsAndOptions);
    if (!worker) return std::unexpected(worker.error());
    workers.push_back(std::move(*worker));
    GiveNext(workers.back(), queue, images, outputs);
    return {};
  };
  for (size_t i = parallel; i > 0; --i)
    if (Status started = start(); !started) return std::unexpected(started.error());
  while (!workers.empty()) {
    std::vector<int> fds;
    for (const Worker& w : workers) fds.push_back(w.child.ErrFd());
    ReadableAmong(fds, -1);
    for (size_t i = workers.size(); i-- > 0;) {
      Worker& worker = workers[i];
      const bool ended = worker.child.ReadErr(worker.said);
      while (std::optional<Outcome> outcome = PictureEnded(worker)) {
        report.Finished(*std::exchange(worker.job, std::nullopt), *outcome);
        GiveNext(worker, queue, images, outputs);
      }
      if (!ended) continue;
      if (worker.job) report.Finished(*worker.job, WorkerEnded(worker));
      worker.child.Reap();
      workers.erase(workers.begin() + static_cast<long>(i));
      // Pictures left after a worker's crash get a new one.
      if (!queue.empty()) {
        if (Status started = start(); !started) return std::unexpected(started.error());
      }
    }
  }
  return report.ExitStatus();
}

}  // namespace pixmora::cli

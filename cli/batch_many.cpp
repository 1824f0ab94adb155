#include "cli/batch_many.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <thread>

#include "cli/batch_run.h"
#include "cli/command_line.h"
#include "core/child_process.h"
#include "core/paths_and_text.h"

namespace pixmora::cli {

namespace {

// One picture's run: a child process whose standard error is read as it
// comes, so that a child saying much never waits on a full pipe.
struct Job {
  size_t index;
  ChildProcess child;
  std::string err;
};

Job Start(size_t index, const std::vector<std::string>& argv) {
  ChildProcess::Options options;
  options.err = ChildProcess::Stream::Pipe;
  Job job{index, ChildProcess(argv, options), ""};
  if (!job.child.Started()) job.err = "cannot start the batch tool: " + job.child.Error();
  return job;
}

// The child's lines without the tool's own prefix, joined.
std::string Message(const std::string& err) {
  std::string out, line;
  for (size_t start = 0; start < err.size();) {
    size_t end = err.find('\n', start);
    if (end == std::string::npos) end = err.size();
    line = err.substr(start, end - start);
    if (line.rfind("pixmora-cli: ", 0) == 0) line.erase(0, 13);
    if (!line.empty() && line.rfind("note: ", 0) != 0 && line.rfind("timings: ", 0) != 0) out += (out.empty() ? "" : "; ") + line;
    start = end + 1;
  }
  return out;
}

// Reads the running pictures' messages until one of them ends; answers that
// job, its messages made one line, and whether it succeeded.
bool FinishAny(std::vector<Job>& running, Job& finished) {
  for (;;) {
    for (auto it = running.begin(); it != running.end(); ++it) {
      if (it->child.Started() && !it->child.ReadErr(it->err)) continue;
      finished = std::move(*it);
      running.erase(it);
      if (!finished.child.Started()) return false;
      const int status = finished.child.Reap();
      finished.err = Message(finished.err);
      if (WIFSIGNALED(status)) finished.err = "stopped by signal " + std::to_string(WTERMSIG(status));
      return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    std::vector<int> fds;
    for (const Job& job : running) fds.push_back(job.child.ErrFd());
    ReadableAmong(fds, -1);
  }
}

void ShowProgress(size_t done, size_t total, size_t failed) {
  if (!isatty(STDERR_FILENO)) return;
  std::fprintf(stderr, "\r%zu of %zu pictures done%s", done, total,
               failed ? (", " + std::to_string(failed) + " failed").c_str() : "");
  if (done == total) std::fputc('\n', stderr);
  std::fflush(stderr);
}

// How many pictures run at once: the cores, but no more than memory allows
// for pictures of 24 megapixels at 40 bytes a pixel.
size_t Parallelism() {
  const size_t cores = std::max(1u, std::thread::hardware_concurrency());
  const long pages = sysconf(_SC_PHYS_PAGES), pageSize = sysconf(_SC_PAGESIZE);
  const size_t byMemory = pages > 0 && pageSize > 0
                              ? static_cast<size_t>(pages * pageSize / (24'000'000L * 40))
                              : 1;
  return std::max<size_t>(1, std::min(cores, byMemory));
}

}  // namespace

bool IsManyForm(const std::vector<std::string>& args) {
  return std::find(args.begin(), args.end(), "--out-dir") != args.end();
}

ManyRequest ParseMany(const std::vector<std::string>& args) {
  ManyRequest r;
  size_t i = 0;
  for (; i < args.size() && args[i] != "--"; ++i) {
    if (args[i] == "--out-dir" || args[i] == "--format") {
      if (i + 1 >= args.size()) throw UsageError{args[i] + " needs a value"};
      (args[i] == "--out-dir" ? r.outDir : r.format.emplace()) = args[i + 1];
      ++i;
    } else if (args[i].rfind("--", 0) == 0) {
      throw UsageError{"with --out-dir, options go after '--' with the commands: " + args[i]};
    } else {
      r.images.push_back(args[i]);
    }
  }
  if (i >= args.size()) throw UsageError{"with --out-dir, put '--' between the pictures and the commands"};
  r.stepsAndOptions.assign(args.begin() + static_cast<long>(i) + 1, args.end());
  if (r.outDir.empty()) throw UsageError{"--out-dir needs a folder"};
  if (r.images.empty()) throw UsageError{"no picture given before '--'"};
  if (r.format) {
    r.format = Lower(*r.format);
    if (!r.format->empty() && (*r.format)[0] == '.') r.format->erase(0, 1);
    OutputFormat("x." + *r.format);  // throws for a format we cannot write
  }
  // The commands and options are checked once, before any picture runs.
  std::vector<std::string> probe = {"in", "out.png"};
  probe.insert(probe.end(), r.stepsAndOptions.begin(), r.stepsAndOptions.end());
  ParseApply(probe);
  if (r.outDir.back() != '/') r.outDir += '/';
  return r;
}

std::vector<std::string> OutputNames(const ManyRequest& request) {
  static const std::set<std::string> writable = {"bmp", "jpg", "jpeg", "png", "tif", "tiff"};
  std::vector<std::string> names;
  std::map<std::string, int> used;
  for (const std::string& image : request.images) {
    const std::string base = BaseName(image);
    const auto dot = base.rfind('.');
    const std::string stem = dot == std::string::npos || dot == 0 ? base : base.substr(0, dot);
    std::string ext = dot == std::string::npos ? "" : Lower(base.substr(dot + 1));
    if (request.format) ext = *request.format;
    else if (!writable.count(ext)) ext = "png";
    const int n = ++used[stem + "." + ext];
    std::string name = request.outDir + stem;
    if (n > 1) name.append(1, '-').append(std::to_string(n));
    names.push_back(name.append(1, '.').append(ext));
  }
  return names;
}

int RunMany(const ManyRequest& request, const std::string& self) {
  std::error_code ec;
  std::filesystem::create_directories(request.outDir, ec);
  if (ec) throw RunError{1, "cannot make the folder " + request.outDir + ": " + ec.message()};
  const std::vector<std::string> outputs = OutputNames(request);
  const size_t total = request.images.size(), parallel = Parallelism();
  std::vector<std::string> failures(total);
  std::vector<Job> running;
  size_t next = 0, done = 0, failed = 0;
  ShowProgress(0, total, 0);
  while (done < total) {
    while (next < total && running.size() < parallel) {
      std::vector<std::string> argv = {self, "apply", request.images[next], outputs[next]};
      argv.insert(argv.end(), request.stepsAndOptions.begin(), request.stepsAndOptions.end());
      running.push_back(Start(next++, argv));
    }
    Job job;
    if (!FinishAny(running, job)) {
      ++failed;
      failures[job.index] = job.err.empty() ? "failed" : job.err;
    }
    ShowProgress(++done, total, failed);
  }
  if (failed == 0) return 0;
  std::fprintf(stderr, "pixmora-cli: %zu of %zu pictures failed:\n", failed, total);
  for (size_t i = 0; i < total; ++i)
    if (!failures[i].empty()) std::fprintf(stderr, "  %s: %s\n", request.images[i].c_str(), failures[i].c_str());
  return 1;
}

}  // namespace pixmora::cli

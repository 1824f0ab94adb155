#include "cli/batch_many.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <set>
#include <thread>

#include "cli/batch_run.h"
#include "cli/command_line.h"
#include "imageio/atomic_file.h"
#include "core/child_process.h"
#include "core/paths_and_text.h"

namespace pixmora::cli {

namespace {

// One picture's run: a child process whose standard error is read as it
// comes, so that a child saying much never waits on a full pipe.
struct Job {
  size_t index;
  ChildProcess child;
  std::string err;                 // its error, one line
  std::vector<std::string> notes;  // its notes, without the tool's prefix
};

Job Start(size_t index, const std::vector<std::string>& argv) {
  ChildProcess::Options options;
  options.err = ChildProcess::Stream::Pipe;
  Job job{index, ChildProcess(argv, options), ""};
  if (!job.child.Started()) job.err = "cannot start the batch tool: " + job.child.Error();
  return job;
}

// Sorts the child's lines, without the tool's own prefix: notes apart, the
// rest joined into one line.
void ReadMessages(const std::string& text, Job& job) {
  std::string err;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    if (line.rfind("pixmora-cli: ", 0) == 0) line.erase(0, 13);
    if (line.rfind("note: ", 0) == 0) job.notes.push_back(line);
    else if (!line.empty() && line.rfind("timings: ", 0) != 0) err += (err.empty() ? "" : "; ") + line;
  }
  job.err = err;
}

// A picture's notes, each named by its picture.
void SayNotes(const std::string& image, const std::vector<std::string>& notes) {
  for (const std::string& note : notes) {
    if (isatty(STDERR_FILENO)) std::fputs("\r\033[K", stderr);
    std::fprintf(stderr, "pixmora-cli: %s: %s\n", image.c_str(), note.c_str());
  }
}

// An output that is one of the pictures themselves would replace it.
void RefuseToOverwriteInputs(const std::vector<std::string>& images, const std::vector<std::string>& outputs) {
  for (const std::string& output : outputs)
    for (const std::string& image : images) {
      std::error_code ec;
      if (std::filesystem::equivalent(output, image, ec))
        throw UsageError{"the result " + output + " would replace the picture " + image +
                         "; choose another --out-dir, or give --overwrite"};
    }
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
      ReadMessages(finished.err, finished);
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
    const std::string& arg = args[i];
    if (arg == "--overwrite") {
      r.overwrite = true;
    } else if (arg == "--out-dir" || arg == "--format" || arg == "--recipe") {
      if (i + 1 >= args.size()) throw UsageError{arg + " needs a value"};
      const std::string& value = args[++i];
      if (arg == "--out-dir") r.outDir = value;
      else if (arg == "--format") r.format = value;
      else r.recipe = std::filesystem::absolute(value).string();
    } else if (arg.rfind("--", 0) == 0) {
      throw UsageError{"with --out-dir, options go after '--' with the commands: " + arg};
    } else {
      r.images.push_back(arg);
    }
  }
  if (i >= args.size() && !r.recipe)
    throw UsageError{"with --out-dir, put '--' between the pictures and the commands"};
  if (i < args.size()) r.stepsAndOptions.assign(args.begin() + static_cast<long>(i) + 1, args.end());
  if (r.recipe) r.stepsAndOptions.insert(r.stepsAndOptions.begin(), {"--recipe", *r.recipe});
  if (r.outDir.empty()) throw UsageError{"--out-dir needs a folder"};
  if (r.images.empty()) throw UsageError{"no picture given to run on"};
  if (r.format) {
    r.format = Lower(*r.format);
    if (!r.format->empty() && (*r.format)[0] == '.') r.format->erase(0, 1);
    if (!IsOutputExtension(*r.format))
      throw UsageError{"--format takes bmp, jpg, jpeg, png, tif or tiff, not '" + *r.format + "'"};
  }
  // The commands and options are checked once, before any picture runs.
  std::vector<std::string> probe = {"in", "out.png"};
  probe.insert(probe.end(), r.stepsAndOptions.begin(), r.stepsAndOptions.end());
  ParseApply(probe);
  if (r.outDir.back() != '/') r.outDir += '/';
  return r;
}

std::vector<std::string> OutputNames(const ManyRequest& request) {
  const size_t count = request.images.size();
  std::vector<std::string> stems(count), extensions(count), names(count);
  for (size_t i = 0; i < count; ++i) {
    stems[i] = StemOf(request.images[i]);
    const std::string own = Lower(ExtensionOf(request.images[i]));
    extensions[i] = request.format ? *request.format : IsOutputExtension(own) ? own : "png";
  }
  // Names that differ only in letter case are one file on some disks: they
  // count as the same. Each picture first gets its own name where that is
  // free; the others then take the first numbered name nobody has.
  std::set<std::string> taken;
  auto take = [&](size_t i, const std::string& name) {
    if (!taken.insert(Lower(name)).second) return false;
    names[i] = request.outDir + name;
    return true;
  };
  for (size_t i = 0; i < count; ++i) take(i, stems[i] + "." + extensions[i]);
  for (size_t i = 0; i < count; ++i)
    for (int n = 2; names[i].empty(); ++n) take(i, stems[i] + "-" + std::to_string(n) + "." + extensions[i]);
  return names;
}

int RunMany(const ManyRequest& request, const std::string& self) {
  std::error_code ec;
  std::filesystem::create_directories(request.outDir, ec);
  if (ec) throw RunError{1, "cannot make the folder " + request.outDir + ": " + ec.message()};
  const std::vector<std::string> outputs = OutputNames(request);
  if (!request.overwrite) RefuseToOverwriteInputs(request.images, outputs);
  RemoveStaleTemporaryFiles(request.outDir);
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
    const bool succeeded = FinishAny(running, job);
    SayNotes(request.images[job.index], job.notes);
    if (!succeeded) {
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

#include "easel/cli/BatchApply.h"

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>
#include <optional>
#include <stdexcept>

#include "easel/cli/BatchPlan.h"
#include "easel/cli/CommandStatus.h"
#include "easel/core/FileName.h"
#include "easel/core/PathText.h"

namespace contour_cli {

namespace {

// Called as each drawing ends, with its facts when it was done.
using Finished = std::function<void(const BatchJob& job, const std::optional<RunFacts>& facts)>;

// One line in a single write, so that lines of workers never mix.
void say(const std::string& line) {
  const std::string text = "contour: " + line + "\n";
  std::fwrite(text.data(), 1, text.size(), stderr);
  std::fflush(stderr);
}

// One drawing's run; anything it throws is a failed drawing, not a failed batch.
int applyGuarded(const BatchJob& job, const ApplyOne& applyOne, RunFacts& facts) {
  try {
    return applyOne(job.input, job.output, facts);
  } catch (...) {
    return kExitFailed;
  }
}

#ifdef _WIN32

// Windows has no fork(): the drawings run one after another in this process,
// each with an easel and a module of its own that applyOne sets up and ends.
void runJobs(const std::vector<BatchJob>& planned, int, const ApplyOne& applyOne, const Finished& finished) {
  for (const BatchJob& job : planned) {
    RunFacts facts;
    const int status = applyGuarded(job, applyOne, facts);
    finished(job, status == kExitDone ? std::optional<RunFacts>(facts) : std::nullopt);
  }
}

#else

struct Worker {
  BatchJob job;
  int pipe = -1;  // the facts it hands back
};

// Forks a worker for the job; returns its process id.
pid_t start(const BatchJob& job, const ApplyOne& applyOne, std::map<pid_t, Worker>& running) {
  int fds[2];
  if (::pipe(fds) != 0) throw std::runtime_error("cannot start a worker: no pipe");
  std::cout.flush();
  const pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("cannot start a worker process");
  if (pid == 0) {
    ::close(fds[0]);
    RunFacts facts;
    int status = applyGuarded(job, applyOne, facts);
    const std::string text = status == kExitDone ? facts.serialized() : std::string();
    if (!text.empty() && ::write(fds[1], text.data(), text.size()) < 0) status = kExitFailed;
    std::cout.flush();
    std::cerr.flush();
    ::_exit(status);
  }
  ::close(fds[1]);
  running[pid] = Worker{job, fds[0]};
  return pid;
}

std::string readAll(int fd) {
  std::string text;
  char buffer[256];
  for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<std::size_t>(n));
  ::close(fd);
  return text;
}

// At most `jobs` workers at a time. Facts are one short line, within a
// pipe's buffer, so a worker never blocks on its pipe and can be waited for
// before the pipe is read.
void runJobs(const std::vector<BatchJob>& planned, int jobs, const ApplyOne& applyOne, const Finished& finished) {
  std::map<pid_t, Worker> running;
  std::size_t next = 0;
  while (next < planned.size() || !running.empty()) {
    while (next < planned.size() && static_cast<int>(running.size()) < jobs) start(planned[next++], applyOne, running);
    int status = 0;
    const pid_t ended = ::waitpid(-1, &status, 0);
    if (ended < 0) throw std::runtime_error("lost track of the worker processes");
    auto worker = running.find(ended);
    if (worker == running.end()) continue;
    const BatchJob job = worker->second.job;
    const std::optional<RunFacts> facts = RunFacts::fromSerialized(readAll(worker->second.pipe));
    running.erase(worker);
    if (WIFSIGNALED(status))
      say(easel::shownPath(job.input) + ": the worker ended by signal " + std::to_string(WTERMSIG(status)));
    const bool done = WIFEXITED(status) && WEXITSTATUS(status) == kExitDone && facts;
    finished(job, done ? facts : std::nullopt);
  }
}

#endif

}  // namespace

int applyBatch(const std::vector<std::string>& inputs, const std::string& outDir, const std::string& extension,
               int jobs, bool quiet, const ApplyOne& applyOne) {
  const auto began = std::chrono::steady_clock::now();
  // Planned before the folder is made, so that a refused batch changes nothing.
  const BatchPlan plan = planBatch(inputs, outDir, extension);
  if (!plan.refusal.empty()) {
    say(plan.refusal);
    return kExitFailed;
  }
  std::error_code error;
  std::filesystem::create_directories(easel::pathFromUtf8(outDir), error);
  if (error || !std::filesystem::is_directory(easel::pathFromUtf8(outDir))) {
    say(easel::shownPath(outDir) + ": cannot be made a folder for the outputs");
    return kExitFailed;
  }
  for (const std::string& line : plan.repeated) say(line);
  int failed = static_cast<int>(plan.repeated.size()), done = 0;
  RunFacts total;
  const std::vector<BatchJob>& planned = plan.jobs;
  runJobs(planned, jobs, applyOne, [&](const BatchJob& job, const std::optional<RunFacts>& facts) {
    if (!facts) {
      ++failed;
      return;
    }
    ++done;
    total.objects += facts->objects;
    total.contours += facts->contours;
    total.outputBytes += facts->outputBytes;
    total.kept += facts->kept;
    if (!quiet) say(easel::shownPath(job.input) + " -> " + easel::shownPath(job.output) + ": " + summaryText(*facts));
  });
  total.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
  if (!quiet) {
    const std::string drawings = std::to_string(inputs.size()) + (inputs.size() == 1 ? " drawing: " : " drawings: ");
    say(drawings + std::to_string(done) + " done, " + std::to_string(failed) + " failed; " + summaryText(total));
  }
  return failed == 0 ? kExitDone : kExitFailed;
}

}  // namespace contour_cli

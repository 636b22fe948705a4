// Start-up of crvhost as whole processes, cold from exec to exit: the help
// text, the summary of a company, one order printed to PDF, and the desktop
// on the offscreen platform until its main window is painted. Each is run
// several times; the medians of wall and CPU time (user and system, from the
// child's resource usage) are printed beside the target.
//
//   process_start_bench [RUNS] [--before OTHER-CRVHOST]
//
// With --before, another build of crvhost (kept aside before a change) runs
// the same commands in the same run, interleaved, so both see the same load.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

struct Run {
  double wallMs = 0;
  double cpuMs = 0;
  std::string output;  // standard output, when asked for
};

std::int64_t monotonicNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

double milliseconds(const timeval& time) { return time.tv_sec * 1000.0 + time.tv_usec / 1000.0; }

// Runs `args` with `extraEnv` added to the environment; standard output is
// kept when `keepOutput`, else dropped. Exits the benchmark when the command
// fails, since its figures would mean nothing.
Run spawn(const std::vector<std::string>& args, const std::vector<std::string>& extraEnv, bool keepOutput) {
  std::vector<std::string> environment;
  for (char** entry = environ; *entry; ++entry) environment.emplace_back(*entry);
  environment.insert(environment.end(), extraEnv.begin(), extraEnv.end());
  std::vector<char*> argv;
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  std::vector<char*> envp;
  for (std::string& entry : environment) envp.push_back(entry.data());
  envp.push_back(nullptr);

  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) std::exit(1);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (keepOutput)
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
  else
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);

  Run run;
  const std::int64_t started = monotonicNs();
  pid_t child = 0;
  if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) {
    std::fprintf(stderr, "cannot start %s\n", argv[0]);
    std::exit(1);
  }
  posix_spawn_file_actions_destroy(&actions);
  close(pipeEnds[1]);
  char buffer[4096];
  for (ssize_t got; (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) run.output.append(buffer, got);
  close(pipeEnds[0]);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  run.wallMs = (monotonicNs() - started) / 1e6;
  run.cpuMs = milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::string line;
    for (const std::string& arg : args) line += arg + " ";
    std::fprintf(stderr, "failed: %s\n", line.c_str());
    std::exit(1);
  }
  return run;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

struct Case {
  const char* name;
  std::vector<std::string> args;  // after the program
  double targetMs;
};

struct Figures {
  std::vector<double> wall;
  std::vector<double> cpu;
};

void printRow(const char* program, const Case& item, const Figures& figures) {
  const double wall = median(figures.wall);
  std::printf("%-8s %-14s %9.1f %9.1f %9.0f %7.2f\n", program, item.name, wall, median(figures.cpu),
              item.targetMs, wall / item.targetMs);
}

// Starts the desktop on `folder` and reads how long it took until the main
// window was painted, as the desktop itself reports it.
double desktopShownMs(const std::string& program, const std::string& folder, Figures& process) {
  const std::int64_t started = monotonicNs();
  const Run run =
      spawn({program, "open", folder},
            {"QT_QPA_PLATFORM=offscreen", "CRV_QUIT_WHEN_SHOWN=" + std::to_string(started)}, true);
  process.wall.push_back(run.wallMs);
  process.cpu.push_back(run.cpuMs);
  const std::string marker = "main window shown after ";
  const std::size_t at = run.output.find(marker);
  if (at == std::string::npos) {
    std::fprintf(stderr, "the desktop did not say when it was shown:\n%s\n", run.output.c_str());
    std::exit(1);
  }
  return std::atof(run.output.c_str() + at + marker.size());
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 15;
  std::string before;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--before" && i + 1 < argc)
      before = fs::absolute(argv[++i]).string();
    else
      runs = std::max(1, std::atoi(argv[i]));
  }
  const std::string program = (fs::canonical("/proc/self/exe").parent_path() / "crvhost").string();
  char pattern[] = "/tmp/crv-process-start-XXXXXX";
  if (!mkdtemp(pattern)) return 1;
  const fs::path temp = pattern;
  const std::string folder = (temp / "demo").string();
  const std::string pdf = (temp / "order.pdf").string();
  spawn({program, "create-demo", folder}, {}, false);

  const std::vector<Case> cases = {
      {"--help", {"--help"}, 10},
      {"show", {"show", folder}, 20},
      {"print 1001", {"print", folder, "1001", pdf}, 50},
  };
  std::vector<std::string> programs = {program};
  if (!before.empty()) programs.push_back(before);
  std::vector<std::vector<Figures>> figures(programs.size(), std::vector<Figures>(cases.size()));
  // One warm-up round so that every run finds the files in the page cache.
  for (const std::string& which : programs)
    for (const Case& item : cases) {
      std::vector<std::string> args = {which};
      args.insert(args.end(), item.args.begin(), item.args.end());
      spawn(args, {}, false);
    }
  for (int round = 0; round < runs; ++round)
    for (std::size_t p = 0; p < programs.size(); ++p)
      for (std::size_t c = 0; c < cases.size(); ++c) {
        std::vector<std::string> args = {programs[p]};
        args.insert(args.end(), cases[c].args.begin(), cases[c].args.end());
        const Run run = spawn(args, {}, false);
        figures[p][c].wall.push_back(run.wallMs);
        figures[p][c].cpu.push_back(run.cpuMs);
      }

  std::printf("%d runs each; medians in ms; ratio = wall / target\n", runs);
  std::printf("%-8s %-14s %9s %9s %9s %7s\n", "program", "command", "wall", "cpu", "target", "ratio");
  for (std::size_t p = 0; p < programs.size(); ++p)
    for (std::size_t c = 0; c < cases.size(); ++c)
      printRow(p == 0 ? "after" : "before", cases[c], figures[p][c]);

  Figures process;
  std::vector<double> shown;
  for (int round = 0; round < std::max(3, runs / 3); ++round)
    shown.push_back(desktopShownMs(program, folder, process));
  std::printf(
      "desktop: main window shown after %.1f ms (target 300, ratio %.2f); whole process %.1f ms wall, "
      "%.1f ms cpu\n",
      median(shown), median(shown) / 300, median(process.wall), median(process.cpu));
  std::error_code ignored;
  fs::remove_all(temp, ignored);
  return 0;
}

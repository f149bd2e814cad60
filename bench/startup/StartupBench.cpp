// Start-up beside its floor. Runs the program and a one-label main window of the same build in
// interleaved pairs (the order alternating from pair to pair), each ending on its first page (the
// floor: its label) painted, and prints the median and fastest time from the start of the process
// to that paint, the median peak resident memory and their ratios to the floor.
//   startup_bench [pairs] [program folder]   (default 30 and this build's program folder; the Qt
//   platform is offscreen unless QT_QPA_PLATFORM is set)
//   startup_bench --timeline [starts] [program folder]   the median time of each phase's start,
//   over that many starts of each (default 20)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace
{

struct Run {
    double ms = 0;
    double peakMiB = 0;
    double cpuMs = 0;
};

pid_t g_child = 0;

void killChild(int)
{
    if (g_child > 0) kill(g_child, SIGKILL);
}

// One start of program, ended by the preloaded first-paint watch on a widget of class paintOf.
// With a timeline file, the start also writes its phases' marks there.
bool runOnce(const std::string& program, const std::string& paintOf, Run& run, const char* timeline = nullptr)
{
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        if (entry.rfind("LD_PRELOAD=", 0) == 0 || entry.rfind("STARTUP_", 0) == 0) continue;
        env.push_back(entry);
    }
    if (!std::getenv("QT_QPA_PLATFORM")) env.emplace_back("QT_QPA_PLATFORM=offscreen");
    env.push_back(std::string("LD_PRELOAD=") + FIRST_PAINT_MODULE);
    if (!paintOf.empty()) env.push_back("STARTUP_FIRST_PAINT_OF=" + paintOf);
    if (timeline) env.emplace_back("STARTUP_TIMELINE=1");
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string path = program;
    char* argv[] = {path.data(), nullptr};

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, timeline ? timeline : "/dev/null",
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const auto start = std::chrono::steady_clock::now();
    timespec spawned{};
    clock_gettime(CLOCK_MONOTONIC, &spawned);
    std::string spawnedAt = "STARTUP_SPAWNED_NS=" +
                            std::to_string(static_cast<long long>(spawned.tv_sec) * 1000000000LL + spawned.tv_nsec);
    envp.insert(envp.end() - 1, spawnedAt.data());
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) return false;
    g_child = pid;
    alarm(20);
    int status = 0;
    rusage usage{};
    const pid_t done = wait4(pid, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    alarm(0);
    g_child = 0;
    if (done != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return false;
    run.ms = std::chrono::duration<double, std::milli>(end - start).count();
    run.peakMiB = double(usage.ru_maxrss) / 1024.0;
    auto ms = [](const timeval& t) { return double(t.tv_sec) * 1000.0 + double(t.tv_usec) / 1000.0; };
    run.cpuMs = ms(usage.ru_utime) + ms(usage.ru_stime);
    return true;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n == 0 ? 0 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

std::string loadAverage()
{
    std::ifstream f("/proc/loadavg");
    std::string a, b, c;
    f >> a >> b >> c;
    return a + " " + b + " " + c;
}

// The median of each mark over starts of program, in the order of those medians.
// A mark that comes more than once in a start ("dlopen" of several libraries) is numbered.
int timelineOf(const char* name, const std::string& program, const std::string& paintOf, int starts)
{
    const std::string file = "/tmp/startup_timeline." + std::to_string(getpid());
    std::vector<std::string> order;
    std::map<std::string, std::vector<double>> times;
    std::vector<double> total;
    for (int i = 0; i < starts; ++i) {
        Run run;
        if (!runOnce(program, paintOf, run, file.c_str())) {
            std::fprintf(stderr, "%s did not end on its first paint\n", name);
            return 1;
        }
        total.push_back(run.ms);
        std::ifstream in(file);
        std::map<std::string, int> seen;
        for (std::string line; std::getline(in, line);) {
            std::istringstream words(line);
            std::string tag, what;
            double ms = 0;
            if (!(words >> tag >> ms) || tag != "timeline") continue;
            std::getline(words >> std::ws, what);
            if (const int n = seen[what]++) what += " #" + std::to_string(n + 1);
            if (!times.count(what)) order.push_back(what);
            times[what].push_back(ms);
        }
    }
    std::remove(file.c_str());
    std::printf("%s, median of %d starts (ms since spawn)\n", name, starts);
    std::stable_sort(order.begin(), order.end(),
                     [&](const std::string& a, const std::string& b) { return median(times[a]) < median(times[b]); });
    for (const std::string& what : order)
        std::printf("  %9.2f  %s%s\n", median(times[what]), what.c_str(),
                    int(times[what].size()) < starts ? "  (not every start)" : "");
    std::printf("  %9.2f  process ended\n", median(total));
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--timeline") == 0) {
        const int starts = argc > 2 ? std::max(1, std::atoi(argv[2])) : 20;
        const std::string program = std::string(argc > 3 ? argv[3] : TAVIMOOR_BIN_DIR) + "/Tavimoor";
        Run warm;
        runOnce(STARTUP_FLOOR, "QLabel", warm);
        runOnce(program, "pages::InterviewPage", warm);
        return timelineOf("floor: one-label window", STARTUP_FLOOR, "QLabel", starts) ||
               timelineOf("Tavimoor: first page", program, "pages::InterviewPage", starts);
    }
    const int pairs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    struct sigaction onAlarm {
    };
    onAlarm.sa_handler = killChild;
    sigaction(SIGALRM, &onAlarm, nullptr);

    const std::string program = std::string(argc > 2 ? argv[2] : TAVIMOOR_BIN_DIR) + "/Tavimoor";
    struct Side {
        const char* name;
        std::string path;
        std::string paintOf;
        std::vector<double> ms, mib, cpu;
    };
    Side floor{"floor: one-label window", STARTUP_FLOOR, "QLabel", {}, {}, {}};
    Side tavimoor{"Tavimoor: first page", program, "pages::InterviewPage", {}, {}, {}};
    std::vector<double> timeRatios, memoryRatios;

    // One unmeasured start of each warms the file cache.
    Run warm;
    if (!runOnce(floor.path, floor.paintOf, warm) || !runOnce(tavimoor.path, tavimoor.paintOf, warm)) {
        std::fprintf(stderr, "a start did not end on its first paint\n");
        return 1;
    }
    const std::string loadBefore = loadAverage();
    for (int i = 0; i < pairs; ++i) {
        Side* order[2] = {&floor, &tavimoor};
        if (i % 2) std::swap(order[0], order[1]);
        Run runs[2];
        for (int k = 0; k < 2; ++k) {
            if (!runOnce(order[k]->path, order[k]->paintOf, runs[k])) {
                std::fprintf(stderr, "%s did not end on its first paint\n", order[k]->name);
                return 1;
            }
            order[k]->ms.push_back(runs[k].ms);
            order[k]->mib.push_back(runs[k].peakMiB);
            order[k]->cpu.push_back(runs[k].cpuMs);
        }
        timeRatios.push_back(tavimoor.ms.back() / floor.ms.back());
        memoryRatios.push_back(tavimoor.mib.back() / floor.mib.back());
    }

    std::printf(
        "Start-up to the first page painted, %d interleaved pairs (load average %s before, %s after)\n",
        pairs, loadBefore.c_str(), loadAverage().c_str());
    // Processor time (user and system) waits neither for a busy machine's processors nor the disk.
    std::printf("  %-24s %12s %12s %16s %12s\n", "", "median time", "fastest", "median peak RSS", "median CPU");
    for (const Side* s : {&floor, &tavimoor})
        std::printf("  %-24s %9.2f ms %9.2f ms %12.2f MiB %9.2f ms\n", s->name, median(s->ms),
                    *std::min_element(s->ms.begin(), s->ms.end()), median(s->mib), median(s->cpu));
    const double fastest = *std::min_element(tavimoor.ms.begin(), tavimoor.ms.end()) /
                           *std::min_element(floor.ms.begin(), floor.ms.end());
    std::printf("  ratio to the floor: time %.2fx as the median of the pairs' ratios, %.2fx of the fastest "
                "(%.2fx of the medians); peak memory %.2fx (pairs %.2fx); CPU %.2fx\n",
                median(timeRatios), fastest, median(tavimoor.ms) / median(floor.ms),
                median(tavimoor.mib) / median(floor.mib), median(memoryRatios),
                median(tavimoor.cpu) / median(floor.cpu));
    return 0;
}

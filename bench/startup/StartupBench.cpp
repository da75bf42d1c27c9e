// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Measures the real start of the game against a bare Qt Widgets program, side by side
// in one run (alternating, so a noisy machine treats both alike), then what the game
// costs while the children think and how long the game screen takes to appear.
// Prints rows of a Markdown table for the platform it runs on.
//
//   startup_bench GAME_PROBE BARE_PROGRAM RUNS IDLE_SECONDS

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

struct Child {
    pid_t pid = -1;
    FILE* output = nullptr;
};

Child spawn(const std::string& program, const std::string& mode)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        std::exit(1);
    }
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        execl(program.c_str(), program.c_str(), mode.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeEnds[1]);
    return {pid, fdopen(pipeEnds[0], "r")};
}

// Waits for a line that starts with the word, and returns it.
std::string lineStartingWith(const Child& child, const std::string& word)
{
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, child.output) != nullptr) {
        if (std::string(buffer).rfind(word, 0) == 0) {
            return buffer;
        }
    }
    return {};
}

// Ends the child and returns its peak memory in MB.
double finish(Child& child, bool kill)
{
    if (kill) {
        ::kill(child.pid, SIGTERM);
    }
    int status = 0;
    rusage usage{};
    wait4(child.pid, &status, 0, &usage);
    std::fclose(child.output);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// The value below which the given share of the values lie (0.5: the median).
double quantile(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0
                          : values[static_cast<std::size_t>(share * static_cast<double>(values.size() - 1) + 0.5)];
}

double median(const std::vector<double>& values) { return quantile(values, 0.5); }

// The spread: the middle half of the runs, from the first quartile to the third.
void printSpread(const char* what, const std::vector<double>& values)
{
    std::printf("| %s, middle half of the runs (ms) | %.1f-%.1f |\n", what, quantile(values, 0.25),
                quantile(values, 0.75));
}

struct Start {
    double milliseconds;
    double peakMegabytes;
};

Start timeToFirstPaint(const std::string& program, const std::string& mode)
{
    const auto begun = Clock::now();
    Child child = spawn(program, mode);
    lineStartingWith(child, "painted");
    const double milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - begun).count();
    return {milliseconds, finish(child, false)};
}

// CPU time (user and system) the process has used so far, in seconds.
double cpuSeconds(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    long utime = 0;
    long stime = 0;
    for (int index = 3; fields >> field; ++index) {
        if (index == 14) {
            utime = std::stol(field);
        } else if (index == 15) {
            stime = std::stol(field);
            break;
        }
    }
    return static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

struct Idle {
    double cpuPercent;
    double peakMegabytes;
};

// Share of one core used over the given seconds, once the program has settled, and
// the peak memory of the whole run.
Idle idleCost(const std::string& program, const std::string& mode, int seconds)
{
    Child child = spawn(program, mode);
    std::this_thread::sleep_for(std::chrono::seconds(2));
    const double before = cpuSeconds(child.pid);
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    const double used = cpuSeconds(child.pid) - before;
    const double peak = finish(child, true);
    return {100.0 * used / seconds, peak};
}
} // namespace

int main(int argc, char* argv[])
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s GAME_PROBE BARE_PROGRAM RUNS IDLE_SECONDS\n", argv[0]);
        return 2;
    }
    const std::string game = argv[1];
    const std::string bare = argv[2];
    const int runs = std::atoi(argv[3]);
    const int idleSeconds = std::atoi(argv[4]);

    std::vector<double> gameTimes, bareTimes, gameMemory, bareMemory, loads, resizes, bareResizes;
    for (int run = 0; run < runs; ++run) {
        const Start b = timeToFirstPaint(bare, "");
        const Start g = timeToFirstPaint(game, "title");
        bareTimes.push_back(b.milliseconds);
        bareMemory.push_back(b.peakMegabytes);
        gameTimes.push_back(g.milliseconds);
        gameMemory.push_back(g.peakMegabytes);
        Child load = spawn(game, "game-load");
        const std::string line = lineStartingWith(load, "game-load");
        finish(load, false);
        loads.push_back(line.empty() ? -1.0 : std::atof(line.c_str() + std::strlen("game-load ")));
        for (auto [program, times] : {std::pair(&game, &resizes), std::pair(&bare, &bareResizes)}) {
            Child resize = spawn(*program, "resize");
            const std::string resized = lineStartingWith(resize, "resize");
            finish(resize, false);
            times->push_back(resized.empty() ? -1.0 : std::atof(resized.c_str() + std::strlen("resize ")));
        }
    }
    const double gameStart = median(gameTimes);
    const double bareStart = median(bareTimes);
    std::printf("| start to first paint, game (ms) | %.1f |\n", gameStart);
    std::printf("| start to first paint, bare Qt (ms) | %.1f |\n", bareStart);
    printSpread("start to first paint, game", gameTimes);
    printSpread("start to first paint, bare Qt", bareTimes);
    std::printf("| start-up ratio game / bare Qt | %.2f |\n", gameStart / bareStart);
    std::printf("| peak memory, game (MB) | %.1f |\n", median(gameMemory));
    std::printf("| peak memory, bare Qt (MB) | %.1f |\n", median(bareMemory));
    std::printf("| peak memory above bare Qt (MB) | %.1f |\n", median(gameMemory) - median(bareMemory));
    std::printf("| game screen load, OK to painted board (ms) | %.1f |\n", median(loads));
    std::printf("| game screen resized, laid out and painted, up to 3840 x 2160 (ms) | %.1f |\n", median(resizes));
    std::printf("| bare Qt window resized and painted the same way (ms) | %.1f |\n", median(bareResizes));
    for (const char* mode : {"idle-title", "idle-game", "turns"}) {
        const Idle idle = idleCost(game, mode, idleSeconds);
        std::printf("| CPU over %d s, %s (%% of one core) | %.3f |\n", idleSeconds, mode, idle.cpuPercent);
        std::printf("| peak memory, %s with sounds loaded (MB) | %.1f |\n", mode, idle.peakMegabytes);
    }
    return 0;
}

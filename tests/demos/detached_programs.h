#pragma once

// Finding the programs that the menu starts without waiting: they are no children of the
// test, so they are found by name, working directory and a mark in their environment among
// all processes, and ended by their id once seen. The mark (this test process's id, which
// the started programs inherit) keeps apart the same program started at the same time by a
// test running beside this one.
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <thread>

#include <cstdlib>
#include <iterator>

#include <sys/types.h>
#include <unistd.h>

namespace detached_programs {

inline constexpr const char* ownerVariable = "COURSE_TEST_STARTED_BY";

inline std::string ownerMark() {
    return std::string(ownerVariable) + "=" + std::to_string(getpid());
}

// Marks every program this process starts from now on.
inline void markStartedPrograms() {
    setenv(ownerVariable, std::to_string(getpid()).c_str(), 1);
}

inline bool startedByThisProcess(const std::filesystem::path& process) {
    std::ifstream file(process / "environ", std::ios::binary);
    const std::string environment((std::istreambuf_iterator<char>(file)),
                                  std::istreambuf_iterator<char>());
    const std::string mark = ownerMark();
    for (std::size_t at = 0; at < environment.size();) {
        const std::size_t end = environment.find('\0', at);
        if (environment.compare(at, (end == std::string::npos ? environment.size() : end) - at,
                                mark) == 0)
            return true;
        if (end == std::string::npos)
            break;
        at = end + 1;
    }
    return false;
}

// The programs named `name` that run in `folder` and were started by this process (the call
// marks the ones it starts later).
inline std::set<pid_t> running(const std::string& name, const std::string& folder) {
    markStartedPrograms();
    std::set<pid_t> found;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        const std::string pid = entry.path().filename().string();
        if (pid.find_first_not_of("0123456789") != std::string::npos)
            continue;
        std::ifstream stat(entry.path() / "stat");
        std::string id, comm;
        std::error_code error;
        if (!(stat >> id >> comm) || comm != "(" + name + ")")
            continue;
        const auto cwd = std::filesystem::read_symlink(entry.path() / "cwd", error);
        if (!error && cwd == std::filesystem::path(folder) && startedByThisProcess(entry.path()))
            found.insert(static_cast<pid_t>(std::stol(pid)));
    }
    return found;
}

// The processes named `name` in `folder` that were not in `before`, looked for up to 30 s.
inline std::set<pid_t> newlyStarted(const std::string& name, const std::string& folder,
                                    const std::set<pid_t>& before, std::size_t expected) {
    std::set<pid_t> fresh;
    for (int tries = 0; tries < 3000 && fresh.size() < expected; ++tries) {
        fresh.clear();
        for (pid_t pid : running(name, folder))
            if (!before.count(pid))
                fresh.insert(pid);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return fresh;
}

inline void end(const std::set<pid_t>& pids) {
    for (pid_t pid : pids)
        kill(pid, SIGTERM);
    for (int tries = 0; tries < 3000; ++tries) {
        bool anyLeft = false;
        for (pid_t pid : pids)
            anyLeft |= std::filesystem::exists("/proc/" + std::to_string(pid) + "/exe");
        if (!anyLeft)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

} // namespace detached_programs

#pragma once

// Finding the programs that the menu starts without waiting: they are no children of the
// test, so they are found by name and working directory among all processes, and ended by
// their id once seen.
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <thread>

#include <sys/types.h>

namespace detached_programs {

inline std::set<pid_t> running(const std::string& name, const std::string& folder) {
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
        if (!error && cwd == std::filesystem::path(folder))
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

#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include <sys/types.h>
#include <unistd.h>

namespace test_support {

// The id of a running child of this process with the given name, or 0.
inline pid_t childNamed(const std::string& name) {
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        const std::string pid = entry.path().filename().string();
        if (pid.find_first_not_of("0123456789") != std::string::npos)
            continue;
        std::ifstream stat(entry.path() / "stat");
        std::string id, comm, state;
        pid_t parent = 0;
        if (stat >> id >> comm >> state >> parent && parent == getpid() && comm == "(" + name + ")")
            return static_cast<pid_t>(std::stol(pid));
    }
    return 0;
}

} // namespace test_support

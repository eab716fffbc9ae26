// A stand-in for a course program in the menu's tests. It appends to "stand_in.log" of its
// working directory the name it was started under, that it started and from which folder,
// sleeps as many milliseconds as "stand_in.sleep" says, and then notes that it ended.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

int main(int, char** argv) {
    const auto here = std::filesystem::current_path();
    const std::string name = std::filesystem::path(argv[0]).filename().string();
    std::ofstream(here / "stand_in.log", std::ios::app)
        << name << " started in " << here.string() << "\n";
    int pause = 0;
    std::ifstream(here / "stand_in.sleep") >> pause;
    std::this_thread::sleep_for(std::chrono::milliseconds(pause));
    std::ofstream(here / "stand_in.log", std::ios::app) << name << " ended\n";
    return 3; // the menu ignores the exit status
}

// A stand-in for a course program in the menu's tests. It appends to "stand_in.log" of its
// working directory the name it was started under, that it started and from which folder,
// sleeps as many milliseconds as "stand_in.sleep" says, stays while a file "stand_in.hold"
// exists (at most half a minute), and then notes that it ended.
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
    for (int waited = 0; std::filesystem::exists(here / "stand_in.hold") && waited < 30000;
         waited += 10)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::ofstream(here / "stand_in.log", std::ios::app) << name << " ended\n";
    return 3; // the menu ignores the exit status
}

// A stand-in demonstration program for the tests: notes in "recorder.log" of its working
// directory that it started and from where, waits as long as "recorder.sleep" says (in
// milliseconds), notes that it ended, and exits.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

int main() {
    const auto here = std::filesystem::current_path();
    {
        std::ofstream log(here / "recorder.log", std::ios::app);
        log << "started " << here.string() << "\n";
    }
    int pause = 0;
    std::ifstream(here / "recorder.sleep") >> pause;
    std::this_thread::sleep_for(std::chrono::milliseconds(pause));
    std::ofstream(here / "recorder.log", std::ios::app) << "ended\n";
    return 0;
}

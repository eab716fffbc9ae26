// A stand-in demonstration program for the tests: notes in "recorder.log" of its working
// directory that it started and from where, waits as long as "recorder.sleep" says (in
// milliseconds) and, while a file "recorder.hold" lies there, until it is taken away (at
// most a minute), notes that it ended, and exits.
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
    for (int waited = 0; std::filesystem::exists(here / "recorder.hold") && waited < 60000;
         waited += 10)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::ofstream(here / "recorder.log", std::ios::app) << "ended\n";
    return 0;
}

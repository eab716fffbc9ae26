// The course installed by `cmake --install` into a scratch prefix and run from there as a
// system-wide install is run: the installed folder cannot be written by the learner, the
// programs find the course's shared libraries through their own run path (never in the build
// tree), their pictures and help beside them, and the study time goes to the learner's data
// folder. Root may write into any folder, so when the tests run as root the programs run as
// the unprivileged user "nobody", for whom read-only means read-only.
#include "platform/course/course_title.h"
#include "platform/help/chm_archive.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string package(platform::coursePackage);

std::vector<std::string> splitList(const std::string& list) {
    std::vector<std::string> names;
    std::istringstream in(list);
    for (std::string name; std::getline(in, name, ';');)
        if (!name.empty())
            names.push_back(name);
    return names;
}

std::string contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::set<std::string> namesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// A folder that everybody may enter; `writable` lets everybody write into it as well.
void openToEverybody(const QTemporaryDir& dir, bool writable) {
    const auto readable = fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                          fs::perms::others_read | fs::perms::others_exec;
    fs::permissions(dir.path().toStdString(), writable ? fs::perms::all : readable);
}

// The course installed once for all the tests of the run, as `cmake --install` does it.
class ScratchInstallation {
  public:
    static const ScratchInstallation& get() {
        static const ScratchInstallation installation;
        return installation;
    }

    bool installed() const { return installed_; }
    const std::string& log() const { return log_; }
    fs::path prefix() const { return dir_.path().toStdString(); }
    fs::path folder() const { return prefix() / "lib" / package; }
    fs::path launcher() const { return prefix() / "bin" / package; }

  private:
    ScratchInstallation() {
        openToEverybody(dir_, false);
        QProcess install;
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(CMAKE_COMMAND, {"--install", BUILD_DIR, "--prefix", dir_.path()});
        installed_ = install.waitForFinished(600000) &&
                     install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0;
        log_ = install.readAll().toStdString();
    }

    QTemporaryDir dir_;
    bool installed_ = false;
    std::string log_;
};

// The installed folder made read-only for everybody while it lives, as a package installs it.
class ReadOnlyFolder {
  public:
    explicit ReadOnlyFolder(fs::path folder) : folder_(std::move(folder)) {
        fs::permissions(folder_,
                        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
    }
    ~ReadOnlyFolder() { fs::permissions(folder_, fs::perms::owner_write, fs::perm_options::add); }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

  private:
    fs::path folder_;
};

// The names of the files opened in one folder while it is watched, by anybody.
class OpenedFiles {
  public:
    explicit OpenedFiles(const fs::path& folder) : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        if (fd_ >= 0)
            ::inotify_add_watch(fd_, folder.c_str(), IN_OPEN);
    }
    ~OpenedFiles() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    OpenedFiles(const OpenedFiles&) = delete;
    OpenedFiles& operator=(const OpenedFiles&) = delete;

    bool watching() const { return fd_ >= 0; }
    bool opened(const std::string& name) const { return names_.count(name) > 0; }

    // Takes in what has been opened, waiting up to `milliseconds` for the first news.
    void collect(int milliseconds) {
        pollfd ready{fd_, POLLIN, 0};
        if (::poll(&ready, 1, milliseconds) <= 0)
            return;
        alignas(inotify_event) char buffer[8192];
        for (ssize_t got; (got = ::read(fd_, buffer, sizeof buffer)) > 0;) {
            for (ssize_t at = 0; at < got;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                if (event->len > 0)
                    names_.insert(event->name);
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
    }

  private:
    int fd_ = -1;
    std::set<std::string> names_;
};

// A learner's own home folder: the course's only writable place.
struct LearnerHome {
    QTemporaryDir dir;
    LearnerHome() { openToEverybody(dir, true); }
    fs::path path() const { return dir.path().toStdString(); }
    fs::path dataFolder() const { return path() / ".local" / "share" / package; }
};

// Starts `program` as a learner with `home` would from the desktop: headless, without any
// library path of the build, and as "nobody" when the tests run as root.
void startAsLearner(QProcess& process, const fs::path& program, const LearnerHome& home,
                    const QStringList& variables = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LD_LIBRARY_PATH", "XDG_DATA_HOME", "XDG_CONFIG_HOME",
                             "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"})
        environment.remove(name);
    environment.insert("HOME", QString::fromStdString(home.path().string()));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    for (const QString& variable : variables)
        environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(QString::fromStdString(home.path().string()));
    if (::geteuid() == 0) {
        process.setChildProcessModifier([] {
            constexpr uid_t nobody = 65534;
            if (::setgid(nobody) != 0 || ::setuid(nobody) != 0)
                ::_exit(3);
        });
    }
    process.start(QString::fromStdString(program.string()), {});
}

// The files of the shared libraries mapped into the running process `pid`.
std::set<std::string> mappedLibraries(qint64 pid) {
    std::set<std::string> files;
    std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
    for (std::string line; std::getline(maps, line);) {
        const auto slash = line.find('/');
        if (slash != std::string::npos && line.find(".so", slash) != std::string::npos)
            files.insert(line.substr(slash));
    }
    return files;
}

// Whether the running process `pid` has a handler of its own for `signal` (its status lists
// the signals it catches as a hexadecimal mask, bit n - 1 for signal n).
bool catchesSignal(qint64 pid, int signal) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("SigCgt:", 0) == 0)
            return (std::stoull(line.substr(7), nullptr, 16) >> (signal - 1) & 1) != 0;
    return false;
}

class InstalledCourse : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(installation.installed()) << installation.log(); }
    const ScratchInstallation& installation = ScratchInstallation::get();
};

} // namespace

// Every installed program and library looks for the course's libraries in the folder it is in
// itself, and nowhere in the build tree.
TEST_F(InstalledCourse, EveryProgramAndLibraryLooksForLibrariesOnlyInItsOwnFolder) {
    std::vector<std::string> files = splitList(COURSE_PROGRAMS);
    ASSERT_GT(files.size(), 20u);
    for (const std::string& name : files)
        ASSERT_TRUE(fs::exists(installation.folder() / name)) << name << " is not installed";
    std::vector<std::string> libraries;
    for (const auto& entry : fs::directory_iterator(installation.folder()))
        if (entry.path().extension() == ".so")
            libraries.push_back(entry.path().filename().string());
    EXPECT_EQ(libraries.empty(), !SHARED_CODE)
        << "the shared code is installed beside the programs";
    files.insert(files.end(), libraries.begin(), libraries.end());
    for (const std::string& name : files) {
        QProcess readelf;
        readelf.start(READELF, {"--dynamic",
                                QString::fromStdString((installation.folder() / name).string())});
        ASSERT_TRUE(readelf.waitForFinished(60000)) << name;
        const std::string dynamic = readelf.readAllStandardOutput().toStdString();
        bool needsOurs = false;
        for (const std::string& library : libraries)
            needsOurs |= dynamic.find("Shared library: [" + library + "]") != std::string::npos;
        if (needsOurs) {
            EXPECT_NE(dynamic.find("Library runpath: [$ORIGIN]"), std::string::npos)
                << name << " must find the course's libraries beside itself:\n"
                << dynamic;
        }
        EXPECT_EQ(dynamic.find(BUILD_DIR), std::string::npos) << name << " names the build tree";
    }
}

TEST_F(InstalledCourse, ALessonProgramInTheReadOnlyFolderReadsItsFilesAndRecordsForTheLearner) {
    const fs::path folder = installation.folder();
    const std::set<std::string> installed = namesIn(folder);
    const LearnerHome home;
    const std::vector<std::string> pictures = {"prof.bmp", "backbutt.bmp", "forbutt.bmp"};
    std::set<std::string> libraries;
    QProcess lesson;
    {
        const ReadOnlyFolder readOnly(folder);
        OpenedFiles opened(folder);
        ASSERT_TRUE(opened.watching());
        startAsLearner(lesson, folder / "shapes", home);
        ASSERT_TRUE(lesson.waitForStarted(60000));
        const auto allOpened = [&] {
            for (const auto& picture : pictures)
                if (!opened.opened(picture))
                    return false;
            return true;
        };
        for (int wait = 0; wait < 600 && !allOpened() && lesson.state() == QProcess::Running;
             ++wait)
            opened.collect(100);
        for (const auto& picture : pictures)
            EXPECT_TRUE(opened.opened(picture)) << picture << " was not read from " << folder;
        // The session ends once the program is ready for it.
        for (int wait = 0; wait < 600 && lesson.state() == QProcess::Running &&
                           !catchesSignal(lesson.processId(), SIGTERM);
             ++wait)
            lesson.waitForFinished(100);
        ASSERT_EQ(lesson.state(), QProcess::Running) << lesson.readAllStandardError().toStdString();
        libraries = mappedLibraries(lesson.processId());
        ::kill(static_cast<pid_t>(lesson.processId()), SIGTERM);
        ASSERT_TRUE(lesson.waitForFinished(60000));
    }
    EXPECT_EQ(lesson.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(lesson.exitCode(), 0) << lesson.readAllStandardError().toStdString();

    // The course's own libraries came from the installed folder.
    int ours = 0;
    for (const std::string& library : libraries) {
        EXPECT_EQ(library.find(BUILD_DIR), std::string::npos) << library;
        ours += fs::path(library).parent_path() == fs::canonical(folder) ? 1 : 0;
    }
    if (SHARED_CODE) {
        EXPECT_GT(ours, 0) << "no library of the course was loaded from " << folder;
    }

    // The minutes went to the learner's data folder, and nothing into the installed folder.
    const fs::path studyTime = home.dataFolder() / "geo.ti";
    ASSERT_TRUE(fs::exists(studyTime)) << "the study time was lost";
    const std::string total = contents(studyTime);
    EXPECT_FALSE(total.empty());
    EXPECT_EQ(total.find_first_not_of("0123456789"), std::string::npos) << total;
    EXPECT_EQ(namesIn(folder), installed);

    // The help file the program's Help command opens beside it holds its first topic.
    const platform::ChmArchive help(folder / "help.chm");
    ASSERT_TRUE(help.isOpen());
    EXPECT_EQ(help.read("/introduction.html").status, platform::ChmReadStatus::Read);
}

TEST_F(InstalledCourse, TheLauncherStartsTheMenu) {
    const LearnerHome home;
    QProcess menu;
    startAsLearner(menu, installation.launcher(), home, {"COURSE_FIRST_FRAME_PROBE=1"});
    ASSERT_TRUE(menu.waitForFinished(60000)) << "the menu did not end after its first frame";
    const std::string output = menu.readAllStandardOutput().toStdString();
    EXPECT_EQ(menu.exitCode(), 0) << menu.readAllStandardError().toStdString();
    EXPECT_NE(output.find("lead-in "), std::string::npos)
        << "the menu shows its welcome picture first: " << output;
    EXPECT_NE(output.find("first-frame "), std::string::npos) << output;
}

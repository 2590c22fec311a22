// The one rule for written paths: a regular file or a new name is replaced only on Commit, a device
// or FIFO is written in place and stays what it is, "-" is standard output, a folder is refused;
// temporary files of dead processes go at the next write in their folder.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "io/CheckedWrite.h"
#include "io/OutputFile.h"
#include "io/TemporaryFiles.h"

namespace fs = std::filesystem;
using namespace orlun::io;

namespace {

struct Folder {
    Folder()
    {
        std::string pattern = (fs::temp_directory_path() / "orlun-out-XXXXXX").string();
        path = ::mkdtemp(pattern.data());
    }
    ~Folder() { fs::remove_all(path); }
    std::string operator/(const std::string& name) const { return path + "/" + name; }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(path)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string path;
};

std::string Contents(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// A process id that is surely not alive: a child that has been reaped.
pid_t DeadPid()
{
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

} // namespace

TEST(OutputFile, EachKindOfPathFollowsItsRule)
{
    Folder dir;
    std::ofstream(dir / "old.txt") << "old";
    fs::create_directory(dir / "folder");
    fs::create_symlink("old.txt", dir / "link");
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    struct Case {
        std::string path;
        PathKind kind;
    } const cases[] = {
        {"-", PathKind::StandardOutput},      {dir / "old.txt", PathKind::Replaced},
        {dir / "new.txt", PathKind::Replaced}, {dir / "link", PathKind::Replaced},
        {dir / "folder", PathKind::Folder},    {dir / "fifo", PathKind::InPlace},
        {"/dev/null", PathKind::InPlace},      {"/dev/stdout", PathKind::InPlace},
        {"/dev/fd/2", PathKind::InPlace},
    };
    for (const Case& c : cases) EXPECT_EQ(KindOfPath(c.path), c.kind) << c.path;
}

TEST(OutputFile, AReplacedFileChangesOnlyOnCommit)
{
    Folder dir;
    const std::string path = dir / "out.ics";
    std::ofstream(path) << "the old file";
    {
        auto opened = OutputFile::Open(path);
        ASSERT_TRUE(std::holds_alternative<OutputFile>(opened));
        OutputFile& file = std::get<OutputFile>(opened);
        ASSERT_FALSE(file.Write("half of it"));
        EXPECT_EQ(Contents(path), "the old file");
        EXPECT_EQ(dir.Names().size(), 2u); // the file and its temporary one
    } // given up without Commit
    EXPECT_EQ(Contents(path), "the old file");
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"out.ics"});
    auto opened = OutputFile::Open(dir / "new.ics");
    OutputFile& file = std::get<OutputFile>(opened);
    // Bytes written past Write, through the descriptor itself (as a stdio stream does), count too.
    ASSERT_EQ(::write(file.Descriptor(), "abc", 3), 3);
    ASSERT_FALSE(file.Write("def"));
    ASSERT_FALSE(file.Commit());
    EXPECT_EQ(Contents(dir / "new.ics"), "abcdef");
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"new.ics", "out.ics"}));
}

TEST(OutputFile, AFolderIsRefusedAndStays)
{
    Folder dir;
    fs::create_directory(dir / "taken");
    const auto failure = WriteWholeFile(dir / "taken", "x");
    ASSERT_TRUE(failure);
    EXPECT_EQ(Describe(*failure), "Cannot write the file " + (dir / "taken") + " (Is a directory)");
    EXPECT_TRUE(fs::is_directory(dir / "taken"));
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"taken"});
}

TEST(OutputFile, ADeviceIsWrittenInPlaceAndAFullOneFails)
{
    EXPECT_FALSE(WriteWholeFile("/dev/null", "nothing kept"));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    const auto failure = WriteWholeFile("/dev/full", "x");
    ASSERT_TRUE(failure);
    EXPECT_EQ(Describe(*failure), "Cannot write the file /dev/full (No space left on device)");
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

TEST(OutputFile, AFifoIsWrittenForItsReaderAndStaysAFifo)
{
    Folder dir;
    const std::string fifo = dir / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string read;
    std::thread reader([&] { read = Contents(fifo); });
    EXPECT_FALSE(WriteWholeFile(fifo, "to the reader", Permissions::KeepExisting, FifoWait::UntilReader));
    reader.join();
    EXPECT_EQ(read, "to the reader");
    EXPECT_TRUE(fs::is_fifo(fifo));
    // Without a reader the windows' write is refused at once, and the FIFO stays.
    const auto failure = ReplaceFileContents(fifo, "nobody reads");
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->reason, "No such device or address");
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"fifo"});
}

TEST(OutputFile, StandardOutputIsWrittenAndLeftOpen)
{
    int pipe[2];
    ASSERT_EQ(::pipe(pipe), 0);
    const int saved = ::dup(1);
    ::dup2(pipe[1], 1);
    const auto failure = WriteWholeFile("-", "on standard output");
    const auto again = WriteWholeFile("/dev/stdout", " and by its name");
    ::dup2(saved, 1);
    ::close(saved);
    ::close(pipe[1]);
    EXPECT_FALSE(failure);
    EXPECT_FALSE(again);
    char buffer[64] = {};
    const ssize_t n = ::read(pipe[0], buffer, sizeof buffer);
    ::close(pipe[0]);
    EXPECT_EQ(std::string(buffer, static_cast<size_t>(std::max<ssize_t>(n, 0))), "on standard output and by its name");
}

TEST(OutputFile, TemporaryFilesOfDeadProcessesGoAtOnce)
{
    Folder dir;
    const std::string dead = std::to_string(DeadPid());
    const std::string live = std::to_string(::getppid());
    const std::vector<std::string> planted = {
        ".month.png.orlun-tmp-" + dead + "-AbC123", // a killed write of this file
        ".month.bmp.orlun-tmp-" + dead + "-XyZ789", // a killed BMP step beside it
        ".month.png.orlun-tmp-" + live + "-QrS456", // a write in progress elsewhere
        ".month.png.orlun-tmp-AbC123",              // the older form, young: may be in progress
    };
    for (const std::string& name : planted) std::ofstream(dir / name) << "half";
    fs::create_directory(dir / (".d.orlun-tmp-" + dead + "-Dir123")); // not a plain file: not ours
    EXPECT_EQ(OwnerOfTemporaryName(planted[0]), std::stol(dead));
    EXPECT_EQ(OwnerOfTemporaryName(planted[3]), 0);
    EXPECT_EQ(OwnerOfTemporaryName(".x.orlun-tmp--AbC123"), 0);
    ASSERT_FALSE(ReplaceFileContents(dir / "other.txt", "any write in the folder"));
    std::vector<std::string> kept = {".d.orlun-tmp-" + dead + "-Dir123", planted[2], planted[3], "other.txt"};
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(dir.Names(), kept);
}

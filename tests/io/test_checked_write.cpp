// The checked write: a file is replaced whole or left byte-identical, whatever cuts the write short;
// links are followed; leftovers of crashes go; modes are kept or made public.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

#include "io/CheckedWrite.h"
#include "io/TemporaryFiles.h"

namespace fs = std::filesystem;
using namespace orlun::io;

namespace {

class Folder {
public:
    Folder()
    {
        std::string pattern = (fs::temp_directory_path() / "orlun-io-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~Folder() { fs::remove_all(path_); }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }
    const std::string& Path() const { return path_; }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(path_)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::string path_;
};

std::string Contents(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

mode_t ModeOf(const std::string& path)
{
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

// Runs the write in a child process whose files cannot grow past `limit` bytes (SIGXFSZ ignored,
// so the write fails as on a full disk). The child's exit: 0 written, 1 refused with "File too
// large", 2 refused for another reason.
int WriteUnderSizeLimit(const std::string& path, const std::string& bytes, rlim_t limit)
{
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit r{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &r);
        const auto failure = ReplaceFileContents(path, bytes);
        ::_exit(!failure ? 0 : failure->reason == "File too large" ? 1 : 2);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST(CheckedWrite, AWriteCutShortAtAnySizeLeavesTheOldFileAndNoTemporary)
{
    Folder dir;
    const std::string path = dir / "month.png";
    const std::string old = "the user's old file";
    ASSERT_FALSE(ReplaceFileContents(path, old));
    const std::string bytes(100000, 'n');
    for (const rlim_t limit : {rlim_t{0}, rlim_t{1}, rlim_t{4096}, rlim_t{50000}, rlim_t{99999}}) {
        SCOPED_TRACE(limit);
        EXPECT_EQ(WriteUnderSizeLimit(path, bytes, limit), 1);
        EXPECT_EQ(Contents(path), old);
        EXPECT_EQ(dir.Names(), std::vector<std::string>{"month.png"});
    }
    EXPECT_EQ(WriteUnderSizeLimit(path, bytes, 100000), 0); // exactly enough
    EXPECT_EQ(Contents(path), bytes);
}

TEST(CheckedWrite, FailuresNameTheFileOrTheFolderAndTheReason)
{
    Folder dir;
    const auto missingFolder = ReplaceFileContents(dir / "none/x.png", "x");
    ASSERT_TRUE(missingFolder);
    EXPECT_EQ(Describe(*missingFolder),
              "The folder " + (dir / "none") + " does not take a new file (No such file or directory)");
    fs::create_directory(dir / "taken.png");
    const auto folderInTheWay = ReplaceFileContents(dir / "taken.png", "x");
    ASSERT_TRUE(folderInTheWay);
    EXPECT_EQ(Describe(*folderInTheWay), "Cannot write the file " + (dir / "taken.png") + " (Is a directory)");
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"taken.png"});
}

TEST(CheckedWrite, ALinkIsFollowedAndStays)
{
    Folder dir;
    fs::create_directory(dir / "real");
    ASSERT_FALSE(ReplaceFileContents(dir / "real/orlun.usr", "old"));
    struct Case {
        const char* link;
        std::string target;
    } const cases[] = {
        {"absolute", dir / "real/orlun.usr"},
        {"relative", "real/orlun.usr"},
        {"chained", "absolute"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.link);
        fs::create_symlink(c.target, dir / c.link);
        ASSERT_FALSE(ReplaceFileContents(dir / c.link, std::string("new by ") + c.link));
        EXPECT_TRUE(fs::is_symlink(dir / c.link));
        EXPECT_EQ(Contents(dir / "real/orlun.usr"), std::string("new by ") + c.link);
    }
    // A link to a file not yet there makes that file.
    fs::create_symlink("real/later.usr", dir / "dangling");
    ASSERT_FALSE(ReplaceFileContents(dir / "dangling", "made"));
    EXPECT_EQ(Contents(dir / "real/later.usr"), "made");
    // A loop of links is refused, and nothing is written.
    fs::create_symlink("loop-b", dir / "loop-a");
    fs::create_symlink("loop-a", dir / "loop-b");
    const auto loop = ReplaceFileContents(dir / "loop-a", "x");
    ASSERT_TRUE(loop);
    EXPECT_EQ(loop->reason, "Too many levels of symbolic links");
    EXPECT_TRUE(fs::is_symlink(dir / "loop-a"));
}

TEST(CheckedWrite, LeftoversOfACrashGoAtTheNextWriteButAWriteInProgressStays)
{
    Folder dir;
    const std::string stale = dir / ".orlun.usr.orlun-tmp-AbC123";
    const std::string young = dir / ".orlun.usr.orlun-tmp-XyZ789";
    const std::string other = dir / ".other.usr.orlun-tmp-AbC123"; // another file's
    for (const std::string& p : {stale, young, other}) std::ofstream(p) << "half";
    const time_t old = std::time(nullptr) - 2 * kLeftoverAge.count();
    const utimbuf times{old, old};
    ASSERT_EQ(::utime(stale.c_str(), &times), 0);
    ASSERT_EQ(::utime(other.c_str(), &times), 0);
    ASSERT_FALSE(ReplaceFileContents(dir / "orlun.usr", "state"));
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{".orlun.usr.orlun-tmp-XyZ789", ".other.usr.orlun-tmp-AbC123",
                                                     "orlun.usr"}));
}

TEST(CheckedWrite, TemporaryNamesAreRecognisable)
{
    const std::string pid = std::to_string(::getpid());
    EXPECT_EQ(TemporaryPatternFor("/home/u/orlun.usr"), "/home/u/.orlun.usr.orlun-tmp-" + pid + "-XXXXXX");
    EXPECT_EQ(TemporaryPatternFor("month.png"), "./.month.png.orlun-tmp-" + pid + "-XXXXXX");
    EXPECT_EQ(TemporaryPatternFor("/x.png"), "/.x.png.orlun-tmp-" + pid + "-XXXXXX");
    EXPECT_TRUE(IsTemporaryNameOf(".orlun.usr.orlun-tmp-a1B2c3", "/any/orlun.usr"));
    EXPECT_TRUE(IsTemporaryNameOf(".orlun.usr.orlun-tmp-123-a1B2c3", "/any/orlun.usr"));
    EXPECT_FALSE(IsTemporaryNameOf(".orlun.usr.orlun-tmp-12x-a1B2c3", "/any/orlun.usr"));
    EXPECT_FALSE(IsTemporaryNameOf(".orlun.usr.orlun-tmp-a1B2c", "/any/orlun.usr"));
    EXPECT_FALSE(IsTemporaryNameOf("orlun.usr.orlun-tmp-a1B2c3", "/any/orlun.usr"));
    EXPECT_FALSE(IsTemporaryNameOf(".orlun.usr", "/any/orlun.usr"));
}

TEST(CheckedWrite, ModesAreKeptOrMadePublic)
{
    Folder dir;
    ASSERT_FALSE(ReplaceFileContents(dir / "new", "x"));
    EXPECT_EQ(ModeOf(dir / "new"), 0644u);
    ::chmod((dir / "new").c_str(), 0600);
    ASSERT_FALSE(ReplaceFileContents(dir / "new", "y"));
    EXPECT_EQ(ModeOf(dir / "new"), 0600u);
    ASSERT_FALSE(ReplaceFileContents(dir / "new", "z", Permissions::Public));
    EXPECT_EQ(ModeOf(dir / "new"), 0644u);
}

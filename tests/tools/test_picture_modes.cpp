// Every picture the build draws can be read by every user of the machine, in the build tree as
// when installed: another user running the program from the build tree must not be refused.
#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace fs = std::filesystem;

TEST(PictureModes, EveryPictureIsReadableByEveryone)
{
    int pictures = 0;
    for (const auto& entry : fs::directory_iterator(ORLUN_IMAGES_DIR)) {
        if (!entry.is_regular_file()) continue;
        struct stat st {};
        ASSERT_EQ(::stat(entry.path().c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0644u) << entry.path();
        ++pictures;
    }
    EXPECT_EQ(pictures, 12 + 22 + 32 + 6); // Moons, stems and branches, days, icons
}

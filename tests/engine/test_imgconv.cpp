// The image conversion: "No Error" and a PNG of the source, or a reason and no PNG.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cstring>
#include <string>

#include "engine/imgconv.h"

namespace orlun {
namespace {

struct Converted {
    int length;
    std::string message;
};

Converted Convert(const QString& from, const QString& to)
{
    char buffer[kImgconvMessageSize];
    std::memset(buffer, 0, sizeof buffer);
    const int n = convert_graphics_file_3(from.toLocal8Bit().constData(), to.toLocal8Bit().constData(), buffer);
    return {n, buffer};
}

TEST(Imgconv, WritesAPngOfTheBmpAndReportsNoError)
{
    QTemporaryDir dir;
    QImage picture(30, 20, QImage::Format_RGB32);
    picture.fill(qRgb(198, 0, 0));
    picture.setPixel(3, 4, qRgb(255, 255, 0));
    ASSERT_TRUE(picture.save(dir.filePath("month.bmp"), "BMP"));

    const Converted c = Convert(dir.filePath("month.bmp"), dir.filePath("month.png"));
    EXPECT_EQ(c.message, "No Error");
    EXPECT_EQ(c.length, 8);
    QImage png(dir.filePath("month.png"), "PNG");
    ASSERT_EQ(png.size(), QSize(30, 20));
    EXPECT_EQ(png.pixel(3, 4), qRgb(255, 255, 0));
}

TEST(Imgconv, FailuresNameTheirReasonAndLeaveNoPng)
{
    QTemporaryDir dir;
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::black);
    ASSERT_TRUE(picture.save(dir.filePath("a.bmp"), "BMP"));
    QFile text(dir.filePath("not-a-picture.bmp"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("plain text");
    text.close();

    struct Case { QString from, to; const char* starts; };
    const Case cases[] = {
        {dir.filePath("missing.bmp"), dir.filePath("b.png"), "Cannot read"},
        {dir.filePath("not-a-picture.bmp"), dir.filePath("b.png"), "Cannot read"},
        {dir.filePath("a.bmp"), dir.filePath("no-such-folder/b.png"), "The folder"},
        {dir.filePath("a.bmp"), dir.filePath("no-such-folder/") + QString(400, 'x') + ".png", "The folder"},
    };
    for (const Case& c : cases) {
        const Converted r = Convert(c.from, c.to);
        EXPECT_EQ(r.message.rfind(c.starts, 0), 0u) << r.message;
        EXPECT_EQ(r.length, static_cast<int>(r.message.size()));
        EXPECT_LT(r.length, kImgconvMessageSize);
        EXPECT_FALSE(QFile::exists(c.to));
    }
    EXPECT_TRUE(QFile::exists(dir.filePath("a.bmp")));
    EXPECT_EQ(convert_graphics_file_3("a", "b", nullptr), 0);
    char buffer[kImgconvMessageSize] = {};
    EXPECT_GT(convert_graphics_file_3(nullptr, "b", buffer), 0);
    EXPECT_STRNE(buffer, "No Error");
}

} // namespace
} // namespace orlun

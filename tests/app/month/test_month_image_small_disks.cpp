// Saving the month image on disks with too little room (tmpfs mounts of 96 KiB to 1600 KiB), from the
// window's code and from orlun-cli: every save either succeeds with a PNG that decodes, or fails
// naming the file and the reason with the user's PNG byte-identical and no temporary file left;
// a BMP named in a message decodes. Needs root to mount; skipped elsewhere.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/mount.h>

#include "app/main/Pictures.h"
#include "app/month/MonthCanvas.h"
#include "calendar/monthview/MonthView.h"
#include "calendar/western/DatePr2.h"
#include "draw/MonthImage.h"
#include "support/StateFiles.h"

using namespace orlun;
using namespace orlun::app;
using namespace orlun::draw;

namespace {

// A tmpfs of the given size at a fresh folder, unmounted at the end.
class SmallDisk {
public:
    explicit SmallDisk(int kib)
    {
        mounted_ = ::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0,
                           QByteArray("size=" + QByteArray::number(kib) + "k").constData()) == 0;
    }
    ~SmallDisk()
    {
        if (mounted_) ::umount(QFile::encodeName(dir_.path()).constData());
    }
    bool Mounted() const { return mounted_; }
    QString File(const QString& name) const { return dir_.filePath(name); }
    QStringList Names() const { return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden); }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};

// A PNG decodes whole: it ends in the IEND chunk and the reader gives the expected size.
bool DecodesAs(const QString& path, const char* format, const QSize& size)
{
    const QByteArray bytes = test::ReadAll(path);
    if (qstrcmp(format, "PNG") == 0 && !bytes.endsWith(QByteArray::fromHex("0000000049454e44ae426082"))) return false;
    QImageReader reader(path, format);
    const QImage image = reader.read();
    return !image.isNull() && image.size() == size;
}

QByteArray OnePixelPng()
{
    QImage pixel(1, 1, QImage::Format_RGB32);
    pixel.fill(Qt::white);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    pixel.save(&buffer, "PNG");
    return bytes;
}

struct Attempt {
    bool saved = false;
    QString message; // what the user was told
};

QList<int> Sizes()
{
    QList<int> kib;
    for (int k = 96; k <= 1600; k += 64) kib << k;
    kib << 1472 << 1512 << 1568 << 1576; // around the sizes of the BMP and of BMP plus PNG
    return kib;
}

} // namespace

class TestMonthImageSmallDisks : public QObject {
    Q_OBJECT
    QImage picture_;

    // Checks one attempt's outcome on the disk; `old` is the PNG that was there before (or empty).
    void Check(const SmallDisk& disk, const Attempt& attempt, const QByteArray& old)
    {
        const QString png = disk.File("month.png");
        if (attempt.saved) {
            QVERIFY2(DecodesAs(png, "PNG", picture_.size()), qPrintable(attempt.message));
        } else {
            QVERIFY2(attempt.message.contains("Cannot write the file " + disk.File("month.")) ||
                         attempt.message.contains("The folder "),
                     qPrintable(attempt.message));
            QVERIFY2(attempt.message.contains("(No space left on device)"), qPrintable(attempt.message));
            if (!old.isEmpty()) QCOMPARE(test::ReadAll(png), old);
            if (attempt.message.contains("saved instead in the BMP file"))
                QVERIFY(DecodesAs(disk.File("month.bmp"), "BMP", picture_.size()));
        }
        for (const QString& name : disk.Names()) QVERIFY2(!name.startsWith('.'), qPrintable(name));
    }

    Attempt SaveFromTheWindow(const SmallDisk& disk)
    {
        const MonthImageResult r = SaveMonthImage(picture_, disk.File("month.png"));
        if (r.outcome == MonthImageOutcome::Png) return {true, r.path};
        return {false, r.outcome == MonthImageOutcome::BmpOnly ? BmpFallbackText(r) : SaveFailureText(r)};
    }

    static Attempt SaveFromTheCommandLine(const SmallDisk& disk)
    {
        QProcess cli;
        cli.start(ORLUN_CLI, {"calendar", "--date", "2013-02-10 CE", "--png", disk.File("month.png")});
        if (!cli.waitForFinished(60000)) return {false, "orlun-cli did not finish"};
        const QString err = QString::fromLocal8Bit(cli.readAllStandardError());
        return {cli.exitStatus() == QProcess::NormalExit && cli.exitCode() == 0, err};
    }

private slots:
    void initTestCase()
    {
        if (!SmallDisk(96).Mounted()) QSKIP("mounting a tmpfs needs root");
        MonthCanvas canvas;
        QString failed;
        QVERIFY(canvas.LoadPictures(PictureFolder(), failed));
        const auto settings = SettingsForCountry(Country::China);
        canvas.SetMonth(MonthViewOf(DayNumber(GregorianJDN(2013, 2, 10).value()), DayNumber(0), settings), false);
        picture_ = canvas.grab().toImage();
    }

    void everySaveSucceedsWholeOrFailsKeepingTheOldPng_data()
    {
        QTest::addColumn<int>("kib");
        QTest::addColumn<bool>("oldPng");
        QTest::addColumn<bool>("commandLine");
        for (const int kib : Sizes())
            for (const bool old : {false, true})
                for (const bool cli : {false, true})
                    QTest::addRow("%d KiB%s%s", kib, old ? " over a PNG" : "", cli ? " orlun-cli" : " window")
                        << kib << old << cli;
    }

    void everySaveSucceedsWholeOrFailsKeepingTheOldPng()
    {
        QFETCH(int, kib);
        QFETCH(bool, oldPng);
        QFETCH(bool, commandLine);
        SmallDisk disk(kib);
        QVERIFY(disk.Mounted());
        const QByteArray old = oldPng ? OnePixelPng() : QByteArray();
        if (oldPng) {
            QFile f(disk.File("month.png"));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(old) == old.size());
        }
        const Attempt attempt = commandLine ? SaveFromTheCommandLine(disk) : SaveFromTheWindow(disk);
        Check(disk, attempt, old);
    }
};

QTEST_MAIN(TestMonthImageSmallDisks)
#include "test_month_image_small_disks.moc"

// orlun-cli calendar: the lunar month of a moment as the calendar window draws it, as text (one
// row per quarter of the month) or as a PNG (BMP, JPEG) image drawn by the painter the calendar
// window uses.
#include <QBuffer>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdlib>
#include <optional>

#include "CliArgs.h"
#include "CliEvents.h"
#include "CliMoment.h"
#include "Commands.h"
#include "ImageTarget.h"
#include "MonthRecords.h"
#include "calendar/core/TimeScales.h"
#include "calendar/monthview/MonthGrid.h"
#include "calendar/monthview/MonthView.h"
#include "calendar/monthview/NativeMonthView.h"
#include "calendar/western/Clock.h"
#include "draw/DayPictures.h"
#include "draw/MonthImage.h"
#include "draw/MonthPainter.h"
#include "draw/PictureFolder.h"
#include "io/OutputFile.h"

namespace orlun::cli {

namespace {

// Any --ajd: a moment outside the range has no lunar month, which is said below.
constexpr MomentRule kCalendarMoment{AjdCheck::NumberOnly, "cannot read the date"};

void PrintText(const MonthView& view, bool arc, Output& out)
{
    out.Line(view.title);
    out.Line(view.yearAndMonth);
    for (int row = 0; row < kGridRows; ++row) {
        std::string line;
        for (const MonthViewCell& c : view.cells) {
            if (CellRow(c.cell) != row) continue;
            if (!line.empty()) line += " | ";
            line += CellDayLabel(view, c) + " " + c.ceText + (arc ? " " + c.arcText : "");
        }
        out.Line(line);
    }
}

// The window's words on standard error, where they cannot mix with data a script reads; a message
// that cannot be written there changes nothing about the file.
void SavedMessage(const ImageTarget& target, Output& out)
{
    out.Message(std::string("The image has been saved in the ") + FormatName(target.format) + " file");
    out.Message(target.path);
}

// The picture encoded whole and written in place: standard output, a device, a FIFO.
int WriteInPlace(const QImage& picture, const ImageTarget& target, Output& out)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, FormatName(target.format))) {
        out.Message(std::string("orlun-cli: the picture could not be encoded as ") + FormatName(target.format));
        return 1;
    }
    const auto failure = io::WriteWholeFile(target.path, {bytes.constData(), static_cast<size_t>(bytes.size())});
    if (failure && target.path == "-") {
        out.Message("orlun-cli: cannot write to standard output (" + failure->reason + ")");
        return kExitUnwritten;
    }
    if (failure) {
        out.Message("orlun-cli: " + io::Describe(*failure));
        return kExitUnwritten;
    }
    if (target.path != "-") SavedMessage(target, out);
    return 0;
}

// Through the window's save: the BMP step beside the file, then the conversion.
int WriteFile(const QImage& picture, const ImageTarget& target, Output& out)
{
    const QString path = QString::fromLocal8Bit(target.path.c_str());
    const draw::MonthImageResult saved = draw::SaveMonthImage(picture, path);
    switch (saved.outcome) {
    case draw::MonthImageOutcome::Png: SavedMessage(target, out); return 0;
    case draw::MonthImageOutcome::BmpOnly: out.Message(draw::BmpFallbackText(saved).toStdString()); return kExitUnwritten;
    case draw::MonthImageOutcome::Failed: break;
    }
    out.Message("orlun-cli: " + draw::SaveFailureText(saved).toStdString());
    return kExitUnwritten;
}

int WriteImage(const MonthView& view, bool arc, const ImageTarget& target, Output& out)
{
    // Drawing needs Qt GUI's fonts, but no display.
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int argc = 1;
    char name[] = "orlun-cli";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    draw::DayPictures pictures;
    QString failed;
    if (!pictures.Load(draw::PictureFolder(), failed)) {
        out.Message("orlun-cli: cannot read the picture " + failed.toStdString());
        return 1;
    }
    const QFileInfo folder(QFileInfo(QString::fromLocal8Bit(target.path.c_str())).absolutePath());
    if (!target.inPlace && !folder.isDir()) {
        out.Message("orlun-cli: cannot write " + target.path + ": the folder " + folder.filePath().toStdString() +
                    " does not exist");
        return kExitUnwritten;
    }
    // At the screen's pixel ratio, as the window's grab gives it (QT_SCALE_FACTOR scales both).
    const QImage picture = draw::DrawMonthImage({view, arc, pictures, QGuiApplication::font()}, app.devicePixelRatio());
    return target.inPlace ? WriteInPlace(picture, target, out) : WriteFile(picture, target, out);
}

} // namespace

int RunCalendar(const Options& options, Output& out)
{
    const bool arc = options.Has("arc"), text = options.Has("text");
    if (!options.Positionals().empty()) throw UsageError{"calendar takes no positional arguments"};
    if (!text && !options.Get("png")) throw UsageError{"calendar needs --text or --png FILE"};
    const auto png = options.Get("png");
    const auto image = png ? std::optional(ImageTargetOf(*png)) : std::nullopt;
    const auto output = options.Get("output");
    if (text && image && image->path == "-" && (!output || *output == "-"))
        throw UsageError{"--text and --png - cannot both write to standard output"};
    CalendarSettings settings = SettingsFromOptions(options);
    const Language language = LanguageOf(options);
    const Moment ajd = ReadMoment(options, settings, kCalendarMoment);
    const auto first = FirstDayOfMonthAt(AJDToCJDC(ajd, settings.meridian), settings);
    if (!first) {
        out.Message("orlun-cli: the lunar month of this moment lies outside the years -3000 to 3000");
        return 1;
    }
    // The title, the CE months and the cells in the language, as the window shows them and draws them.
    const MonthView view = InLanguage(MonthViewOf(*first, TodayJDN(SystemClock()), settings), language);
    if (text && out.IsText()) PrintText(view, arc, out);
    else if (text) WriteMonthCells(view, out);
    if (image) return WriteImage(view, arc, *image, out);
    return 0;
}

} // namespace orlun::cli

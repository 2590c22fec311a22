// orlun-cli calendar: the lunar month of a moment as the calendar window draws it, as text (one
// row per quarter of the month) or as a PNG image drawn by the painter the calendar window uses.
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdlib>

#include "CliArgs.h"
#include "CliEvents.h"
#include "CliMoment.h"
#include "Commands.h"
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

int WritePng(const MonthView& view, bool arc, const std::string& file, Output& out)
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
    const QString png = draw::WithPngSuffix(QString::fromLocal8Bit(file.c_str()));
    const QFileInfo folder(QFileInfo(png).absolutePath());
    if (!folder.isDir()) {
        out.Message("orlun-cli: cannot write " + png.toStdString() + ": the folder " + folder.filePath().toStdString() +
                    " does not exist");
        return 1;
    }
    // At the screen's pixel ratio, as the window's grab gives it (QT_SCALE_FACTOR scales both).
    const QImage picture = draw::DrawMonthImage({view, arc, pictures, QGuiApplication::font()}, app.devicePixelRatio());
    const draw::MonthImageResult saved = draw::SaveMonthImage(picture, png);
    switch (saved.outcome) {
    case draw::MonthImageOutcome::Png:
        out.Line("The image has been saved in the PNG file");
        out.Line(saved.path.toStdString());
        return 0;
    case draw::MonthImageOutcome::BmpOnly:
        out.Message(draw::BmpFallbackText(saved).toStdString());
        return 1;
    case draw::MonthImageOutcome::Failed: break;
    }
    out.Message("orlun-cli: " + draw::SaveFailureText(saved).toStdString());
    return 1;
}

} // namespace

int RunCalendar(const Options& options, Output& out)
{
    const bool arc = options.Has("arc"), text = options.Has("text");
    if (!options.Positionals().empty()) throw UsageError{"calendar takes no positional arguments"};
    if (!text && !options.Get("png")) throw UsageError{"calendar needs --text or --png FILE"};
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
    if (auto png = options.Get("png")) return WritePng(view, arc, *png, out);
    return 0;
}

} // namespace orlun::cli

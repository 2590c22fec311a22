// orlun-cli calendar: the lunar month of a moment as the calendar window draws it, as text (one
// row per quarter of the month) or as a PNG image drawn by the painter the calendar window uses.
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

#include "CliArgs.h"
#include "Commands.h"
#include "calendar/core/TimeScales.h"
#include "calendar/entry/Convert.h"
#include "calendar/monthview/MonthGrid.h"
#include "calendar/monthview/MonthView.h"
#include "calendar/western/Clock.h"
#include "draw/DayPictures.h"
#include "draw/MonthImage.h"
#include "draw/MonthPainter.h"
#include "draw/PictureFolder.h"

namespace orlun::cli {

namespace {

double MomentOf(const Options& options, const CalendarSettings& settings)
{
    const auto ajd = options.Get("ajd");
    const auto date = options.Get("date");
    if (ajd.has_value() == date.has_value()) throw UsageError{"calendar needs --ajd X or --date \"TEXT\""};
    if (ajd) {
        const auto value = ParseDouble(*ajd);
        if (!value) throw UsageError{"--ajd must be a number"};
        return *value;
    }
    DateEntry entry;
    entry.date = *date;
    const ConvertResult r = ConvertEntry(entry, true, CurrentAJDate(SystemClock()).ajd(), settings,
                                         [](const std::string&) { return false; });
    if (r.outcome == ConvertOutcome::OutOfRange) throw UsageError{"cannot read the date: " + DateRangeMessage(r.range)};
    if (r.outcome == ConvertOutcome::EntryError) {
        std::string message = DateEntryErrorMessage(r.errorCode, settings.country);
        for (size_t at; (at = message.find("\r\n")) != std::string::npos;) message.erase(at, 1);
        throw UsageError{"cannot read the date: " + message};
    }
    return r.ajd;
}

void PrintText(const MonthView& view, bool arc)
{
    std::printf("%s\n%s\n", view.title.c_str(), view.yearAndMonth.c_str());
    for (int row = 0; row < kGridRows; ++row) {
        std::string line;
        for (const MonthViewCell& c : view.cells) {
            if (CellRow(c.cell) != row) continue;
            if (!line.empty()) line += " | ";
            line += std::to_string(c.day) + " " + c.ceText + (arc ? " " + c.arcText : "");
        }
        std::printf("%s\n", line.c_str());
    }
}

int WritePng(const MonthView& view, bool arc, const std::string& file)
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
        std::fprintf(stderr, "orlun-cli: cannot read the picture %s\n", qPrintable(failed));
        return 1;
    }
    const QString png = draw::WithPngSuffix(QString::fromLocal8Bit(file.c_str()));
    const QFileInfo folder(QFileInfo(png).absolutePath());
    if (!folder.isDir()) {
        std::fprintf(stderr, "orlun-cli: cannot write %s: the folder %s does not exist\n", qPrintable(png),
                     qPrintable(folder.filePath()));
        return 1;
    }
    // At the screen's pixel ratio, as the window's grab gives it (QT_SCALE_FACTOR scales both).
    const QImage picture = draw::DrawMonthImage({view, arc, pictures, QGuiApplication::font()}, app.devicePixelRatio());
    const draw::MonthImageResult saved = draw::SaveMonthImage(picture, png);
    switch (saved.outcome) {
    case draw::MonthImageOutcome::Png:
        std::printf("The image has been saved in the PNG file\n%s\n", qPrintable(saved.path));
        return 0;
    case draw::MonthImageOutcome::BmpOnly:
        std::fprintf(stderr, "%s\n", qPrintable(draw::BmpFallbackText(saved)));
        return 1;
    case draw::MonthImageOutcome::Failed: break;
    }
    std::fprintf(stderr, "orlun-cli: %s\n", qPrintable(draw::SaveFailureText(saved)));
    return 1;
}

} // namespace

int RunCalendar(const std::vector<std::string>& rawArgs)
{
    std::vector<std::string> args;
    bool arc = false, text = false;
    for (const std::string& a : rawArgs) {
        if (a == "--arc") arc = true;
        else if (a == "--text") text = true;
        else args.push_back(a);
    }
    const Options options(args, {"ajd", "date", "country", "epoch", "png"});
    if (!options.Positionals().empty()) throw UsageError{"calendar takes no positional arguments"};
    if (!text && !options.Get("png")) throw UsageError{"calendar needs --text or --png FILE"};
    CalendarSettings settings = SettingsFromOptions(options);
    const double ajd = MomentOf(options, settings);
    const auto first = FirstDayOfMonthAt(AJDToCJDC(ajd, settings.refLongitude), settings);
    if (!first) {
        std::fprintf(stderr, "orlun-cli: the lunar month of this moment lies outside the years -3000 to 3000\n");
        return 1;
    }
    const MonthView view = MonthViewOf(*first, TodayJDN(SystemClock()).value(), settings);
    if (text) PrintText(view, arc);
    if (auto png = options.Get("png")) return WritePng(view, arc, *png);
    return 0;
}

} // namespace orlun::cli

#include "day_pictures.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

#include "calendar/monthview/MonthGrid.h"
#include "moon_surface.h"

namespace imagegen {

namespace {

constexpr std::uint32_t kSurfaceSeed = 0x4f726c75U;  // the main window's Moon, same face
constexpr int kSamples = 4;
constexpr double kSynodicMonth = 29.530588;
constexpr double kPi = 3.14159265358979323846;

double smoothstep(double e0, double e1, double x) {
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

// A surface point under the Sun at elongation e: lit part as in the main window's pictures,
// the night side in faint earthshine.
Rgb shadePhase(const MoonSurface& surface, const Vec3& p, double e) {
    const Vec3 sun{std::sin(e), 0.0, -std::cos(e)};
    const double mu0 = p.x * sun.x + p.y * sun.y + p.z * sun.z;
    const double day = smoothstep(-0.04, 0.06, mu0);
    const Rgb albedo = surface.albedo(p);
    const double light = (0.80 + 0.20 * std::sqrt(p.z)) * (0.42 + 0.58 * std::sqrt(std::max(mu0, 0.0)));
    const double night = 0.15 - 0.03 * surface.mareCover(p);
    Rgb out{};
    for (int i = 0; i < 3; ++i) out[i] = day * albedo[i] * light + (1.0 - day) * night;
    return out;
}

int channel(double v) { return std::clamp(static_cast<int>(std::lround(v * 255.0)), 0, 255); }

// The age of the Moon in the middle of the day shown by a grid cell; the two cells that never
// show a day get the age between their neighbours.
double ageOfCell(int cell) {
    const int day = orlun::LunarDayOfCell(cell);
    const double d = day > 0 ? day : orlun::LunarDayOfCell(cell - 1) + 0.5;
    return d - 0.5;
}

}  // namespace

QImage drawPhaseMoon(double age, int size) {
    static const MoonSurface surface(kSurfaceSeed);
    const double e = 2.0 * kPi * age / kSynodicMonth;
    const double centre = size / 2.0, radius = size / 2.0 - 1.0;
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const Rgb edge{kCalendarBackground.redF(), kCalendarBackground.greenF(), kCalendarBackground.blueF()};
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            Rgb sum{0, 0, 0};
            int covered = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx) {
                    const double u = (x + (sx + 0.5) / kSamples - centre) / radius;
                    const double v = (centre - y - (sy + 0.5) / kSamples) / radius;
                    const double rr = u * u + v * v;
                    if (rr > 1.0) continue;
                    const Rgb c = shadePhase(surface, Vec3{u, v, std::sqrt(1.0 - rr)}, e);
                    for (int i = 0; i < 3; ++i) sum[i] += c[i];
                    ++covered;
                }
            if (covered == 0) continue;
            const double k = static_cast<double>(covered) / (kSamples * kSamples);
            Rgb out{};
            // The soft edge fades into the window's red; a GIF keeps only opaque or clear pixels.
            for (int i = 0; i < 3; ++i) out[i] = sum[i] / covered * k + edge[i] * (1.0 - k);
            image.setPixel(x, y, qRgba(channel(out[0]), channel(out[1]), channel(out[2]), k < 0.35 ? 0 : 255));
        }
    return image;
}

std::vector<NamedPicture> dayPictures() {
    std::vector<NamedPicture> out;
    for (int cell = 0; cell < orlun::kGridCells; ++cell)
        out.push_back({QStringLiteral("day%1.gif").arg(orlun::PictureNumberOfCell(cell)),
                       drawPhaseMoon(ageOfCell(cell), kDayPictureSize)});
    return out;
}

std::vector<NamedPicture> iconPictures() {
    std::vector<NamedPicture> out;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        QImage icon(size, size, QImage::Format_ARGB32);
        icon.fill(Qt::transparent);
        QPainter painter(&icon);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kCalendarBackground);
        painter.drawRoundedRect(QRectF(0, 0, size, size), size * 0.18, size * 0.18);
        const int moon = std::max(12, size * 3 / 4);
        const QImage disc = drawPhaseMoon(10.0, moon * 2).scaled(moon, moon, Qt::IgnoreAspectRatio,
                                                                 Qt::SmoothTransformation);
        painter.drawImage((size - moon) / 2, (size - moon) / 2, disc);
        painter.end();
        out.push_back({QStringLiteral("orlun-%1.png").arg(size), icon});
    }
    return out;
}

}  // namespace imagegen

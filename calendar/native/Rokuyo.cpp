#include "calendar/native/Rokuyo.h"

namespace orlun {

namespace {
constexpr int kRokuyoCount = 6;
} // namespace

std::optional<Rokuyo> RokuyoOf(int month, int day)
{
    if (month < 1 || month > 12 || day < 1 || day > 30) return std::nullopt;
    return static_cast<Rokuyo>((month + day) % kRokuyoCount);
}

std::string RokuyoText(Rokuyo rokuyo)
{
    switch (rokuyo) {
    case Rokuyo::Taian: return "大安";
    case Rokuyo::Shakko: return "赤口";
    case Rokuyo::Sensho: return "先勝";
    case Rokuyo::Tomobiki: return "友引";
    case Rokuyo::Senbu: return "先負";
    case Rokuyo::Butsumetsu: return "仏滅";
    }
    return "";
}

} // namespace orlun

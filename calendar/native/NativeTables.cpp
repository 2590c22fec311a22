#include "calendar/native/NativeTables.h"

namespace orlun {

namespace {

constexpr std::array<std::string_view, kStemCount> kHanStems = {"甲", "乙", "丙", "丁", "戊",
                                                                  "己", "庚", "辛", "壬", "癸"};
constexpr std::array<std::string_view, kBranchCount> kHanBranches = {
    "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};

constexpr NativeTables kSimplified{
    kHanStems,
    kHanBranches,
    {"鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"},
    {"正月", "二月", "三月", "四月", "五月", "六月", "七月", "八月", "九月", "十月", "冬月", "腊月"},
    "闰",
    {"立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至", "小暑", "大暑",
     "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至", "小寒", "大寒"},
    {"朔", "上弦", "望", "下弦"},
    "大",
    "小",
    {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"},
};

constexpr NativeTables kTraditional{
    kHanStems,
    kHanBranches,
    {"鼠", "牛", "虎", "兔", "龍", "蛇", "馬", "羊", "猴", "雞", "狗", "豬"},
    {"正月", "二月", "三月", "四月", "五月", "六月", "七月", "八月", "九月", "十月", "冬月", "臘月"},
    "閏",
    {"立春", "雨水", "驚蟄", "春分", "清明", "穀雨", "立夏", "小滿", "芒種", "夏至", "小暑", "大暑",
     "立秋", "處暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至", "小寒", "大寒"},
    {"朔", "上弦", "望", "下弦"},
    "大",
    "小",
    {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"},
};

// Sino-Vietnamese readings; the animals of Vietnam (the buffalo for Sửu, the cat for Mão).
constexpr NativeTables kVietnamese{
    {"Giáp", "Ất", "Bính", "Đinh", "Mậu", "Kỷ", "Canh", "Tân", "Nhâm", "Quý"},
    {"Tý", "Sửu", "Dần", "Mão", "Thìn", "Tỵ", "Ngọ", "Mùi", "Thân", "Dậu", "Tuất", "Hợi"},
    {"Chuột", "Trâu", "Hổ", "Mèo", "Rồng", "Rắn", "Ngựa", "Dê", "Khỉ", "Gà", "Chó", "Lợn"},
    {"Giêng", "Hai", "Ba", "Tư", "Năm", "Sáu", "Bảy", "Tám", "Chín", "Mười", "Mười Một", "Chạp"},
    "nhuận",
    {"Lập xuân", "Vũ thủy", "Kinh trập", "Xuân phân", "Thanh minh", "Cốc vũ",
     "Lập hạ", "Tiểu mãn", "Mang chủng", "Hạ chí", "Tiểu thử", "Đại thử",
     "Lập thu", "Xử thử", "Bạch lộ", "Thu phân", "Hàn lộ", "Sương giáng",
     "Lập đông", "Tiểu tuyết", "Đại tuyết", "Đông chí", "Tiểu hàn", "Đại hàn"},
    {"Trăng non", "Thượng huyền", "Trăng tròn", "Hạ huyền"},
    "đủ",
    "thiếu",
    {"Chủ Nhật", "Thứ Hai", "Thứ Ba", "Thứ Tư", "Thứ Năm", "Thứ Sáu", "Thứ Bảy"},
};

// Japanese forms of the sekki (啓蟄, 小満, 処暑) and the Japanese animals (兎, 竜, 猿, 鶏, 犬, 猪).
constexpr NativeTables kJapanese{
    kHanStems,
    kHanBranches,
    {"鼠", "牛", "虎", "兎", "竜", "蛇", "馬", "羊", "猿", "鶏", "犬", "猪"},
    {"1月", "2月", "3月", "4月", "5月", "6月", "7月", "8月", "9月", "10月", "11月", "12月"},
    "閏",
    {"立春", "雨水", "啓蟄", "春分", "清明", "穀雨", "立夏", "小満", "芒種", "夏至", "小暑", "大暑",
     "立秋", "処暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至", "小寒", "大寒"},
    {"新月", "上弦", "満月", "下弦"},
    "大",
    "小",
    {"日曜日", "月曜日", "火曜日", "水曜日", "木曜日", "金曜日", "土曜日"},
};

} // namespace

const NativeTables& TablesOf(NativeLanguage language)
{
    switch (language) {
    case NativeLanguage::ChineseSimplified: return kSimplified;
    case NativeLanguage::ChineseTraditional: return kTraditional;
    case NativeLanguage::Vietnamese: return kVietnamese;
    case NativeLanguage::Japanese: return kJapanese;
    }
    return kSimplified;
}

} // namespace orlun

#!/bin/bash
# orlun-cli --lang: the dates every user of a lunisolar calendar knows, in their own script, on each
# command that shows calendar names; English and no --lang alike; a bad language refused.
cli="$1"
fail=0
tab=$'\t'

# Each row: the command (with its moment, country and language) | a text its output holds.
# 2024-02-10 is the dragon year's new year, 2023-03-22 the leap second month's first day,
# 2025-04-04 the first day of 清明, 2024-09-17 Mid-Autumn (lunar 8-15).
while IFS='|' read -r args expected; do
  [ -z "$args" ] && continue
  out=$(eval "\"$cli\" $args" 2>&1)
  grep -qF -- "$expected" <<<"$out" || { echo "FAILED: $args lacks [$expected]:"; head -5 <<<"$out"; fail=1; }
done <<'TABLE'
lines --ajd 2460351 --lang zh-Hans --country China|简体中文	甲辰年正月初一　龙年　甲辰日
convert "2024-02-10 CE" --lang zh-Hans --country China|正月
convert "2023-03-22 CE" --lang zh-Hans --country China|闰二月初一
convert "2023-03-22 CE" --lang zh-Hant --country China|閏二月初一
convert "2025-04-04 CE" --lang zh-Hans --country China|清明
convert "2024-02-10 CE" --lang vi --country Vietnam|mùng 1 tháng Giêng năm Giáp Thìn
convert "2023-03-22 CE" --lang vi --country Vietnam|tháng Hai nhuận năm Quý Mão
convert "2024-02-10 CE" --lang ja --country Japan|旧暦1月1日　先勝
convert "2024-09-17 CE" --lang ja --country Japan|旧暦8月15日　仏滅
move "CHL month" --date "2023-02-20 CE" --lang zh-Hans --country China|癸卯年闰二月初一
search "Dark moon" --date "2023-03-15 CE" --lang vi --country Vietnam|mùng 1 tháng Hai nhuận
multiple --day wood-dragon --date "2024-02-01 CE" --lang zh-Hant|甲辰年正月初一
months 2023 2023 --lang zh-Hans --country China|2023	2	1	2023-03-22	29	闰二月	小
months 2023 2023 --lang vi --country Vietnam|tháng Hai nhuận	thiếu
months 2024 2024 --lang ja --country Japan|2024-12-31	29	12月	小
terms 2024 --lang ja|啓蟄
terms 2024 --lang ja|小満
terms 2024 --lang ja|処暑
terms 2024 --lang zh-Hant|驚蟄
terms 2024 --lang zh-Hans|0	Z11	2459936.2417	2022-12-22 05:48	冬至
terms 2025 --lang vi --country Vietnam|Thanh minh
phases 0 0 --lang zh-Hans|2000-01-21 04:40:27	望
phases 0 0 --lang ja|満月
calendar --text --date "2024-02-10 CE" --lang zh-Hans --country China|初一 Sat Feb 10
calendar --text --date "2024-02-10 CE" --lang zh-Hans --country China|十五 Sat Feb 24
calendar --text --date "2023-03-22 CE" --lang zh-Hant --country China|癸卯年　閏二月小
calendar --text --date "2023-03-22 CE" --lang zh-Hant --country China|公曆2023年3月至4月
calendar --text --date "2023-03-22 CE" --lang zh-Hant --country China|十五 清明 Wed Apr 5
calendar --text --date "2024-02-10 CE" --lang ja --country Japan --format csv|25日,先勝 啓蟄
calendar --text --date "2024-02-10 CE" --lang vi --country Vietnam|mùng 1 Sat Feb 10
calendar --text --date "2024-09-17 CE" --lang ja --country Japan|15日 仏滅 Tue Sep 17
list newyears --date "2024-02-10 CE" --years 2 --lang zh-Hans|JDN 12m J1:0 Z1:1  甲辰年正月初一
list months --date "2023-03-22 CE" --years 1 --leap-only --lang zh-Hant|29 days  癸卯年閏二月初一
list jcce --date "2024-02-10 CE" --years 1 --lang vi|2024-01-01 CE = 79-40-11-20 CHL  ngày 20 tháng Mười Một năm Quý Mão
list jcce --date "2024-02-10 CE" --years 1 --lang vi|year 40 of cycle 79  năm Quý Mão, tháng Giáp Tý, ngày Giáp Tý
yeardata --date "2023-03-22 CE" --lang zh-Hans|LN 287 M2* (0 zq)  闰二月
yeardata --date "2023-03-22 CE" --lang zh-Hans|Nian  79-40  癸卯年
yeardata --date "2025-04-04 CE" --lang ja|ST 8 J3  清明
days 2024-02-10 2024-02-10 --lang vi --country Vietnam|mùng 1 tháng Giêng năm Giáp Thìn	năm Giáp Thìn	tháng Giêng
days 2024-09-17 2024-09-17 --lang ja --country Japan --format json|"rokuyo": "仏滅"
festivals 2024 --lang zh-Hans --country China|春节
TABLE

# English, spelt out or not given, is the program's own output, byte for byte.
for args in "lines --ajd 2460351" "months 2023 2023" "terms 2024" "phases 0 1" "calendar --text --ajd 2460351" \
            "list months --ajd 2460351 --years 1" "yeardata --ajd 2460351" "days 2024-02-10 2024-02-12 --format json" \
            "move \"CHL month\" --ajd 2460351 --steps 2 --format csv"; do
  if [ "$(eval "\"$cli\" $args")" != "$(eval "\"$cli\" $args --lang en")" ]; then
    echo "FAILED: $args --lang en differs from $args"; fail=1
  fi
done
# The system's locale is not read: only --lang chooses.
if [ "$(LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 LANGUAGE=zh_CN "$cli" lines --ajd 2460351)" != "$("$cli" lines --ajd 2460351)" ]; then
  echo "FAILED: the locale changed the output"; fail=1
fi
# selftest takes --lang and stays English.
[ "$("$cli" selftest --seed 5 --lang ja)" = "$("$cli" selftest --seed 5)" ] || { echo "FAILED: selftest in ja"; fail=1; }
# The native fields only with a native language: the English header stays.
[ "$("$cli" months 2023 2023 --format csv | head -1)" = $'year,month,leap,start,days\r' ] || { echo "FAILED: months header"; fail=1; }
[ "$("$cli" months 2023 2023 --format csv --lang ja | head -1)" = $'year,month,leap,start,days,native_month,native_size\r' ] ||
  { echo "FAILED: months header in ja"; fail=1; }

# A language that is none, or no value, is a usage error naming the valid ones.
for args in "lines --ajd 2460351 --lang fr" "months 2023 2023 --lang zh" "terms 2024 --lang" "calendar --text --ajd 2460351 --lang english"; do
  err=$(eval "\"$cli\" $args" 2>&1 >/dev/null); code=$?
  { [ "$code" = 2 ] && grep -qF "en, zh-Hans, zh-Hant, vi, ja" <<<"$err"; } ||
    { [ "$code" = 2 ] && [[ "$args" == *"--lang" ]]; } || { echo "FAILED: $args exits $code: $err" | head -2; fail=1; }
done
exit $fail

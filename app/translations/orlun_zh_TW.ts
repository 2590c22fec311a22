<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>orlun::CalendarTexts</name>
    <message>
        <location filename="CalendarTexts.cpp" line="+14" />
        <source>60-day cycle</source>
        <translation>六十日週期</translation>
    </message>
    <message>
        <location line="+1" />
        <source>60-year cycle (CHL)</source>
        <translation>六十年週期（CHL）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>60-year cycle (CHS)</source>
        <translation>六十年週期（CHS）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>80-year cycle (JC)</source>
        <translation>80 年週期（JC）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ARC date 1 day ahead of CHL</source>
        <translation>ARC 日期比 CHL 超前 1 天</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ARC date 1 day behind CHL</source>
        <translation>ARC 日期比 CHL 落後 1 天</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ARC date 1 month ahead of CHL</source>
        <translation>ARC 日期比 CHL 超前 1 個月</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ARC date 1 month behind CHL</source>
        <translation>ARC 日期比 CHL 落後 1 個月</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ARC day no. same as CHL</source>
        <translation>ARC 日序與 CHL 相同</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ARC day same as CHL</source>
        <translation>ARC 日與 CHL 相同</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ARC month &amp; day same as CHL</source>
        <translation>ARC 月、日與 CHL 相同</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ARC month (%1)</source>
        <translation>ARC 月（%1）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ARC month no. same as CHL</source>
        <translation>ARC 月序與 CHL 相同</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ARC year (%1)</source>
        <translation>ARC 年（%1）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Autumnal equinox</source>
        <translation>秋分</translation>
    </message>
    <message>
        <location line="+1" />
        <source>CE century</source>
        <translation>公曆世紀</translation>
    </message>
    <message>
        <location line="+1" />
        <source>CE month</source>
        <translation>公曆月</translation>
    </message>
    <message>
        <location line="+1" />
        <source>CE year</source>
        <translation>公曆年</translation>
    </message>
    <message>
        <location line="+1" />
        <source>CHL month</source>
        <translation>CHL 月</translation>
    </message>
    <message>
        <location line="+1" />
        <source>CHL year</source>
        <translation>CHL 年</translation>
    </message>
    <message>
        <location line="+1" />
        <source>CHS solar term</source>
        <translation>CHS 節氣</translation>
    </message>
    <message>
        <location line="+1" />
        <source>CHS year</source>
        <translation>CHS 年</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Calendar dates unchanged.</source>
        <translation>曆法日期未變更。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Calendar must be specified (one of CHL, CHS, CE, JC, ARC, CJDL, CJDC, AJD).</source>
        <translation>必須指定曆法（CHL、CHS、CE、JC、ARC、CJDL、CJDC、AJD 之一）。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Calendar?</source>
        <translation>曆法？</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Cannot find required dark moon.</source>
        <translation>找不到所需的朔。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>China</source>
        <translation>中國</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Chinese</source>
        <translation>中國</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Convert date</source>
        <translation>轉換日期</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Dark moon</source>
        <translation>朔（新月）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Date is earlier than -3000-01-01 CE.</source>
        <translation>日期早於 -3000-01-01 CE。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Date is later than 3000-01-01 CE.</source>
        <translation>日期晚於 3000-01-01 CE。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Date out of range</source>
        <translation>日期超出範圍</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Date separator must be a dash, '-'.</source>
        <translation>日期分隔符號必須是連字號「-」。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Date too early.</source>
        <translation>日期過早。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Element-animal day</source>
        <translation>五行生肖日</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Element-animal month</source>
        <translation>五行生肖月</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Element-animal year</source>
        <translation>五行生肖年</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Error when parsing date string.</source>
        <translation>剖析日期字串時發生錯誤。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Full moon</source>
        <translation>望（滿月）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Inability</source>
        <translation>無法執行</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Intercalary month</source>
        <translation>閏月</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid</source>
        <translation>無效</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid ARC date.  ARC dates must be in ISO 8601 format: year-month-day</source>
        <translation>ARC 日期無效。ARC 日期必須採用 ISO 8601 格式：年-月-日</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid CE date.  CE dates must be in ISO 8601 format: year-month-day</source>
        <translation>CE 日期無效。CE 日期必須採用 ISO 8601 格式：年-月-日</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid CHL date.  CHL dates must be in the form 'cycle-position-month[*]-day'<byte value="xd" />
or 'year-month-day', where 'year' is the Overseas Chinese year, e.g. 4709.<byte value="xd" />
<byte value="xd" />
Or use '?' for position with a specified element-animal, e.g., 70-?-12-30,<byte value="xd" />
and specify element-animal using the drop-down boxes.</source>
        <translation>CHL 日期無效。CHL 日期的格式必須為「週期-位次-月[*]-日」<byte value="xd" />
或「年-月-日」，其中「年」為海外華人紀年，例如 4709。<byte value="xd" />
<byte value="xd" />
也可在指定五行生肖時以「?」代替位次，例如 70-?-12-30，<byte value="xd" />
並在下拉式清單中選擇五行生肖。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid CHL date.  CHL dates must be in the form 'cycle-position-month[*]-day'.<byte value="xd" />
<byte value="xd" />
Or use '?' for position with a specified element-animal, e.g., 70-?-12-30,<byte value="xd" />
and specify element-animal using the drop-down boxes.</source>
        <translation>CHL 日期無效。CHL 日期的格式必須為「週期-位次-月[*]-日」。<byte value="xd" />
<byte value="xd" />
也可在指定五行生肖時以「?」代替位次，例如 70-?-12-30，<byte value="xd" />
並在下拉式清單中選擇五行生肖。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid CHL date.  Day number exceeds number of days in the month.</source>
        <translation>CHL 日期無效。日數超過了該月的天數。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid CHS date.  CHS dates must be in the form: cycle-position-solarterm-day<byte value="xd" />
</source>
        <translation>CHS 日期無效。CHS 日期的格式必須為：週期-位次-節氣-日<byte value="xd" />
</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid CJDL, CJDC, or AJD date.  These must be, e.g., 999999.99 CJDL or 2,111,111 AJD.</source>
        <translation>CJDL、CJDC 或 AJD 日期無效。格式應如 999999.99 CJDL 或 2,111,111 AJD。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid JC date.  JC dates must be in ISO 8601 format: year-month-day</source>
        <translation>JC 日期無效。JC 日期必須採用 ISO 8601 格式：年-月-日</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid date or time entry</source>
        <translation>日期或時間輸入無效</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid input</source>
        <translation>輸入無效</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid plus/minus days.</source>
        <translation>加減天數無效。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid time specification.  Times must be, e.g., 23:50.</source>
        <translation>時間無效。時間的格式應如 23:50。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Is this a AJD Calendar date?</source>
        <translation>這是 AJD 曆法的日期嗎？</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Is this a ARC Calendar date?</source>
        <translation>這是 ARC 曆法的日期嗎？</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Is this a CE Calendar date?</source>
        <translation>這是 CE 曆法的日期嗎？</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Is this a CHL Calendar date?</source>
        <translation>這是 CHL 曆法的日期嗎？</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Is this a CHS Calendar date?</source>
        <translation>這是 CHS 曆法的日期嗎？</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Is this a CJDC Calendar date?</source>
        <translation>這是 CJDC 曆法的日期嗎？</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Is this a CJDL Calendar date?</source>
        <translation>這是 CJDL 曆法的日期嗎？</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Is this a JC Calendar date?</source>
        <translation>這是 JC 曆法的日期嗎？</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Japan</source>
        <translation>日本</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Japanese</source>
        <translation>日本</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Lunar date is invalid.</source>
        <translation>農曆日期無效。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Lunar new year</source>
        <translation>農曆新年</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Lunar quarter</source>
        <translation>上弦或下弦</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Multiple element-animal day</source>
        <translation>多重五行生肖日</translation>
    </message>
    <message>
        <location line="+1" />
        <source>No date specified.</source>
        <translation>未指定日期。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Not found</source>
        <translation>找不到</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Out of range</source>
        <translation>超出範圍</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Same element-animal day and month</source>
        <translation>日月干支相同日</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Searching </source>
        <translation>正在搜尋 </translation>
    </message>
    <message>
        <location line="+1" />
        <source>Solar term</source>
        <translation>節氣</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Solar term + dark moon</source>
        <translation>節氣 + 朔</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Solar term + full moon</source>
        <translation>節氣 + 望</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Solstice or equinox</source>
        <translation>二分二至</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Solstice/equinox + dark moon</source>
        <translation>二分二至 + 朔</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Solstice/equinox + full moon</source>
        <translation>二分二至 + 望</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Summer solstice</source>
        <translation>夏至</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Time specification not permitted in date string.</source>
        <translation>日期字串中不可包含時間。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Triple coincidence day</source>
        <translation>年月日干支相同日</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Vernal equinox</source>
        <translation>春分</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Vietnam</source>
        <translation>越南</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Vietnamese</source>
        <translation>越南</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Winter solstice</source>
        <translation>冬至</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Winter solstice + dark moon</source>
        <translation>冬至 + 朔</translation>
    </message>
    <message>
        <location line="+1" />
        <source>You must specify an element or an animal or both<byte value="xd" />
for one or more of: day, month and year</source>
        <translation>必須為日、月、年中的一項或多項<byte value="xd" />
指定五行或生肖，或兩者皆指定</translation>
    </message>
    <message>
        <location line="+1" />
        <source>You must specify an element, an animal or both.</source>
        <translation>必須指定五行、生肖或兩者。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>boar</source>
        <translation>野豬</translation>
    </message>
    <message>
        <location line="+1" />
        <source>cat</source>
        <translation>貓</translation>
    </message>
    <message>
        <location line="+1" />
        <source>day</source>
        <translation>日</translation>
    </message>
    <message>
        <location line="+1" />
        <source>dog</source>
        <translation>狗</translation>
    </message>
    <message>
        <location line="+1" />
        <source>dragon</source>
        <translation>龍</translation>
    </message>
    <message>
        <location line="+1" />
        <source>earth</source>
        <translation>土</translation>
    </message>
    <message>
        <location line="+1" />
        <source>fire</source>
        <translation>火</translation>
    </message>
    <message>
        <location line="+1" />
        <source>goat</source>
        <translation>羊</translation>
    </message>
    <message>
        <location line="+1" />
        <source>horse</source>
        <translation>馬</translation>
    </message>
    <message>
        <location line="+1" />
        <source>hour</source>
        <translation>小時</translation>
    </message>
    <message>
        <location line="+1" />
        <source>metal</source>
        <translation>金</translation>
    </message>
    <message>
        <location line="+1" />
        <source>minute</source>
        <translation>分鐘</translation>
    </message>
    <message>
        <location line="+1" />
        <source>monkey</source>
        <translation>猴</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ox</source>
        <translation>牛</translation>
    </message>
    <message>
        <location line="+1" />
        <source>pig</source>
        <translation>豬</translation>
    </message>
    <message>
        <location line="+1" />
        <source>rabbit</source>
        <translation>兔</translation>
    </message>
    <message>
        <location line="+1" />
        <source>rat</source>
        <translation>鼠</translation>
    </message>
    <message>
        <location line="+1" />
        <source>rooster</source>
        <translation>雞</translation>
    </message>
    <message>
        <location line="+1" />
        <source>sheep</source>
        <translation>羊</translation>
    </message>
    <message>
        <location line="+1" />
        <source>snake</source>
        <translation>蛇</translation>
    </message>
    <message>
        <location line="+1" />
        <source>tiger</source>
        <translation>虎</translation>
    </message>
    <message>
        <location line="+1" />
        <source>water</source>
        <translation>水</translation>
    </message>
    <message>
        <location line="+1" />
        <source>wood</source>
        <translation>木</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Dates, times and CJDs of dark moons and solar terms</source>
        <translation>朔與節氣的日期、時間和 CJD</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Julian and CE new years</source>
        <translation>儒略曆與公曆新年</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Lunar anniversary</source>
        <translation>農曆週年紀念</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Lunar month starts &amp; leap months</source>
        <translation>農曆各月首日與閏月</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Lunar new years &amp; anniversaries</source>
        <translation>農曆新年與週年紀念日</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Output window is full.</source>
        <translation>輸出視窗已滿。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>There is no such day within 1 year of today.</source>
        <translation>距今天 1 年以內沒有符合條件的日子。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>There is no such day within 1 year.</source>
        <translation>1 年以內沒有符合條件的日子。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>There is no such day within 10 years of today.</source>
        <translation>距今天 10 年以內沒有符合條件的日子。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>There is no such day within 10 years.</source>
        <translation>10 年以內沒有符合條件的日子。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>There is no such day within 100 years of today.</source>
        <translation>距今天 100 年以內沒有符合條件的日子。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>There is no such day within 100 years.</source>
        <translation>100 年以內沒有符合條件的日子。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>There is no such day within 1000 years of today.</source>
        <translation>距今天 1000 年以內沒有符合條件的日子。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>There is no such day within 1000 years.</source>
        <translation>1000 年以內沒有符合條件的日子。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>in a</source>
        <translation>（任意）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>in a fire</source>
        <translation>火</translation>
    </message>
    <message>
        <location line="+1" />
        <source>in a metal</source>
        <translation>金</translation>
    </message>
    <message>
        <location line="+1" />
        <source>in a water</source>
        <translation>水</translation>
    </message>
    <message>
        <location line="+1" />
        <source>in a wood</source>
        <translation>木</translation>
    </message>
    <message>
        <location line="+1" />
        <source>in an</source>
        <translation>（任意）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>in an earth</source>
        <translation>土</translation>
    </message>
    <message>
        <location line="+1" />
        <source>within 1 year</source>
        <translation>1 年以內</translation>
    </message>
    <message>
        <location line="+1" />
        <source>within 10 years</source>
        <translation>10 年以內</translation>
    </message>
    <message>
        <location line="+1" />
        <source>within 100 years</source>
        <translation>100 年以內</translation>
    </message>
    <message>
        <location line="+1" />
        <source>within 1000 years</source>
        <translation>1000 年以內</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Unable to add a lunar month.</source>
        <translation>無法增加一個農曆月。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to subtract a lunar month.</source>
        <translation>無法減去一個農曆月。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to add a lunar year.</source>
        <translation>無法增加一個農曆年。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to subtract a lunar year.</source>
        <translation>無法減去一個農曆年。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to add a solar term.</source>
        <translation>無法增加一個節氣。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to subtract a solar term.</source>
        <translation>無法減去一個節氣。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to add a solar year.</source>
        <translation>無法增加一個太陽年。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to subtract a solar year.</source>
        <translation>無法減去一個太陽年。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to add a 60-year cycle (CHL).</source>
        <translation>無法增加一個六十年週期（CHL）。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to subtract a 60-year cycle (CHL).</source>
        <translation>無法減去一個六十年週期（CHL）。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to add a 60-year cycle (CHS).</source>
        <translation>無法增加一個六十年週期（CHS）。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to subtract a 60-year cycle (CHS).</source>
        <translation>無法減去一個六十年週期（CHS）。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to add a intercalary month.</source>
        <translation>無法增加一個閏月。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to subtract a intercalary month.</source>
        <translation>無法減去一個閏月。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Latest admissible date reached.</source>
        <translation>已到達允許的最晚日期。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Earliest admissible date reached.</source>
        <translation>已到達允許的最早日期。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid lunar date results.</source>
        <translation>所得農曆日期無效。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid lunar date results</source>
        <translation>所得農曆日期無效</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Solar date is invalid.</source>
        <translation>節氣曆日期無效。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid solar date results.</source>
        <translation>所得節氣曆日期無效。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid solar date results</source>
        <translation>所得節氣曆日期無效</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid ARC date results.</source>
        <translation>所得 ARC 日期無效。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>No moment to move from.</source>
        <translation>沒有可作為移動起點的時刻。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unknown move step.</source>
        <translation>未知的移動單位。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unknown search target.</source>
        <translation>未知的搜尋目標。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>This search is made in its own window.</source>
        <translation>此搜尋在獨立的視窗中進行。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Error when calling GetLunation() in DisplayMoonData().</source>
        <translation>在 DisplayMoonData() 中呼叫 GetLunation() 時發生錯誤。</translation>
    </message>
</context>
<context>
    <name>orlun::app::DayNames</name>
    <message>
        <location filename="../month/DayNames.cpp" line="+41" />
        <source>, </source>
        <extracomment>Between the parts of a day's name for a screen reader: its date, lunar date, term, festivals.</extracomment>
        <translation>，</translation>
    </message>
</context>
<context>
    <name>orlun::app::LanguageChoice</name>
    <message>
        <location filename="../shared/LanguageChoice.cpp" line="+44" />
        <source>System</source>
        <translation>跟隨系統</translation>
    </message>
</context>
<context>
    <name>orlun::app::MonthCanvas</name>
    <message>
        <location filename="../month/MonthCanvas.cpp" line="+39" />
        <source>Days of the month</source>
        <translation>本月各日</translation>
    </message>
    <message>
        <location line="+44" />
        <source>Moon</source>
        <translation>月亮</translation>
    </message>
    <message>
        <location line="+1" />
        <source>The Moon on lunar day %1</source>
        <translation>農曆第%1日的月亮</translation>
    </message>
</context>
<context>
    <name>orlun::app::PictureNames</name>
    <message>
        <location filename="../main/PictureNames.cpp" line="+33" />
        <source>Stem of the year</source>
        <translation>年干</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Stem of the day</source>
        <translation>日干</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Branch of the year</source>
        <translation>年支</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Branch of the day</source>
        <translation>日支</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Moon</source>
        <translation>月亮</translation>
    </message>
    <message>
        <location line="+3" />
        <source>The Moon, %1% lit, waxing</source>
        <translation>月亮，亮面占 %1%，漸盈</translation>
    </message>
    <message>
        <location line="+1" />
        <source>The Moon, %1% lit, waning</source>
        <translation>月亮，亮面占 %1%，漸虧</translation>
    </message>
    <message>
        <location line="+10" />
        <source>The character %1</source>
        <translation>字：%1</translation>
    </message>
    <message>
        <location line="+1" />
        <source>The character %1 (%2)</source>
        <translation>字：%1（%2）</translation>
    </message>
</context>
<context>
    <name>orlun::app::frmCalendar</name>
    <message>
        <location filename="../month/frmCalendar.cpp" line="+34" />
        <location line="+9" />
        <location line="+33" />
        <source>Calendar</source>
        <translation>月曆</translation>
    </message>
    <message>
        <location line="-28" />
        <source>Show previous month</source>
        <translation>顯示上個月</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Show next month</source>
        <translation>顯示下個月</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Save as PNG image</source>
        <translation>另存為 PNG 影像</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <location line="+26" />
        <source>The picture file %1 cannot be read. Please reinstall Orlun.</source>
        <translation>無法讀取圖片檔 %1。請重新安裝 Orlun。</translation>
    </message>
    <message>
        <location line="+34" />
        <source>Save image of this calendar month as a PNG file</source>
        <translation>將此月曆的影像儲存為 PNG 檔案</translation>
    </message>
    <message>
        <location line="+1" />
        <source>PNG graphics file (*.png)</source>
        <translation>PNG 圖形檔 (*.png)</translation>
    </message>
    <message>
        <location line="+9" />
        <source>Error when attempting to save image.  Please try again.
%1
Nothing was saved.</source>
        <translation>儲存影像時發生錯誤，請再試一次。
%1
未儲存任何內容。</translation>
    </message>
    <message>
        <location line="+3" />
        <location line="+5" />
        <source>Save image</source>
        <translation>儲存影像</translation>
    </message>
    <message>
        <location line="-4" />
        <source>The image has been saved in the PNG file
%1</source>
        <translation>影像已儲存至 PNG 檔案
%1</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Save error.  The image has been saved instead in the BMP file
%1
%2</source>
        <translation>儲存時發生錯誤。影像已改為儲存至 BMP 檔案
%1
%2</translation>
    </message>
</context>
<context>
    <name>orlun::app::frmData</name>
    <message>
        <location filename="../data/frmData.cpp" line="+67" />
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Copy to clipboard</source>
        <translation>複製到剪貼簿</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Copy selected text to clipboard</source>
        <translation>將選取的文字複製到剪貼簿</translation>
    </message>
    <message>
        <location line="+12" />
        <source>Include major solar terms (the Zs)</source>
        <translation>包含中氣（Z）</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Include minor solar terms (the Js)</source>
        <translation>包含節氣（J）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Display solar term names</source>
        <translation>顯示節氣名稱</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Large window</source>
        <translation>大視窗</translation>
    </message>
    <message>
        <location line="+1" />
        <source>European calendar:</source>
        <translation>歐洲曆法：</translation>
    </message>
    <message>
        <location line="+1" />
        <source>CE</source>
        <comment>the Common Era calendar</comment>
        <translation>CE</translation>
    </message>
    <message>
        <location line="+1" />
        <source>JC</source>
        <comment>the Julian calendar</comment>
        <translation>JC</translation>
    </message>
    <message>
        <location line="+3" />
        <location filename="../data/frmData_lists.cpp" line="+35" />
        <location line="+98" />
        <source>years</source>
        <translation>年</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Leap months only</source>
        <translation>僅閏月</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Omit invalid dates</source>
        <translation>省略無效日期</translation>
    </message>
    <message>
        <location line="+2" />
        <source>List</source>
        <extracomment>A button: make the list of the years asked for.</extracomment>
        <translation>列出</translation>
    </message>
    <message>
        <location line="+1" />
        <location filename="../data/frmData_lists.cpp" line="-18" />
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <location line="+6" />
        <source>Start date:</source>
        <translation>開始日期：</translation>
    </message>
    <message>
        <location line="+2" />
        <source>End date:</source>
        <translation>結束日期：</translation>
    </message>
    <message>
        <location line="+67" />
        <source>Data</source>
        <extracomment>What a screen reader calls the window's text box.</extracomment>
        <translation>資料</translation>
    </message>
    <message>
        <location filename="../data/frmData_lists.cpp" line="-21" />
        <source>Calculating ...</source>
        <translation>正在計算...</translation>
    </message>
    <message>
        <location line="+52" />
        <source>Second test</source>
        <translation>第二項測試</translation>
    </message>
</context>
<context>
    <name>orlun::app::frmFestivals</name>
    <message>
        <location filename="../festivals/frmFestivals.cpp" line="+26" />
        <source>Common Era date</source>
        <translation>公曆日期</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Weekday</source>
        <translation>星期</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Lunar date</source>
        <translation>農曆日期</translation>
    </message>
    <message>
        <location line="+34" />
        <source>Festivals and anniversaries</source>
        <translation>節日與週年紀念日</translation>
    </message>
    <message>
        <location line="+13" />
        <source>Lunar &amp;year:</source>
        <translation>農曆年(&amp;Y)：</translation>
    </message>
    <message>
        <location line="+1" />
        <source>&amp;Show festivals</source>
        <translation>顯示節日(&amp;S)</translation>
    </message>
    <message>
        <location line="+1" />
        <source>&amp;Previous year</source>
        <translation>上一年(&amp;P)</translation>
    </message>
    <message>
        <location line="+1" />
        <source>&amp;Next year</source>
        <translation>下一年(&amp;N)</translation>
    </message>
    <message>
        <location line="+3" />
        <source>&amp;Language:</source>
        <translation>語言(&amp;L)：</translation>
    </message>
    <message>
        <location line="+14" />
        <source>Days</source>
        <translation>日期清單</translation>
    </message>
    <message>
        <location line="+6" />
        <source>12-30, 4*-15 or a date</source>
        <translation>12-30、4*-15 或一個日期</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Anniversary of the lunar &amp;date:</source>
        <translation>農曆日期的週年紀念(&amp;D)：</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Lunar date of the &amp;moment</source>
        <translation>目前時刻的農曆日期(&amp;M)</translation>
    </message>
    <message>
        <location line="+2" />
        <source>&amp;Title:</source>
        <translation>標題(&amp;T)：</translation>
    </message>
    <message>
        <location line="+3" />
        <source>Yea&amp;rs:</source>
        <translation>年數(&amp;R)：</translation>
    </message>
    <message>
        <location line="+1" />
        <source>List &amp;anniversaries</source>
        <translation>列出週年紀念日(&amp;A)</translation>
    </message>
    <message>
        <location line="+2" />
        <source>&amp;Export to iCalendar…</source>
        <translation>匯出至 iCalendar(&amp;E)…</translation>
    </message>
    <message>
        <location line="+1" />
        <source>&amp;Copy</source>
        <translation>複製(&amp;C)</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <location filename="../festivals/frmFestivals_export.cpp" line="+28" />
        <location line="+6" />
        <location line="+8" />
        <source>Export to iCalendar</source>
        <translation>匯出至 iCalendar</translation>
    </message>
    <message>
        <location line="-14" />
        <source>iCalendar file (*.ics)</source>
        <translation>iCalendar 檔案 (*.ics)</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Nothing was saved.
%1</source>
        <translation>未儲存任何內容。
%1</translation>
    </message>
    <message>
        <location line="+4" />
        <source>1 event has been saved in the iCalendar file
%1</source>
        <translation>1 個事件已儲存至 iCalendar 檔案
%1</translation>
    </message>
    <message>
        <location line="+1" />
        <source>%1 events have been saved in the iCalendar file
%2</source>
        <translation>%1 個事件已儲存至 iCalendar 檔案
%2</translation>
    </message>
    <message>
        <location filename="../festivals/frmFestivals_lists.cpp" line="+26" />
        <source>Type a lunar month and day, such as 12-30, or 4*-15 in a leap month, or a date as in the main window's date field.</source>
        <translation>請輸入農曆月與日，例如 12-30，閏月則如 4*-15；或依主視窗日期欄位的格式輸入日期。</translation>
    </message>
    <message>
        <location line="+20" />
        <source>The lunar year must be a whole number from -3000 to 3000.</source>
        <translation>農曆年必須是 -3000 到 3000 之間的整數。</translation>
    </message>
    <message>
        <location line="+29" />
        <source>Festivals of the lunar year %1 in %2</source>
        <translation>%2農曆 %1 年的節日</translation>
    </message>
    <message>
        <location line="+48" />
        <source>The number of years must be a whole number from 1 to %1.</source>
        <translation>年數必須是 1 到 %1 之間的整數。</translation>
    </message>
    <message>
        <location line="+19" />
        <source>Anniversaries of the lunar date %1 from the lunar year %2 in %3</source>
        <translation>農曆 %1 的週年紀念日（自農曆 %2 年起，%3）</translation>
    </message>
</context>
<context>
    <name>orlun::app::frmHelp</name>
    <message>
        <location filename="../help/frmHelp.cpp" line="+37" />
        <source>The manual is missing from this build.</source>
        <translation>此版本缺少手冊。</translation>
    </message>
    <message>
        <location line="+26" />
        <source>Orlun Help</source>
        <translation>Orlun 說明</translation>
    </message>
    <message>
        <location line="+17" />
        <source>Contents</source>
        <translation>目錄</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Manual</source>
        <translation>手冊</translation>
    </message>
</context>
<context>
    <name>orlun::app::frmLog</name>
    <message>
        <location filename="../log/frmLog.cpp" line="+37" />
        <source>Copy to clipboard</source>
        <translation>複製到剪貼簿</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Copy selected text to clipboard</source>
        <translation>將選取的文字複製到剪貼簿</translation>
    </message>
    <message>
        <location line="+22" />
        <source>Closing the log window in this way
 causes its contents to be lost.

To preserve the contents
use the 'Close' button.</source>
        <translation>以這種方式關閉記錄視窗
會遺失其中的內容。

若要保留內容，
請使用「關閉」按鈕。</translation>
    </message>
    <message>
        <location line="+8" />
        <location line="+117" />
        <source>Log for %1</source>
        <translation>%1 記錄</translation>
    </message>
    <message>
        <location line="-104" />
        <location line="+52" />
        <source>Clear log</source>
        <translation>清除記錄</translation>
    </message>
    <message>
        <location line="-50" />
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <location line="+14" />
        <source>Log</source>
        <translation>記錄</translation>
    </message>
    <message>
        <location line="+36" />
        <source>Erase all data in the log?</source>
        <translation>是否清除記錄中的所有內容？</translation>
    </message>
    <message>
        <location line="+27" />
        <source>View Log</source>
        <translation>檢視記錄</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Log is empty</source>
        <translation>記錄是空的</translation>
    </message>
</context>
<context>
    <name>orlun::app::frmLogPreferences</name>
    <message>
        <location filename="../log/frmLogPreferences.cpp" line="+48" />
        <source>Configure log entries</source>
        <translation>設定記錄項目</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Include in log entries:</source>
        <translation>記錄項目包含：</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ChL (Chinese Lunar Calendar)</source>
        <translation>ChL（中國農曆）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ChS (Chinese Solar Calendar)</source>
        <translation>ChS（中國節氣曆）</translation>
    </message>
    <message>
        <location line="+2" />
        <source>CJDC (Chronological Julian Date, China)</source>
        <translation>CJDC（紀年儒略日，中國）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Epoch, method, longitude</source>
        <translation>紀元、方法、經度</translation>
    </message>
    <message>
        <location line="+1" />
        <source>CE (Common Era Calendar)</source>
        <translation>CE（公曆）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>JC (Julian Calendar)</source>
        <translation>JC（儒略曆）</translation>
    </message>
    <message>
        <location line="+2" />
        <source>CJDL (Chronological Julian Date, London)</source>
        <translation>CJDL（紀年儒略日，倫敦）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>AJD (Astronomical Julian Date)</source>
        <translation>AJD（天文儒略日）</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Phase of Moon and illumination</source>
        <translation>月相與亮面比例</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Lunation and age of Moon</source>
        <translation>朔望月序號與月齡</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Expanded log entries</source>
        <translation>詳細記錄項目</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Include Chinese terms</source>
        <translation>包含中文術語</translation>
    </message>
    <message>
        <location line="+1" />
        <source>View log after adding an entry</source>
        <translation>加入項目後檢視記錄</translation>
    </message>
    <message>
        <location line="+1" />
        <location line="+122" />
        <source>Set all</source>
        <translation>全選</translation>
    </message>
    <message>
        <location line="-121" />
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Chinese</source>
        <translation>中國</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Western</source>
        <translation>西方</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Astronomical</source>
        <translation>天文</translation>
    </message>
    <message>
        <location line="+116" />
        <source>Clear all</source>
        <translation>全部清除</translation>
    </message>
</context>
<context>
    <name>orlun::app::frmMain</name>
    <message>
        <location filename="../main/MainLists.cpp" line="+39" />
        <source>-2696 = 2697 BC</source>
        <translation>-2696 = 西元前 2697 年</translation>
    </message>
    <message>
        <location line="+1" />
        <source>-2636 = 2637 BC</source>
        <translation>-2636 = 西元前 2637 年</translation>
    </message>
    <message>
        <location line="+5" />
        <source>true sun</source>
        <translation>真太陽（定氣）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>mean sun</source>
        <translation>平太陽（平氣）</translation>
    </message>
    <message>
        <location line="+5" />
        <source>%1 Lunar</source>
        <translation>%1農曆</translation>
    </message>
    <message>
        <location line="+6" />
        <source>%1 Solar</source>
        <translation>%1節氣曆</translation>
    </message>
    <message>
        <location line="+8" />
        <source>Year %1</source>
        <translation>第 %1 年</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Chronological JD %1º East</source>
        <translation>紀年儒略日 東經 %1º</translation>
    </message>
    <message>
        <location filename="../main/frmMain.cpp" line="+98" />
        <location filename="../main/frmMain_layout.cpp" line="+345" />
        <source>Reference longitude:</source>
        <translation>參考經度：</translation>
    </message>
    <message>
        <location line="+248" />
        <location filename="../main/frmMain_log.cpp" line="+94" />
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <location filename="../main/frmMain_layout.cpp" line="-251" />
        <location line="+54" />
        <source>Common Era (Gregorian):</source>
        <translation>公曆（格里曆）：</translation>
    </message>
    <message>
        <location line="-54" />
        <location line="+55" />
        <source>Julian Calendar:</source>
        <translation>儒略曆：</translation>
    </message>
    <message>
        <location line="-54" />
        <location line="+55" />
        <source>Zodozizidu Zidevuze:</source>
        <translation>Zodozizidu Zidevuze：</translation>
    </message>
    <message>
        <location line="-55" />
        <location line="+58" />
        <source>Chronological JD London:</source>
        <translation>倫敦紀年儒略日：</translation>
    </message>
    <message>
        <location line="-57" />
        <location line="+60" />
        <source>Astronomical Julian date:</source>
        <translation>天文儒略日：</translation>
    </message>
    <message>
        <location line="-59" />
        <location line="+61" />
        <source>Phase of Moon, illumination:</source>
        <translation>月相、亮面比例：</translation>
    </message>
    <message>
        <location line="-60" />
        <location line="+61" />
        <source>[Lunation] Age of Moon:</source>
        <translation>[朔望月序號] 月齡：</translation>
    </message>
    <message>
        <location line="-61" />
        <location line="+62" />
        <source>Delta T:</source>
        <translation>ΔT：</translation>
    </message>
    <message>
        <location line="-14" />
        <source>Chinese Lunar:</source>
        <translation>中國農曆：</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Chinese Solar:</source>
        <translation>中國節氣曆：</translation>
    </message>
    <message>
        <location line="+73" />
        <location line="+3" />
        <source>Convert</source>
        <translation>轉換</translation>
    </message>
    <message>
        <location line="-2" />
        <source>Date:</source>
        <translation>日期：</translation>
    </message>
    <message>
        <location line="+3" />
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <location line="+2" />
        <source>days</source>
        <translation>天</translation>
    </message>
    <message>
        <location line="+1" />
        <source>plus</source>
        <translation>加</translation>
    </message>
    <message>
        <location line="+1" />
        <source>minus</source>
        <translation>減</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Time:</source>
        <translation>時間：</translation>
    </message>
    <message>
        <location line="+3" />
        <source>element</source>
        <translation>五行</translation>
    </message>
    <message>
        <location line="+2" />
        <source>animal</source>
        <translation>生肖</translation>
    </message>
    <message>
        <location line="+34" />
        <location line="+1" />
        <source>Move</source>
        <translation>移動</translation>
    </message>
    <message>
        <location line="+1" />
        <source>one day</source>
        <translation>一天</translation>
    </message>
    <message>
        <location line="+2" />
        <source>forward</source>
        <translation>前進</translation>
    </message>
    <message>
        <location line="+1" />
        <source>back</source>
        <translation>後退</translation>
    </message>
    <message>
        <location line="+2" />
        <source>repeatedly</source>
        <translation>重複</translation>
    </message>
    <message>
        <location line="+1" />
        <source>keep 30th</source>
        <translation>保留三十日</translation>
    </message>
    <message>
        <location line="+1" />
        <source>keep leap</source>
        <translation>保留閏月</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <location line="+1" />
        <location filename="../main/frmMain_move.cpp" line="+178" />
        <location line="+95" />
        <source>Pause</source>
        <translation>暫停</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Refresh period (in seconds):</source>
        <translation>更新間隔（秒）：</translation>
    </message>
    <message>
        <location line="+32" />
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Search for</source>
        <translation>尋找</translation>
    </message>
    <message>
        <location line="+1" />
        <source>previous</source>
        <translation>上一個</translation>
    </message>
    <message>
        <location line="+1" />
        <source>next</source>
        <translation>下一個</translation>
    </message>
    <message>
        <location line="+30" />
        <source>º East</source>
        <translation>º（東經）</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Epoch:</source>
        <translation>紀元：</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Solar terms:</source>
        <translation>節氣：</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Show Zodozizidu Zidevuze</source>
        <translation>顯示 Zodozizidu Zidevuze</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Show chronological JDs</source>
        <translation>顯示紀年儒略日</translation>
    </message>
    <message>
        <location line="+14" />
        <source>Dates/times/CJDs of dark moons &amp;&amp; solar terms</source>
        <translation>朔與節氣的日期/時間/CJD</translation>
    </message>
    <message>
        <location line="+2" />
        <source>List lunar new years &amp;&amp; anniversaries</source>
        <translation>列出農曆新年與週年紀念日</translation>
    </message>
    <message>
        <location line="+2" />
        <source>List lunar month starts &amp;&amp; leap months</source>
        <translation>列出農曆各月首日與閏月</translation>
    </message>
    <message>
        <location line="+2" />
        <source>List Julian &amp;&amp; Common Era new years</source>
        <translation>列出儒略曆與公曆新年</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Show lunar calendar month</source>
        <translation>顯示農曆月曆</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Test</source>
        <translation>測試</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Compare suns</source>
        <translation>比較真、平太陽</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Festivals and anniversaries</source>
        <translation>節日與週年紀念日</translation>
    </message>
    <message>
        <location line="+22" />
        <source>Language:</source>
        <translation>語言：</translation>
    </message>
    <message>
        <location line="+3" />
        <source>Window texts change at the next start.</source>
        <translation>視窗文字將於下次啟動時變更。</translation>
    </message>
    <message>
        <location line="+14" />
        <source>Now</source>
        <translation>現在</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Reset</source>
        <translation>重設</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Add to log</source>
        <translation>加入記錄</translation>
    </message>
    <message>
        <location line="+1" />
        <source>View log</source>
        <translation>檢視記錄</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Clear log</source>
        <translation>清除記錄</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Configure log</source>
        <translation>設定記錄</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Auto log</source>
        <translation>自動記錄</translation>
    </message>
    <message>
        <location line="+1" />
        <location filename="../main/frmMain_state.cpp" line="+55" />
        <source>Save state</source>
        <translation>儲存狀態</translation>
    </message>
    <message>
        <location line="+1" />
        <location filename="../main/frmMain_state.cpp" line="+18" />
        <location line="+57" />
        <source>Restore state</source>
        <translation>還原狀態</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Quit</source>
        <translation>結束</translation>
    </message>
    <message>
        <location line="+34" />
        <source>Scroll the window left or right</source>
        <translation>左右捲動視窗</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Scroll the window up or down</source>
        <translation>上下捲動視窗</translation>
    </message>
    <message>
        <location filename="../main/frmMain_move.cpp" line="-7" />
        <location filename="../main/frmMain_views.cpp" line="+32" />
        <source>Resume</source>
        <translation>繼續</translation>
    </message>
    <message>
        <location filename="../main/frmMain_names.cpp" line="+22" />
        <source>Time zone</source>
        <translation>時區</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Move step</source>
        <translation>移動單位</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Search target</source>
        <translation>搜尋目標</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Reference longitude, degrees East</source>
        <translation>參考經度（東經度數）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Zone code</source>
        <translation>時區代碼</translation>
    </message>
    <message>
        <location line="+9" />
        <source>Zodozizidu Zidevuze (GMT)</source>
        <translation>Zodozizidu Zidevuze（GMT）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Zodozizidu Zidevuze (reference meridian)</source>
        <translation>Zodozizidu Zidevuze（參考子午線）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Zodozizidu Zidevuze date compared with Chinese Lunar</source>
        <translation>Zodozizidu Zidevuze 日期與中國農曆的比較</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Element-animal of the day</source>
        <translation>當日五行生肖</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Lunar date in the chosen language</source>
        <translation>所選語言的農曆日期</translation>
    </message>
    <message>
        <location filename="../main/frmMain_state.cpp" line="-74" />
        <source>Error when attempting to save the state: %1</source>
        <translation>儲存狀態時發生錯誤：%1</translation>
    </message>
    <message>
        <location line="+18" />
        <source>Restore previous log configuration also?</source>
        <translation>是否一併還原先前的記錄設定？</translation>
    </message>
    <message>
        <location line="+57" />
        <source>The saved state could not be read from the file %1
Nothing was changed.</source>
        <translation>無法從檔案 %1 讀取已儲存的狀態。
未做任何變更。</translation>
    </message>
    <message>
        <location filename="../main/frmMain_views.cpp" line="+20" />
        <source>Out of range</source>
        <translation>超出範圍</translation>
    </message>
    <message>
        <location line="+1" />
        <source>The lunar month of this date lies outside the years -3000 to 3000.</source>
        <translation>此日期所在的農曆月超出 -3000 年至 3000 年的範圍。</translation>
    </message>
</context>
<context>
    <name>orlun::app::frmMsgNowLoading</name>
    <message>
        <location filename="../month/frmMsgNowLoading.cpp" line="+11" />
        <source>One moment please</source>
        <translation>請稍候</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Now loading images ...</source>
        <translation>正在載入圖片...</translation>
    </message>
</context>
<context>
    <name>orlun::app::frmMultiple_El_An</name>
    <message>
        <location filename="../search/frmMultiple_El_An.cpp" line="+29" />
        <source>day</source>
        <extracomment>The row of the day's element and animal.</extracomment>
        <translation>日</translation>
    </message>
    <message>
        <location line="+1" />
        <source>month</source>
        <translation>月</translation>
    </message>
    <message>
        <location line="+1" />
        <source>year</source>
        <translation>年</translation>
    </message>
    <message>
        <location line="+3" />
        <source>day element</source>
        <translation>日的五行</translation>
    </message>
    <message>
        <location line="+1" />
        <source>month element</source>
        <translation>月的五行</translation>
    </message>
    <message>
        <location line="+1" />
        <source>year element</source>
        <translation>年的五行</translation>
    </message>
    <message>
        <location line="+2" />
        <source>day animal</source>
        <translation>日的生肖</translation>
    </message>
    <message>
        <location line="+1" />
        <source>month animal</source>
        <translation>月的生肖</translation>
    </message>
    <message>
        <location line="+1" />
        <source>year animal</source>
        <translation>年的生肖</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Searching ...</source>
        <translation>正在搜尋...</translation>
    </message>
    <message>
        <location line="+16" />
        <source>Search for multiple element-animal</source>
        <translation>搜尋多重五行生肖</translation>
    </message>
    <message>
        <location line="+20" />
        <source>Search within</source>
        <translation>搜尋範圍</translation>
    </message>
    <message>
        <location line="+22" />
        <source>starting from today</source>
        <translation>從今天開始</translation>
    </message>
    <message>
        <location line="+2" />
        <location line="+8" />
        <location line="+88" />
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <location line="-94" />
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <location line="+4" />
        <location line="+88" />
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <location line="-50" />
        <source>Search for the next</source>
        <translation>搜尋下一個</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Search for the previous</source>
        <translation>搜尋上一個</translation>
    </message>
</context>
</TS>

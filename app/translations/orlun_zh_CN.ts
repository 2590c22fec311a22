<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>orlun::CalendarTexts</name>
    <message>
        <location filename="CalendarTexts.cpp" line="+14" />
        <source>60-day cycle</source>
        <translation>六十日周期</translation>
    </message>
    <message>
        <location line="+1" />
        <source>60-year cycle (CHL)</source>
        <translation>六十年周期（CHL）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>60-year cycle (CHS)</source>
        <translation>六十年周期（CHS）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>80-year cycle (JC)</source>
        <translation>80 年周期（JC）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ARC date 1 day ahead of CHL</source>
        <translation>ARC 日期比 CHL 超前 1 天</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ARC date 1 day behind CHL</source>
        <translation>ARC 日期比 CHL 落后 1 天</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ARC date 1 month ahead of CHL</source>
        <translation>ARC 日期比 CHL 超前 1 个月</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ARC date 1 month behind CHL</source>
        <translation>ARC 日期比 CHL 落后 1 个月</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ARC day no. same as CHL</source>
        <translation>ARC 日序与 CHL 相同</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ARC day same as CHL</source>
        <translation>ARC 日与 CHL 相同</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ARC month &amp; day same as CHL</source>
        <translation>ARC 月、日与 CHL 相同</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ARC month (%1)</source>
        <translation>ARC 月（%1）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ARC month no. same as CHL</source>
        <translation>ARC 月序与 CHL 相同</translation>
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
        <translation>公历世纪</translation>
    </message>
    <message>
        <location line="+1" />
        <source>CE month</source>
        <translation>公历月</translation>
    </message>
    <message>
        <location line="+1" />
        <source>CE year</source>
        <translation>公历年</translation>
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
        <translation>CHS 节气</translation>
    </message>
    <message>
        <location line="+1" />
        <source>CHS year</source>
        <translation>CHS 年</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Calendar dates unchanged.</source>
        <translation>历法日期未更改。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Calendar must be specified (one of CHL, CHS, CE, JC, ARC, CJDL, CJDC, AJD).</source>
        <translation>必须指定历法（CHL、CHS、CE、JC、ARC、CJDL、CJDC、AJD 之一）。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Calendar?</source>
        <translation>历法？</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Cannot find required dark moon.</source>
        <translation>找不到所需的朔。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>China</source>
        <translation>中国</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Chinese</source>
        <translation>中国</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Convert date</source>
        <translation>转换日期</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Dark moon</source>
        <translation>朔（新月）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Date is earlier than -3000-01-01 CE.</source>
        <translation>日期早于 -3000-01-01 CE。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Date is later than 3000-01-01 CE.</source>
        <translation>日期晚于 3000-01-01 CE。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Date out of range</source>
        <translation>日期超出范围</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Date separator must be a dash, '-'.</source>
        <translation>日期分隔符必须是短横线“-”。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Date too early.</source>
        <translation>日期过早。</translation>
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
        <translation>错误</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Error when parsing date string.</source>
        <translation>解析日期字符串时出错。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Full moon</source>
        <translation>望（满月）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Inability</source>
        <translation>无法执行</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Intercalary month</source>
        <translation>闰月</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid</source>
        <translation>无效</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid ARC date.  ARC dates must be in ISO 8601 format: year-month-day</source>
        <translation>ARC 日期无效。ARC 日期必须采用 ISO 8601 格式：年-月-日</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid CE date.  CE dates must be in ISO 8601 format: year-month-day</source>
        <translation>CE 日期无效。CE 日期必须采用 ISO 8601 格式：年-月-日</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid CHL date.  CHL dates must be in the form 'cycle-position-month[*]-day'<byte value="xd" />
or 'year-month-day', where 'year' is the Overseas Chinese year, e.g. 4709.<byte value="xd" />
<byte value="xd" />
Or use '?' for position with a specified element-animal, e.g., 70-?-12-30,<byte value="xd" />
and specify element-animal using the drop-down boxes.</source>
        <translation>CHL 日期无效。CHL 日期的格式必须为“周期-位次-月[*]-日”<byte value="xd" />
或“年-月-日”，其中“年”为海外华人纪年，例如 4709。<byte value="xd" />
<byte value="xd" />
也可在指定五行生肖时以“?”代替位次，例如 70-?-12-30，<byte value="xd" />
并在下拉列表中选择五行生肖。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid CHL date.  CHL dates must be in the form 'cycle-position-month[*]-day'.<byte value="xd" />
<byte value="xd" />
Or use '?' for position with a specified element-animal, e.g., 70-?-12-30,<byte value="xd" />
and specify element-animal using the drop-down boxes.</source>
        <translation>CHL 日期无效。CHL 日期的格式必须为“周期-位次-月[*]-日”。<byte value="xd" />
<byte value="xd" />
也可在指定五行生肖时以“?”代替位次，例如 70-?-12-30，<byte value="xd" />
并在下拉列表中选择五行生肖。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid CHL date.  Day number exceeds number of days in the month.</source>
        <translation>CHL 日期无效。日数超过了该月的天数。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid CHS date.  CHS dates must be in the form: cycle-position-solarterm-day<byte value="xd" />
</source>
        <translation>CHS 日期无效。CHS 日期的格式必须为：周期-位次-节气-日<byte value="xd" />
</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid CJDL, CJDC, or AJD date.  These must be, e.g., 999999.99 CJDL or 2,111,111 AJD.</source>
        <translation>CJDL、CJDC 或 AJD 日期无效。格式应如 999999.99 CJDL 或 2,111,111 AJD。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid JC date.  JC dates must be in ISO 8601 format: year-month-day</source>
        <translation>JC 日期无效。JC 日期必须采用 ISO 8601 格式：年-月-日</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid date or time entry</source>
        <translation>日期或时间输入无效</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid input</source>
        <translation>输入无效</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid plus/minus days.</source>
        <translation>加减天数无效。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid time specification.  Times must be, e.g., 23:50.</source>
        <translation>时间无效。时间的格式应如 23:50。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Is this a AJD Calendar date?</source>
        <translation>这是 AJD 历法的日期吗？</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Is this a ARC Calendar date?</source>
        <translation>这是 ARC 历法的日期吗？</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Is this a CE Calendar date?</source>
        <translation>这是 CE 历法的日期吗？</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Is this a CHL Calendar date?</source>
        <translation>这是 CHL 历法的日期吗？</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Is this a CHS Calendar date?</source>
        <translation>这是 CHS 历法的日期吗？</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Is this a CJDC Calendar date?</source>
        <translation>这是 CJDC 历法的日期吗？</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Is this a CJDL Calendar date?</source>
        <translation>这是 CJDL 历法的日期吗？</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Is this a JC Calendar date?</source>
        <translation>这是 JC 历法的日期吗？</translation>
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
        <translation>农历日期无效。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Lunar new year</source>
        <translation>农历新年</translation>
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
        <translation>未找到</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Out of range</source>
        <translation>超出范围</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Same element-animal day and month</source>
        <translation>日月干支相同日</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Searching </source>
        <translation>正在搜索 </translation>
    </message>
    <message>
        <location line="+1" />
        <source>Solar term</source>
        <translation>节气</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Solar term + dark moon</source>
        <translation>节气 + 朔</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Solar term + full moon</source>
        <translation>节气 + 望</translation>
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
        <translation>日期字符串中不允许包含时间。</translation>
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
        <translation>必须为日、月、年中的一项或多项<byte value="xd" />
指定五行或生肖，或两者都指定</translation>
    </message>
    <message>
        <location line="+1" />
        <source>You must specify an element, an animal or both.</source>
        <translation>必须指定五行、生肖或两者。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>boar</source>
        <translation>野猪</translation>
    </message>
    <message>
        <location line="+1" />
        <source>cat</source>
        <translation>猫</translation>
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
        <translation>龙</translation>
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
        <translation>马</translation>
    </message>
    <message>
        <location line="+1" />
        <source>hour</source>
        <translation>小时</translation>
    </message>
    <message>
        <location line="+1" />
        <source>metal</source>
        <translation>金</translation>
    </message>
    <message>
        <location line="+1" />
        <source>minute</source>
        <translation>分钟</translation>
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
        <translation>猪</translation>
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
        <translation>鸡</translation>
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
        <translation>朔与节气的日期、时间和 CJD</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Julian and CE new years</source>
        <translation>儒略历与公历新年</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Lunar anniversary</source>
        <translation>农历周年纪念</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Lunar month starts &amp; leap months</source>
        <translation>农历各月首日与闰月</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Lunar new years &amp; anniversaries</source>
        <translation>农历新年与周年纪念日</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Output window is full.</source>
        <translation>输出窗口已满。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>There is no such day within 1 year of today.</source>
        <translation>距今天 1 年以内没有符合条件的日子。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>There is no such day within 1 year.</source>
        <translation>1 年以内没有符合条件的日子。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>There is no such day within 10 years of today.</source>
        <translation>距今天 10 年以内没有符合条件的日子。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>There is no such day within 10 years.</source>
        <translation>10 年以内没有符合条件的日子。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>There is no such day within 100 years of today.</source>
        <translation>距今天 100 年以内没有符合条件的日子。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>There is no such day within 100 years.</source>
        <translation>100 年以内没有符合条件的日子。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>There is no such day within 1000 years of today.</source>
        <translation>距今天 1000 年以内没有符合条件的日子。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>There is no such day within 1000 years.</source>
        <translation>1000 年以内没有符合条件的日子。</translation>
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
        <translation>1 年以内</translation>
    </message>
    <message>
        <location line="+1" />
        <source>within 10 years</source>
        <translation>10 年以内</translation>
    </message>
    <message>
        <location line="+1" />
        <source>within 100 years</source>
        <translation>100 年以内</translation>
    </message>
    <message>
        <location line="+1" />
        <source>within 1000 years</source>
        <translation>1000 年以内</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Unable to add a lunar month.</source>
        <translation>无法增加一个农历月。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to subtract a lunar month.</source>
        <translation>无法减去一个农历月。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to add a lunar year.</source>
        <translation>无法增加一个农历年。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to subtract a lunar year.</source>
        <translation>无法减去一个农历年。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to add a solar term.</source>
        <translation>无法增加一个节气。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to subtract a solar term.</source>
        <translation>无法减去一个节气。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to add a solar year.</source>
        <translation>无法增加一个太阳年。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to subtract a solar year.</source>
        <translation>无法减去一个太阳年。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to add a 60-year cycle (CHL).</source>
        <translation>无法增加一个六十年周期（CHL）。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to subtract a 60-year cycle (CHL).</source>
        <translation>无法减去一个六十年周期（CHL）。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to add a 60-year cycle (CHS).</source>
        <translation>无法增加一个六十年周期（CHS）。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to subtract a 60-year cycle (CHS).</source>
        <translation>无法减去一个六十年周期（CHS）。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to add a intercalary month.</source>
        <translation>无法增加一个闰月。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to subtract a intercalary month.</source>
        <translation>无法减去一个闰月。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Latest admissible date reached.</source>
        <translation>已到达允许的最晚日期。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Earliest admissible date reached.</source>
        <translation>已到达允许的最早日期。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid lunar date results.</source>
        <translation>所得农历日期无效。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid lunar date results</source>
        <translation>所得农历日期无效</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Solar date is invalid.</source>
        <translation>节气历日期无效。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid solar date results.</source>
        <translation>所得节气历日期无效。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid solar date results</source>
        <translation>所得节气历日期无效</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid ARC date results.</source>
        <translation>所得 ARC 日期无效。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>No moment to move from.</source>
        <translation>没有可作为移动起点的时刻。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unknown move step.</source>
        <translation>未知的移动单位。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unknown search target.</source>
        <translation>未知的搜索目标。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>This search is made in its own window.</source>
        <translation>此搜索在单独的窗口中进行。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Error when calling GetLunation() in DisplayMoonData().</source>
        <translation>在 DisplayMoonData() 中调用 GetLunation() 时出错。</translation>
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
        <translation>跟随系统</translation>
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
        <translation>农历第%1日的月亮</translation>
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
        <translation>月亮，亮面占 %1%，渐盈</translation>
    </message>
    <message>
        <location line="+1" />
        <source>The Moon, %1% lit, waning</source>
        <translation>月亮，亮面占 %1%，渐亏</translation>
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
        <translation>月历</translation>
    </message>
    <message>
        <location line="-28" />
        <source>Show previous month</source>
        <translation>显示上个月</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Show next month</source>
        <translation>显示下个月</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Save as PNG image</source>
        <translation>另存为 PNG 图片</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="+26" />
        <source>The picture file %1 cannot be read. Please reinstall Orlun.</source>
        <translation>无法读取图片文件 %1。请重新安装 Orlun。</translation>
    </message>
    <message>
        <location line="+34" />
        <source>Save image of this calendar month as a PNG file</source>
        <translation>将此月历的图片保存为 PNG 文件</translation>
    </message>
    <message>
        <location line="+1" />
        <source>PNG graphics file (*.png)</source>
        <translation>PNG 图像文件 (*.png)</translation>
    </message>
    <message>
        <location line="+9" />
        <source>Error when attempting to save image.  Please try again.
%1
Nothing was saved.</source>
        <translation>保存图片时出错，请重试。
%1
未保存任何内容。</translation>
    </message>
    <message>
        <location line="+3" />
        <location line="+5" />
        <source>Save image</source>
        <translation>保存图片</translation>
    </message>
    <message>
        <location line="-4" />
        <source>The image has been saved in the PNG file
%1</source>
        <translation>图片已保存到 PNG 文件
%1</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Save error.  The image has been saved instead in the BMP file
%1
%2</source>
        <translation>保存出错。图片已改为保存到 BMP 文件
%1
%2</translation>
    </message>
</context>
<context>
    <name>orlun::app::frmData</name>
    <message>
        <location filename="../data/frmData.cpp" line="+67" />
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Copy to clipboard</source>
        <translation>复制到剪贴板</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Copy selected text to clipboard</source>
        <translation>将所选文本复制到剪贴板</translation>
    </message>
    <message>
        <location line="+12" />
        <source>Include major solar terms (the Zs)</source>
        <translation>包括中气（Z）</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Include minor solar terms (the Js)</source>
        <translation>包括节气（J）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Display solar term names</source>
        <translation>显示节气名称</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Large window</source>
        <translation>大窗口</translation>
    </message>
    <message>
        <location line="+1" />
        <source>European calendar:</source>
        <translation>欧洲历法：</translation>
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
        <translation>仅闰月</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Omit invalid dates</source>
        <translation>省略无效日期</translation>
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
        <translation>开始日期：</translation>
    </message>
    <message>
        <location line="+2" />
        <source>End date:</source>
        <translation>结束日期：</translation>
    </message>
    <message>
        <location line="+67" />
        <source>Data</source>
        <extracomment>What a screen reader calls the window's text box.</extracomment>
        <translation>数据</translation>
    </message>
    <message>
        <location filename="../data/frmData_lists.cpp" line="-21" />
        <source>Calculating ...</source>
        <translation>正在计算...</translation>
    </message>
    <message>
        <location line="+52" />
        <source>Second test</source>
        <translation>第二项测试</translation>
    </message>
</context>
<context>
    <name>orlun::app::frmFestivals</name>
    <message>
        <location filename="../festivals/frmFestivals.cpp" line="+26" />
        <source>Common Era date</source>
        <translation>公历日期</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Weekday</source>
        <translation>星期</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Lunar date</source>
        <translation>农历日期</translation>
    </message>
    <message>
        <location line="+34" />
        <source>Festivals and anniversaries</source>
        <translation>节日与周年纪念日</translation>
    </message>
    <message>
        <location line="+13" />
        <source>Lunar &amp;year:</source>
        <translation>农历年(&amp;Y)：</translation>
    </message>
    <message>
        <location line="+1" />
        <source>&amp;Show festivals</source>
        <translation>显示节日(&amp;S)</translation>
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
        <translation>语言(&amp;L)：</translation>
    </message>
    <message>
        <location line="+14" />
        <source>Days</source>
        <translation>日期列表</translation>
    </message>
    <message>
        <location line="+6" />
        <source>12-30, 4*-15 or a date</source>
        <translation>12-30、4*-15 或一个日期</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Anniversary of the lunar &amp;date:</source>
        <translation>农历日期的周年纪念(&amp;D)：</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Lunar date of the &amp;moment</source>
        <translation>当前时刻的农历日期(&amp;M)</translation>
    </message>
    <message>
        <location line="+2" />
        <source>&amp;Title:</source>
        <translation>标题(&amp;T)：</translation>
    </message>
    <message>
        <location line="+3" />
        <source>Yea&amp;rs:</source>
        <translation>年数(&amp;R)：</translation>
    </message>
    <message>
        <location line="+1" />
        <source>List &amp;anniversaries</source>
        <translation>列出周年纪念日(&amp;A)</translation>
    </message>
    <message>
        <location line="+2" />
        <source>&amp;Export to iCalendar…</source>
        <translation>导出到 iCalendar(&amp;E)…</translation>
    </message>
    <message>
        <location line="+1" />
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location filename="../festivals/frmFestivals_export.cpp" line="+28" />
        <location line="+6" />
        <location line="+8" />
        <source>Export to iCalendar</source>
        <translation>导出到 iCalendar</translation>
    </message>
    <message>
        <location line="-14" />
        <source>iCalendar file (*.ics)</source>
        <translation>iCalendar 文件 (*.ics)</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Nothing was saved.
%1</source>
        <translation>未保存任何内容。
%1</translation>
    </message>
    <message>
        <location line="+4" />
        <source>1 event has been saved in the iCalendar file
%1</source>
        <translation>1 个事件已保存到 iCalendar 文件
%1</translation>
    </message>
    <message>
        <location line="+1" />
        <source>%1 events have been saved in the iCalendar file
%2</source>
        <translation>%1 个事件已保存到 iCalendar 文件
%2</translation>
    </message>
    <message>
        <location filename="../festivals/frmFestivals_lists.cpp" line="+26" />
        <source>Type a lunar month and day, such as 12-30, or 4*-15 in a leap month, or a date as in the main window's date field.</source>
        <translation>请输入农历月和日，如 12-30，闰月如 4*-15；或按主窗口日期框的格式输入日期。</translation>
    </message>
    <message>
        <location line="+20" />
        <source>The lunar year must be a whole number from -3000 to 3000.</source>
        <translation>农历年必须是 -3000 到 3000 之间的整数。</translation>
    </message>
    <message>
        <location line="+29" />
        <source>Festivals of the lunar year %1 in %2</source>
        <translation>%2农历 %1 年的节日</translation>
    </message>
    <message>
        <location line="+48" />
        <source>The number of years must be a whole number from 1 to %1.</source>
        <translation>年数必须是 1 到 %1 之间的整数。</translation>
    </message>
    <message>
        <location line="+19" />
        <source>Anniversaries of the lunar date %1 from the lunar year %2 in %3</source>
        <translation>农历 %1 的周年纪念日（自农历 %2 年起，%3）</translation>
    </message>
</context>
<context>
    <name>orlun::app::frmHelp</name>
    <message>
        <location filename="../help/frmHelp.cpp" line="+37" />
        <source>The manual is missing from this build.</source>
        <translation>此版本缺少手册。</translation>
    </message>
    <message>
        <location line="+26" />
        <source>Orlun Help</source>
        <translation>Orlun 帮助</translation>
    </message>
    <message>
        <location line="+17" />
        <source>Contents</source>
        <translation>目录</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Manual</source>
        <translation>手册</translation>
    </message>
</context>
<context>
    <name>orlun::app::frmLog</name>
    <message>
        <location filename="../log/frmLog.cpp" line="+37" />
        <source>Copy to clipboard</source>
        <translation>复制到剪贴板</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Copy selected text to clipboard</source>
        <translation>将所选文本复制到剪贴板</translation>
    </message>
    <message>
        <location line="+22" />
        <source>Closing the log window in this way
 causes its contents to be lost.

To preserve the contents
use the 'Close' button.</source>
        <translation>以这种方式关闭日志窗口
会丢失其中的内容。

若要保留内容，
请使用“关闭”按钮。</translation>
    </message>
    <message>
        <location line="+8" />
        <location line="+117" />
        <source>Log for %1</source>
        <translation>%1 日志</translation>
    </message>
    <message>
        <location line="-104" />
        <location line="+52" />
        <source>Clear log</source>
        <translation>清空日志</translation>
    </message>
    <message>
        <location line="-50" />
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="+14" />
        <source>Log</source>
        <translation>日志</translation>
    </message>
    <message>
        <location line="+36" />
        <source>Erase all data in the log?</source>
        <translation>是否清除日志中的全部内容？</translation>
    </message>
    <message>
        <location line="+27" />
        <source>View Log</source>
        <translation>查看日志</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Log is empty</source>
        <translation>日志为空</translation>
    </message>
</context>
<context>
    <name>orlun::app::frmLogPreferences</name>
    <message>
        <location filename="../log/frmLogPreferences.cpp" line="+48" />
        <source>Configure log entries</source>
        <translation>配置日志条目</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Include in log entries:</source>
        <translation>日志条目中包括：</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ChL (Chinese Lunar Calendar)</source>
        <translation>ChL（中国农历）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ChS (Chinese Solar Calendar)</source>
        <translation>ChS（中国节气历）</translation>
    </message>
    <message>
        <location line="+2" />
        <source>CJDC (Chronological Julian Date, China)</source>
        <translation>CJDC（纪年儒略日，中国）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Epoch, method, longitude</source>
        <translation>纪元、方法、经度</translation>
    </message>
    <message>
        <location line="+1" />
        <source>CE (Common Era Calendar)</source>
        <translation>CE（公历）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>JC (Julian Calendar)</source>
        <translation>JC（儒略历）</translation>
    </message>
    <message>
        <location line="+2" />
        <source>CJDL (Chronological Julian Date, London)</source>
        <translation>CJDL（纪年儒略日，伦敦）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>AJD (Astronomical Julian Date)</source>
        <translation>AJD（天文儒略日）</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Phase of Moon and illumination</source>
        <translation>月相与亮面比例</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Lunation and age of Moon</source>
        <translation>朔望月序号与月龄</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Expanded log entries</source>
        <translation>详细日志条目</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Include Chinese terms</source>
        <translation>包括中文术语</translation>
    </message>
    <message>
        <location line="+1" />
        <source>View log after adding an entry</source>
        <translation>添加条目后查看日志</translation>
    </message>
    <message>
        <location line="+1" />
        <location line="+122" />
        <source>Set all</source>
        <translation>全选</translation>
    </message>
    <message>
        <location line="-121" />
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Chinese</source>
        <translation>中国</translation>
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
        <translation>-2696 = 公元前 2697 年</translation>
    </message>
    <message>
        <location line="+1" />
        <source>-2636 = 2637 BC</source>
        <translation>-2636 = 公元前 2637 年</translation>
    </message>
    <message>
        <location line="+5" />
        <source>true sun</source>
        <translation>真太阳（定气）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>mean sun</source>
        <translation>平太阳（平气）</translation>
    </message>
    <message>
        <location line="+5" />
        <source>%1 Lunar</source>
        <translation>%1农历</translation>
    </message>
    <message>
        <location line="+6" />
        <source>%1 Solar</source>
        <translation>%1节气历</translation>
    </message>
    <message>
        <location line="+8" />
        <source>Year %1</source>
        <translation>第 %1 年</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Chronological JD %1º East</source>
        <translation>纪年儒略日 东经 %1º</translation>
    </message>
    <message>
        <location filename="../main/frmMain.cpp" line="+98" />
        <location filename="../main/frmMain_layout.cpp" line="+345" />
        <source>Reference longitude:</source>
        <translation>参考经度：</translation>
    </message>
    <message>
        <location line="+248" />
        <location filename="../main/frmMain_log.cpp" line="+94" />
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <location filename="../main/frmMain_layout.cpp" line="-251" />
        <location line="+54" />
        <source>Common Era (Gregorian):</source>
        <translation>公历（格里历）：</translation>
    </message>
    <message>
        <location line="-54" />
        <location line="+55" />
        <source>Julian Calendar:</source>
        <translation>儒略历：</translation>
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
        <translation>伦敦纪年儒略日：</translation>
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
        <translation>[朔望月序号] 月龄：</translation>
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
        <translation>中国农历：</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Chinese Solar:</source>
        <translation>中国节气历：</translation>
    </message>
    <message>
        <location line="+73" />
        <location line="+3" />
        <source>Convert</source>
        <translation>转换</translation>
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
        <translation>减</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Time:</source>
        <translation>时间：</translation>
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
        <translation>移动</translation>
    </message>
    <message>
        <location line="+1" />
        <source>one day</source>
        <translation>一天</translation>
    </message>
    <message>
        <location line="+2" />
        <source>forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <location line="+1" />
        <source>back</source>
        <translation>后退</translation>
    </message>
    <message>
        <location line="+2" />
        <source>repeatedly</source>
        <translation>重复</translation>
    </message>
    <message>
        <location line="+1" />
        <source>keep 30th</source>
        <translation>保留三十日</translation>
    </message>
    <message>
        <location line="+1" />
        <source>keep leap</source>
        <translation>保留闰月</translation>
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
        <translation>暂停</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Refresh period (in seconds):</source>
        <translation>刷新间隔（秒）：</translation>
    </message>
    <message>
        <location line="+32" />
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Search for</source>
        <translation>查找</translation>
    </message>
    <message>
        <location line="+1" />
        <source>previous</source>
        <translation>上一个</translation>
    </message>
    <message>
        <location line="+1" />
        <source>next</source>
        <translation>下一个</translation>
    </message>
    <message>
        <location line="+30" />
        <source>º East</source>
        <translation>º（东经）</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Epoch:</source>
        <translation>纪元：</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Solar terms:</source>
        <translation>节气：</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Show Zodozizidu Zidevuze</source>
        <translation>显示 Zodozizidu Zidevuze</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Show chronological JDs</source>
        <translation>显示纪年儒略日</translation>
    </message>
    <message>
        <location line="+14" />
        <source>Dates/times/CJDs of dark moons &amp;&amp; solar terms</source>
        <translation>朔与节气的日期/时间/CJD</translation>
    </message>
    <message>
        <location line="+2" />
        <source>List lunar new years &amp;&amp; anniversaries</source>
        <translation>列出农历新年与周年纪念日</translation>
    </message>
    <message>
        <location line="+2" />
        <source>List lunar month starts &amp;&amp; leap months</source>
        <translation>列出农历各月首日与闰月</translation>
    </message>
    <message>
        <location line="+2" />
        <source>List Julian &amp;&amp; Common Era new years</source>
        <translation>列出儒略历与公历新年</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Show lunar calendar month</source>
        <translation>显示农历月历</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Test</source>
        <translation>测试</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Compare suns</source>
        <translation>比较真、平太阳</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Festivals and anniversaries</source>
        <translation>节日与周年纪念日</translation>
    </message>
    <message>
        <location line="+22" />
        <source>Language:</source>
        <translation>语言：</translation>
    </message>
    <message>
        <location line="+3" />
        <source>Window texts change at the next start.</source>
        <translation>窗口文字将在下次启动时更改。</translation>
    </message>
    <message>
        <location line="+14" />
        <source>Now</source>
        <translation>现在</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Add to log</source>
        <translation>添加到日志</translation>
    </message>
    <message>
        <location line="+1" />
        <source>View log</source>
        <translation>查看日志</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Clear log</source>
        <translation>清空日志</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Configure log</source>
        <translation>配置日志</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Auto log</source>
        <translation>自动记录</translation>
    </message>
    <message>
        <location line="+1" />
        <location filename="../main/frmMain_state.cpp" line="+55" />
        <source>Save state</source>
        <translation>保存状态</translation>
    </message>
    <message>
        <location line="+1" />
        <location filename="../main/frmMain_state.cpp" line="+18" />
        <location line="+57" />
        <source>Restore state</source>
        <translation>恢复状态</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <location line="+34" />
        <source>Scroll the window left or right</source>
        <translation>左右滚动窗口</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Scroll the window up or down</source>
        <translation>上下滚动窗口</translation>
    </message>
    <message>
        <location filename="../main/frmMain_move.cpp" line="-7" />
        <location filename="../main/frmMain_views.cpp" line="+32" />
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <location filename="../main/frmMain_names.cpp" line="+22" />
        <source>Time zone</source>
        <translation>时区</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Move step</source>
        <translation>移动单位</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Search target</source>
        <translation>搜索目标</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Reference longitude, degrees East</source>
        <translation>参考经度（东经度数）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Zone code</source>
        <translation>时区代码</translation>
    </message>
    <message>
        <location line="+9" />
        <source>Zodozizidu Zidevuze (GMT)</source>
        <translation>Zodozizidu Zidevuze（GMT）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Zodozizidu Zidevuze (reference meridian)</source>
        <translation>Zodozizidu Zidevuze（参考子午线）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Zodozizidu Zidevuze date compared with Chinese Lunar</source>
        <translation>Zodozizidu Zidevuze 日期与中国农历的比较</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Element-animal of the day</source>
        <translation>当日五行生肖</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Lunar date in the chosen language</source>
        <translation>所选语言的农历日期</translation>
    </message>
    <message>
        <location filename="../main/frmMain_state.cpp" line="-74" />
        <source>Error when attempting to save the state: %1</source>
        <translation>保存状态时出错：%1</translation>
    </message>
    <message>
        <location line="+18" />
        <source>Restore previous log configuration also?</source>
        <translation>是否同时恢复之前的日志配置？</translation>
    </message>
    <message>
        <location line="+57" />
        <source>The saved state could not be read from the file %1
Nothing was changed.</source>
        <translation>无法从文件 %1 读取已保存的状态。
未做任何更改。</translation>
    </message>
    <message>
        <location filename="../main/frmMain_views.cpp" line="+20" />
        <source>Out of range</source>
        <translation>超出范围</translation>
    </message>
    <message>
        <location line="+1" />
        <source>The lunar month of this date lies outside the years -3000 to 3000.</source>
        <translation>此日期所在的农历月超出 -3000 年至 3000 年的范围。</translation>
    </message>
</context>
<context>
    <name>orlun::app::frmMsgNowLoading</name>
    <message>
        <location filename="../month/frmMsgNowLoading.cpp" line="+11" />
        <source>One moment please</source>
        <translation>请稍候</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Now loading images ...</source>
        <translation>正在加载图片...</translation>
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
        <translation>正在搜索...</translation>
    </message>
    <message>
        <location line="+16" />
        <source>Search for multiple element-animal</source>
        <translation>搜索多重五行生肖</translation>
    </message>
    <message>
        <location line="+20" />
        <source>Search within</source>
        <translation>搜索范围</translation>
    </message>
    <message>
        <location line="+22" />
        <source>starting from today</source>
        <translation>从今天开始</translation>
    </message>
    <message>
        <location line="+2" />
        <location line="+8" />
        <location line="+88" />
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <location line="-94" />
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Close</source>
        <translation>关闭</translation>
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
        <translation>搜索下一个</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Search for the previous</source>
        <translation>搜索上一个</translation>
    </message>
</context>
</TS>

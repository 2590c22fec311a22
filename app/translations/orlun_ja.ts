<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>orlun::CalendarTexts</name>
    <message>
        <location filename="CalendarTexts.cpp" line="+14" />
        <source>60-day cycle</source>
        <translation>60日周期</translation>
    </message>
    <message>
        <location line="+1" />
        <source>60-year cycle (CHL)</source>
        <translation>60年周期（CHL）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>60-year cycle (CHS)</source>
        <translation>60年周期（CHS）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>80-year cycle (JC)</source>
        <translation>80年周期（JC）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ARC date 1 day ahead of CHL</source>
        <translation>ARCの日付はCHLより1日進み</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ARC date 1 day behind CHL</source>
        <translation>ARCの日付はCHLより1日遅れ</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ARC date 1 month ahead of CHL</source>
        <translation>ARCの日付はCHLより1か月進み</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ARC date 1 month behind CHL</source>
        <translation>ARCの日付はCHLより1か月遅れ</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ARC day no. same as CHL</source>
        <translation>ARCの日番号はCHLと同じ</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ARC day same as CHL</source>
        <translation>ARCの日はCHLと同じ</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ARC month &amp; day same as CHL</source>
        <translation>ARCの月日はCHLと同じ</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ARC month (%1)</source>
        <translation>月（ARC、%1）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ARC month no. same as CHL</source>
        <translation>ARCの月番号はCHLと同じ</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ARC year (%1)</source>
        <translation>年（ARC、%1）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Autumnal equinox</source>
        <translation>秋分</translation>
    </message>
    <message>
        <location line="+1" />
        <source>CE century</source>
        <translation>世紀（CE）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>CE month</source>
        <translation>月（CE）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>CE year</source>
        <translation>年（CE）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>CHL month</source>
        <translation>月（CHL）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>CHL year</source>
        <translation>年（CHL）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>CHS solar term</source>
        <translation>節気（CHS）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>CHS year</source>
        <translation>年（CHS）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Calendar dates unchanged.</source>
        <translation>暦の日付は変わっていません。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Calendar must be specified (one of CHL, CHS, CE, JC, ARC, CJDL, CJDC, AJD).</source>
        <translation>暦を指定してください（CHL、CHS、CE、JC、ARC、CJDL、CJDC、AJD のいずれか）。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Calendar?</source>
        <translation>暦の確認</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Cannot find required dark moon.</source>
        <translation>必要な新月が見つかりません。</translation>
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
        <translation>日付の変換</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Dark moon</source>
        <translation>新月</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Date is earlier than -3000-01-01 CE.</source>
        <translation>日付が -3000-01-01 CE より前です。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Date is later than 3000-01-01 CE.</source>
        <translation>日付が 3000-01-01 CE より後です。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Date out of range</source>
        <translation>日付の範囲外</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Date separator must be a dash, '-'.</source>
        <translation>日付の区切りにはダッシュ「-」を使用してください。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Date too early.</source>
        <translation>日付が早すぎます。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Element-animal day</source>
        <translation>五行・十二支の日</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Element-animal month</source>
        <translation>五行・十二支の月</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Element-animal year</source>
        <translation>五行・十二支の年</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Error when parsing date string.</source>
        <translation>日付の文字列の解析中にエラーが発生しました。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Full moon</source>
        <translation>満月</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Inability</source>
        <translation>実行不可</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Intercalary month</source>
        <translation>閏月</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid</source>
        <translation>無効</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid ARC date.  ARC dates must be in ISO 8601 format: year-month-day</source>
        <translation>ARC の日付が無効です。ARC の日付は ISO 8601 形式（年-月-日）で入力してください。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid CE date.  CE dates must be in ISO 8601 format: year-month-day</source>
        <translation>CE の日付が無効です。CE の日付は ISO 8601 形式（年-月-日）で入力してください。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid CHL date.  CHL dates must be in the form 'cycle-position-month[*]-day'<byte value="xd" />
or 'year-month-day', where 'year' is the Overseas Chinese year, e.g. 4709.<byte value="xd" />
<byte value="xd" />
Or use '?' for position with a specified element-animal, e.g., 70-?-12-30,<byte value="xd" />
and specify element-animal using the drop-down boxes.</source>
        <translation>CHL の日付が無効です。CHL の日付は「周期-位置-月[*]-日」の形式か、<byte value="xd" />
「年-月-日」（年は華僑の暦年、例：4709）の形式で入力してください。<byte value="xd" />
<byte value="xd" />
または、五行・十二支を指定したうえで位置に「?」を使うこともできます（例：70-?-12-30）。<byte value="xd" />
その場合は五行・十二支をドロップダウンリストで選んでください。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid CHL date.  CHL dates must be in the form 'cycle-position-month[*]-day'.<byte value="xd" />
<byte value="xd" />
Or use '?' for position with a specified element-animal, e.g., 70-?-12-30,<byte value="xd" />
and specify element-animal using the drop-down boxes.</source>
        <translation>CHL の日付が無効です。CHL の日付は「周期-位置-月[*]-日」の形式で入力してください。<byte value="xd" />
<byte value="xd" />
または、五行・十二支を指定したうえで位置に「?」を使うこともできます（例：70-?-12-30）。<byte value="xd" />
その場合は五行・十二支をドロップダウンリストで選んでください。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid CHL date.  Day number exceeds number of days in the month.</source>
        <translation>CHL の日付が無効です。日がその月の日数を超えています。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid CHS date.  CHS dates must be in the form: cycle-position-solarterm-day<byte value="xd" />
</source>
        <translation>CHS の日付が無効です。CHS の日付は「周期-位置-節気-日」の形式で入力してください。<byte value="xd" />
</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid CJDL, CJDC, or AJD date.  These must be, e.g., 999999.99 CJDL or 2,111,111 AJD.</source>
        <translation>CJDL、CJDC、AJD の日付が無効です。999999.99 CJDL や 2,111,111 AJD のように入力してください。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid JC date.  JC dates must be in ISO 8601 format: year-month-day</source>
        <translation>JC の日付が無効です。JC の日付は ISO 8601 形式（年-月-日）で入力してください。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid date or time entry</source>
        <translation>無効な日付・時刻の入力</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid input</source>
        <translation>無効な入力</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid plus/minus days.</source>
        <translation>加減する日数が無効です。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid time specification.  Times must be, e.g., 23:50.</source>
        <translation>時刻の指定が無効です。時刻は 23:50 のように入力してください。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Is this a AJD Calendar date?</source>
        <translation>これは AJD の日付ですか？</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Is this a ARC Calendar date?</source>
        <translation>これは ARC の日付ですか？</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Is this a CE Calendar date?</source>
        <translation>これは CE の日付ですか？</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Is this a CHL Calendar date?</source>
        <translation>これは CHL の日付ですか？</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Is this a CHS Calendar date?</source>
        <translation>これは CHS の日付ですか？</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Is this a CJDC Calendar date?</source>
        <translation>これは CJDC の日付ですか？</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Is this a CJDL Calendar date?</source>
        <translation>これは CJDL の日付ですか？</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Is this a JC Calendar date?</source>
        <translation>これは JC の日付ですか？</translation>
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
        <translation>旧暦の日付が無効です。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Lunar new year</source>
        <translation>旧正月</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Lunar quarter</source>
        <translation>上弦・下弦</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Multiple element-animal day</source>
        <translation>複数条件の五行・十二支の日</translation>
    </message>
    <message>
        <location line="+1" />
        <source>No date specified.</source>
        <translation>日付が指定されていません。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Not found</source>
        <translation>該当なし</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Out of range</source>
        <translation>範囲外</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Same element-animal day and month</source>
        <translation>五行・十二支が同じ日と月</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Searching </source>
        <translation>検索中 </translation>
    </message>
    <message>
        <location line="+1" />
        <source>Solar term</source>
        <translation>節気</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Solar term + dark moon</source>
        <translation>節気＋新月</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Solar term + full moon</source>
        <translation>節気＋満月</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Solstice or equinox</source>
        <translation>二至二分</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Solstice/equinox + dark moon</source>
        <translation>二至二分＋新月</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Solstice/equinox + full moon</source>
        <translation>二至二分＋満月</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Summer solstice</source>
        <translation>夏至</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Time specification not permitted in date string.</source>
        <translation>日付の文字列に時刻を含めることはできません。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Triple coincidence day</source>
        <translation>三重一致の日</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Vernal equinox</source>
        <translation>春分</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Vietnam</source>
        <translation>ベトナム</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Vietnamese</source>
        <translation>ベトナム</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Winter solstice</source>
        <translation>冬至</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Winter solstice + dark moon</source>
        <translation>冬至＋新月</translation>
    </message>
    <message>
        <location line="+1" />
        <source>You must specify an element or an animal or both<byte value="xd" />
for one or more of: day, month and year</source>
        <translation>日・月・年のうち1つ以上について<byte value="xd" />
五行、十二支、またはその両方を指定してください。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>You must specify an element, an animal or both.</source>
        <translation>五行、十二支、またはその両方を指定してください。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>boar</source>
        <translation>猪</translation>
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
        <translation>犬</translation>
    </message>
    <message>
        <location line="+1" />
        <source>dragon</source>
        <translation>竜</translation>
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
        <translation>山羊</translation>
    </message>
    <message>
        <location line="+1" />
        <source>horse</source>
        <translation>馬</translation>
    </message>
    <message>
        <location line="+1" />
        <source>hour</source>
        <translation>時間</translation>
    </message>
    <message>
        <location line="+1" />
        <source>metal</source>
        <translation>金</translation>
    </message>
    <message>
        <location line="+1" />
        <source>minute</source>
        <translation>分</translation>
    </message>
    <message>
        <location line="+1" />
        <source>monkey</source>
        <translation>猿</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ox</source>
        <translation>牛</translation>
    </message>
    <message>
        <location line="+1" />
        <source>pig</source>
        <translation>豚</translation>
    </message>
    <message>
        <location line="+1" />
        <source>rabbit</source>
        <translation>兎</translation>
    </message>
    <message>
        <location line="+1" />
        <source>rat</source>
        <translation>鼠</translation>
    </message>
    <message>
        <location line="+1" />
        <source>rooster</source>
        <translation>鶏</translation>
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
        <translation>新月と節気の日付・時刻・CJD</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Julian and CE new years</source>
        <translation>ユリウス暦とCEの元日</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Lunar anniversary</source>
        <translation>旧暦の記念日</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Lunar month starts &amp; leap months</source>
        <translation>旧暦の月初と閏月</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Lunar new years &amp; anniversaries</source>
        <translation>旧正月と記念日</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Output window is full.</source>
        <translation>出力ウィンドウがいっぱいです。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>There is no such day within 1 year of today.</source>
        <translation>今日から1年以内にそのような日はありません。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>There is no such day within 1 year.</source>
        <translation>1年以内にそのような日はありません。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>There is no such day within 10 years of today.</source>
        <translation>今日から10年以内にそのような日はありません。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>There is no such day within 10 years.</source>
        <translation>10年以内にそのような日はありません。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>There is no such day within 100 years of today.</source>
        <translation>今日から100年以内にそのような日はありません。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>There is no such day within 100 years.</source>
        <translation>100年以内にそのような日はありません。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>There is no such day within 1000 years of today.</source>
        <translation>今日から1000年以内にそのような日はありません。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>There is no such day within 1000 years.</source>
        <translation>1000年以内にそのような日はありません。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>in a</source>
        <translation>五行：任意</translation>
    </message>
    <message>
        <location line="+1" />
        <source>in a fire</source>
        <translation>五行：火</translation>
    </message>
    <message>
        <location line="+1" />
        <source>in a metal</source>
        <translation>五行：金</translation>
    </message>
    <message>
        <location line="+1" />
        <source>in a water</source>
        <translation>五行：水</translation>
    </message>
    <message>
        <location line="+1" />
        <source>in a wood</source>
        <translation>五行：木</translation>
    </message>
    <message>
        <location line="+1" />
        <source>in an</source>
        <translation>五行：任意</translation>
    </message>
    <message>
        <location line="+1" />
        <source>in an earth</source>
        <translation>五行：土</translation>
    </message>
    <message>
        <location line="+1" />
        <source>within 1 year</source>
        <translation>1年以内</translation>
    </message>
    <message>
        <location line="+1" />
        <source>within 10 years</source>
        <translation>10年以内</translation>
    </message>
    <message>
        <location line="+1" />
        <source>within 100 years</source>
        <translation>100年以内</translation>
    </message>
    <message>
        <location line="+1" />
        <source>within 1000 years</source>
        <translation>1000年以内</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Unable to add a lunar month.</source>
        <translation>旧暦の1か月を加算できません。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to subtract a lunar month.</source>
        <translation>旧暦の1か月を減算できません。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to add a lunar year.</source>
        <translation>旧暦の1年を加算できません。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to subtract a lunar year.</source>
        <translation>旧暦の1年を減算できません。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to add a solar term.</source>
        <translation>節気を1つ加算できません。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to subtract a solar term.</source>
        <translation>節気を1つ減算できません。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to add a solar year.</source>
        <translation>節気暦の1年を加算できません。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to subtract a solar year.</source>
        <translation>節気暦の1年を減算できません。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to add a 60-year cycle (CHL).</source>
        <translation>60年周期（CHL）を加算できません。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to subtract a 60-year cycle (CHL).</source>
        <translation>60年周期（CHL）を減算できません。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to add a 60-year cycle (CHS).</source>
        <translation>60年周期（CHS）を加算できません。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to subtract a 60-year cycle (CHS).</source>
        <translation>60年周期（CHS）を減算できません。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to add a intercalary month.</source>
        <translation>閏月を1つ加算できません。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to subtract a intercalary month.</source>
        <translation>閏月を1つ減算できません。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Latest admissible date reached.</source>
        <translation>許容される最後の日付に達しました。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Earliest admissible date reached.</source>
        <translation>許容される最初の日付に達しました。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid lunar date results.</source>
        <translation>結果の旧暦日付が無効です。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid lunar date results</source>
        <translation>結果の旧暦日付が無効です</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Solar date is invalid.</source>
        <translation>節気暦の日付が無効です。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid solar date results.</source>
        <translation>結果の節気暦日付が無効です。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid solar date results</source>
        <translation>結果の節気暦日付が無効です</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid ARC date results.</source>
        <translation>結果の ARC 日付が無効です。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>No moment to move from.</source>
        <translation>移動の起点となる時点がありません。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unknown move step.</source>
        <translation>不明な移動単位です。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unknown search target.</source>
        <translation>不明な検索対象です。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>This search is made in its own window.</source>
        <translation>この検索は専用のウィンドウで行います。</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Error when calling GetLunation() in DisplayMoonData().</source>
        <translation>DisplayMoonData() で GetLunation() の呼び出し中にエラーが発生しました。</translation>
    </message>
</context>
<context>
    <name>orlun::app::DayNames</name>
    <message>
        <location filename="../month/DayNames.cpp" line="+41" />
        <source>, </source>
        <extracomment>Between the parts of a day's name for a screen reader: its date, lunar date, term, festivals.</extracomment>
        <translation>、</translation>
    </message>
</context>
<context>
    <name>orlun::app::LanguageChoice</name>
    <message>
        <location filename="../shared/LanguageChoice.cpp" line="+44" />
        <source>System</source>
        <translation>システム</translation>
    </message>
</context>
<context>
    <name>orlun::app::MonthCanvas</name>
    <message>
        <location filename="../month/MonthCanvas.cpp" line="+39" />
        <source>Days of the month</source>
        <translation>この月の日</translation>
    </message>
    <message>
        <location line="+44" />
        <source>Moon</source>
        <translation>月</translation>
    </message>
    <message>
        <location line="+1" />
        <source>The Moon on lunar day %1</source>
        <translation>旧暦%1日の月</translation>
    </message>
</context>
<context>
    <name>orlun::app::PictureNames</name>
    <message>
        <location filename="../main/PictureNames.cpp" line="+33" />
        <source>Stem of the year</source>
        <translation>年の十干</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Stem of the day</source>
        <translation>日の十干</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Branch of the year</source>
        <translation>年の十二支</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Branch of the day</source>
        <translation>日の十二支</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Moon</source>
        <translation>月</translation>
    </message>
    <message>
        <location line="+3" />
        <source>The Moon, %1% lit, waxing</source>
        <translation>月、輝面 %1%、満ちていく</translation>
    </message>
    <message>
        <location line="+1" />
        <source>The Moon, %1% lit, waning</source>
        <translation>月、輝面 %1%、欠けていく</translation>
    </message>
    <message>
        <location line="+10" />
        <source>The character %1</source>
        <translation>文字「%1」</translation>
    </message>
    <message>
        <location line="+1" />
        <source>The character %1 (%2)</source>
        <translation>文字「%1」（%2）</translation>
    </message>
</context>
<context>
    <name>orlun::app::frmCalendar</name>
    <message>
        <location filename="../month/frmCalendar.cpp" line="+34" />
        <location line="+9" />
        <location line="+33" />
        <source>Calendar</source>
        <translation>カレンダー</translation>
    </message>
    <message>
        <location line="-28" />
        <source>Show previous month</source>
        <translation>前の月を表示</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Show next month</source>
        <translation>次の月を表示</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Save as PNG image</source>
        <translation>PNG画像として保存</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <location line="+26" />
        <source>The picture file %1 cannot be read. Please reinstall Orlun.</source>
        <translation>画像ファイル %1 を読み込めません。Orlun を再インストールしてください。</translation>
    </message>
    <message>
        <location line="+34" />
        <source>Save image of this calendar month as a PNG file</source>
        <translation>このカレンダーの月の画像をPNGファイルとして保存</translation>
    </message>
    <message>
        <location line="+1" />
        <source>PNG graphics file (*.png)</source>
        <translation>PNG画像ファイル (*.png)</translation>
    </message>
    <message>
        <location line="+9" />
        <source>Error when attempting to save image.  Please try again.
%1
Nothing was saved.</source>
        <translation>画像の保存中にエラーが発生しました。もう一度お試しください。
%1
何も保存されませんでした。</translation>
    </message>
    <message>
        <location line="+3" />
        <location line="+5" />
        <source>Save image</source>
        <translation>画像の保存</translation>
    </message>
    <message>
        <location line="-4" />
        <source>The image has been saved in the PNG file
%1</source>
        <translation>画像をPNGファイルに保存しました。
%1</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Save error.  The image has been saved instead in the BMP file
%1
%2</source>
        <translation>保存エラーです。代わりにBMPファイルに画像を保存しました。
%1
%2</translation>
    </message>
</context>
<context>
    <name>orlun::app::frmData</name>
    <message>
        <location filename="../data/frmData.cpp" line="+67" />
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Copy to clipboard</source>
        <translation>クリップボードにコピー</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Copy selected text to clipboard</source>
        <translation>選択したテキストをクリップボードにコピー</translation>
    </message>
    <message>
        <location line="+12" />
        <source>Include major solar terms (the Zs)</source>
        <translation>中気を含める（Z）</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Include minor solar terms (the Js)</source>
        <translation>節を含める（J）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Display solar term names</source>
        <translation>節気名を表示</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Large window</source>
        <translation>大きいウィンドウ</translation>
    </message>
    <message>
        <location line="+1" />
        <source>European calendar:</source>
        <translation>ヨーロッパの暦：</translation>
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
        <translation>閏月のみ</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Omit invalid dates</source>
        <translation>無効な日付を省略</translation>
    </message>
    <message>
        <location line="+2" />
        <source>List</source>
        <extracomment>A button: make the list of the years asked for.</extracomment>
        <translation>一覧</translation>
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
        <translation>開始日：</translation>
    </message>
    <message>
        <location line="+2" />
        <source>End date:</source>
        <translation>終了日：</translation>
    </message>
    <message>
        <location line="+67" />
        <source>Data</source>
        <extracomment>What a screen reader calls the window's text box.</extracomment>
        <translation>データ</translation>
    </message>
    <message>
        <location filename="../data/frmData_lists.cpp" line="-21" />
        <source>Calculating ...</source>
        <translation>計算中 ...</translation>
    </message>
    <message>
        <location line="+52" />
        <source>Second test</source>
        <translation>第2テスト</translation>
    </message>
</context>
<context>
    <name>orlun::app::frmFestivals</name>
    <message>
        <location filename="../festivals/frmFestivals.cpp" line="+26" />
        <source>Common Era date</source>
        <translation>西暦の日付</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Weekday</source>
        <translation>曜日</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Lunar date</source>
        <translation>旧暦の日付</translation>
    </message>
    <message>
        <location line="+34" />
        <source>Festivals and anniversaries</source>
        <translation>祭日と記念日</translation>
    </message>
    <message>
        <location line="+13" />
        <source>Lunar &amp;year:</source>
        <translation>旧暦の年(&amp;Y)：</translation>
    </message>
    <message>
        <location line="+1" />
        <source>&amp;Show festivals</source>
        <translation>祭日を表示(&amp;S)</translation>
    </message>
    <message>
        <location line="+1" />
        <source>&amp;Previous year</source>
        <translation>前年(&amp;P)</translation>
    </message>
    <message>
        <location line="+1" />
        <source>&amp;Next year</source>
        <translation>翌年(&amp;N)</translation>
    </message>
    <message>
        <location line="+3" />
        <source>&amp;Language:</source>
        <translation>言語(&amp;L)：</translation>
    </message>
    <message>
        <location line="+14" />
        <source>Days</source>
        <translation>日の一覧</translation>
    </message>
    <message>
        <location line="+6" />
        <source>12-30, 4*-15 or a date</source>
        <translation>12-30、4*-15 または日付</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Anniversary of the lunar &amp;date:</source>
        <translation>記念日の旧暦日付(&amp;D)：</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Lunar date of the &amp;moment</source>
        <translation>現在時点の旧暦日付(&amp;M)</translation>
    </message>
    <message>
        <location line="+2" />
        <source>&amp;Title:</source>
        <translation>タイトル(&amp;T)：</translation>
    </message>
    <message>
        <location line="+3" />
        <source>Yea&amp;rs:</source>
        <translation>年数(&amp;R)：</translation>
    </message>
    <message>
        <location line="+1" />
        <source>List &amp;anniversaries</source>
        <translation>記念日の一覧(&amp;A)</translation>
    </message>
    <message>
        <location line="+2" />
        <source>&amp;Export to iCalendar…</source>
        <translation>iCalendarにエクスポート(&amp;E)…</translation>
    </message>
    <message>
        <location line="+1" />
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <location filename="../festivals/frmFestivals_export.cpp" line="+28" />
        <location line="+6" />
        <location line="+8" />
        <source>Export to iCalendar</source>
        <translation>iCalendarにエクスポート</translation>
    </message>
    <message>
        <location line="-14" />
        <source>iCalendar file (*.ics)</source>
        <translation>iCalendarファイル (*.ics)</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Nothing was saved.
%1</source>
        <translation>何も保存されませんでした。
%1</translation>
    </message>
    <message>
        <location line="+4" />
        <source>1 event has been saved in the iCalendar file
%1</source>
        <translation>1件のイベントをiCalendarファイルに保存しました。
%1</translation>
    </message>
    <message>
        <location line="+1" />
        <source>%1 events have been saved in the iCalendar file
%2</source>
        <translation>%1件のイベントをiCalendarファイルに保存しました。
%2</translation>
    </message>
    <message>
        <location filename="../festivals/frmFestivals_lists.cpp" line="+26" />
        <source>Type a lunar month and day, such as 12-30, or 4*-15 in a leap month, or a date as in the main window's date field.</source>
        <translation>旧暦の月と日（例：12-30、閏月なら4*-15）、またはメインウィンドウの日付欄と同じ形式の日付を入力してください。</translation>
    </message>
    <message>
        <location line="+20" />
        <source>The lunar year must be a whole number from -3000 to 3000.</source>
        <translation>旧暦の年は-3000から3000までの整数で入力してください。</translation>
    </message>
    <message>
        <location line="+29" />
        <source>Festivals of the lunar year %1 in %2</source>
        <translation>%2の旧暦%1年の祭日</translation>
    </message>
    <message>
        <location line="+48" />
        <source>The number of years must be a whole number from 1 to %1.</source>
        <translation>年数は1から%1までの整数で入力してください。</translation>
    </message>
    <message>
        <location line="+19" />
        <source>Anniversaries of the lunar date %1 from the lunar year %2 in %3</source>
        <translation>%3における旧暦%2年からの旧暦日付%1の記念日</translation>
    </message>
</context>
<context>
    <name>orlun::app::frmHelp</name>
    <message>
        <location filename="../help/frmHelp.cpp" line="+37" />
        <source>The manual is missing from this build.</source>
        <translation>このビルドにはマニュアルが含まれていません。</translation>
    </message>
    <message>
        <location line="+26" />
        <source>Orlun Help</source>
        <translation>Orlun ヘルプ</translation>
    </message>
    <message>
        <location line="+17" />
        <source>Contents</source>
        <translation>目次</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Manual</source>
        <translation>マニュアル</translation>
    </message>
</context>
<context>
    <name>orlun::app::frmLog</name>
    <message>
        <location filename="../log/frmLog.cpp" line="+37" />
        <source>Copy to clipboard</source>
        <translation>クリップボードにコピー</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Copy selected text to clipboard</source>
        <translation>選択したテキストをクリップボードにコピー</translation>
    </message>
    <message>
        <location line="+22" />
        <source>Closing the log window in this way
 causes its contents to be lost.

To preserve the contents
use the 'Close' button.</source>
        <translation>この方法でログウィンドウを閉じると
内容が失われます。

内容を保持するには
［閉じる］ボタンを使用してください。</translation>
    </message>
    <message>
        <location line="+8" />
        <location line="+117" />
        <source>Log for %1</source>
        <translation>%1 のログ</translation>
    </message>
    <message>
        <location line="-104" />
        <location line="+52" />
        <source>Clear log</source>
        <translation>ログを消去</translation>
    </message>
    <message>
        <location line="-50" />
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <location line="+14" />
        <source>Log</source>
        <translation>ログ</translation>
    </message>
    <message>
        <location line="+36" />
        <source>Erase all data in the log?</source>
        <translation>ログのデータをすべて消去しますか？</translation>
    </message>
    <message>
        <location line="+27" />
        <source>View Log</source>
        <translation>ログの表示</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Log is empty</source>
        <translation>ログは空です。</translation>
    </message>
</context>
<context>
    <name>orlun::app::frmLogPreferences</name>
    <message>
        <location filename="../log/frmLogPreferences.cpp" line="+48" />
        <source>Configure log entries</source>
        <translation>ログ項目の設定</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Include in log entries:</source>
        <translation>ログ項目に含める内容：</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ChL (Chinese Lunar Calendar)</source>
        <translation>ChL（中国の旧暦）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ChS (Chinese Solar Calendar)</source>
        <translation>ChS（中国の節気暦）</translation>
    </message>
    <message>
        <location line="+2" />
        <source>CJDC (Chronological Julian Date, China)</source>
        <translation>CJDC（年代学的ユリウス日、中国）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Epoch, method, longitude</source>
        <translation>紀元、計算法、経度</translation>
    </message>
    <message>
        <location line="+1" />
        <source>CE (Common Era Calendar)</source>
        <translation>CE（西暦）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>JC (Julian Calendar)</source>
        <translation>JC（ユリウス暦）</translation>
    </message>
    <message>
        <location line="+2" />
        <source>CJDL (Chronological Julian Date, London)</source>
        <translation>CJDL（年代学的ユリウス日、ロンドン）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>AJD (Astronomical Julian Date)</source>
        <translation>AJD（天文ユリウス日）</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Phase of Moon and illumination</source>
        <translation>月相と輝面比</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Lunation and age of Moon</source>
        <translation>朔望月番号と月齢</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Expanded log entries</source>
        <translation>詳細なログ項目</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Include Chinese terms</source>
        <translation>中国語の用語を含める</translation>
    </message>
    <message>
        <location line="+1" />
        <source>View log after adding an entry</source>
        <translation>項目の追加後にログを表示</translation>
    </message>
    <message>
        <location line="+1" />
        <location line="+122" />
        <source>Set all</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <location line="-121" />
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Chinese</source>
        <translation>中国</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Western</source>
        <translation>西洋</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Astronomical</source>
        <translation>天文</translation>
    </message>
    <message>
        <location line="+116" />
        <source>Clear all</source>
        <translation>すべて解除</translation>
    </message>
</context>
<context>
    <name>orlun::app::frmMain</name>
    <message>
        <location filename="../main/MainLists.cpp" line="+39" />
        <source>-2696 = 2697 BC</source>
        <translation>-2696 = 紀元前2697年</translation>
    </message>
    <message>
        <location line="+1" />
        <source>-2636 = 2637 BC</source>
        <translation>-2636 = 紀元前2637年</translation>
    </message>
    <message>
        <location line="+5" />
        <source>true sun</source>
        <translation>真太陽</translation>
    </message>
    <message>
        <location line="+1" />
        <source>mean sun</source>
        <translation>平均太陽</translation>
    </message>
    <message>
        <location line="+5" />
        <source>%1 Lunar</source>
        <translation>旧暦（%1）</translation>
    </message>
    <message>
        <location line="+6" />
        <source>%1 Solar</source>
        <translation>節気暦（%1）</translation>
    </message>
    <message>
        <location line="+8" />
        <source>Year %1</source>
        <translation>%1年</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Chronological JD %1º East</source>
        <translation>年代学的ユリウス日（東経%1º）</translation>
    </message>
    <message>
        <location filename="../main/frmMain.cpp" line="+98" />
        <location filename="../main/frmMain_layout.cpp" line="+345" />
        <source>Reference longitude:</source>
        <translation>基準経度：</translation>
    </message>
    <message>
        <location line="+248" />
        <location filename="../main/frmMain_log.cpp" line="+94" />
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <location filename="../main/frmMain_layout.cpp" line="-251" />
        <location line="+54" />
        <source>Common Era (Gregorian):</source>
        <translation>西暦（グレゴリオ暦）：</translation>
    </message>
    <message>
        <location line="-54" />
        <location line="+55" />
        <source>Julian Calendar:</source>
        <translation>ユリウス暦：</translation>
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
        <translation>年代学的ユリウス日（ロンドン）：</translation>
    </message>
    <message>
        <location line="-57" />
        <location line="+60" />
        <source>Astronomical Julian date:</source>
        <translation>天文ユリウス日：</translation>
    </message>
    <message>
        <location line="-59" />
        <location line="+61" />
        <source>Phase of Moon, illumination:</source>
        <translation>月相、輝面比：</translation>
    </message>
    <message>
        <location line="-60" />
        <location line="+61" />
        <source>[Lunation] Age of Moon:</source>
        <translation>[朔望月番号] 月齢：</translation>
    </message>
    <message>
        <location line="-61" />
        <location line="+62" />
        <source>Delta T:</source>
        <translation>デルタT：</translation>
    </message>
    <message>
        <location line="-14" />
        <source>Chinese Lunar:</source>
        <translation>旧暦（中国）：</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Chinese Solar:</source>
        <translation>節気暦（中国）：</translation>
    </message>
    <message>
        <location line="+73" />
        <location line="+3" />
        <source>Convert</source>
        <translation>変換</translation>
    </message>
    <message>
        <location line="-2" />
        <source>Date:</source>
        <translation>日付：</translation>
    </message>
    <message>
        <location line="+3" />
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <location line="+2" />
        <source>days</source>
        <translation>日</translation>
    </message>
    <message>
        <location line="+1" />
        <source>plus</source>
        <translation>加算</translation>
    </message>
    <message>
        <location line="+1" />
        <source>minus</source>
        <translation>減算</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Time:</source>
        <translation>時刻：</translation>
    </message>
    <message>
        <location line="+3" />
        <source>element</source>
        <translation>五行</translation>
    </message>
    <message>
        <location line="+2" />
        <source>animal</source>
        <translation>十二支</translation>
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
        <translation>1日</translation>
    </message>
    <message>
        <location line="+2" />
        <source>forward</source>
        <translation>進む</translation>
    </message>
    <message>
        <location line="+1" />
        <source>back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <location line="+2" />
        <source>repeatedly</source>
        <translation>繰り返し</translation>
    </message>
    <message>
        <location line="+1" />
        <source>keep 30th</source>
        <translation>30日を保持</translation>
    </message>
    <message>
        <location line="+1" />
        <source>keep leap</source>
        <translation>閏月を保持</translation>
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
        <translation>一時停止</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Refresh period (in seconds):</source>
        <translation>更新間隔（秒）：</translation>
    </message>
    <message>
        <location line="+32" />
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Search for</source>
        <translation>検索</translation>
    </message>
    <message>
        <location line="+1" />
        <source>previous</source>
        <translation>前</translation>
    </message>
    <message>
        <location line="+1" />
        <source>next</source>
        <translation>次</translation>
    </message>
    <message>
        <location line="+30" />
        <source>º East</source>
        <translation>º（東経）</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Epoch:</source>
        <translation>紀元：</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Solar terms:</source>
        <translation>節気：</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Show Zodozizidu Zidevuze</source>
        <translation>Zodozizidu Zidevuze を表示</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Show chronological JDs</source>
        <translation>年代学的ユリウス日を表示</translation>
    </message>
    <message>
        <location line="+14" />
        <source>Dates/times/CJDs of dark moons &amp;&amp; solar terms</source>
        <translation>新月と節気の日付・時刻・CJD</translation>
    </message>
    <message>
        <location line="+2" />
        <source>List lunar new years &amp;&amp; anniversaries</source>
        <translation>旧正月と記念日の一覧</translation>
    </message>
    <message>
        <location line="+2" />
        <source>List lunar month starts &amp;&amp; leap months</source>
        <translation>旧暦の月初と閏月の一覧</translation>
    </message>
    <message>
        <location line="+2" />
        <source>List Julian &amp;&amp; Common Era new years</source>
        <translation>ユリウス暦と西暦の元日の一覧</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Show lunar calendar month</source>
        <translation>旧暦の月を表示</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Test</source>
        <translation>テスト</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Compare suns</source>
        <translation>太陽の比較</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Festivals and anniversaries</source>
        <translation>祭日と記念日</translation>
    </message>
    <message>
        <location line="+22" />
        <source>Language:</source>
        <translation>言語：</translation>
    </message>
    <message>
        <location line="+3" />
        <source>Window texts change at the next start.</source>
        <translation>ウィンドウの表示言語は次回の起動時に切り替わります。</translation>
    </message>
    <message>
        <location line="+14" />
        <source>Now</source>
        <translation>現在</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Add to log</source>
        <translation>ログに追加</translation>
    </message>
    <message>
        <location line="+1" />
        <source>View log</source>
        <translation>ログを表示</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Clear log</source>
        <translation>ログを消去</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Configure log</source>
        <translation>ログの設定</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Auto log</source>
        <translation>自動ログ</translation>
    </message>
    <message>
        <location line="+1" />
        <location filename="../main/frmMain_state.cpp" line="+55" />
        <source>Save state</source>
        <translation>状態を保存</translation>
    </message>
    <message>
        <location line="+1" />
        <location filename="../main/frmMain_state.cpp" line="+18" />
        <location line="+57" />
        <source>Restore state</source>
        <translation>状態を復元</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <location line="+34" />
        <source>Scroll the window left or right</source>
        <translation>ウィンドウを左右にスクロール</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Scroll the window up or down</source>
        <translation>ウィンドウを上下にスクロール</translation>
    </message>
    <message>
        <location filename="../main/frmMain_move.cpp" line="-7" />
        <location filename="../main/frmMain_views.cpp" line="+32" />
        <source>Resume</source>
        <translation>再開</translation>
    </message>
    <message>
        <location filename="../main/frmMain_names.cpp" line="+22" />
        <source>Time zone</source>
        <translation>タイムゾーン</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Move step</source>
        <translation>移動単位</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Search target</source>
        <translation>検索対象</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Reference longitude, degrees East</source>
        <translation>基準経度（東経、度）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Zone code</source>
        <translation>ゾーンコード</translation>
    </message>
    <message>
        <location line="+9" />
        <source>Zodozizidu Zidevuze (GMT)</source>
        <translation>Zodozizidu Zidevuze（GMT）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Zodozizidu Zidevuze (reference meridian)</source>
        <translation>Zodozizidu Zidevuze（基準子午線）</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Zodozizidu Zidevuze date compared with Chinese Lunar</source>
        <translation>Zodozizidu Zidevuze の日付と中国の旧暦の比較</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Element-animal of the day</source>
        <translation>日の五行と十二支</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Lunar date in the chosen language</source>
        <translation>選択した言語での旧暦日付</translation>
    </message>
    <message>
        <location filename="../main/frmMain_state.cpp" line="-74" />
        <source>Error when attempting to save the state: %1</source>
        <translation>状態の保存中にエラーが発生しました：%1</translation>
    </message>
    <message>
        <location line="+18" />
        <source>Restore previous log configuration also?</source>
        <translation>以前のログ設定も復元しますか？</translation>
    </message>
    <message>
        <location line="+57" />
        <source>The saved state could not be read from the file %1
Nothing was changed.</source>
        <translation>保存された状態をファイル %1 から読み込めませんでした。
何も変更されていません。</translation>
    </message>
    <message>
        <location filename="../main/frmMain_views.cpp" line="+20" />
        <source>Out of range</source>
        <translation>範囲外</translation>
    </message>
    <message>
        <location line="+1" />
        <source>The lunar month of this date lies outside the years -3000 to 3000.</source>
        <translation>この日付の旧暦の月は-3000年から3000年の範囲外です。</translation>
    </message>
</context>
<context>
    <name>orlun::app::frmMsgNowLoading</name>
    <message>
        <location filename="../month/frmMsgNowLoading.cpp" line="+11" />
        <source>One moment please</source>
        <translation>しばらくお待ちください</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Now loading images ...</source>
        <translation>画像を読み込み中 ...</translation>
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
        <translation>日の五行</translation>
    </message>
    <message>
        <location line="+1" />
        <source>month element</source>
        <translation>月の五行</translation>
    </message>
    <message>
        <location line="+1" />
        <source>year element</source>
        <translation>年の五行</translation>
    </message>
    <message>
        <location line="+2" />
        <source>day animal</source>
        <translation>日の十二支</translation>
    </message>
    <message>
        <location line="+1" />
        <source>month animal</source>
        <translation>月の十二支</translation>
    </message>
    <message>
        <location line="+1" />
        <source>year animal</source>
        <translation>年の十二支</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Searching ...</source>
        <translation>検索中 ...</translation>
    </message>
    <message>
        <location line="+16" />
        <source>Search for multiple element-animal</source>
        <translation>複数の五行・十二支の検索</translation>
    </message>
    <message>
        <location line="+20" />
        <source>Search within</source>
        <translation>検索範囲</translation>
    </message>
    <message>
        <location line="+22" />
        <source>starting from today</source>
        <translation>今日から</translation>
    </message>
    <message>
        <location line="+2" />
        <location line="+8" />
        <location line="+88" />
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <location line="-94" />
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Close</source>
        <translation>閉じる</translation>
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
        <translation>次を検索</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Search for the previous</source>
        <translation>前を検索</translation>
    </message>
</context>
</TS>

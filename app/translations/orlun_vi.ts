<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi">
<context>
    <name>orlun::CalendarTexts</name>
    <message>
        <location filename="CalendarTexts.cpp" line="+14" />
        <source>60-day cycle</source>
        <translation>chu kỳ 60 ngày</translation>
    </message>
    <message>
        <location line="+1" />
        <source>60-year cycle (CHL)</source>
        <translation>chu kỳ 60 năm (CHL)</translation>
    </message>
    <message>
        <location line="+1" />
        <source>60-year cycle (CHS)</source>
        <translation>chu kỳ 60 năm (CHS)</translation>
    </message>
    <message>
        <location line="+1" />
        <source>80-year cycle (JC)</source>
        <translation>chu kỳ 80 năm (JC)</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ARC date 1 day ahead of CHL</source>
        <translation>Ngày ARC đi trước CHL 1 ngày</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ARC date 1 day behind CHL</source>
        <translation>Ngày ARC đi sau CHL 1 ngày</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ARC date 1 month ahead of CHL</source>
        <translation>Ngày ARC đi trước CHL 1 tháng</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ARC date 1 month behind CHL</source>
        <translation>Ngày ARC đi sau CHL 1 tháng</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ARC day no. same as CHL</source>
        <translation>Số ngày ARC trùng CHL</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ARC day same as CHL</source>
        <translation>Ngày ARC trùng CHL</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ARC month &amp; day same as CHL</source>
        <translation>Tháng và ngày ARC trùng CHL</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ARC month (%1)</source>
        <translation>tháng ARC (%1)</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ARC month no. same as CHL</source>
        <translation>Số tháng ARC trùng CHL</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ARC year (%1)</source>
        <translation>năm ARC (%1)</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Autumnal equinox</source>
        <translation>Thu phân</translation>
    </message>
    <message>
        <location line="+1" />
        <source>CE century</source>
        <translation>thế kỷ CE</translation>
    </message>
    <message>
        <location line="+1" />
        <source>CE month</source>
        <translation>tháng CE</translation>
    </message>
    <message>
        <location line="+1" />
        <source>CE year</source>
        <translation>năm CE</translation>
    </message>
    <message>
        <location line="+1" />
        <source>CHL month</source>
        <translation>tháng CHL</translation>
    </message>
    <message>
        <location line="+1" />
        <source>CHL year</source>
        <translation>năm CHL</translation>
    </message>
    <message>
        <location line="+1" />
        <source>CHS solar term</source>
        <translation>tiết khí CHS</translation>
    </message>
    <message>
        <location line="+1" />
        <source>CHS year</source>
        <translation>năm CHS</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Calendar dates unchanged.</source>
        <translation>Các ngày lịch không thay đổi.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Calendar must be specified (one of CHL, CHS, CE, JC, ARC, CJDL, CJDC, AJD).</source>
        <translation>Phải ghi rõ lịch (một trong CHL, CHS, CE, JC, ARC, CJDL, CJDC, AJD).</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Calendar?</source>
        <translation>Lịch nào?</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Cannot find required dark moon.</source>
        <translation>Không tìm thấy trăng non cần thiết.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>China</source>
        <translation>Trung Quốc</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Chinese</source>
        <translation>Trung Quốc</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Convert date</source>
        <translation>Chuyển đổi ngày</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Dark moon</source>
        <translation>Trăng non</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Date is earlier than -3000-01-01 CE.</source>
        <translation>Ngày sớm hơn -3000-01-01 CE.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Date is later than 3000-01-01 CE.</source>
        <translation>Ngày muộn hơn 3000-01-01 CE.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Date out of range</source>
        <translation>Ngày ngoài phạm vi</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Date separator must be a dash, '-'.</source>
        <translation>Dấu phân cách ngày phải là dấu gạch ngang '-'.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Date too early.</source>
        <translation>Ngày quá sớm.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Element-animal day</source>
        <translation>Ngày theo hành–con giáp</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Element-animal month</source>
        <translation>Tháng theo hành–con giáp</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Element-animal year</source>
        <translation>Năm theo hành–con giáp</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Error</source>
        <translation>Lỗi</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Error when parsing date string.</source>
        <translation>Lỗi khi phân tích chuỗi ngày.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Failed</source>
        <translation>Thất bại</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Full moon</source>
        <translation>Trăng tròn</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Inability</source>
        <translation>Không thể thực hiện</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Intercalary month</source>
        <translation>Tháng nhuận</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid</source>
        <translation>Không hợp lệ</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid ARC date.  ARC dates must be in ISO 8601 format: year-month-day</source>
        <translation>Ngày ARC không hợp lệ. Ngày ARC phải theo định dạng ISO 8601: năm-tháng-ngày</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid CE date.  CE dates must be in ISO 8601 format: year-month-day</source>
        <translation>Ngày CE không hợp lệ. Ngày CE phải theo định dạng ISO 8601: năm-tháng-ngày</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid CHL date.  CHL dates must be in the form 'cycle-position-month[*]-day'<byte value="xd" />
or 'year-month-day', where 'year' is the Overseas Chinese year, e.g. 4709.<byte value="xd" />
<byte value="xd" />
Or use '?' for position with a specified element-animal, e.g., 70-?-12-30,<byte value="xd" />
and specify element-animal using the drop-down boxes.</source>
        <translation>Ngày CHL không hợp lệ. Ngày CHL phải có dạng 'chu kỳ-vị trí-tháng[*]-ngày'<byte value="xd" />
hoặc 'năm-tháng-ngày', trong đó 'năm' là năm Hoa kiều, ví dụ 4709.<byte value="xd" />
<byte value="xd" />
Hoặc dùng '?' cho vị trí kèm hành–con giáp đã chọn, ví dụ 70-?-12-30,<byte value="xd" />
và chọn hành–con giáp trong các hộp danh sách thả xuống.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid CHL date.  CHL dates must be in the form 'cycle-position-month[*]-day'.<byte value="xd" />
<byte value="xd" />
Or use '?' for position with a specified element-animal, e.g., 70-?-12-30,<byte value="xd" />
and specify element-animal using the drop-down boxes.</source>
        <translation>Ngày CHL không hợp lệ. Ngày CHL phải có dạng 'chu kỳ-vị trí-tháng[*]-ngày'.<byte value="xd" />
<byte value="xd" />
Hoặc dùng '?' cho vị trí kèm hành–con giáp đã chọn, ví dụ 70-?-12-30,<byte value="xd" />
và chọn hành–con giáp trong các hộp danh sách thả xuống.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid CHL date.  Day number exceeds number of days in the month.</source>
        <translation>Ngày CHL không hợp lệ. Số ngày vượt quá số ngày trong tháng.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid CHS date.  CHS dates must be in the form: cycle-position-solarterm-day<byte value="xd" />
</source>
        <translation>Ngày CHS không hợp lệ. Ngày CHS phải có dạng: chu kỳ-vị trí-tiết khí-ngày<byte value="xd" />
</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid CJDL, CJDC, or AJD date.  These must be, e.g., 999999.99 CJDL or 2,111,111 AJD.</source>
        <translation>Ngày CJDL, CJDC hoặc AJD không hợp lệ. Ngày phải được ghi như, ví dụ, 999999.99 CJDL hoặc 2,111,111 AJD.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid JC date.  JC dates must be in ISO 8601 format: year-month-day</source>
        <translation>Ngày JC không hợp lệ. Ngày JC phải theo định dạng ISO 8601: năm-tháng-ngày</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid date or time entry</source>
        <translation>Ngày hoặc giờ nhập không hợp lệ</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid input</source>
        <translation>Dữ liệu nhập không hợp lệ</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid plus/minus days.</source>
        <translation>Số ngày cộng/trừ không hợp lệ.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid time specification.  Times must be, e.g., 23:50.</source>
        <translation>Giờ không hợp lệ. Giờ phải được ghi như, ví dụ, 23:50.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Is this a AJD Calendar date?</source>
        <translation>Đây có phải là ngày theo lịch AJD không?</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Is this a ARC Calendar date?</source>
        <translation>Đây có phải là ngày theo lịch ARC không?</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Is this a CE Calendar date?</source>
        <translation>Đây có phải là ngày theo lịch CE không?</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Is this a CHL Calendar date?</source>
        <translation>Đây có phải là ngày theo lịch CHL không?</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Is this a CHS Calendar date?</source>
        <translation>Đây có phải là ngày theo lịch CHS không?</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Is this a CJDC Calendar date?</source>
        <translation>Đây có phải là ngày theo lịch CJDC không?</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Is this a CJDL Calendar date?</source>
        <translation>Đây có phải là ngày theo lịch CJDL không?</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Is this a JC Calendar date?</source>
        <translation>Đây có phải là ngày theo lịch JC không?</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Japan</source>
        <translation>Nhật Bản</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Japanese</source>
        <translation>Nhật Bản</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Lunar date is invalid.</source>
        <translation>Ngày âm lịch không hợp lệ.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Lunar new year</source>
        <translation>Năm mới âm lịch</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Lunar quarter</source>
        <translation>Thượng huyền hoặc hạ huyền</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Multiple element-animal day</source>
        <translation>Ngày hành–con giáp theo nhiều điều kiện</translation>
    </message>
    <message>
        <location line="+1" />
        <source>No date specified.</source>
        <translation>Chưa nhập ngày.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Not found</source>
        <translation>Không tìm thấy</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Out of range</source>
        <translation>Ngoài phạm vi</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Same element-animal day and month</source>
        <translation>Ngày và tháng cùng hành–con giáp</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Search</source>
        <translation>Tìm kiếm</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Searching </source>
        <translation>Đang tìm </translation>
    </message>
    <message>
        <location line="+1" />
        <source>Solar term</source>
        <translation>Tiết khí</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Solar term + dark moon</source>
        <translation>Tiết khí + trăng non</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Solar term + full moon</source>
        <translation>Tiết khí + trăng tròn</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Solstice or equinox</source>
        <translation>Điểm chí hoặc điểm phân</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Solstice/equinox + dark moon</source>
        <translation>Điểm chí/phân + trăng non</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Solstice/equinox + full moon</source>
        <translation>Điểm chí/phân + trăng tròn</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Summer solstice</source>
        <translation>Hạ chí</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Time specification not permitted in date string.</source>
        <translation>Không được ghi giờ trong chuỗi ngày.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Triple coincidence day</source>
        <translation>Ngày trùng ba</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Vernal equinox</source>
        <translation>Xuân phân</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Vietnam</source>
        <translation>Việt Nam</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Vietnamese</source>
        <translation>Việt Nam</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Winter solstice</source>
        <translation>Đông chí</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Winter solstice + dark moon</source>
        <translation>Đông chí + trăng non</translation>
    </message>
    <message>
        <location line="+1" />
        <source>You must specify an element or an animal or both<byte value="xd" />
for one or more of: day, month and year</source>
        <translation>Bạn phải chọn hành, con giáp hoặc cả hai<byte value="xd" />
cho ít nhất một trong: ngày, tháng và năm</translation>
    </message>
    <message>
        <location line="+1" />
        <source>You must specify an element, an animal or both.</source>
        <translation>Bạn phải chọn hành, con giáp hoặc cả hai.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>boar</source>
        <translation>lợn rừng</translation>
    </message>
    <message>
        <location line="+1" />
        <source>cat</source>
        <translation>mèo</translation>
    </message>
    <message>
        <location line="+1" />
        <source>day</source>
        <translation>ngày</translation>
    </message>
    <message>
        <location line="+1" />
        <source>dog</source>
        <translation>chó</translation>
    </message>
    <message>
        <location line="+1" />
        <source>dragon</source>
        <translation>rồng</translation>
    </message>
    <message>
        <location line="+1" />
        <source>earth</source>
        <translation>thổ</translation>
    </message>
    <message>
        <location line="+1" />
        <source>fire</source>
        <translation>hỏa</translation>
    </message>
    <message>
        <location line="+1" />
        <source>goat</source>
        <translation>dê</translation>
    </message>
    <message>
        <location line="+1" />
        <source>horse</source>
        <translation>ngựa</translation>
    </message>
    <message>
        <location line="+1" />
        <source>hour</source>
        <translation>giờ</translation>
    </message>
    <message>
        <location line="+1" />
        <source>metal</source>
        <translation>kim</translation>
    </message>
    <message>
        <location line="+1" />
        <source>minute</source>
        <translation>phút</translation>
    </message>
    <message>
        <location line="+1" />
        <source>monkey</source>
        <translation>khỉ</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ox</source>
        <translation>trâu</translation>
    </message>
    <message>
        <location line="+1" />
        <source>pig</source>
        <translation>lợn</translation>
    </message>
    <message>
        <location line="+1" />
        <source>rabbit</source>
        <translation>thỏ</translation>
    </message>
    <message>
        <location line="+1" />
        <source>rat</source>
        <translation>chuột</translation>
    </message>
    <message>
        <location line="+1" />
        <source>rooster</source>
        <translation>gà</translation>
    </message>
    <message>
        <location line="+1" />
        <source>sheep</source>
        <translation>cừu</translation>
    </message>
    <message>
        <location line="+1" />
        <source>snake</source>
        <translation>rắn</translation>
    </message>
    <message>
        <location line="+1" />
        <source>tiger</source>
        <translation>hổ</translation>
    </message>
    <message>
        <location line="+1" />
        <source>water</source>
        <translation>thủy</translation>
    </message>
    <message>
        <location line="+1" />
        <source>wood</source>
        <translation>mộc</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Dates, times and CJDs of dark moons and solar terms</source>
        <translation>Ngày, giờ và CJD của trăng non và tiết khí</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Julian and CE new years</source>
        <translation>Năm mới lịch Julius và CE</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Lunar anniversary</source>
        <translation>Ngày kỷ niệm âm lịch</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Lunar month starts &amp; leap months</source>
        <translation>Đầu tháng âm lịch và tháng nhuận</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Lunar new years &amp; anniversaries</source>
        <translation>Năm mới âm lịch và ngày kỷ niệm</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Output window is full.</source>
        <translation>Cửa sổ kết quả đã đầy.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>There is no such day within 1 year of today.</source>
        <translation>Không có ngày như vậy trong vòng 1 năm kể từ hôm nay.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>There is no such day within 1 year.</source>
        <translation>Không có ngày như vậy trong vòng 1 năm.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>There is no such day within 10 years of today.</source>
        <translation>Không có ngày như vậy trong vòng 10 năm kể từ hôm nay.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>There is no such day within 10 years.</source>
        <translation>Không có ngày như vậy trong vòng 10 năm.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>There is no such day within 100 years of today.</source>
        <translation>Không có ngày như vậy trong vòng 100 năm kể từ hôm nay.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>There is no such day within 100 years.</source>
        <translation>Không có ngày như vậy trong vòng 100 năm.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>There is no such day within 1000 years of today.</source>
        <translation>Không có ngày như vậy trong vòng 1000 năm kể từ hôm nay.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>There is no such day within 1000 years.</source>
        <translation>Không có ngày như vậy trong vòng 1000 năm.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>in a</source>
        <translation>hành bất kỳ</translation>
    </message>
    <message>
        <location line="+1" />
        <source>in a fire</source>
        <translation>hành hỏa</translation>
    </message>
    <message>
        <location line="+1" />
        <source>in a metal</source>
        <translation>hành kim</translation>
    </message>
    <message>
        <location line="+1" />
        <source>in a water</source>
        <translation>hành thủy</translation>
    </message>
    <message>
        <location line="+1" />
        <source>in a wood</source>
        <translation>hành mộc</translation>
    </message>
    <message>
        <location line="+1" />
        <source>in an</source>
        <translation>hành bất kỳ</translation>
    </message>
    <message>
        <location line="+1" />
        <source>in an earth</source>
        <translation>hành thổ</translation>
    </message>
    <message>
        <location line="+1" />
        <source>within 1 year</source>
        <translation>trong vòng 1 năm</translation>
    </message>
    <message>
        <location line="+1" />
        <source>within 10 years</source>
        <translation>trong vòng 10 năm</translation>
    </message>
    <message>
        <location line="+1" />
        <source>within 100 years</source>
        <translation>trong vòng 100 năm</translation>
    </message>
    <message>
        <location line="+1" />
        <source>within 1000 years</source>
        <translation>trong vòng 1000 năm</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Unable to add a lunar month.</source>
        <translation>Không thể cộng thêm một tháng âm lịch.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to subtract a lunar month.</source>
        <translation>Không thể trừ đi một tháng âm lịch.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to add a lunar year.</source>
        <translation>Không thể cộng thêm một năm âm lịch.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to subtract a lunar year.</source>
        <translation>Không thể trừ đi một năm âm lịch.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to add a solar term.</source>
        <translation>Không thể cộng thêm một tiết khí.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to subtract a solar term.</source>
        <translation>Không thể trừ đi một tiết khí.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to add a solar year.</source>
        <translation>Không thể cộng thêm một năm tiết khí.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to subtract a solar year.</source>
        <translation>Không thể trừ đi một năm tiết khí.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to add a 60-year cycle (CHL).</source>
        <translation>Không thể cộng thêm một chu kỳ 60 năm (CHL).</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to subtract a 60-year cycle (CHL).</source>
        <translation>Không thể trừ đi một chu kỳ 60 năm (CHL).</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to add a 60-year cycle (CHS).</source>
        <translation>Không thể cộng thêm một chu kỳ 60 năm (CHS).</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to subtract a 60-year cycle (CHS).</source>
        <translation>Không thể trừ đi một chu kỳ 60 năm (CHS).</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to add a intercalary month.</source>
        <translation>Không thể cộng thêm một tháng nhuận.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unable to subtract a intercalary month.</source>
        <translation>Không thể trừ đi một tháng nhuận.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Latest admissible date reached.</source>
        <translation>Đã đến ngày muộn nhất cho phép.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Earliest admissible date reached.</source>
        <translation>Đã đến ngày sớm nhất cho phép.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid lunar date results.</source>
        <translation>Kết quả là một ngày âm lịch không hợp lệ.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid lunar date results</source>
        <translation>Kết quả là một ngày âm lịch không hợp lệ</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Solar date is invalid.</source>
        <translation>Ngày theo lịch tiết khí không hợp lệ.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid solar date results.</source>
        <translation>Kết quả là một ngày theo lịch tiết khí không hợp lệ.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid solar date results</source>
        <translation>Kết quả là một ngày theo lịch tiết khí không hợp lệ</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Invalid ARC date results.</source>
        <translation>Kết quả là một ngày ARC không hợp lệ.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>No moment to move from.</source>
        <translation>Không có thời điểm để bắt đầu di chuyển.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unknown move step.</source>
        <translation>Bước di chuyển không xác định.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Unknown search target.</source>
        <translation>Đối tượng tìm kiếm không xác định.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>This search is made in its own window.</source>
        <translation>Tìm kiếm này được thực hiện trong cửa sổ riêng.</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Error when calling GetLunation() in DisplayMoonData().</source>
        <translation>Lỗi khi gọi GetLunation() trong DisplayMoonData().</translation>
    </message>
</context>
<context>
    <name>orlun::app::DayNames</name>
    <message>
        <location filename="../month/DayNames.cpp" line="+41" />
        <source>, </source>
        <extracomment>Between the parts of a day's name for a screen reader: its date, lunar date, term, festivals.</extracomment>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>orlun::app::LanguageChoice</name>
    <message>
        <location filename="../shared/LanguageChoice.cpp" line="+44" />
        <source>System</source>
        <translation>Theo hệ thống</translation>
    </message>
</context>
<context>
    <name>orlun::app::MonthCanvas</name>
    <message>
        <location filename="../month/MonthCanvas.cpp" line="+39" />
        <source>Days of the month</source>
        <translation>Các ngày trong tháng</translation>
    </message>
    <message>
        <location line="+44" />
        <source>Moon</source>
        <translation>Mặt Trăng</translation>
    </message>
    <message>
        <location line="+1" />
        <source>The Moon on lunar day %1</source>
        <translation>Mặt Trăng ngày %1 âm lịch</translation>
    </message>
</context>
<context>
    <name>orlun::app::PictureNames</name>
    <message>
        <location filename="../main/PictureNames.cpp" line="+33" />
        <source>Stem of the year</source>
        <translation>Can của năm</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Stem of the day</source>
        <translation>Can của ngày</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Branch of the year</source>
        <translation>Chi của năm</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Branch of the day</source>
        <translation>Chi của ngày</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Moon</source>
        <translation>Mặt Trăng</translation>
    </message>
    <message>
        <location line="+3" />
        <source>The Moon, %1% lit, waxing</source>
        <translation>Mặt Trăng, sáng %1%, đang tròn dần</translation>
    </message>
    <message>
        <location line="+1" />
        <source>The Moon, %1% lit, waning</source>
        <translation>Mặt Trăng, sáng %1%, đang khuyết dần</translation>
    </message>
    <message>
        <location line="+10" />
        <source>The character %1</source>
        <translation>Chữ %1</translation>
    </message>
    <message>
        <location line="+1" />
        <source>The character %1 (%2)</source>
        <translation>Chữ %1 (%2)</translation>
    </message>
</context>
<context>
    <name>orlun::app::frmCalendar</name>
    <message>
        <location filename="../month/frmCalendar.cpp" line="+34" />
        <location line="+9" />
        <location line="+33" />
        <source>Calendar</source>
        <translation>Lịch</translation>
    </message>
    <message>
        <location line="-28" />
        <source>Show previous month</source>
        <translation>Hiện tháng trước</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Show next month</source>
        <translation>Hiện tháng sau</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Save as PNG image</source>
        <translation>Lưu thành ảnh PNG</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <location line="+26" />
        <source>The picture file %1 cannot be read. Please reinstall Orlun.</source>
        <translation>Không đọc được tệp hình %1. Vui lòng cài đặt lại Orlun.</translation>
    </message>
    <message>
        <location line="+34" />
        <source>Save image of this calendar month as a PNG file</source>
        <translation>Lưu ảnh tháng lịch này thành tệp PNG</translation>
    </message>
    <message>
        <location line="+1" />
        <source>PNG graphics file (*.png)</source>
        <translation>Tệp đồ họa PNG (*.png)</translation>
    </message>
    <message>
        <location line="+9" />
        <source>Error when attempting to save image.  Please try again.
%1
Nothing was saved.</source>
        <translation>Lỗi khi lưu ảnh. Vui lòng thử lại.
%1
Chưa lưu gì cả.</translation>
    </message>
    <message>
        <location line="+3" />
        <location line="+5" />
        <source>Save image</source>
        <translation>Lưu ảnh</translation>
    </message>
    <message>
        <location line="-4" />
        <source>The image has been saved in the PNG file
%1</source>
        <translation>Ảnh đã được lưu vào tệp PNG
%1</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Save error.  The image has been saved instead in the BMP file
%1
%2</source>
        <translation>Lỗi khi lưu. Ảnh đã được lưu thay vào tệp BMP
%1
%2</translation>
    </message>
</context>
<context>
    <name>orlun::app::frmData</name>
    <message>
        <location filename="../data/frmData.cpp" line="+67" />
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Copy to clipboard</source>
        <translation>Sao chép vào bộ nhớ tạm</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Copy selected text to clipboard</source>
        <translation>Sao chép đoạn đã chọn vào bộ nhớ tạm</translation>
    </message>
    <message>
        <location line="+12" />
        <source>Include major solar terms (the Zs)</source>
        <translation>Kèm tiết khí chính (các Z)</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Include minor solar terms (the Js)</source>
        <translation>Kèm tiết khí phụ (các J)</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Display solar term names</source>
        <translation>Hiện tên tiết khí</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Large window</source>
        <translation>Cửa sổ lớn</translation>
    </message>
    <message>
        <location line="+1" />
        <source>European calendar:</source>
        <translation>Lịch châu Âu:</translation>
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
        <translation>năm</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Leap months only</source>
        <translation>Chỉ tháng nhuận</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Omit invalid dates</source>
        <translation>Bỏ qua ngày không hợp lệ</translation>
    </message>
    <message>
        <location line="+2" />
        <source>List</source>
        <extracomment>A button: make the list of the years asked for.</extracomment>
        <translation>Liệt kê</translation>
    </message>
    <message>
        <location line="+1" />
        <location filename="../data/frmData_lists.cpp" line="-18" />
        <source>Stop</source>
        <translation>Dừng</translation>
    </message>
    <message>
        <location line="+6" />
        <source>Start date:</source>
        <translation>Ngày bắt đầu:</translation>
    </message>
    <message>
        <location line="+2" />
        <source>End date:</source>
        <translation>Ngày kết thúc:</translation>
    </message>
    <message>
        <location line="+67" />
        <source>Data</source>
        <extracomment>What a screen reader calls the window's text box.</extracomment>
        <translation>Dữ liệu</translation>
    </message>
    <message>
        <location filename="../data/frmData_lists.cpp" line="-21" />
        <source>Calculating ...</source>
        <translation>Đang tính ...</translation>
    </message>
    <message>
        <location line="+52" />
        <source>Second test</source>
        <translation>Kiểm tra thứ hai</translation>
    </message>
</context>
<context>
    <name>orlun::app::frmFestivals</name>
    <message>
        <location filename="../festivals/frmFestivals.cpp" line="+26" />
        <source>Common Era date</source>
        <translation>Ngày dương lịch</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Weekday</source>
        <translation>Thứ</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Name</source>
        <translation>Tên</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Lunar date</source>
        <translation>Ngày âm lịch</translation>
    </message>
    <message>
        <location line="+34" />
        <source>Festivals and anniversaries</source>
        <translation>Lễ hội và ngày kỷ niệm</translation>
    </message>
    <message>
        <location line="+13" />
        <source>Lunar &amp;year:</source>
        <translation>Năm âm &amp;lịch:</translation>
    </message>
    <message>
        <location line="+1" />
        <source>&amp;Show festivals</source>
        <translation>&amp;Hiện lễ hội</translation>
    </message>
    <message>
        <location line="+1" />
        <source>&amp;Previous year</source>
        <translation>Năm &amp;trước</translation>
    </message>
    <message>
        <location line="+1" />
        <source>&amp;Next year</source>
        <translation>Năm sa&amp;u</translation>
    </message>
    <message>
        <location line="+3" />
        <source>&amp;Language:</source>
        <translation>&amp;Ngôn ngữ:</translation>
    </message>
    <message>
        <location line="+14" />
        <source>Days</source>
        <translation>Các ngày</translation>
    </message>
    <message>
        <location line="+6" />
        <source>12-30, 4*-15 or a date</source>
        <translation>12-30, 4*-15 hoặc một ngày</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Anniversary of the lunar &amp;date:</source>
        <translation>&amp;Kỷ niệm theo ngày âm lịch:</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Lunar date of the &amp;moment</source>
        <translation>N&amp;gày âm lịch của thời điểm</translation>
    </message>
    <message>
        <location line="+2" />
        <source>&amp;Title:</source>
        <translation>T&amp;iêu đề:</translation>
    </message>
    <message>
        <location line="+3" />
        <source>Yea&amp;rs:</source>
        <translation>Số nă&amp;m:</translation>
    </message>
    <message>
        <location line="+1" />
        <source>List &amp;anniversaries</source>
        <translation>Liệt kê ngà&amp;y kỷ niệm</translation>
    </message>
    <message>
        <location line="+2" />
        <source>&amp;Export to iCalendar…</source>
        <translation>&amp;Xuất ra iCalendar…</translation>
    </message>
    <message>
        <location line="+1" />
        <source>&amp;Copy</source>
        <translation>&amp;Sao chép</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <location filename="../festivals/frmFestivals_export.cpp" line="+28" />
        <location line="+6" />
        <location line="+8" />
        <source>Export to iCalendar</source>
        <translation>Xuất ra iCalendar</translation>
    </message>
    <message>
        <location line="-14" />
        <source>iCalendar file (*.ics)</source>
        <translation>Tệp iCalendar (*.ics)</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Nothing was saved.
%1</source>
        <translation>Chưa lưu gì cả.
%1</translation>
    </message>
    <message>
        <location line="+4" />
        <source>1 event has been saved in the iCalendar file
%1</source>
        <translation>Đã lưu 1 sự kiện vào tệp iCalendar
%1</translation>
    </message>
    <message>
        <location line="+1" />
        <source>%1 events have been saved in the iCalendar file
%2</source>
        <translation>Đã lưu %1 sự kiện vào tệp iCalendar
%2</translation>
    </message>
    <message>
        <location filename="../festivals/frmFestivals_lists.cpp" line="+26" />
        <source>Type a lunar month and day, such as 12-30, or 4*-15 in a leap month, or a date as in the main window's date field.</source>
        <translation>Hãy nhập tháng và ngày âm lịch, ví dụ 12-30, hoặc 4*-15 cho tháng nhuận, hoặc một ngày như trong ô ngày của cửa sổ chính.</translation>
    </message>
    <message>
        <location line="+20" />
        <source>The lunar year must be a whole number from -3000 to 3000.</source>
        <translation>Năm âm lịch phải là số nguyên từ -3000 đến 3000.</translation>
    </message>
    <message>
        <location line="+29" />
        <source>Festivals of the lunar year %1 in %2</source>
        <translation>Lễ hội năm âm lịch %1 tại %2</translation>
    </message>
    <message>
        <location line="+48" />
        <source>The number of years must be a whole number from 1 to %1.</source>
        <translation>Số năm phải là số nguyên từ 1 đến %1.</translation>
    </message>
    <message>
        <location line="+19" />
        <source>Anniversaries of the lunar date %1 from the lunar year %2 in %3</source>
        <translation>Ngày kỷ niệm theo ngày âm lịch %1 từ năm âm lịch %2 tại %3</translation>
    </message>
</context>
<context>
    <name>orlun::app::frmHelp</name>
    <message>
        <location filename="../help/frmHelp.cpp" line="+37" />
        <source>The manual is missing from this build.</source>
        <translation>Bản dựng này thiếu hướng dẫn sử dụng.</translation>
    </message>
    <message>
        <location line="+26" />
        <source>Orlun Help</source>
        <translation>Trợ giúp Orlun</translation>
    </message>
    <message>
        <location line="+17" />
        <source>Contents</source>
        <translation>Mục lục</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Manual</source>
        <translation>Hướng dẫn sử dụng</translation>
    </message>
</context>
<context>
    <name>orlun::app::frmLog</name>
    <message>
        <location filename="../log/frmLog.cpp" line="+37" />
        <source>Copy to clipboard</source>
        <translation>Sao chép vào bộ nhớ tạm</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Copy selected text to clipboard</source>
        <translation>Sao chép đoạn đã chọn vào bộ nhớ tạm</translation>
    </message>
    <message>
        <location line="+22" />
        <source>Closing the log window in this way
 causes its contents to be lost.

To preserve the contents
use the 'Close' button.</source>
        <translation>Đóng cửa sổ nhật ký theo cách này
 sẽ làm mất nội dung của nó.

Để giữ lại nội dung,
hãy dùng nút 'Đóng'.</translation>
    </message>
    <message>
        <location line="+8" />
        <location line="+117" />
        <source>Log for %1</source>
        <translation>Nhật ký của %1</translation>
    </message>
    <message>
        <location line="-104" />
        <location line="+52" />
        <source>Clear log</source>
        <translation>Xóa nhật ký</translation>
    </message>
    <message>
        <location line="-50" />
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <location line="+14" />
        <source>Log</source>
        <translation>Nhật ký</translation>
    </message>
    <message>
        <location line="+36" />
        <source>Erase all data in the log?</source>
        <translation>Xóa toàn bộ dữ liệu trong nhật ký?</translation>
    </message>
    <message>
        <location line="+27" />
        <source>View Log</source>
        <translation>Xem nhật ký</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Log is empty</source>
        <translation>Nhật ký trống</translation>
    </message>
</context>
<context>
    <name>orlun::app::frmLogPreferences</name>
    <message>
        <location filename="../log/frmLogPreferences.cpp" line="+48" />
        <source>Configure log entries</source>
        <translation>Cấu hình mục nhật ký</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Include in log entries:</source>
        <translation>Đưa vào mục nhật ký:</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ChL (Chinese Lunar Calendar)</source>
        <translation>ChL (Âm lịch Trung Quốc)</translation>
    </message>
    <message>
        <location line="+1" />
        <source>ChS (Chinese Solar Calendar)</source>
        <translation>ChS (Lịch tiết khí Trung Quốc)</translation>
    </message>
    <message>
        <location line="+2" />
        <source>CJDC (Chronological Julian Date, China)</source>
        <translation>CJDC (Ngày Julius niên đại, Trung Quốc)</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Epoch, method, longitude</source>
        <translation>Kỷ nguyên, phương pháp, kinh độ</translation>
    </message>
    <message>
        <location line="+1" />
        <source>CE (Common Era Calendar)</source>
        <translation>CE (Dương lịch)</translation>
    </message>
    <message>
        <location line="+1" />
        <source>JC (Julian Calendar)</source>
        <translation>JC (Lịch Julius)</translation>
    </message>
    <message>
        <location line="+2" />
        <source>CJDL (Chronological Julian Date, London)</source>
        <translation>CJDL (Ngày Julius niên đại, London)</translation>
    </message>
    <message>
        <location line="+1" />
        <source>AJD (Astronomical Julian Date)</source>
        <translation>AJD (Ngày Julius thiên văn)</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Phase of Moon and illumination</source>
        <translation>Pha Mặt Trăng và độ sáng</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Lunation and age of Moon</source>
        <translation>Tuần trăng và tuổi trăng</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Expanded log entries</source>
        <translation>Mục nhật ký chi tiết</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Include Chinese terms</source>
        <translation>Kèm thuật ngữ Trung Quốc</translation>
    </message>
    <message>
        <location line="+1" />
        <source>View log after adding an entry</source>
        <translation>Xem nhật ký sau khi thêm mục</translation>
    </message>
    <message>
        <location line="+1" />
        <location line="+122" />
        <source>Set all</source>
        <translation>Chọn tất cả</translation>
    </message>
    <message>
        <location line="-121" />
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Chinese</source>
        <translation>Trung Quốc</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Western</source>
        <translation>Phương Tây</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Astronomical</source>
        <translation>Thiên văn</translation>
    </message>
    <message>
        <location line="+116" />
        <source>Clear all</source>
        <translation>Bỏ chọn tất cả</translation>
    </message>
</context>
<context>
    <name>orlun::app::frmMain</name>
    <message>
        <location filename="../main/MainLists.cpp" line="+39" />
        <source>-2696 = 2697 BC</source>
        <translation>-2696 = 2697 TCN</translation>
    </message>
    <message>
        <location line="+1" />
        <source>-2636 = 2637 BC</source>
        <translation>-2636 = 2637 TCN</translation>
    </message>
    <message>
        <location line="+5" />
        <source>true sun</source>
        <translation>mặt trời thực</translation>
    </message>
    <message>
        <location line="+1" />
        <source>mean sun</source>
        <translation>mặt trời trung bình</translation>
    </message>
    <message>
        <location line="+5" />
        <source>%1 Lunar</source>
        <translation>Âm lịch %1</translation>
    </message>
    <message>
        <location line="+6" />
        <source>%1 Solar</source>
        <translation>Lịch tiết khí %1</translation>
    </message>
    <message>
        <location line="+8" />
        <source>Year %1</source>
        <translation>Năm %1</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Chronological JD %1º East</source>
        <translation>Ngày Julius niên đại, kinh độ %1º Đông</translation>
    </message>
    <message>
        <location filename="../main/frmMain.cpp" line="+98" />
        <location filename="../main/frmMain_layout.cpp" line="+345" />
        <source>Reference longitude:</source>
        <translation>Kinh độ tham chiếu:</translation>
    </message>
    <message>
        <location line="+248" />
        <location filename="../main/frmMain_log.cpp" line="+94" />
        <source>Error</source>
        <translation>Lỗi</translation>
    </message>
    <message>
        <location filename="../main/frmMain_layout.cpp" line="-251" />
        <location line="+54" />
        <source>Common Era (Gregorian):</source>
        <translation>Dương lịch (Gregory):</translation>
    </message>
    <message>
        <location line="-54" />
        <location line="+55" />
        <source>Julian Calendar:</source>
        <translation>Lịch Julius:</translation>
    </message>
    <message>
        <location line="-54" />
        <location line="+55" />
        <source>Zodozizidu Zidevuze:</source>
        <translation>Zodozizidu Zidevuze:</translation>
    </message>
    <message>
        <location line="-55" />
        <location line="+58" />
        <source>Chronological JD London:</source>
        <translation>Ngày Julius niên đại, London:</translation>
    </message>
    <message>
        <location line="-57" />
        <location line="+60" />
        <source>Astronomical Julian date:</source>
        <translation>Ngày Julius thiên văn:</translation>
    </message>
    <message>
        <location line="-59" />
        <location line="+61" />
        <source>Phase of Moon, illumination:</source>
        <translation>Pha Mặt Trăng, độ sáng:</translation>
    </message>
    <message>
        <location line="-60" />
        <location line="+61" />
        <source>[Lunation] Age of Moon:</source>
        <translation>[Tuần trăng] Tuổi trăng:</translation>
    </message>
    <message>
        <location line="-61" />
        <location line="+62" />
        <source>Delta T:</source>
        <translation>Độ lệch Delta T:</translation>
    </message>
    <message>
        <location line="-14" />
        <source>Chinese Lunar:</source>
        <translation>Âm lịch Trung Quốc:</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Chinese Solar:</source>
        <translation>Lịch tiết khí Trung Quốc:</translation>
    </message>
    <message>
        <location line="+73" />
        <location line="+3" />
        <source>Convert</source>
        <translation>Chuyển đổi</translation>
    </message>
    <message>
        <location line="-2" />
        <source>Date:</source>
        <translation>Ngày:</translation>
    </message>
    <message>
        <location line="+3" />
        <source>Clear</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <location line="+2" />
        <source>days</source>
        <translation>ngày</translation>
    </message>
    <message>
        <location line="+1" />
        <source>plus</source>
        <translation>cộng</translation>
    </message>
    <message>
        <location line="+1" />
        <source>minus</source>
        <translation>trừ</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Time:</source>
        <translation>Giờ:</translation>
    </message>
    <message>
        <location line="+3" />
        <source>element</source>
        <translation>hành</translation>
    </message>
    <message>
        <location line="+2" />
        <source>animal</source>
        <translation>con giáp</translation>
    </message>
    <message>
        <location line="+34" />
        <location line="+1" />
        <source>Move</source>
        <translation>Di chuyển</translation>
    </message>
    <message>
        <location line="+1" />
        <source>one day</source>
        <translation>một ngày</translation>
    </message>
    <message>
        <location line="+2" />
        <source>forward</source>
        <translation>tiến</translation>
    </message>
    <message>
        <location line="+1" />
        <source>back</source>
        <translation>lùi</translation>
    </message>
    <message>
        <location line="+2" />
        <source>repeatedly</source>
        <translation>lặp lại</translation>
    </message>
    <message>
        <location line="+1" />
        <source>keep 30th</source>
        <translation>giữ ngày 30</translation>
    </message>
    <message>
        <location line="+1" />
        <source>keep leap</source>
        <translation>giữ tháng nhuận</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Stop</source>
        <translation>Dừng</translation>
    </message>
    <message>
        <location line="+1" />
        <location filename="../main/frmMain_move.cpp" line="+178" />
        <location line="+95" />
        <source>Pause</source>
        <translation>Tạm dừng</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Refresh period (in seconds):</source>
        <translation>Chu kỳ làm mới (giây):</translation>
    </message>
    <message>
        <location line="+32" />
        <source>Search</source>
        <translation>Tìm kiếm</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Search for</source>
        <translation>Tìm</translation>
    </message>
    <message>
        <location line="+1" />
        <source>previous</source>
        <translation>trước</translation>
    </message>
    <message>
        <location line="+1" />
        <source>next</source>
        <translation>tiếp theo</translation>
    </message>
    <message>
        <location line="+30" />
        <source>º East</source>
        <translation>º Đông</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Epoch:</source>
        <translation>Kỷ nguyên:</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Solar terms:</source>
        <translation>Tiết khí:</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Show Zodozizidu Zidevuze</source>
        <translation>Hiện Zodozizidu Zidevuze</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Show chronological JDs</source>
        <translation>Hiện ngày Julius niên đại</translation>
    </message>
    <message>
        <location line="+14" />
        <source>Dates/times/CJDs of dark moons &amp;&amp; solar terms</source>
        <translation>Ngày/giờ/CJD của trăng non và tiết khí</translation>
    </message>
    <message>
        <location line="+2" />
        <source>List lunar new years &amp;&amp; anniversaries</source>
        <translation>Liệt kê năm mới âm lịch và ngày kỷ niệm</translation>
    </message>
    <message>
        <location line="+2" />
        <source>List lunar month starts &amp;&amp; leap months</source>
        <translation>Liệt kê đầu tháng âm lịch và tháng nhuận</translation>
    </message>
    <message>
        <location line="+2" />
        <source>List Julian &amp;&amp; Common Era new years</source>
        <translation>Liệt kê năm mới lịch Julius và dương lịch</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Show lunar calendar month</source>
        <translation>Hiện tháng âm lịch</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Test</source>
        <translation>Kiểm tra</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Compare suns</source>
        <translation>So sánh mặt trời</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Festivals and anniversaries</source>
        <translation>Lễ hội và ngày kỷ niệm</translation>
    </message>
    <message>
        <location line="+22" />
        <source>Language:</source>
        <translation>Ngôn ngữ:</translation>
    </message>
    <message>
        <location line="+3" />
        <source>Window texts change at the next start.</source>
        <translation>Văn bản trong cửa sổ sẽ đổi ngôn ngữ ở lần khởi động sau.</translation>
    </message>
    <message>
        <location line="+14" />
        <source>Now</source>
        <translation>Bây giờ</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Reset</source>
        <translation>Đặt lại</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Add to log</source>
        <translation>Thêm vào nhật ký</translation>
    </message>
    <message>
        <location line="+1" />
        <source>View log</source>
        <translation>Xem nhật ký</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Clear log</source>
        <translation>Xóa nhật ký</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Configure log</source>
        <translation>Cấu hình nhật ký</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Auto log</source>
        <translation>Tự ghi nhật ký</translation>
    </message>
    <message>
        <location line="+1" />
        <location filename="../main/frmMain_state.cpp" line="+55" />
        <source>Save state</source>
        <translation>Lưu trạng thái</translation>
    </message>
    <message>
        <location line="+1" />
        <location filename="../main/frmMain_state.cpp" line="+18" />
        <location line="+57" />
        <source>Restore state</source>
        <translation>Khôi phục trạng thái</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Help</source>
        <translation>Trợ giúp</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Quit</source>
        <translation>Thoát</translation>
    </message>
    <message>
        <location line="+34" />
        <source>Scroll the window left or right</source>
        <translation>Cuộn cửa sổ sang trái hoặc phải</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Scroll the window up or down</source>
        <translation>Cuộn cửa sổ lên hoặc xuống</translation>
    </message>
    <message>
        <location filename="../main/frmMain_move.cpp" line="-7" />
        <location filename="../main/frmMain_views.cpp" line="+32" />
        <source>Resume</source>
        <translation>Tiếp tục</translation>
    </message>
    <message>
        <location filename="../main/frmMain_names.cpp" line="+22" />
        <source>Time zone</source>
        <translation>Múi giờ</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Move step</source>
        <translation>Bước di chuyển</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Search target</source>
        <translation>Đối tượng tìm kiếm</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Reference longitude, degrees East</source>
        <translation>Kinh độ tham chiếu, độ Đông</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Zone code</source>
        <translation>Mã múi giờ</translation>
    </message>
    <message>
        <location line="+9" />
        <source>Zodozizidu Zidevuze (GMT)</source>
        <translation>Zodozizidu Zidevuze (GMT)</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Zodozizidu Zidevuze (reference meridian)</source>
        <translation>Zodozizidu Zidevuze (kinh tuyến tham chiếu)</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Zodozizidu Zidevuze date compared with Chinese Lunar</source>
        <translation>Ngày Zodozizidu Zidevuze so với âm lịch Trung Quốc</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Element-animal of the day</source>
        <translation>Hành và con giáp của ngày</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Lunar date in the chosen language</source>
        <translation>Ngày âm lịch theo ngôn ngữ đã chọn</translation>
    </message>
    <message>
        <location filename="../main/frmMain_state.cpp" line="-74" />
        <source>Error when attempting to save the state: %1</source>
        <translation>Lỗi khi lưu trạng thái: %1</translation>
    </message>
    <message>
        <location line="+18" />
        <source>Restore previous log configuration also?</source>
        <translation>Khôi phục cả cấu hình nhật ký trước đó?</translation>
    </message>
    <message>
        <location line="+57" />
        <source>The saved state could not be read from the file %1
Nothing was changed.</source>
        <translation>Không đọc được trạng thái đã lưu từ tệp %1
Không có gì thay đổi.</translation>
    </message>
    <message>
        <location filename="../main/frmMain_views.cpp" line="+20" />
        <source>Out of range</source>
        <translation>Ngoài phạm vi</translation>
    </message>
    <message>
        <location line="+1" />
        <source>The lunar month of this date lies outside the years -3000 to 3000.</source>
        <translation>Tháng âm lịch của ngày này nằm ngoài khoảng năm -3000 đến 3000.</translation>
    </message>
</context>
<context>
    <name>orlun::app::frmMsgNowLoading</name>
    <message>
        <location filename="../month/frmMsgNowLoading.cpp" line="+11" />
        <source>One moment please</source>
        <translation>Vui lòng chờ một chút</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Now loading images ...</source>
        <translation>Đang tải hình ảnh ...</translation>
    </message>
</context>
<context>
    <name>orlun::app::frmMultiple_El_An</name>
    <message>
        <location filename="../search/frmMultiple_El_An.cpp" line="+29" />
        <source>day</source>
        <extracomment>The row of the day's element and animal.</extracomment>
        <translation>ngày</translation>
    </message>
    <message>
        <location line="+1" />
        <source>month</source>
        <translation>tháng</translation>
    </message>
    <message>
        <location line="+1" />
        <source>year</source>
        <translation>năm</translation>
    </message>
    <message>
        <location line="+3" />
        <source>day element</source>
        <translation>hành của ngày</translation>
    </message>
    <message>
        <location line="+1" />
        <source>month element</source>
        <translation>hành của tháng</translation>
    </message>
    <message>
        <location line="+1" />
        <source>year element</source>
        <translation>hành của năm</translation>
    </message>
    <message>
        <location line="+2" />
        <source>day animal</source>
        <translation>con giáp của ngày</translation>
    </message>
    <message>
        <location line="+1" />
        <source>month animal</source>
        <translation>con giáp của tháng</translation>
    </message>
    <message>
        <location line="+1" />
        <source>year animal</source>
        <translation>con giáp của năm</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Searching ...</source>
        <translation>Đang tìm ...</translation>
    </message>
    <message>
        <location line="+16" />
        <source>Search for multiple element-animal</source>
        <translation>Tìm theo nhiều hành–con giáp</translation>
    </message>
    <message>
        <location line="+20" />
        <source>Search within</source>
        <translation>Phạm vi tìm kiếm</translation>
    </message>
    <message>
        <location line="+22" />
        <source>starting from today</source>
        <translation>bắt đầu từ hôm nay</translation>
    </message>
    <message>
        <location line="+2" />
        <location line="+8" />
        <location line="+88" />
        <source>Search</source>
        <translation>Tìm kiếm</translation>
    </message>
    <message>
        <location line="-94" />
        <source>Clear</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <location line="+4" />
        <location line="+88" />
        <source>Stop</source>
        <translation>Dừng</translation>
    </message>
    <message>
        <location line="-50" />
        <source>Search for the next</source>
        <translation>Tìm lần tiếp theo</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Search for the previous</source>
        <translation>Tìm lần trước</translation>
    </message>
</context>
</TS>

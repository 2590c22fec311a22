// orlun-cli's output object and its formats: the exact bytes of each format, which stream each
// kind of text goes to, and a failed write to standard output turning into exit code 3.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "output/Output.h"
#include "output/OutputFormats.h"

namespace orlun::cli {
namespace {

// A stream in memory; its text once closed.
class MemoryStream {
public:
    MemoryStream() : file_(open_memstream(&data_, &size_)) {}
    ~MemoryStream()
    {
        if (file_) std::fclose(file_);
        std::free(data_);
    }
    std::FILE* File() { return file_; }
    std::string Text()
    {
        std::fflush(file_);
        return std::string(data_, size_);
    }

private:
    char* data_ = nullptr;
    size_t size_ = 0;
    std::FILE* file_;
};

const Table kPhases{"phases", {{"lunation"}, {"phase"}, {"td"}, {"ut"}, {"date"}, {"time", TextGap::Space}}};
const Table kLines{"lines", {{"caption"}, {"value"}}};
// Two fields of a group after the record's own.
const Table kMonths{"months", {{"month"}, {"month", TextGap::Tab, "native"}, {"size", TextGap::Tab, "native"}}};

struct FormatCase {
    const char* format;
    Table table;
    std::vector<Record> records;
    std::string expected;
};

TEST(CliOutputFormats, WriteTheExactBytesOfEachFormat)
{
    const std::vector<Record> phase = {
        {{int64_t{-1}, int64_t{3}, Decimal{2451543.0123456, 6}, Decimal{-0.5, 6}, "1999-12-29", "12:17:47"}}};
    const std::vector<Record> texts = {{{"CE", " 2013-02-10, Sun"}}, {{"a,b \"q\"", "two\r\nlines"}}};
    const FormatCase cases[] = {
        // The text form: tabs, a space before the time, "%.6f", no header.
        {"text", kPhases, phase, "-1\t3\t2451543.012346\t-0.500000\t1999-12-29 12:17:47\n"},
        {"text", kLines, texts, "CE\t 2013-02-10, Sun\na,b \"q\"\ttwo\r\nlines\n"},
        {"text", kLines, {}, ""},
        // A value beyond the named columns still gets a tab before it.
        {"text", kLines, {{{"a", "b", int64_t{7}}}}, "a\tb\t7\n"},
        {"csv", kPhases, phase,
         "lunation,phase,td,ut,date,time\r\n-1,3,2451543.012346,-0.500000,1999-12-29,12:17:47\r\n"},
        // RFC 4180: a comma, a quote or a line break makes a quoted field with doubled quotes.
        {"csv", kLines, texts, "caption,value\r\nCE,\" 2013-02-10, Sun\"\r\n\"a,b \"\"q\"\"\",\"two\r\nlines\"\r\n"},
        {"csv", kLines, {}, "caption,value\r\n"},
        // A record of one empty field is no empty line; two empty fields are a comma.
        {"csv", {"list", {{"line"}}}, {{{"a"}}, {{""}}, {{"b"}}}, "line\r\na\r\n\"\"\r\nb\r\n"},
        {"csv", kLines, {{{"", ""}}}, "caption,value\r\n,\r\n"},
        // TSV: a header, tabs between fields, a tab, line break or backslash inside one escaped.
        {"tsv", kPhases, phase, "lunation\tphase\ttd\tut\tdate\ttime\n-1\t3\t2451543.012346\t-0.500000\t1999-12-29\t12:17:47\n"},
        {"tsv", kLines, {{{"a\tb\\c", "two\r\nlines"}}}, "caption\tvalue\na\\tb\\\\c\ttwo\\r\\nlines\n"},
        {"tsv", kLines, texts, "caption\tvalue\nCE\t 2013-02-10, Sun\na,b \"q\"\ttwo\\r\\nlines\n"},
        {"tsv", kLines, {}, "caption\tvalue\n"},
        // Whole numbers stay whole; the decimals are the text form's only.
        {"json", kPhases, phase,
         "{\n  \"phases\": [\n    {\n      \"lunation\": -1,\n      \"phase\": 3,\n      \"td\": 2451543.0123456,\n"
         "      \"ut\": -0.5,\n      \"date\": \"1999-12-29\",\n      \"time\": \"12:17:47\"\n    }\n  ]\n}\n"},
        {"json", kLines, {}, "{\n  \"lines\": []\n}\n"},
        // A group is one object in JSON, a prefix of its columns' names in CSV and TSV.
        {"json", kMonths, {{{int64_t{2}, "闰二月", "小"}}},
         "{\n  \"months\": [\n    {\n      \"month\": 2,\n      \"native\": {\n        \"month\": \"闰二月\",\n"
         "        \"size\": \"小\"\n      }\n    }\n  ]\n}\n"},
        {"csv", kMonths, {{{int64_t{2}, "闰二月", "小"}}}, "month,native_month,native_size\r\n2,闰二月,小\r\n"},
        {"tsv", kMonths, {}, "month\tnative_month\tnative_size\n"},
        {"text", kMonths, {{{int64_t{2}, "tháng Hai nhuận", "thiếu"}}}, "2\ttháng Hai nhuận\tthiếu\n"},
        // A column left out of the text form, first or later: no gap for it either.
        {"text", {"t", {{"a", TextGap::Tab, "", false}, {"b"}, {"c", TextGap::Space, "", false}, {"d", TextGap::Space}}},
         {{{"1", "2", "3", "4"}}}, "2 4\n"},
        {"csv", {"t", {{"a", TextGap::Tab, "", false}, {"b"}}}, {{{"1", "2"}}}, "a,b\r\n1,2\r\n"},
    };
    for (const FormatCase& c : cases)
        EXPECT_EQ(WholeTable(c.format, c.table, c.records), c.expected) << c.format << " " << c.table.name;
}

TEST(CliOutputFormats, NamesOnlyTheFormatsItHas)
{
    EXPECT_EQ(FormatNames(), (std::vector<std::string>{"text", "tsv", "csv", "json"}));
    for (const char* name : {"", "TEXT", "TSV", "ics", "json "}) {
        EXPECT_EQ(WriterOfFormat(name), nullptr) << name;
        EXPECT_EQ(WholeTable(name, kLines, {{{"a", "b"}}}), "") << name;
    }
}

// The document as the whole of it once was written: built in memory, then dumped indented by two.
std::string WholeJsonDocument(const std::vector<std::pair<Table, std::vector<Record>>>& tables)
{
    nlohmann::ordered_json document = nlohmann::ordered_json::object();
    for (const auto& [table, records] : tables) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const Record& record : records) {
            nlohmann::ordered_json object = nlohmann::ordered_json::object();
            for (size_t i = 0; i < record.values.size() && i < table.columns.size(); ++i) {
                const Column& column = table.columns[i];
                auto& holder = column.group.empty() ? object : object[column.group];
                const FieldValue& value = record.values[i];
                if (const auto* text = std::get_if<std::string>(&value)) holder[column.name] = *text;
                else if (const auto* number = std::get_if<int64_t>(&value)) holder[column.name] = *number;
                else holder[column.name] = std::get<Decimal>(value).value;
            }
            list.push_back(object);
        }
        document[table.name] = list;
    }
    return document.dump(2) + "\n";
}

TEST(CliOutputFormats, JsonStreamedIsTheWholeDocumentByteForByte)
{
    // Texts to escape, CJK, whole numbers at the ends of 64 bits, reals that print in exponent form.
    const std::vector<Record> varied = {
        {{int64_t{INT64_MIN}, "闰二月", "小"}},
        {{int64_t{INT64_MAX}, "tab\there \"q\" back\\slash", "\x01\x1f\x7f/"}},
        {{int64_t{0}, "", "line\r\nbreak"}},
    };
    const Table reals{"reals", {{"a"}, {"b"}, {"c"}}};
    const std::vector<Record> numbers = {{{Decimal{1e-7, 4}, Decimal{2451545.0, 6}, Decimal{-0.0, 2}}},
                                         {{Decimal{1e21, 0}, Decimal{0.1234, 4}, Decimal{123456789.123, 3}}}};
    const std::vector<std::vector<std::pair<Table, std::vector<Record>>>> documents = {
        {{kMonths, varied}},
        {{reals, numbers}},
        {{kLines, {}}},
        {{kLines, {{{"one", "record"}}}}},
        // Tables after one another, empty or not.
        {{kLines, {}}, {reals, numbers}, {kMonths, varied}, {{"empty", {}}, {}}},
    };
    for (const auto& tables : documents) {
        const std::unique_ptr<RecordWriter> writer = WriterOfFormat("json");
        std::string streamed;
        for (const auto& [table, records] : tables) {
            streamed += writer->Begin(table);
            for (const Record& record : records) streamed += writer->Row(record);
        }
        streamed += writer->End();
        EXPECT_EQ(streamed, WholeJsonDocument(tables)) << tables.front().first.name << ", " << tables.size() << " tables";
        EXPECT_TRUE(nlohmann::json::accept(streamed)) << "the streamed document is one JSON value";
    }
}

TEST(CliOutputFormats, JsonWritesNothingWhenNoTableWasBegun)
{
    EXPECT_EQ(WriterOfFormat("json")->End(), "");
}

struct StreamCase {
    const char* what;
    void (*show)(Output&);
    std::string out, err;
};

TEST(CliOutput, SendsEachKindOfTextToItsStream)
{
    const StreamCase cases[] = {
        {"records", [](Output& o) { o.Begin(kLines); o.Write({{"CHL", "79-30-01-01"}}); }, "CHL\t79-30-01-01\n", ""},
        {"line", [](Output& o) { o.Line("The image has been saved in the PNG file"); },
         "The image has been saved in the PNG file\n", ""},
        {"text as it is", [](Output& o) { o.Text("a\nb"); }, "a\nb", ""},
        {"titled refusal", [](Output& o) { o.Refusal("Date out of range", "too late"); }, "",
         "Date out of range: too late\n"},
        // A message box without a title of its own bears the program's name.
        {"untitled refusal", [](Output& o) { o.Refusal("", "Not found"); }, "", "Orlun: Not found\n"},
        {"refusal after records", [](Output& o) { o.Line("x"); o.Refusal("Out of range", "Latest date exceeded."); },
         "x\n", "Out of range: Latest date exceeded.\n"},
        {"message", [](Output& o) { o.Message("error 3: bad"); }, "", "error 3: bad\n"},
        {"mixed", [](Output& o) { o.Message("Is this a CHL Calendar date? No"); o.Line("x"); o.Message("done"); }, "x\n",
         "Is this a CHL Calendar date? No\ndone\n"},
    };
    for (const StreamCase& c : cases) {
        MemoryStream out, err;
        Output output(out.File(), err.File(), WriterOfFormat(kTextFormat));
        c.show(output);
        EXPECT_EQ(output.ExitCode(1), 1) << c.what;
        EXPECT_EQ(out.Text(), c.out) << c.what;
        EXPECT_EQ(err.Text(), c.err) << c.what;
    }
}

TEST(CliOutput, ClosesTheJsonDocumentWhenFinished)
{
    MemoryStream out, err;
    Output output(out.File(), err.File(), WriterOfFormat("json"));
    output.Begin(kLines);
    output.Write({{"CE", "2013-02-10"}});
    // The record is written as it comes, but for its last line, which waits for a comma or the end.
    EXPECT_EQ(out.Text(), "{\n  \"lines\": [\n    {\n      \"caption\": \"CE\",\n      \"value\": \"2013-02-10\"\n");
    EXPECT_TRUE(output.Finish());
    EXPECT_TRUE(output.Finish()); // a second call writes nothing more
    EXPECT_EQ(out.Text(), "{\n  \"lines\": [\n    {\n      \"caption\": \"CE\",\n      \"value\": \"2013-02-10\"\n    }\n  ]\n}\n");
}

struct FullCase {
    const char* what;
    size_t lines;  // more than a stream buffer holds fails while writing, fewer when flushed
    int ownCode;
};

TEST(CliOutput, ReportsAFailedWriteOnceAndExitsWithThree)
{
    const FullCase cases[] = {{"nothing written", 0, 0}, {"one line", 1, 0}, {"refused after one line", 1, 1}, {"many lines", 20000, 0}};
    for (const FullCase& c : cases) {
        std::FILE* full = std::fopen("/dev/full", "w");
        ASSERT_NE(full, nullptr);
        MemoryStream err;
        Output output(full, err.File(), WriterOfFormat(kTextFormat));
        for (size_t i = 0; i < c.lines; ++i) output.Line("2013\t1\t0\t2013-02-10\t29");
        const bool wrote = c.lines == 0;
        EXPECT_EQ(output.ExitCode(c.ownCode), wrote ? c.ownCode : kExitUnwritten) << c.what;
        EXPECT_EQ(output.ExitCode(c.ownCode), wrote ? c.ownCode : kExitUnwritten) << c.what;
        EXPECT_EQ(err.Text(), wrote ? "" : "orlun-cli: cannot write to standard output (No space left on device)\n")
            << c.what;
        std::fclose(full);
    }
}

TEST(CliOutput, MessagesStillReachStandardErrorAfterAFailedWrite)
{
    std::FILE* full = std::fopen("/dev/full", "w");
    ASSERT_NE(full, nullptr);
    std::setvbuf(full, nullptr, _IONBF, 0); // the failure shows at the write itself
    MemoryStream err;
    Output output(full, err.File(), WriterOfFormat(kTextFormat));
    output.Line("lost");
    output.Message("the range ends here");
    EXPECT_FALSE(output.Finish());
    EXPECT_EQ(err.Text(), "the range ends here\norlun-cli: cannot write to standard output (No space left on device)\n");
    std::fclose(full);
}

} // namespace
} // namespace orlun::cli

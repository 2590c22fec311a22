// Everything a command shows goes through one Output: its records through the format's writer and
// its lines of text on standard output, its refusals and messages on standard error. A failed write to standard
// output is remembered, so that the command ends with kExitUnwritten instead of its own code.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "Record.h"
#include "RecordWriter.h"

namespace orlun::cli {

// The exit code of a command whose output, or output file, could not be written.
inline constexpr int kExitUnwritten = 3;

class Output {
public:
    // out and err stay open and owned by the caller (stdout and stderr in the program). `file`
    // names the file that out writes to (--output FILE), for the message of a failed write; empty
    // for standard output.
    Output(std::FILE* out, std::FILE* err, std::unique_ptr<RecordWriter> writer, std::string file = {});

    // Whether the format is the text form: a command with blocks of text writes them only then,
    // and records otherwise.
    bool IsText() const { return writer_->IsText(); }
    // Opens a table-like list; the records written next belong to it.
    void Begin(const Table& table);
    // A record of the table begun last, as the format writes it.
    void Write(const Record& record);
    // A line of text; the line feed is added.
    void Line(std::string_view line);
    // Text that carries its own line ends.
    void Text(std::string_view text);
    // A message box's refusal as "TITLE: TEXT" on standard error, after what standard output
    // holds so far; the program's name stands for a missing title.
    void Refusal(std::string_view title, std::string_view text);
    // A line on standard error.
    void Message(std::string_view line);

    // Closes the format's document and flushes standard output. False when something could not be
    // written; the reason is then on standard error, once. Later calls give the same answer.
    bool Finish();
    // Finish, then the command's own code, or kExitUnwritten when the output was not written.
    int ExitCode(int code);

private:
    void Put(std::string_view bytes);
    // Flushes standard output, remembering a failure as Put does.
    void Flush();

    std::FILE* out_;
    std::FILE* err_;
    std::unique_ptr<RecordWriter> writer_;
    std::string file_;
    int failure_ = 0; // errno of the first failed write; 0 while every write succeeded
    bool finished_ = false;
};

} // namespace orlun::cli

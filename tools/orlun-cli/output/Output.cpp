#include "Output.h"

#include <cerrno>
#include <cstring>
#include <string>

#include "io/WriteFailure.h"

namespace orlun::cli {

namespace {
constexpr std::string_view kProgramTitle = "Orlun";
} // namespace

Output::Output(std::FILE* out, std::FILE* err, std::unique_ptr<RecordWriter> writer, std::string file)
    : out_(out), err_(err), writer_(std::move(writer)), file_(std::move(file))
{
}

void Output::Begin(const Table& table) { Put(writer_->Begin(table)); }

void Output::Write(const Record& record) { Put(writer_->Row(record)); }

void Output::Line(std::string_view line)
{
    Put(line);
    Put("\n");
}

void Output::Text(std::string_view text) { Put(text); }

void Output::Refusal(std::string_view title, std::string_view text)
{
    // Where both streams meet (2>&1), the refusal follows the records it ended.
    Flush();
    std::string line(title.empty() ? kProgramTitle : title);
    line.append(": ").append(text);
    Message(line);
}

void Output::Message(std::string_view line)
{
    // Standard error is where a failure would be reported: nothing is left to tell of its own.
    std::fwrite(line.data(), 1, line.size(), err_);
    std::fputc('\n', err_);
}

void Output::Put(std::string_view bytes)
{
    // After a failure the rest would be lost too; the first reason is the one to report.
    if (failure_ != 0 || bytes.empty()) return;
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), out_) != bytes.size()) failure_ = errno != 0 ? errno : EIO;
}

void Output::Flush()
{
    if (failure_ != 0) return;
    errno = 0;
    if (std::fflush(out_) != 0 || std::ferror(out_)) failure_ = errno != 0 ? errno : EIO;
}

bool Output::Finish()
{
    if (finished_) return failure_ == 0;
    finished_ = true;
    Put(writer_->End());
    Flush();
    if (failure_ == 0) return true;
    if (file_.empty())
        Message("orlun-cli: cannot write to standard output (" + std::string(std::strerror(failure_)) + ")");
    else
        Message("orlun-cli: " + io::Describe(io::FailureOf(io::WriteFailure::Where::File, file_, failure_)));
    return false;
}

int Output::ExitCode(int code) { return Finish() ? code : kExitUnwritten; }

} // namespace orlun::cli

// orlun-cli: the calendar calculator's display lines and tables on the command line.
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <exception>
#include <new>
#include <string>

#include "CliArgs.h"
#include "CliEvents.h"
#include "CliFormat.h"
#include "CommandHelp.h"
#include "CommandLine.h"
#include "CommandOutput.h"
#include "CommandTable.h"
#include "engine/engine_status.h"
#include "output/OutputFormats.h"

namespace {

using namespace orlun::cli;

constexpr const char* kOutOfMemory = "orlun-cli: out of memory\n";

// The message, then the usage of the command (or the list of commands) on standard error: exit 2.
int Usage(const std::string& message, const CommandSpec* command)
{
    if (!message.empty()) std::fprintf(stderr, "orlun-cli: %s\n", message.c_str());
    if (!command) {
        std::fputs(ProgramHelp().c_str(), stderr);
        return 2;
    }
    std::fputs(CommandUsage(*command).c_str(), stderr);
    std::fprintf(stderr, "\"orlun-cli %s --help\" shows its arguments and options.\n", command->name.c_str());
    return 2;
}

// Help and the version on standard output, checked when it is closed.
int Answer(const CommandLine& line)
{
    Output out(stdout, stderr, WriterOfFormat(kTextFormat));
    if (line.request == Request::Version) out.Line(std::string("orlun-cli ") + ORLUN_VERSION);
    else out.Text(line.command ? CommandHelp(*line.command) : ProgramHelp());
    return out.ExitCode(0);
}

// The command's code once its output is closed: see CommandOutput::Close.
int RunInto(const CommandLine& line, Output& out)
{
    try {
        const EngineStatus engine = CheckEphemeris();
        if (!engine.ok) {
            out.Message("orlun-cli: " + engine.message);
            return out.ExitCode(1);
        }
        return out.ExitCode(line.command->run(line.options, out));
    } catch (const UsageError& e) {
        return out.ExitCode(Usage(e.message, line.command));
    } catch (const std::bad_alloc&) {
        // What the command held is freed by now; the message itself allocates nothing.
        std::fputs(kOutOfMemory, stderr);
        return out.ExitCode(1);
    } catch (const std::exception& e) {
        out.Message(std::string("orlun-cli: ") + e.what());
        return out.ExitCode(1);
    }
}

int Run(const CommandLine& line)
{
    const CommandSpec& command = *line.command;
    const std::string format = command.ownFormat ? kTextFormat : FormatOf(line.options);
    // Every command takes these; a name that is none is a usage error whether or not it reads them.
    SettingsFromOptions(line.options);
    LanguageOf(line.options);
    auto destination = CommandOutput::Open(line.options.Get("output"));
    if (const auto* failure = std::get_if<orlun::io::WriteFailure>(&destination)) {
        std::fprintf(stderr, "orlun-cli: %s\n", orlun::io::Describe(*failure).c_str());
        return kExitUnwritten;
    }
    CommandOutput& target = std::get<CommandOutput>(destination);
    Output out(target.Stream(), stderr, WriterOfFormat(format), target.Name());
    return target.Close(RunInto(line, out), out);
}

// A closed standard stream keeps its number taken by a folder opened read-only, so that no
// file opened later (an output file, a temporary one) gets it, and every write to it still fails as
// on the closed one (EBADF).
void HoldClosedStandardStreams()
{
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        const int held = ::open("/", O_RDONLY | O_DIRECTORY);
        if (held >= 0 && held != fd) ::close(held); // a lower number was free too: nothing to hold
    }
}

} // namespace

int main(int argc, char** argv)
{
    HoldClosedStandardStreams();
    const CommandSpec* command = argc > 1 ? CommandNamed(argv[1]) : nullptr;
    try {
        const CommandLine line = ReadCommandLine(argc, argv, Commands());
        if (line.request != Request::Run) return Answer(line);
        return Run(line);
    } catch (const UsageError& e) {
        return Usage(e.message, command);
    } catch (const std::bad_alloc&) {
        std::fputs(kOutOfMemory, stderr);
        return 1;
    }
}

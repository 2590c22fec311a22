// One output format of the command line: turns tables of records into the bytes written on
// standard output. A format is a writer file defining its maker and one line in OutputFormats.cpp.
#pragma once

#include <memory>
#include <string>

#include "Record.h"

namespace orlun::cli {

class RecordWriter {
public:
    virtual ~RecordWriter() = default;
    // The bytes that open a table (a header row, say); the records that follow belong to it.
    virtual std::string Begin(const Table& table) = 0;
    // The bytes to write for one record of the table begun last.
    virtual std::string Row(const Record& record) = 0;
    // The bytes that close the document after the last record; none for a line-per-record format.
    virtual std::string End() { return {}; }
    // Whether this is the text form, in which a command may show its own blocks of text.
    virtual bool IsText() const { return false; }
};

} // namespace orlun::cli

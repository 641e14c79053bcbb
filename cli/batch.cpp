#include "cli/batch.h"

#include <array>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "pass/pass.h"

namespace orvexal {
namespace {

// A batch line types what the field options type, one text per option.
constexpr bool IsInputColumn(const FieldDescription& row)
{
    return !row.option.name.empty();
}

// The output columns: every field the pass reads or writes.
constexpr bool IsOutputColumn(const FieldDescription& row)
{
    return IsInputColumn(row) || IsResult(row);
}

// Both in the order of the fields' numbers.
constexpr auto kInputColumns = FieldsWhere<FieldCountWhere(IsInputColumn)>(IsInputColumn);
constexpr auto kOutputColumns = FieldsWhere<FieldCountWhere(IsOutputColumn)>(IsOutputColumn);

// The TAB-separated texts of a line, into `columns` (whose strings are
// reused from line to line).
void SplitOnTabs(const std::string& line, std::vector<std::string>& columns)
{
    columns.clear();
    std::size_t start = 0;
    for (auto tab = line.find('\t'); tab != std::string::npos; tab = line.find('\t', start)) {
        columns.emplace_back(line, start, tab - start);
        start = tab + 1;
    }
    columns.emplace_back(line, start);
}

// Room for a whole output line, so that it is not moved as it grows.
constexpr std::size_t kOutputLineCapacity = 256;

// The output columns, each as `cell` gives it, then the status.
template <typename Cell>
std::string OutputLine(Cell cell, std::string_view status)
{
    std::string line;
    line.reserve(kOutputLineCapacity);
    for (const Field field : kOutputColumns) {
        line += cell(field);
        line += '\t';
    }
    return line.append(status);
}

// Each answer reaches the reader before the batch waits for another line,
// so a program that writes one line and reads the answer is never kept
// waiting; lines already read in bulk are answered in bulk, without a write
// to the pipe for every one.
void FlushWhenIdle(std::istream& in, std::ostream& out)
{
    if (in.rdbuf()->in_avail() <= 0) {
        out.flush();
    }
}

}  // namespace

long RunBatch(std::istream& in, std::ostream& out, std::ostream& err, AppState& state,
              const Clock& clock)
{
    long lineNumber = 0;
    long notOk = 0;
    std::string line;
    std::vector<std::string> columns;
    const FieldTable designed;
    FieldTable fields;
    in.tie(nullptr);  // the answers are flushed as above, not before every read
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        SplitOnTabs(line, columns);
        if (columns.size() != kInputColumns.size()) {
            err << "orvexal-calc: line " << lineNumber << ": expected " << kInputColumns.size()
                << " TAB-separated texts, found " << columns.size() << std::endl;
            out << "error\n";
            FlushWhenIdle(in, out);
            ++notOk;
            continue;
        }
        fields = designed;  // the texts' storage is kept from the line before
        for (std::size_t i = 0; i < columns.size(); ++i) {
            fields.SetText(kInputColumns[i], columns[i]);
        }
        const auto fault = CalculatePass(fields, state.constellations, state.sun, clock);
        notOk += fault ? 1 : 0;
        out << OutputLine([&fields](Field field) { return fields.Text(field); }, fault ? FaultName(fault->kind) : "ok")
            << '\n';
        FlushWhenIdle(in, out);
    }
    return notOk;
}

std::string BatchHeader()
{
    return OutputLine(FieldName, "status");
}

}  // namespace orvexal

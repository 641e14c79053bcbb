// The target-list reader on any text, from memory: every line is a record,
// a bad line, blank or a comment, and counted once; records are within
// range; a line reads the same alone as within the list.
#include <cmath>
#include <utility>
#include <string>
#include <vector>

#include "data/target_list.h"
#include "fuzz_support.h"

namespace {

// The lines of a text, split here independently of the reader: a line ends
// at "\n", "\r\n" or a lone "\r"; a text that ends with a line end has no
// empty line after it.
std::vector<std::string_view> LinesOf(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t from = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || text[i] == '\r') {
            lines.push_back(text.substr(from, i - from));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            from = i + 1;
        }
    }
    if (from < text.size()) {
        lines.push_back(text.substr(from));
    }
    return lines;
}

bool IsBlankOrComment(std::string_view line)
{
    const std::size_t first = line.find_first_not_of(" \t");
    return first == std::string_view::npos || line[first] == '#';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orvexal;
    using namespace orvexal::fuzz;
    std::string_view text = TextOf(data, size);
    const TargetListRead read = ReadTargetList(text);
    if (!read.refusal.empty()) {
        Require(read.records.empty() && read.badLines.empty(), "a refused list loads nothing");
        return 0;
    }
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    const std::vector<std::string_view> lines = LinesOf(text);
    const auto lineCount = static_cast<int>(lines.size());
    // counted[n]: line n was a record or a bad line; a flag a line costs no
    // allocation a line.
    std::vector<char> counted(lines.size() + 1, 0);
    const auto countOnce = [&counted](int n) { return std::exchange(counted[static_cast<std::size_t>(n)], 1) == 0; };
    for (const TargetRecord& r : read.records) {
        Require(r.lineNumber >= 1 && r.lineNumber <= lineCount, "a record's line is in the text");
        Require(countOnce(r.lineNumber), "a line counted once");
        Require(!IsBlankOrComment(lines[r.lineNumber - 1]), "a record is not a blank line or comment");
        Require(r.raHours >= 0 && r.raHours < 24, "0 <= RA < 24 h");
        Require(std::fabs(r.decDeg) <= 90, "Dec within +-90 deg");
        Require(std::isfinite(r.epochYears), "the epoch is a number");
        Require(!r.name.empty(), "a record has a name");
    }
    for (const BadLine& b : read.badLines) {
        Require(b.lineNumber >= 1 && b.lineNumber <= lineCount, "a bad line is in the text");
        Require(countOnce(b.lineNumber), "a line counted once");
        Require(!b.reason.empty(), "a bad line says why");
    }
    for (int n = 1; n <= lineCount; ++n) {
        Require(counted[static_cast<std::size_t>(n)] != 0 || IsBlankOrComment(lines[n - 1]), "a line skipped is blank or a comment",
                lines[n - 1]);
    }
    if (!read.records.empty()) {
        const TargetRecord& first = read.records.front();
        // After a line end, so that a byte-order mark it begins with is not the text's.
        const TargetListRead alone = ReadTargetList("\n" + std::string(lines[first.lineNumber - 1]));
        Require(alone.records.size() == 1 && alone.records[0].name == first.name
                    && alone.records[0].raHours == first.raHours && alone.records[0].decDeg == first.decDeg
                    && alone.records[0].note == first.note,
                "a line reads the same alone");
    }
    return 0;
}

#include "data/target_list.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include "data/sequential_text.h"
#include "numbers/packed.h"

namespace orvexal {
namespace {

constexpr char kQuote = '"';      // encloses a text item
constexpr char kSeparator = ',';  // between the items of the comma form
constexpr char kComment = '#';    // first non-blank character of a comment line
constexpr char kColon = ':';      // between the parts of a sexagesimal angle
constexpr std::string_view kUnicodeMinus = "\xE2\x88\x92";   // U+2212 MINUS SIGN in UTF-8
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";  // U+FEFF as some editors begin a file

constexpr double kPartsPerUnit = 60;  // minutes per hour or degree, seconds per minute
constexpr double kHoursPerDay = 24;
constexpr double kPoleDeg = 90;
// A packed value this large is out of range on both axes; it is refused
// before it is taken apart, whose whole part is a 16-bit number.
constexpr double kPackedBeyondRange = 1000;

constexpr std::size_t kCommaFormItems = 5;  // name, RA, Dec, epoch, note
constexpr std::size_t kAngleParts = 3;      // hours or degrees, minutes, seconds
constexpr std::size_t kBlankFormValues = 2 * kAngleParts + 1;  // RA, Dec and the epoch

// One angle of a target's place: what its values are called.
struct Axis {
    std::string_view name;
    std::string_view unit;
};
constexpr Axis kRa{"RA", "hours"};
constexpr Axis kDec{"Dec", "degrees"};
constexpr std::string_view kEpoch = "epoch";
constexpr std::string_view kName = "name";

// A fault of one line, kept as its BadLine.
struct LineFault {
    BadLineKind kind;
    std::string item;
};

// The first fault found in a line. The reading goes on after it on neutral
// values that nothing uses, where that is safe, and the line is reported
// with its first fault; faults are noted rather than thrown because a list
// may hold thousands of bad lines, and each throw costs microseconds.
class FirstFault {
public:
    // Keeps the fault unless one was found before; returns 0, the neutral
    // value of the number that could not be read.
    double Note(BadLineKind kind, std::string_view item = {})
    {
        if (!fault_) {
            fault_ = LineFault{kind, std::string(item)};
        }
        return 0;
    }

    explicit operator bool() const { return fault_.has_value(); }
    const LineFault& Fault() const { return *fault_; }

private:
    std::optional<LineFault> fault_;
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

void SkipBlanks(std::string_view line, std::size_t& pos)
{
    while (pos < line.size() && IsBlank(line[pos])) {
        ++pos;
    }
}

// The bytes of a UTF-8 sequence that a lead byte begins, and the range of
// its second byte (RFC 3629, table of well-formed sequences: no overlong
// forms, no surrogates, nothing above U+10FFFF). Length 0 for a byte that
// cannot begin a sequence.
struct Utf8Lead {
    std::size_t length = 0;
    unsigned char secondLow = 0x80;
    unsigned char secondHigh = 0xBF;
};

Utf8Lead Utf8LeadOf(unsigned char b)
{
    if (b < 0x80) {
        return {1};
    }
    if (b >= 0xC2 && b <= 0xDF) {
        return {2};
    }
    if (b >= 0xE0 && b <= 0xEF) {
        return {3, static_cast<unsigned char>(b == 0xE0 ? 0xA0 : 0x80), static_cast<unsigned char>(b == 0xED ? 0x9F : 0xBF)};
    }
    if (b >= 0xF0 && b <= 0xF4) {
        return {4, static_cast<unsigned char>(b == 0xF0 ? 0x90 : 0x80), static_cast<unsigned char>(b == 0xF4 ? 0x8F : 0xBF)};
    }
    return {};
}

bool IsUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Lead lead = Utf8LeadOf(static_cast<unsigned char>(text[i]));
        if (lead.length == 0 || text.size() - i < lead.length) {
            return false;
        }
        for (std::size_t k = 1; k < lead.length; ++k) {
            const auto c = static_cast<unsigned char>(text[i + k]);
            if (c < (k == 1 ? lead.secondLow : 0x80) || c > (k == 1 ? lead.secondHigh : 0xBF)) {
                return false;
            }
        }
        i += lead.length;
    }
    return true;
}

// A text's leading sign taken off: "+", "-" or the Unicode minus.
struct SignedText {
    bool negative = false;
    std::string_view digits;
};

SignedText SplitSign(std::string_view text)
{
    if (text.starts_with(kUnicodeMinus)) {
        return {true, text.substr(kUnicodeMinus.size())};
    }
    if (text.starts_with('-') || text.starts_with('+')) {
        return {text.front() == '-', text.substr(1)};
    }
    return {false, text};
}

// Digits with at most one point and at least one digit, nothing else.
std::optional<double> UnsignedNumberOf(std::string_view text)
{
    if (text.find_first_not_of("0123456789.") != std::string_view::npos || std::ranges::count(text, '.') > 1
        || text.find_first_of("0123456789") == std::string_view::npos) {
        return std::nullopt;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;  // also a number beyond the double range
    }
    return value;
}

std::optional<double> WholeNumberOf(std::string_view text)
{
    return text.find('.') == std::string_view::npos ? UnsignedNumberOf(text) : std::nullopt;
}

std::optional<double> NumberOf(std::string_view text)
{
    const SignedText t = SplitSign(text);
    const std::optional<double> value = UnsignedNumberOf(t.digits);
    return value && t.negative ? -*value : value;
}

// "RA hours", "Dec minutes", ...: part 0, 1 or 2 of an angle.
std::string PartName(const Axis& axis, std::size_t part)
{
    static constexpr std::string_view kSmallerParts[] = {"minutes", "seconds"};
    return std::string(axis.name) + " " + std::string(part == 0 ? axis.unit : kSmallerParts[part - 1]);
}

// A sexagesimal angle from its two or three parts, hours or degrees: the
// sign on the first applies to the whole angle; every part but the last is
// a whole number, minutes and seconds below 60.
double AngleOfParts(const Axis& axis, const std::vector<std::string_view>& parts, FirstFault& fault)
{
    if (parts.size() > kAngleParts) {
        return fault.Note(BadLineKind::NotANumber, axis.name);
    }
    const SignedText first = SplitSign(parts.front());
    double angle = 0;
    double unitsPerPart = 1;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::string_view text = i == 0 ? first.digits : parts[i];
        const std::optional<double> part = i + 1 == parts.size() ? UnsignedNumberOf(text) : WholeNumberOf(text);
        if (!part) {
            return fault.Note(BadLineKind::NotANumber, PartName(axis, i));
        }
        if (i > 0 && *part >= kPartsPerUnit) {
            return fault.Note(BadLineKind::PartOf60OrMore, PartName(axis, i));
        }
        angle += *part / unitsPerPart;
        unitsPerPart *= kPartsPerUnit;
    }
    return first.negative ? -angle : angle;
}

// A packed angle, taken apart as the main window's packed fields are.
double PackedAngle(const Axis& axis, std::string_view text, FirstFault& fault)
{
    const SignedText t = SplitSign(text);
    const std::optional<double> packed = UnsignedNumberOf(t.digits);
    if (!packed) {
        return fault.Note(BadLineKind::NotANumber, axis.name);
    }
    double angle = *packed;  // left so when out of range in any case
    if (*packed < kPackedBeyondRange) {
        const PackedParts parts = ParsePacked(*packed);
        if (parts.minutes >= kPartsPerUnit) {
            return fault.Note(BadLineKind::PartOf60OrMore, PartName(axis, 1));
        }
        if (parts.seconds >= kPartsPerUnit) {
            return fault.Note(BadLineKind::PartOf60OrMore, PartName(axis, 2));
        }
        angle = parts.decimal;
    }
    return t.negative ? -angle : angle;
}

std::vector<std::string_view> Split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    for (std::size_t from = 0;;) {
        const std::size_t to = std::min(text.find(separator, from), text.size());
        parts.push_back(text.substr(from, to - from));
        if (to == text.size()) {
            return parts;
        }
        from = to + 1;
    }
}

// The angle an item of the comma form holds: packed, or parts with colons.
double AngleOfItem(const Axis& axis, const SequentialItem& item, FirstFault& fault)
{
    if (item.text.empty()) {
        return fault.Note(BadLineKind::MissingValue, axis.name);
    }
    if (item.quoted) {
        return fault.Note(BadLineKind::NotANumber, axis.name);
    }
    if (item.text.find(kColon) == std::string::npos) {
        return PackedAngle(axis, item.text, fault);
    }
    std::vector<std::string_view> parts = Split(item.text, kColon);
    std::ranges::transform(parts, parts.begin(), Trimmed);
    return AngleOfParts(axis, parts, fault);
}

double RaHoursChecked(double hours, FirstFault& fault)
{
    if (!(hours >= 0 && hours < kHoursPerDay)) {
        fault.Note(BadLineKind::RaOutOfRange, kRa.name);
    }
    return hours;
}

double DecDegChecked(double deg, FirstFault& fault)
{
    if (!(std::fabs(deg) <= kPoleDeg)) {
        fault.Note(BadLineKind::DecOutOfRange, kDec.name);
    }
    return deg;
}

double EpochYearsOf(std::string_view text, FirstFault& fault)
{
    const std::optional<double> years = NumberOf(text);
    return years ? *years : fault.Note(BadLineKind::EpochNotANumber, kEpoch);
}

// The items of a line by the sequential-text rules; two commas in a row
// hold an empty item, and so does a comma at the end of the line. A line is
// too short to hold an item too long for them, so only its quotes can fail.
static_assert(kMaxTargetLineBytes < kMaxItemLength);
std::vector<SequentialItem> CommaItems(std::string_view line, FirstFault& fault)
{
    try {
        return SequentialReader(line).ReadLineItems();
    } catch (const SequentialFormatError&) {
        fault.Note(BadLineKind::BadQuotes);
        return {};
    }
}

// A quoted name at the start of a line of the blank form.
std::string QuotedName(std::string_view line, std::size_t& pos, FirstFault& fault)
{
    try {
        return QuotedText(line, pos);
    } catch (const SequentialFormatError&) {
        fault.Note(BadLineKind::BadQuotes);
        return {};
    }
}

// name, RA, Dec[, epoch[, note]]; an empty epoch is the default one.
TargetRecord CommaFormRecord(std::string_view line, FirstFault& fault)
{
    TargetRecord record;
    const std::vector<SequentialItem> items = CommaItems(line, fault);
    if (fault || items.size() > kCommaFormItems) {
        fault.Note(BadLineKind::TooManyValues);
        return record;
    }
    const auto itemAt = [&items](std::size_t i) { return i < items.size() ? items[i] : SequentialItem{}; };
    record.name = itemAt(0).text;
    if (record.name.empty()) {
        fault.Note(BadLineKind::MissingValue, kName);
        return record;
    }
    record.raHours = RaHoursChecked(AngleOfItem(kRa, itemAt(1), fault), fault);
    record.decDeg = DecDegChecked(AngleOfItem(kDec, itemAt(2), fault), fault);
    const SequentialItem epoch = itemAt(3);
    if (epoch.quoted) {
        fault.Note(BadLineKind::EpochNotANumber, kEpoch);
    } else if (!epoch.text.empty()) {
        record.epochYears = EpochYearsOf(epoch.text, fault);
    }
    record.note = itemAt(4).text;
    return record;
}

// name hh mm ss.s +-dd mm ss[.s] [epoch], the name without blanks or quoted.
TargetRecord BlankFormRecord(std::string_view line, FirstFault& fault)
{
    TargetRecord record;
    std::size_t pos = 0;
    if (line.front() == kQuote) {
        record.name = QuotedName(line, pos, fault);
        if (fault || (pos < line.size() && !IsBlank(line[pos]))) {
            fault.Note(BadLineKind::BadQuotes);
            return record;
        }
        if (record.name.empty()) {  // "" names nothing, as an empty first item does
            fault.Note(BadLineKind::MissingValue, kName);
            return record;
        }
    } else {
        pos = std::min(line.find_first_of(" \t"), line.size());
        record.name = line.substr(0, pos);
    }
    std::vector<std::string_view> values;
    for (SkipBlanks(line, pos); pos < line.size(); SkipBlanks(line, pos)) {
        const std::size_t end = std::min(line.find_first_of(" \t", pos), line.size());
        values.push_back(line.substr(pos, end - pos));
        pos = end;
    }
    if (values.size() > kBlankFormValues) {
        fault.Note(BadLineKind::TooManyValues);
        return record;
    }
    if (values.size() < 2 * kAngleParts) {
        const std::size_t missing = values.size();
        fault.Note(BadLineKind::MissingValue, PartName(missing < kAngleParts ? kRa : kDec, missing % kAngleParts));
        return record;
    }
    record.raHours = RaHoursChecked(AngleOfParts(kRa, {values.begin(), values.begin() + kAngleParts}, fault), fault);
    record.decDeg = DecDegChecked(
        AngleOfParts(kDec, {values.begin() + kAngleParts, values.begin() + 2 * kAngleParts}, fault), fault);
    if (values.size() == kBlankFormValues) {
        record.epochYears = EpochYearsOf(values.back(), fault);
    }
    return record;
}

// The target a line holds, or nothing for a blank line or a comment; after
// a fault (noted in `fault`) what it returns means nothing.
std::optional<TargetRecord> TargetOfLine(std::string_view line, FirstFault& fault)
{
    if (line.size() > kMaxTargetLineBytes) {
        fault.Note(BadLineKind::LineTooLong);
        return std::nullopt;
    }
    if (!IsUtf8(line)) {
        fault.Note(BadLineKind::NotUtf8);
        return std::nullopt;
    }
    const std::string_view content = Trimmed(line);
    if (content.empty() || content.front() == kComment) {
        return std::nullopt;
    }
    return content.find(kSeparator) != std::string_view::npos ? CommaFormRecord(content, fault)
                                                               : BlankFormRecord(content, fault);
}

std::string ReasonOf(BadLineKind kind, const std::string& item)
{
    switch (kind) {
    case BadLineKind::LineTooLong:
        return "the line is longer than " + std::to_string(kMaxTargetLineBytes) + " bytes";
    case BadLineKind::NotUtf8:
        return "the line is not valid UTF-8 text";
    case BadLineKind::BadQuotes:
        return "a quoted text does not close, or something follows its closing quote";
    case BadLineKind::TooManyValues:
        return "more values than a target line holds (a note that holds commas goes in double quotes)";
    case BadLineKind::MissingValue:
        return "missing value: " + item;
    case BadLineKind::NotANumber:
        return "cannot read the " + item + " as a number";
    case BadLineKind::PartOf60OrMore:
        return item + " of 60 or more";
    case BadLineKind::RaOutOfRange:
        return "RA of 24 h or more, or negative";
    case BadLineKind::DecOutOfRange:
        return "Dec beyond 90 degrees north or south";
    case BadLineKind::EpochNotANumber:
        return "the epoch is not a number";
    }
    return {};
}

// The length of the line end at text[pos]: "\r\n" is one line end.
std::size_t LineEndLength(std::string_view text, std::size_t pos)
{
    if (pos == text.size()) {
        return 0;
    }
    return text.substr(pos).starts_with("\r\n") ? 2 : 1;
}


}  // namespace

TargetListRead ReadTargetList(std::string_view text)
{
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    TargetListRead read;
    int lineNumber = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t end = std::min(text.find_first_of("\r\n", pos), text.size());
        const std::string_view line = text.substr(pos, end - pos);
        pos = end + LineEndLength(text, end);
        ++lineNumber;
        FirstFault fault;
        std::optional<TargetRecord> record = TargetOfLine(line, fault);
        if (fault) {
            const LineFault& first = fault.Fault();
            read.badLines.push_back({lineNumber, first.kind, first.item, ReasonOf(first.kind, first.item)});
            continue;
        }
        if (!record) {
            continue;
        }
        record->lineNumber = lineNumber;
        read.records.push_back(std::move(*record));
        if (read.records.size() > kMaxTargets) {
            return {{}, {}, "more than " + std::to_string(kMaxTargets) + " targets in the list: none loaded"};
        }
    }
    return read;
}

}  // namespace orvexal

// Reading a list of observing targets: names with their right ascension,
// declination, epoch and a note, one target per line.
//
// Blank lines and lines whose first non-blank character is "#" are skipped;
// lines end in "\n", "\r\n" or "\r". A line that holds a comma is read by the
// sequential-text rules (items separated by commas, blanks around an item
// skipped, a text item optionally in double quotes, a doubled quote inside
// standing for one):
//     name, RA, Dec[, epoch[, note]]
// any other line as a catalogue writes it, separated by blanks:
//     name hh mm ss.s +-dd mm ss[.s] [epoch]
// with the name without blanks or in double quotes.
//
// In the comma form the RA (hours) and the Dec (degrees) are each packed
// (5.3517 is 5h 35m 17s, -5.2328 is -5 deg 23' 28", taken apart as the main
// window's packed fields are) or sexagesimal with colons (05:35:17.3,
// -05:23:28, or 05:35.3 with decimal minutes). A sign on the hours or degrees
// applies to the whole angle (-00 30 00 is half a degree south); the Unicode
// minus U+2212 reads as "-". Minutes and seconds must be below 60, the RA in
// 0 <= RA < 24 h, the Dec within +-90 deg.
//
// Every line that is not blank, a comment or a target is reported with its
// line number and the reason; the good lines load all the same.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvexal {

// The most targets a list may hold; a longer list loads none (a list meant
// for one night never comes near it, a wrong file chosen by mistake might).
inline constexpr std::size_t kMaxTargets = 100'000;

// The longest line read, in bytes without its line end.
inline constexpr std::size_t kMaxTargetLineBytes = 4096;

// The largest target-list file read into memory: 100,000 lines of a few
// hundred bytes each fit well within it.
inline constexpr std::uintmax_t kMaxTargetListBytes = std::uintmax_t{64} << 20;

// The epoch of a target's place when the line gives none, years (J2000.0).
inline constexpr double kDefaultEpochYears = 2000.0;

struct TargetRecord {
    std::string name;
    double raHours = 0;                       // 0 <= raHours < 24
    double decDeg = 0;                        // -90 <= decDeg <= 90
    double epochYears = kDefaultEpochYears;   // the equinox and epoch of the place
    std::string note;                         // may be empty
    int lineNumber = 0;                       // 1 for the first line of the text
};

enum class BadLineKind {
    LineTooLong,       // longer than kMaxTargetLineBytes
    NotUtf8,           // not valid UTF-8 text
    BadQuotes,         // a quoted item does not close, or text follows its closing quote
    TooManyValues,     // more items than the line form holds
    MissingValue,      // the value named by `item` is missing
    NotANumber,        // the value named by `item` cannot be read as a number
    PartOf60OrMore,    // minutes or seconds (named by `item`) of 60 or more
    RaOutOfRange,      // RA of 24 h or more, or negative
    DecOutOfRange,     // Dec beyond +-90 deg
    EpochNotANumber,   // the epoch cannot be read as a number
};

struct BadLine {
    int lineNumber = 0;
    BadLineKind kind = BadLineKind::NotANumber;
    std::string item;    // the value concerned ("RA", "Dec seconds", ...), empty when the whole line is
    std::string reason;  // the kind and item in plain words, for the user
};

struct TargetListRead {
    std::vector<TargetRecord> records;  // in the order of their lines
    std::vector<BadLine> badLines;      // in the order of their lines
    std::string refusal;                // not empty when the list was refused whole: then nothing loaded
};

// Reads the whole text of a target list.
TargetListRead ReadTargetList(std::string_view text);

}  // namespace orvexal

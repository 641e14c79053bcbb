// Constellation of a sky position, from the boundary boxes of equinox 1875
// (Publ. Astron. Soc. Pacific 99, 695, 1987).
//
// The official boundaries run along lines of constant right ascension and
// declination of 1875.0 and are cut into boxes; each record gives a range of
// right ascension, a lower declination and the constellation. The records
// are ordered by decreasing lower declination, so the first record, in file
// order, that holds the position names its constellation.
#pragma once

#include <array>
#include <string>

namespace orvexal {

// The boundary boxes as loaded from the constellation file. Records occupy
// elements 1 to ConCount in file order; element 0 holds nothing.
struct ConstellationTables {
    static constexpr int kMaxRecords = 358;
    std::array<double, kMaxRecords + 1> ConRaLow{};   // lower RA, hours (inside)
    std::array<double, kMaxRecords + 1> ConRaHigh{};  // upper RA, hours (outside)
    std::array<double, kMaxRecords + 1> ConDecLow{};  // lower Dec, degrees (inside)
    std::array<std::string, kMaxRecords + 1> ConAbbrev{};
    int ConCount = 0;            // records loaded; the scans never read past it
    bool ConDataLoaded = false;  // true only after the whole file was read
};

// The abbreviation of the first box, at or after the first record whose lower
// declination is at or below decDegrees, with ConRaLow <= raHours <
// ConRaHigh; "[invalid coords]" outside 0 <= raHours <= 24, -90 <= decDegrees
// <= 90; the empty text when no loaded record holds the position (raHours =
// 24 exactly, or a truncated table).
std::string FindConstellation(const ConstellationTables& tables, double raHours, double decDegrees);

}  // namespace orvexal

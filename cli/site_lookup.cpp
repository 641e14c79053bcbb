#include "cli/site_lookup.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <numeric>
#include <stdexcept>
#include <vector>

#include "data/location_file.h"
#include "numbers/number_text.h"
#include "pass/fields.h"

namespace orvexal {
namespace {

// The nearest names listed when a query fits no site, and the fitting names
// listed when it fits several.
constexpr std::size_t kNearestListed = 3;
constexpr std::size_t kFittingListed = 5;

std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::ranges::transform(lower, lower.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// The fewest insertions, deletions and substitutions that turn a into b.
std::size_t EditDistance(std::string_view a, std::string_view b)
{
    std::vector<std::size_t> row(b.size() + 1);
    std::iota(row.begin(), row.end(), std::size_t{0});
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// How far a (lower-case) name is from a query: the fewest edits that make
// the query the start of one of the name's words, so "kek" is 1 from
// "w. m. keck observatory" and "palomr" 1 from "palomar observatory".
std::size_t Distance(std::string_view query, std::string_view name)
{
    std::size_t nearest = EditDistance(query, name.substr(0, query.size()));
    for (std::size_t blank = name.find(' '); blank != std::string_view::npos; blank = name.find(' ', blank + 1)) {
        nearest = std::min(nearest, EditDistance(query, name.substr(blank + 1, query.size())));
    }
    return nearest;
}

// The records nearest to the query, nearest first, in file order among equals.
std::vector<std::size_t> NearestRecords(const LocationList& sites, const std::string& query)
{
    std::vector<std::pair<std::size_t, std::size_t>> ranked;
    for (std::size_t i = 0; i < sites.size(); ++i) {
        ranked.emplace_back(Distance(query, Lower(sites[i].name)), i);
    }
    std::ranges::stable_sort(ranked, {}, &std::pair<std::size_t, std::size_t>::first);
    std::vector<std::size_t> records;
    for (const auto& entry : ranked) {
        records.push_back(entry.second);
    }
    return records;
}

// The names of the first `listed` records, one a line.
std::string NameList(const LocationList& sites, const std::vector<std::size_t>& records, std::size_t listed)
{
    std::string list;
    for (std::size_t i = 0; i < std::min(records.size(), listed); ++i) {
        list += "\n  " + sites[records[i]].name;
    }
    return list;
}

// A row of the site table: each cell but the last padded to its column's
// width and two blanks.
std::string TableRow(const std::array<std::string, 4>& cells, const std::array<std::size_t, 4>& widths)
{
    constexpr std::size_t kGap = 2;
    std::string row;
    for (std::size_t i = 0; i + 1 < cells.size(); ++i) {
        row += cells[i] + std::string(widths[i] + kGap - cells[i].size(), ' ');
    }
    return row + cells.back() + "\n";
}

}  // namespace

void ReadSites(const std::string& path, LocationList& sites)
{
    switch (LoadLocationFile(path, sites)) {
    case LocationLoadResult::Loaded:
        return;
    case LocationLoadResult::WrongFile:
        throw std::invalid_argument("'" + path + "' is the constellation file, not a location file");
    case LocationLoadResult::Failed:
        break;
    }
    throw std::invalid_argument("the location file '" + path + "' could not be read");
}

std::size_t FindSite(const LocationList& sites, const std::string& path, std::string_view query)
{
    const std::string wanted = Lower(query);
    std::vector<std::size_t> fitting;
    for (std::size_t i = 0; i < sites.size(); ++i) {
        const std::string name = Lower(sites[i].name);
        if (name == wanted) {
            return i;
        }
        if (name.starts_with(wanted)) {
            fitting.push_back(i);
        }
    }
    if (fitting.size() == 1) {
        return fitting.front();
    }
    const std::string quoted = "\"" + std::string(query) + "\"";
    if (fitting.empty()) {
        throw std::invalid_argument("--site: no site " + quoted + " in '" + path
                                    + "'; the nearest names:" + NameList(sites, NearestRecords(sites, wanted), kNearestListed));
    }
    const std::string more = fitting.size() > kFittingListed ? "\n  ... (--list-sites lists them all)" : "";
    throw std::invalid_argument("--site: " + quoted + " fits " + std::to_string(fitting.size())
                                + " sites; type more of the name:" + NameList(sites, fitting, kFittingListed) + more);
}

std::string SiteTable(const LocationList& sites)
{
    using Row = std::array<std::string, 4>;
    std::vector<Row> rows{{std::string(FieldCaption(Field::LocationName)), std::string(FieldCaption(Field::Longitude)),
                           std::string(FieldCaption(Field::Latitude)), std::string(FieldCaption(Field::TimeZone))}};
    for (const LocationRecord& site : sites) {
        rows.push_back({site.name, PlainText(site.longitudeWestPacked), PlainText(site.latitudeNorthPacked),
                        PlainText(site.timeZoneWestHours)});
    }
    std::array<std::size_t, 4> widths{};
    for (const Row& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            widths[i] = std::max(widths[i], row[i].size());
        }
    }
    std::string table;
    for (const Row& row : rows) {
        table += TableRow(row, widths);
    }
    return table;
}

}  // namespace orvexal

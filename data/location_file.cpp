#include "data/location_file.h"

#include "data/sequential_text.h"
#include "data/whole_file.h"

namespace orvexal {
namespace {

// The first two characters of the constellation file (its first record's
// lower RA of 0 and the comma after it): a location file never begins so.
constexpr std::string_view kConstellationFileMark = "0,";

// The status line after a load that succeeded, and after one that failed.
constexpr std::string_view kLoadedStatus = "LOCATION file was loaded.";
constexpr std::string_view kFailedStatus = "LOCATION file was NOT loaded ***********";

// One site record: name, longitude, latitude, time zone. The items of a
// braced list are read in their order, left to right.
LocationRecord ReadLocationRecord(SequentialReader& reader)
{
    return {reader.ReadText(), reader.ReadNumber(), reader.ReadNumber(), reader.ReadNumber()};
}

// The records after the header lines. The end of the file is tested after
// each record, so a file that ends after its header lines fails at the first.
LocationList ReadLocationRecords(SequentialReader& reader)
{
    LocationList records;
    do {
        if (records.size() == kMaxLocations) {
            throw SequentialFormatError("more records than the location list holds");
        }
        records.push_back(ReadLocationRecord(reader));
    } while (!reader.AtEnd());
    return records;
}

}  // namespace

LocationRead ReadLocations(std::string_view text)
{
    try {
        SequentialReader reader(text);
        if (reader.ReadLine().starts_with(kConstellationFileMark)) {
            return {LocationLoadResult::WrongFile, {}};
        }
        reader.ReadLine();  // the second header line is read and ignored
        return {LocationLoadResult::Loaded, ReadLocationRecords(reader)};
    } catch (const SequentialFormatError&) {
        return {LocationLoadResult::Failed, {}};
    }
}

LocationLoadResult ApplyLocationRead(LocationRead read, LocationList& list)
{
    if (read.result == LocationLoadResult::Loaded) {
        list = std::move(read.records);
    }
    return read.result;
}

LocationLoadResult LoadLocationFile(const std::string& path, LocationList& list)
{
    // Read whole before the list changes: a failed load leaves it as it was.
    const FileText file = ReadWholeFile(path, kMaxSequentialFileBytes);
    return ApplyLocationRead(file.failure.empty() ? ReadLocations(file.text) : LocationRead{}, list);
}

std::string_view StatusLineAfter(LocationLoadResult result)
{
    switch (result) {
    case LocationLoadResult::Loaded:
        return kLoadedStatus;
    case LocationLoadResult::Failed:
        return kFailedStatus;
    case LocationLoadResult::WrongFile:
        break;
    }
    return {};
}

}  // namespace orvexal

#include "data/location_file.h"

#include <vector>

#include "data/sequential_text.h"

namespace orvexal {
namespace {

// The first two characters of the constellation file (its first record's
// lower RA of 0 and the comma after it): a location file never begins so.
constexpr std::string_view kConstellationFileMark = "0,";

// The status line after a load that succeeded, and after one that failed.
constexpr std::string_view kLoadedStatus = "LOCATION file was loaded.";
constexpr std::string_view kFailedStatus = "LOCATION file was NOT loaded ***********";

struct LocationRecord {
    std::string name;
    double longitude = 0;
    double latitude = 0;
    double timeZone = 0;
};

LocationRecord ReadLocationRecord(SequentialReader& reader)
{
    LocationRecord record;
    record.name = reader.ReadText();
    record.longitude = reader.ReadNumber();
    record.latitude = reader.ReadNumber();
    record.timeZone = reader.ReadNumber();
    return record;
}

// The records after the header lines. The end of the file is tested after
// each record, so a file that ends after its header lines fails at the first.
std::vector<LocationRecord> ReadLocationRecords(SequentialReader& reader)
{
    std::vector<LocationRecord> records;
    do {
        if (records.size() == LocationList::kMaxRecords) {
            throw SequentialFormatError("more records than the location list holds");
        }
        records.push_back(ReadLocationRecord(reader));
    } while (!reader.AtEnd());
    return records;
}

// Makes the list exactly the records read: slots past them are emptied, so
// nothing of a longer earlier file is left behind.
void ReplaceRecords(LocationList& list, const std::vector<LocationRecord>& records)
{
    const int count = static_cast<int>(records.size());
    for (int i = 1; i <= LocationList::kMaxRecords; ++i) {
        const LocationRecord record = i <= count ? records[i - 1] : LocationRecord{};
        list.LocName[i] = record.name;
        list.LocLongitude[i] = record.longitude;
        list.LocLatitude[i] = record.latitude;
        list.LocTimeZone[i] = record.timeZone;
    }
    list.LocCount = Narrow16(count);
}

}  // namespace

LocationLoadResult LoadLocationFile(LocationList& list)
{
    try {
        std::ifstream file = OpenSequentialFile(list.LocFileName);
        SequentialReader reader(file);
        if (reader.ReadLine().starts_with(kConstellationFileMark)) {
            return LocationLoadResult::WrongFile;
        }
        reader.ReadLine();  // the second header line is read and ignored
        // Read whole before the list changes: a failed load leaves it as it was.
        ReplaceRecords(list, ReadLocationRecords(reader));
        return LocationLoadResult::Loaded;
    } catch (const SequentialFormatError&) {
        return LocationLoadResult::Failed;
    }
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

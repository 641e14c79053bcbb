#include "data/constellation_file.h"

#include "data/sequential_text.h"
#include "data/whole_file.h"

namespace orvexal {
namespace {

// One box record: lower RA, upper RA, lower Dec, abbreviation. The items
// of a braced list are read in their order, left to right.
ConstellationBox ReadBox(SequentialReader& reader)
{
    return {reader.ReadNumber(), reader.ReadNumber(), reader.ReadNumber(), reader.ReadText()};
}

}  // namespace

std::optional<std::vector<ConstellationBox>> ReadConstellationBoxes(std::string_view text)
{
    try {
        SequentialReader reader(text);
        std::vector<ConstellationBox> boxes;
        do {
            if (boxes.size() == ConstellationTables::kMaxRecords) {
                throw SequentialFormatError("more records than the tables hold");
            }
            boxes.push_back(ReadBox(reader));
        } while (!reader.AtEnd());
        return boxes;
    } catch (const SequentialFormatError&) {
        return std::nullopt;
    }
}

bool LoadConstellations(const std::optional<std::vector<ConstellationBox>>& boxes, ConstellationTables& tables)
{
    if (!boxes) {
        tables.ConDataLoaded = false;
        tables.ConCount = 0;
        return false;
    }
    // Records occupy elements 1 to ConCount; the elements past them are
    // emptied, so that nothing of a longer earlier file is left behind.
    const int count = static_cast<int>(boxes->size());
    for (int i = 1; i <= ConstellationTables::kMaxRecords; ++i) {
        const ConstellationBox box = i <= count ? (*boxes)[static_cast<std::size_t>(i - 1)] : ConstellationBox{};
        tables.ConRaLow[i] = box.raLowHours;
        tables.ConRaHigh[i] = box.raHighHours;
        tables.ConDecLow[i] = box.decLowDeg;
        tables.ConAbbrev[i] = box.abbreviation;
    }
    tables.ConCount = count;
    tables.ConDataLoaded = true;
    return true;
}

bool LoadConstellationFile(const std::string& path, ConstellationTables& tables)
{
    const FileText file = ReadWholeFile(path, kMaxSequentialFileBytes);
    return LoadConstellations(file.failure.empty() ? ReadConstellationBoxes(file.text) : std::nullopt, tables);
}

}  // namespace orvexal

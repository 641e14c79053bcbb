#include "data/constellation_file.h"

#include <memory>

#include "data/sequential_text.h"
#include "data/whole_file.h"

namespace orvexal {
namespace {

// One box record: lower RA, upper RA, lower Dec, abbreviation.
ConstellationBox ReadBox(SequentialReader& reader)
{
    ConstellationBox box;
    box.raLowHours = reader.ReadNumber();
    box.raHighHours = reader.ReadNumber();
    box.decLowDeg = reader.ReadNumber();
    box.abbreviation = reader.ReadText();
    return box;
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
    // Fresh tables, so that nothing of a longer earlier file is left behind;
    // records occupy elements 1 to ConCount.
    auto loaded = std::make_unique<ConstellationTables>();
    for (const ConstellationBox& box : *boxes) {
        const int i = ++loaded->ConCount;
        loaded->ConRaLow[i] = box.raLowHours;
        loaded->ConRaHigh[i] = box.raHighHours;
        loaded->ConDecLow[i] = box.decLowDeg;
        loaded->ConAbbrev[i] = box.abbreviation;
    }
    loaded->ConDataLoaded = true;
    tables = std::move(*loaded);
    return true;
}

bool LoadConstellationFile(const std::string& path, ConstellationTables& tables)
{
    const FileText file = ReadWholeFile(path, kMaxSequentialFileBytes);
    return LoadConstellations(file.failure.empty() ? ReadConstellationBoxes(file.text) : std::nullopt, tables);
}

}  // namespace orvexal

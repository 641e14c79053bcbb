#include "data/constellation_file.h"

#include <memory>

#include "data/sequential_text.h"

namespace orvexal {
namespace {

// One box record into element i of the tables: lower RA, upper RA,
// lower Dec, abbreviation.
void ReadBox(SequentialReader& reader, ConstellationTables& tables, int i)
{
    tables.ConRaLow[i] = reader.ReadNumber();
    tables.ConRaHigh[i] = reader.ReadNumber();
    tables.ConDecLow[i] = reader.ReadNumber();
    tables.ConAbbrev[i] = reader.ReadText();
}

}  // namespace

bool LoadConstellationFile(const std::string& path, ConstellationTables& tables)
{
    // Read whole into tables of its own first, so that a file that fails
    // leaves no record of it behind.
    auto read = std::make_unique<ConstellationTables>();
    try {
        std::ifstream file = OpenSequentialFile(path);
        SequentialReader reader(file);
        do {
            if (++read->ConCount > ConstellationTables::kMaxRecords) {
                throw SequentialFormatError("more records than the tables hold");
            }
            ReadBox(reader, *read, read->ConCount);
        } while (!reader.AtEnd());
        read->ConDataLoaded = true;
        tables = std::move(*read);
    } catch (const SequentialFormatError&) {
        tables.ConDataLoaded = false;
        tables.ConCount = 0;
    }
    return tables.ConDataLoaded;
}

}  // namespace orvexal

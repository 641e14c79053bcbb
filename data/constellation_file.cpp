#include "data/constellation_file.h"

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
    tables.ConDataLoaded = false;
    tables.ConCount = 0;
    try {
        std::ifstream file = OpenSequentialFile(path);
        SequentialReader reader(file);
        int i = 0;
        do {
            ++i;
            if (i > ConstellationTables::kMaxRecords) {
                throw SequentialFormatError("more records than the tables hold");
            }
            ReadBox(reader, tables, i);
        } while (!reader.AtEnd());
        tables.ConCount = i;
        tables.ConDataLoaded = true;
    } catch (const SequentialFormatError&) {
        // Records read before the fault stay in the tables, but with
        // ConDataLoaded false and ConCount 0 they are never searched.
    }
    return tables.ConDataLoaded;
}

}  // namespace orvexal

// The location file's form and the copying of a site into the fields; its
// faults as a file are in file_faults_test.cpp.
#include "app/location_fields.h"
#include "data/location_file.h"

#include <gtest/gtest.h>

#include <memory>

#include "../data/test_files.h"

namespace orvexal {
namespace {

using Result = LocationLoadResult;

const std::string kHeaders = "Sites: name, longitude, latitude, zone\nsecond header line\n";

class LocationFile : public test::TempFolderTest {
protected:
    Result Load(const std::string& text)
    {
        test::WriteFile("sites.dat", text);
        return LoadLocationFile("sites.dat", *list_);
    }

    std::array<std::string, 4> Copied(std::size_t index)
    {
        CopyLocationToFields(*list_, index, fields_);
        return {fields_.Text(Field::LocationName), fields_.Text(Field::Longitude), fields_.Text(Field::Latitude),
                fields_.Text(Field::TimeZone)};
    }

    std::unique_ptr<LocationList> list_ = std::make_unique<LocationList>();
    FieldTable fields_;
};

// Each row loaded over the list the rows before it left: that of records
// "Site 1" .. "Site n" (latitude -i, zone i / 2), nothing stored past n.
TEST_F(LocationFile, LoadsAWholeFileOfAtMostAThousandRecords)
{
    const auto sites = [](int n) {
        std::string text = kHeaders;
        for (int i = 1; i <= n; ++i) {
            text += "Site " + std::to_string(i) + ",0,-" + std::to_string(i) + "," + std::to_string(i / 2.0) + "\n";
        }
        return text;
    };
    const std::tuple<std::string, Result, int> cases[] = {
        {sites(1000), Result::Loaded, 1000}, {sites(3), Result::Loaded, 3}, {sites(1001), Result::Failed, 3},
        {kHeaders, Result::Failed, 3}, {kHeaders + "Other,9,9,9\nMount Wilson, CA,118.0326,34.1327,8\n", Result::Failed, 3},
        {"0,24,88,UMi\n8,14.5,86.5,UMi\n", Result::WrongFile, 3},  // the constellation file
    };
    for (const auto& [text, result, n] : cases) {
        SCOPED_TRACE(text.substr(0, 40));
        EXPECT_EQ(Load(text), result);
        ASSERT_EQ(static_cast<int>(list_->size()), n);
        for (int i : {1, n}) {
            const LocationRecord& site = (*list_)[i - 1];
            EXPECT_EQ(std::tie(site.name, site.latitudeNorthPacked, site.timeZoneWestHours),
                      std::tuple("Site " + std::to_string(i), -i, i / 2.0));
        }
    }
}

// Names and numbers as written, copied into the site fields: the shipped
// sample begins with the main window's default site.
TEST_F(LocationFile, ShippedSample)
{
    ASSERT_EQ(Load(test::ReadFile(test::ShareFile("LOCATION.DAT"))), Result::Loaded);
    EXPECT_EQ(std::tuple(list_->size(), (*list_)[8].name), std::tuple(20u, "Siding Spring Observatory, NSW"));
    const std::array<std::string, 4> site{"Kestrine Astr. Observatory", " 122.50514", " 53.45289", " 8"};
    EXPECT_EQ(Copied(0), site);
    EXPECT_EQ(Copied(20), site);  // no site 20: the fields stay
}

}  // namespace
}  // namespace orvexal

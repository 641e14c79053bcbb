#include "data/location_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "test_files.h"

namespace orvexal {
namespace {

using test::WriteFile;

constexpr const char* kHeaders = "Sites: name, longitude, latitude, zone\nsecond header line\n";

// n records "Site 1" .. "Site n", longitude i, latitude -i, zone i / 2.
std::string Sites(int n)
{
    std::string text = kHeaders;
    for (int i = 1; i <= n; ++i) {
        text += "Site " + std::to_string(i) + "," + std::to_string(i) + ",-" + std::to_string(i) + ","
                + std::to_string(i / 2.0) + "\n";
    }
    return text;
}

class LocationFile : public test::TempFolderTest {
protected:
    LocationLoadResult Load(const std::string& text)
    {
        WriteFile("sites.dat", text);
        list_->LocFileName = "sites.dat";
        return LoadLocationFile(*list_);
    }

    // Records 1..n are those of Sites(n) and nothing is stored past them.
    void ExpectSites(int n) const
    {
        ASSERT_EQ(list_->LocCount, n);
        for (int i : {1, n}) {
            EXPECT_EQ(list_->LocName[i], "Site " + std::to_string(i));
            EXPECT_EQ(list_->LocLatitude[i], -i);
            EXPECT_EQ(list_->LocTimeZone[i], i / 2.0);
        }
        if (n < LocationList::kMaxRecords) {
            EXPECT_EQ(list_->LocName[n + 1], "");
        }
    }

    std::unique_ptr<LocationList> list_ = std::make_unique<LocationList>();
};

TEST_F(LocationFile, LoadsAtMostAThousandRecords)
{
    EXPECT_EQ(Load(Sites(1000)), LocationLoadResult::Loaded);
    ExpectSites(1000);
    EXPECT_EQ(Load(Sites(3)), LocationLoadResult::Loaded);  // a shorter file after a longer one
    ExpectSites(3);
    EXPECT_EQ(Load(Sites(1001)), LocationLoadResult::Failed);
    ExpectSites(3);
}

TEST_F(LocationFile, AFailedOrRefusedLoadKeepsTheList)
{
    ASSERT_EQ(Load(Sites(2)), LocationLoadResult::Loaded);
    const std::string other = std::string(kHeaders) + "Other,9,9,9\n";  // would overwrite record 1
    const struct {
        std::string text;
        LocationLoadResult result;
    } cases[] = {
        {kHeaders, LocationLoadResult::Failed},                              // only the header lines
        {"one header line only", LocationLoadResult::Failed},
        {"", LocationLoadResult::Failed},
        {other + "Site 3,3,-3\n", LocationLoadResult::Failed},           // cut off in a record
        {other + "Site 2,2,north,1\n", LocationLoadResult::Failed},      // a field holds no number
        {other + "Site 2,2,,1\n", LocationLoadResult::Failed},
        {other + "Mount Wilson, CA,118.0326,34.1327,8\n", LocationLoadResult::Failed},  // unquoted comma
        {other + "\"Open quote,1,2,3\n", LocationLoadResult::Failed},
        {"0,24,88,UMi\n8,14.5,86.5,UMi\n", LocationLoadResult::WrongFile},  // the constellation file
        {"0,\nheader\nX,1,2,3\n", LocationLoadResult::WrongFile},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Load(c.text), c.result) << c.text;
        ExpectSites(2);
    }
    list_->LocFileName = "missing.dat";
    EXPECT_EQ(LoadLocationFile(*list_), LocationLoadResult::Failed);
    std::filesystem::create_directory("folder.dat");  // opens, but cannot be read
    list_->LocFileName = "folder.dat";
    EXPECT_EQ(LoadLocationFile(*list_), LocationLoadResult::Failed);
    ExpectSites(2);
}

TEST_F(LocationFile, ReadsNamesAndNumbersAsWritten)
{
    const std::string text =
        "0.5 is no constellation mark\r\nheader\r\n"
        "\"Siding Spring Observatory, NSW\",-149.0352,-31.1624,-10\r\n"
        "Lick   ,121.3834,37.2029,8\r\n"
        "  \"  Blanks kept  \"  ,  -.5 ,  1E1 , 7.5  \r\n\r\n\r\n";
    ASSERT_EQ(Load(text), LocationLoadResult::Loaded);
    ASSERT_EQ(list_->LocCount, 3);
    EXPECT_EQ(list_->LocName[1], "Siding Spring Observatory, NSW");
    EXPECT_EQ(list_->LocLongitude[1], -149.0352);
    EXPECT_EQ(list_->LocName[2], "Lick");
    EXPECT_EQ(list_->LocName[3], "  Blanks kept  ");
    EXPECT_EQ(list_->LocLatitude[3], 10);

    FieldTable fields;
    CopyLocationToFields(*list_, 1, fields);
    EXPECT_EQ(fields.Text(Field::Text1), "Siding Spring Observatory, NSW");
    EXPECT_EQ(fields.Text(Field::Text2), "-149.0352");
    EXPECT_EQ(fields.Text(Field::Text3), "-31.1624");
    EXPECT_EQ(fields.Text(Field::Text4), "-10");
    CopyLocationToFields(*list_, 3, fields);
    EXPECT_EQ(fields.Text(Field::Text2), "-.5");
    EXPECT_EQ(fields.Text(Field::Text4), " 7.5");
    for (int outside : {0, 4}) {  // no record: the fields keep their texts
        CopyLocationToFields(*list_, outside, fields);
        EXPECT_EQ(fields.Text(Field::Text1), "  Blanks kept  ");
    }
}

TEST(LocationStatus, StatusLineTexts)
{
    EXPECT_EQ(StatusLineAfter(LocationLoadResult::Loaded), "LOCATION file was loaded.");
    EXPECT_EQ(StatusLineAfter(LocationLoadResult::Failed), "LOCATION file was NOT loaded ***********");
    EXPECT_EQ(StatusLineAfter(LocationLoadResult::Failed).size(), 40u);
    EXPECT_EQ(StatusLineAfter(LocationLoadResult::WrongFile), "");
}

TEST(LocationSample, TheSampleFileLoads)
{
    auto list = std::make_unique<LocationList>();
    list->LocFileName = test::ShareFile("LOCATION.DAT");
    ASSERT_EQ(LoadLocationFile(*list), LocationLoadResult::Loaded);
    EXPECT_EQ(list->LocCount, 20);
    EXPECT_EQ(list->LocName[9], "Siding Spring Observatory, NSW");
    FieldTable fields;
    CopyLocationToFields(*list, 1, fields);  // the main window's default site
    EXPECT_EQ(fields.Text(Field::Text1), "Kestrine Astr. Observatory");
    EXPECT_EQ(fields.Text(Field::Text2), " 122.50514");
    EXPECT_EQ(fields.Text(Field::Text3), " 53.45289");
    EXPECT_EQ(fields.Text(Field::Text4), " 8");
}

}  // namespace
}  // namespace orvexal

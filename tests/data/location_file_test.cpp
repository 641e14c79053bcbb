#include "data/location_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "test_files.h"

namespace orvexal {
namespace {

const std::string kHeaders = "Sites: name, longitude, latitude, zone\nsecond header line\n";

// Records "Site 1" .. "Site n": longitude i, latitude -i, zone i / 2.
std::string Sites(int n)
{
    std::string text = kHeaders;
    for (int i = 1; i <= n; ++i) {
        const std::string s = std::to_string(i);
        text += "Site " + s + "," + s + ",-" + s + "," + std::to_string(i / 2.0) + "\n";
    }
    return text;
}

class LocationFile : public test::TempFolderTest {
protected:
    LocationLoadResult Load(const std::string& text)
    {
        test::WriteFile("sites.dat", text);
        return LoadFrom("sites.dat");
    }

    LocationLoadResult LoadFrom(const std::string& name)
    {
        list_->LocFileName = name;
        return LoadLocationFile(*list_);
    }

    // The list is that of Sites(n), with nothing stored past record n.
    void ExpectSites(int n) const
    {
        ASSERT_EQ(list_->LocCount, n);
        for (int i : {1, n}) {
            EXPECT_EQ(std::tie(list_->LocName[i], list_->LocLatitude[i], list_->LocTimeZone[i]),
                      std::tuple("Site " + std::to_string(i), -i, i / 2.0));
        }
        EXPECT_EQ(n < LocationList::kMaxRecords ? list_->LocName[n + 1] : "", "");
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
    const std::string other = kHeaders + "Other,9,9,9\n";  // would replace record 1
    const std::pair<std::string, LocationLoadResult> cases[] = {
        {kHeaders, LocationLoadResult::Failed}, {"one header line", LocationLoadResult::Failed},
        {"", LocationLoadResult::Failed}, {other + "Site 2,2,-2\n", LocationLoadResult::Failed},  // cut off
        {other + "Site 2,2,north,1\n", LocationLoadResult::Failed}, {other + "Site 2,2,,1\n", LocationLoadResult::Failed},
        {other + "Mount Wilson, CA,118.0326,34.1327,8\n", LocationLoadResult::Failed},  // unquoted comma
        {other + "\"Never closed,1,2,3\n", LocationLoadResult::Failed},
        {"0,24,88,UMi\n8,14.5,86.5,UMi\n", LocationLoadResult::WrongFile}, {"0,\nx\nX,1,2,3\n", LocationLoadResult::WrongFile},
    };
    for (const auto& [text, result] : cases) {
        EXPECT_EQ(Load(text), result) << text;
        ExpectSites(2);
    }
    std::filesystem::create_directory("folder.dat");  // opens, but cannot be read
    EXPECT_EQ(LoadFrom("folder.dat"), LocationLoadResult::Failed);
    EXPECT_EQ(LoadFrom("missing.dat"), LocationLoadResult::Failed);
    ExpectSites(2);
}

TEST_F(LocationFile, ReadsNamesAndNumbersAsWritten)
{
    ASSERT_EQ(Load("0.5 is no constellation mark\r\nheader\r\n"
                   "\"Siding Spring Observatory, NSW\",-149.0352,-31.1624,-10\r\n"
                   "Lick   ,121.3834,37.2029,8\r\n"
                   "  \"  Blanks kept  \"  ,  -.5 ,  1E1 , 7.5  \r\n\r\n\r\n"),
              LocationLoadResult::Loaded);
    ASSERT_EQ(list_->LocCount, 3);
    EXPECT_EQ(list_->LocName[2], "Lick");
    EXPECT_EQ(list_->LocLatitude[3], 10);
    FieldTable fields;
    const std::pair<int, std::array<std::string, 4>> copies[] = {
        {1, {"Siding Spring Observatory, NSW", "-149.0352", "-31.1624", "-10"}},
        {3, {"  Blanks kept  ", "-.5", " 10", " 7.5"}},
        {0, {"  Blanks kept  ", "-.5", " 10", " 7.5"}},  // no record: the fields stay
        {4, {"  Blanks kept  ", "-.5", " 10", " 7.5"}},
    };
    for (const auto& [record, texts] : copies) {
        CopyLocationToFields(*list_, record, fields);
        EXPECT_EQ((std::array{fields.Text(Field::Text1), fields.Text(Field::Text2), fields.Text(Field::Text3),
                              fields.Text(Field::Text4)}),
                  texts);
    }
}

TEST(LocationFileSample, LoadsAndGivesTheStatusTexts)
{
    auto list = std::make_unique<LocationList>();
    list->LocFileName = test::ShareFile("LOCATION.DAT");
    const LocationLoadResult result = LoadLocationFile(*list);
    ASSERT_EQ(result, LocationLoadResult::Loaded);
    EXPECT_EQ(list->LocCount, 20);
    EXPECT_EQ(list->LocName[9], "Siding Spring Observatory, NSW");
    FieldTable fields;
    CopyLocationToFields(*list, 1, fields);  // the main window's default site
    EXPECT_EQ(fields.Text(Field::Text1) + fields.Text(Field::Text2) + fields.Text(Field::Text3) + fields.Text(Field::Text4),
              "Kestrine Astr. Observatory 122.50514 53.45289 8");
    EXPECT_EQ(StatusLineAfter(result), "LOCATION file was loaded.");
    EXPECT_EQ(StatusLineAfter(LocationLoadResult::Failed), "LOCATION file was NOT loaded ***********");
    EXPECT_EQ(StatusLineAfter(LocationLoadResult::WrongFile), "");
}

}  // namespace
}  // namespace orvexal

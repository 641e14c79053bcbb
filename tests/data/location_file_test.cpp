// The location file's form; its faults as a file are in file_faults_test.cpp.
#include "data/location_file.h"

#include <gtest/gtest.h>

#include <memory>

#include "test_files.h"

namespace orvexal {
namespace {

using Result = LocationLoadResult;

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
    Result Load(const std::string& text)
    {
        test::WriteFile("sites.dat", text);
        list_->LocFileName = "sites.dat";
        return LoadLocationFile(*list_);
    }

    std::unique_ptr<LocationList> list_ = std::make_unique<LocationList>();
};

// Each row loaded over the list the rows before it left: that of Sites(n),
// with nothing stored past record n.
TEST_F(LocationFile, LoadsAWholeFileOfAtMostAThousandRecords)
{
    const std::string other = kHeaders + "Other,9,9,9\n";  // would replace record 1
    const std::tuple<std::string, Result, int> cases[] = {
        {Sites(1000), Result::Loaded, 1000}, {Sites(3), Result::Loaded, 3}, {Sites(1001), Result::Failed, 3},
        {kHeaders, Result::Failed, 3}, {"", Result::Failed, 3},
        {other + "Mount Wilson, CA,118.0326,34.1327,8\n", Result::Failed, 3},  // unquoted comma
        {"0,24,88,UMi\n8,14.5,86.5,UMi\n", Result::WrongFile, 3}, {"0,\nx\nX,1,2,3\n", Result::WrongFile, 3},
    };
    for (const auto& [text, result, n] : cases) {
        SCOPED_TRACE(text.substr(0, 40));
        EXPECT_EQ(Load(text), result);
        ASSERT_EQ(list_->LocCount, n);
        for (int i : {1, n}) {
            EXPECT_EQ(std::tie(list_->LocName[i], list_->LocLatitude[i], list_->LocTimeZone[i]),
                      std::tuple("Site " + std::to_string(i), -i, i / 2.0));
        }
        EXPECT_EQ(n < LocationList::kMaxRecords ? list_->LocName[n + 1] : "", "");
    }
}

TEST_F(LocationFile, ReadsNamesAndNumbersAsWritten)
{
    ASSERT_EQ(Load("0.5 is no constellation mark\r\nheader\r\n"
                   "\"Siding Spring Observatory, NSW\",-149.0352,-31.1624,-10\r\n"
                   "Lick   ,121.3834,37.2029,8\r\n"
                   "  \"  Blanks kept  \"  ,  -.5 ,  1E1 , 7.5  \r\n\r\n\r\n"),
              Result::Loaded);
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
        EXPECT_EQ((std::array{fields.Text(Field::LocationName), fields.Text(Field::Longitude), fields.Text(Field::Latitude),
                              fields.Text(Field::TimeZone)}),
                  texts);
    }
}

// The shipped sample begins with the main window's default site.
TEST_F(LocationFile, ShippedSample)
{
    ASSERT_EQ(Load(test::ReadFile(test::ShareFile("LOCATION.DAT"))), Result::Loaded);
    EXPECT_EQ(std::tie(list_->LocCount, list_->LocName[9]), std::tuple(20, "Siding Spring Observatory, NSW"));
    FieldTable fields;
    CopyLocationToFields(*list_, 1, fields);
    EXPECT_EQ(fields.Text(Field::LocationName) + fields.Text(Field::Longitude) + fields.Text(Field::Latitude) + fields.Text(Field::TimeZone),
              "Kestrine Astr. Observatory 122.50514 53.45289 8");
}

}  // namespace
}  // namespace orvexal

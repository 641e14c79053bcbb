// The file opened for a name that may differ in case from the file's own.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "data/file_name_case.h"
#include "test_files.h"

namespace orvexal {
namespace {

struct CaseRow {
    std::vector<std::string> files;  // in the working folder
    std::string asked;
    std::string opened;
};

class FileNameCaseTest : public test::TempFolderTest, public ::testing::WithParamInterface<CaseRow> {};

TEST_P(FileNameCaseTest, PathToOpen)
{
    std::filesystem::create_directory("sites");
    for (const std::string& file : GetParam().files) {
        test::WriteFile(file, "x");
    }
    EXPECT_EQ(PathIgnoringCase(GetParam().asked), GetParam().opened);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FileNameCaseTest,
    ::testing::Values(CaseRow{{"LOCATION.DAT", "location.dat"}, "location.dat", "location.dat"},  // exact first
                      CaseRow{{"location.dat", "Orvex3.ini"}, "LOCATION.DAT", "location.dat"},
                      CaseRow{{"sites/Location.Dat"}, "sites/LOCATION.DAT", "sites/Location.Dat"},
                      CaseRow{{"Location.dat", "location.DAT"}, "LOCATION.DAT", "LOCATION.DAT"},  // two: none chosen
                      CaseRow{{"LOCATION.DAT.bak", "sites/location.dat"}, "LOCATION.DAT", "LOCATION.DAT"}));

}  // namespace
}  // namespace orvexal

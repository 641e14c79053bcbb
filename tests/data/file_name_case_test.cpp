// The file opened for a name that may differ in case from the file's own.
#include <gtest/gtest.h>

#include <filesystem>

#include "data/file_name_case.h"
#include "test_files.h"

namespace orvexal {
namespace {

using FileNameCase = test::TempFolderTest;

// Each row in a folder of its own: the files there, the path asked, the path opened.
TEST_F(FileNameCase, ExactNameFirstThenTheSingleMatchIgnoringCase)
{
    const std::vector<std::vector<std::string>> rows = {
        {"a/LOCATION.DAT", "a/location.dat", "a/location.dat", "a/location.dat"},
        {"b/Location.Dat", "b/Orvex3.ini", "b/LOCATION.DAT", "b/Location.Dat"},
        {"c/Location.dat", "c/location.DAT", "c/LOCATION.DAT", "c/LOCATION.DAT"},  // two: none chosen
        {"d/LOCATION.DAT.bak", "d/e/location.dat", "d/LOCATION.DAT", "d/LOCATION.DAT"},
    };
    for (const std::vector<std::string>& row : rows) {
        for (auto file = row.begin(); file != row.end() - 2; ++file) {
            std::filesystem::create_directories(std::filesystem::path(*file).parent_path());
            test::WriteFile(*file, "x");
        }
        EXPECT_EQ(PathIgnoringCase(row[row.size() - 2]), row.back());
    }
}

}  // namespace
}  // namespace orvexal

// Helpers of the data-file tests: a fresh temporary folder per test, made the
// working folder while it runs (the program opens its files by bare name).
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace orvexal::test {

class TempFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "orvexal-data-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        std::filesystem::current_path(folder_ = pattern);
    }

    void TearDown() override
    {
        std::filesystem::current_path(previous_);
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

private:
    std::filesystem::path previous_ = std::filesystem::current_path();
    std::filesystem::path folder_;
};

inline void WriteFile(const std::string& name, const std::string& text) { std::ofstream(name, std::ios::binary) << text; }

inline std::string ReadFile(const std::string& name)
{
    std::ifstream file(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline std::string ShareFile(const std::string& name) { return ORVEXAL_SHARE_DIR "/" + name; }

}  // namespace orvexal::test

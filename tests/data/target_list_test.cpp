// The target-list reader: both line forms, the three angle notations, the
// defaults, every kind of bad line with its line number, the limit on the
// number of targets, and files that cannot be read.
#include "data/target_list.h"
#include "data/whole_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "test_files.h"

namespace orvexal {
namespace {

using Kind = BadLineKind;

// A line may hold 4 KiB without its line end.
constexpr std::size_t kFourKiB = 4096;
using namespace std::string_literals;

// By hand: 5h 35m 17s = 5 + (35 * 60 + 17) / 3600 = 5 + 2117 / 3600 h;
// -5 deg 23' 28" = -(5 + (23 * 60 + 28) / 3600) = -(5 + 1408 / 3600) deg.
constexpr double kM42RaHours = 5.588055555555556;
constexpr double kM42DecDeg = -5.391111111111111;
// Packed seconds pass through single precision: 1e-6 s is 3e-10 h.
constexpr double kTolerance = 1e-9;

struct PlaceCase {
    const char* line;
    double raHours;
    double decDeg;
};

TEST(TargetList, ReadsThePlaceInEveryNotation)
{
    const PlaceCase cases[] = {
        {"M42, 5.3517, -5.2328", kM42RaHours, kM42DecDeg},
        {"M42, 05:35:17, -05:23:28", kM42RaHours, kM42DecDeg},
        {"M42 05 35 17 -05 23 28", kM42RaHours, kM42DecDeg},
        {"M42\t05  35 17\t-05 23 28 ", kM42RaHours, kM42DecDeg},
        {"M42, 05 : 35 : 17 , \xE2\x88\x92" "05:23:28", kM42RaHours, kM42DecDeg},  // U+2212 minus
        {"M42 05 35 17 \xE2\x88\x92" "05 23 28", kM42RaHours, kM42DecDeg},
        {"M42, 05:35:17.3, -05:23:28", 5 + 2117.3 / 3600, kM42DecDeg},
        {"M42, 05:35.5, +05:23", 5 + 35.5 / 60, 5 + 23 / 60.0},  // decimal minutes
        // The minus on zero degrees or hours still applies to the whole angle.
        {"S, 0.3, -0.3", 0.5, -0.5},
        {"S, 0:30, -00:30:00", 0.5, -0.5},
        {"S 00 30 00 -00 30 00", 0.5, -0.5},
        // Boundaries: 23h 59m 59s, the poles, zero.
        {"E, 23.5959, 90", 23 + 3599 / 3600.0, 90},
        {"E 23 59 59.9 -90 00 00", 23 + 3599.9 / 3600, -90},
        {"Z, 0, -0", 0, 0},
    };
    for (const PlaceCase& c : cases) {
        const TargetListRead read = ReadTargetList(c.line);
        ASSERT_EQ(read.records.size(), 1u) << c.line;
        EXPECT_NEAR(read.records[0].raHours, c.raHours, kTolerance) << c.line;
        EXPECT_NEAR(read.records[0].decDeg, c.decDeg, kTolerance) << c.line;
    }
}

struct FieldsCase {
    std::string line;
    std::string name;
    double epochYears;
    std::string note;
};

TEST(TargetList, ReadsNamesEpochsAndNotes)
{
    const FieldsCase cases[] = {
        {"M42, 5.3517, -5.2328", "M42", 2000, ""},
        {"M42, 5.3517, -5.2328, , seen 2024", "M42", 2000, "seen 2024"},
        {"\"Orion, the nebula\", 5.3517, -5.2328, 1950, \"bright, large\"", "Orion, the nebula", 1950, "bright, large"},
        {"\"say \"\"hi\"\"\" 05 35 17 -05 23 28 1950.5", "say \"hi\"", 1950.5, ""},
        {"\"NGC 1976\" 05 35 17 -05 23 28", "NGC 1976", 2000, ""},
        {"caf\xC3\xA9, 1, 2, -500, \"\"", "caf\xC3\xA9", -500, ""},
        {"A, 1, 2" + std::string(kFourKiB - 7, ' '), "A", 2000, ""},  // exactly the longest line
    };
    for (const FieldsCase& c : cases) {
        const TargetListRead read = ReadTargetList(c.line);
        ASSERT_EQ(read.records.size(), 1u) << c.line;
        EXPECT_EQ(read.records[0].name, c.name);
        EXPECT_EQ(read.records[0].epochYears, c.epochYears);
        EXPECT_EQ(read.records[0].note, c.note);
    }
}

TEST(TargetList, SkipsCommentsAndBlankLinesAndCountsEveryLineEnd)
{
    const TargetListRead read =
        ReadTargetList("\xEF\xBB\xBF# targets\n\n \t\nA, 1, 2\r\n   # A, 1, 2\rB 1 2 3 4 5 6\n\r\nC, 3, 4");
    ASSERT_EQ(read.records.size(), 3u);
    EXPECT_TRUE(read.badLines.empty());
    const int lines[] = {4, 6, 8};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(read.records[i].lineNumber, lines[i]);
    }
    EXPECT_TRUE(ReadTargetList("").records.empty());
}

struct BadCase {
    std::string line;
    Kind kind;
    std::string item;
};

TEST(TargetList, ReportsEveryBadLineAndLoadsTheGoodOnes)
{
    const BadCase cases[] = {
        {", 1, 2", Kind::MissingValue, "name"},
        {"\"\" 05 35 17 -05 23 28", Kind::MissingValue, "name"},
        {"A, , 2", Kind::MissingValue, "RA"},
        {"A, 1", Kind::MissingValue, "Dec"},
        {"A", Kind::MissingValue, "RA hours"},
        {"A 05 35", Kind::MissingValue, "RA seconds"},
        {"A 05 35 17 -05", Kind::MissingValue, "Dec minutes"},
        {"A, 5.6017, 0", Kind::PartOf60OrMore, "RA minutes"},
        {"A, 5.3560, 0", Kind::PartOf60OrMore, "RA seconds"},
        {"A, 05:35:60, 0", Kind::PartOf60OrMore, "RA seconds"},
        {"A 05 35 17 -05 60 00", Kind::PartOf60OrMore, "Dec minutes"},
        {"A, 1, -5.2360", Kind::PartOf60OrMore, "Dec seconds"},
        {"A, 24, 0", Kind::RaOutOfRange, "RA"},
        {"A, 23:60, 0", Kind::PartOf60OrMore, "RA minutes"},
        {"A, -0.0001, 0", Kind::RaOutOfRange, "RA"},  // 1 s before 0h
        {"A 24 00 00 +00 00 00", Kind::RaOutOfRange, "RA"},
        {"A, 40000, 0", Kind::RaOutOfRange, "RA"},
        {"A, 1, 90.0001", Kind::DecOutOfRange, "Dec"},
        {"A 1 0 0 -91 00 00", Kind::DecOutOfRange, "Dec"},
        {"A, 5h35m, 0", Kind::NotANumber, "RA"},
        {"A, \"5.35\", 0", Kind::NotANumber, "RA"},
        {"A, 1, 5:3x:00", Kind::NotANumber, "Dec minutes"},
        {"A, 1:2:3:4, 0", Kind::NotANumber, "RA"},
        {"A 05 35.5 17 -05 23 28", Kind::NotANumber, "RA minutes"},
        {"A 05 35 17 -05 23 1e2", Kind::NotANumber, "Dec seconds"},
        {"A, 1, 2, J2000", Kind::EpochNotANumber, "epoch"},
        {"A 05 35 17 -05 23 28 J2000", Kind::EpochNotANumber, "epoch"},
        {"A, 1, 2, 2000, note, more", Kind::TooManyValues, ""},
        {"A 05 35 17 -05 23 28 2000 note", Kind::TooManyValues, ""},
        {"\"A, 1, 2", Kind::BadQuotes, ""},
        {"\"A\"B, 1, 2", Kind::BadQuotes, ""},
        {"\"A\"B 05 35 17 -05 23 28", Kind::BadQuotes, ""},
        {"\"A 05 35 17 -05 23 28", Kind::BadQuotes, ""},
        {"A, 1, 2, 2000, caf\xC3", Kind::NotUtf8, ""},         // cut-off sequence
        {"A, 1, 2, 2000, \xC0\xAF", Kind::NotUtf8, ""},        // overlong "/"
        {"A, 1, 2, 2000, \xED\xA0\x80", Kind::NotUtf8, ""},    // a surrogate
        {"# \xF4\x90\x80\x80", Kind::NotUtf8, ""},             // above U+10FFFF, even in a comment
        {"A, 1, 2" + std::string(kFourKiB - 6, ' '), Kind::LineTooLong, ""},
    };
    std::string text = "First, 1, 2\n";
    for (const BadCase& c : cases) {
        text += c.line + "\n";
    }
    text += "Last 1 2 3 4 5 6\n";
    const TargetListRead read = ReadTargetList(text);
    ASSERT_EQ(read.records.size(), 2u);
    EXPECT_EQ(read.records[1].lineNumber, static_cast<int>(std::size(cases)) + 2);
    ASSERT_EQ(read.badLines.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const BadLine& bad = read.badLines[i];
        EXPECT_EQ(bad.lineNumber, static_cast<int>(i) + 2) << cases[i].line;
        EXPECT_EQ(bad.kind, cases[i].kind) << cases[i].line;
        EXPECT_EQ(bad.item, cases[i].item) << cases[i].line;
        EXPECT_FALSE(bad.reason.empty());
    }
    EXPECT_TRUE(read.refusal.empty());
}

TEST(TargetList, RefusesAListOfMoreThanTheMostTargets)
{
    std::string text;
    for (std::size_t i = 0; i < kMaxTargets; ++i) {
        text += "T, 1, 2\n";
    }
    EXPECT_EQ(ReadTargetList(text).records.size(), kMaxTargets);
    text += "# bad lines do not count\nT, 99, 2\nT 1 2 3 4 5 6\n";
    const TargetListRead read = ReadTargetList(text);
    EXPECT_TRUE(read.records.empty());
    EXPECT_TRUE(read.badLines.empty());
    EXPECT_FALSE(read.refusal.empty());
}

class TargetListFile : public test::TempFolderTest {};

TEST_F(TargetListFile, ReadsAFileWholeOrSaysWhyNot)
{
    const std::string text = "A, 1, 2\r\nB\0, 3, 4\n"s;
    test::WriteFile("list.txt", text);
    const FileText read = ReadWholeFile("list.txt", kMaxTargetListBytes);
    EXPECT_EQ(read.text, text);
    EXPECT_TRUE(read.failure.empty());
    EXPECT_TRUE(ReadWholeFile("list.txt", text.size()).failure.empty());  // exactly the largest

    std::filesystem::create_directory("folder");
    std::set<std::string> failures;
    for (const FileText& failed : {ReadWholeFile("missing.txt", kMaxTargetListBytes), ReadWholeFile("folder", kMaxTargetListBytes),
                                   ReadWholeFile("list.txt", text.size() - 1)}) {
        EXPECT_TRUE(failed.text.empty());
        EXPECT_FALSE(failed.failure.empty());
        failures.insert(failed.failure);
    }
    EXPECT_EQ(failures.size(), 3u);  // each says its own reason
}

}  // namespace
}  // namespace orvexal

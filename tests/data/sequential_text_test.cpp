#include "data/sequential_text.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvexal {
namespace {

using namespace std::string_literals;

// Every item of a text, a quoted one in brackets, "!" where a fault stopped.
std::vector<std::string> Items(const std::string& text)
{
    SequentialReader reader(text);
    std::vector<std::string> items;
    try {
        while (!reader.AtEnd()) {
            const SequentialItem item = reader.ReadItem();
            items.push_back(item.quoted ? "[" + item.text + "]" : item.text);
        }
    } catch (const SequentialFormatError&) {
        items.push_back("!");
    }
    return items;
}

// A line ends at "\n", "\r\n" (one line end) or a lone "\r"; an empty line
// is a line.
TEST(SequentialReader, ReadsWholeLines)
{
    SequentialReader reader("a, b\r\nc\n\nd\re");
    for (const char* line : {"a, b", "c", "", "d", "e"}) {
        EXPECT_EQ(reader.ReadLine(), line);
    }
    EXPECT_THROW(reader.ReadLine(), SequentialFormatError);
}

TEST(SequentialReader, SplitsItems)
{
    const std::string longest(kMaxItemLength, 'x');
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"a,b\n", {"a", "b"}}, {"  \"x, y\" , z  ", {"[x, y]", "z"}}, {"\"say \"\"hi\"\"\"", {"[say \"hi\"]"}},
        {"a\r\nb\r\n", {"a", "b"}}, {"a\rb", {"a", "b"}}, {"a,,b", {"a", "", "b"}}, {"Lick  \t,8", {"Lick", "8"}},
        {"a\n\n  \nb\n\n", {"a", "b"}}, {"\"\",\" kept \"", {"[]", "[ kept ]"}}, {"5\" mirror", {"5\" mirror"}},
        {"a,\"never closed", {"a", "!"}}, {"\"cut by\nline end\"", {"!"}}, {"\"a\"b,c", {"!"}},
        {longest + ",", {longest}}, {longest + "x", {"!"}},
        {"Do\0me,\xff\xfe"s, {"Do\0me"s, "\xff\xfe"}},  // bytes kept as they stand
    };
    for (const auto& [text, items] : cases) {
        EXPECT_EQ(Items(text), items) << text.substr(0, 40);
    }
}

TEST(SequentialReader, ReadsNumbersInTheirWhole)
{
    const std::pair<std::string, double> good[] = {{"122.50514", 122.50514}, {" -.5 ", -0.5}, {"+8", 8},
                                                   {"1.5D2", 150}, {"2e-3", 0.002}, {"5.", 5}};
    for (const auto& [text, value] : good) {
        EXPECT_DOUBLE_EQ(SequentialReader(text).ReadNumber(), value) << text;
    }
    for (const std::string& text : {"abc"s, ","s, "\"8\""s, "8 h"s, "1.2.3"s, "1E"s, "."s, "-"s, "0.0000 24.0000"s,
                                   "1e999"s, "1\0"s "4"s, "14\xff"s}) {
        EXPECT_THROW(SequentialReader(text).ReadNumber(), SequentialFormatError) << text;
    }
}

}  // namespace
}  // namespace orvexal

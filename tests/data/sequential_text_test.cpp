#include "data/sequential_text.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <vector>

namespace orvexal {
namespace {

// Every item of a text, a quoted one shown in brackets.
std::vector<std::string> Items(const std::string& text)
{
    std::istringstream in(text);
    SequentialReader reader(in);
    std::vector<std::string> items;
    while (!reader.AtEnd()) {
        const SequentialItem item = reader.ReadItem();
        items.push_back(item.quoted ? "[" + item.text + "]" : item.text);
    }
    return items;
}

TEST(SequentialReader, SplitsItems)
{
    const struct {
        std::string text;
        std::vector<std::string> items;
    } cases[] = {
        {"a,b\n", {"a", "b"}},
        {"  \"x, y\" , z  ", {"[x, y]", "z"}},
        {"\"say \"\"hi\"\"\"", {"[say \"hi\"]"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb", {"a", "b"}},
        {"a,,b", {"a", "", "b"}},
        {"Lick  \t,8", {"Lick", "8"}},
        {"a\n\n  \nb\n\n\n", {"a", "b"}},
        {"\"\",\"  kept  \"", {"[]", "[  kept  ]"}},
        {"5\" mirror", {"5\" mirror"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Items(c.text), c.items) << c.text;
    }
}

TEST(SequentialReader, RefusesBrokenItems)
{
    for (const std::string text : {"\"never closed", "\"cut by\nline end\"", "\"a\"b,c", "  \n \n"}) {
        std::istringstream in(text);
        EXPECT_THROW(SequentialReader(in).ReadItem(), SequentialFormatError) << text;
    }
}

TEST(SequentialReader, ReadsNumbersInTheirWhole)
{
    const struct {
        std::string text;
        double value;
    } good[] = {{"122.50514", 122.50514}, {" -.5 ", -0.5}, {"+8", 8}, {"1.5D2", 150}, {"2e-3", 0.002}, {"5.", 5}};
    for (const auto& c : good) {
        std::istringstream in(c.text);
        EXPECT_DOUBLE_EQ(SequentialReader(in).ReadNumber(), c.value) << c.text;
    }
    for (const std::string text : {"abc", ",", "\"8\"", "8 h", "1.2.3", "1E", ".", "-", "0.0000 24.0000", "1e999"}) {
        std::istringstream in(text);
        EXPECT_THROW(SequentialReader(in).ReadNumber(), SequentialFormatError) << text;
    }
}

TEST(SequentialReader, ReadsWholeLines)
{
    std::istringstream in("first, \"line\"\r\n\nlast");
    SequentialReader reader(in);
    EXPECT_EQ(reader.ReadLine(), "first, \"line\"");
    EXPECT_EQ(reader.ReadLine(), "");
    EXPECT_EQ(reader.ReadLine(), "last");
    EXPECT_THROW(reader.ReadLine(), SequentialFormatError);
}

// An endless stream of one character, standing for a file far larger than
// memory that has no line end.
class EndlessBuffer : public std::streambuf {
public:
    explicit EndlessBuffer(char c) { block_.fill(c); }

protected:
    int_type underflow() override
    {
        setg(block_.data(), block_.data(), block_.data() + block_.size());
        return traits_type::to_int_type(block_[0]);
    }

private:
    std::array<char, 4096> block_{};
};

TEST(SequentialReader, StopsAtTheLengthBound)
{
    std::istringstream exact(std::string(kMaxItemLength, 'x') + ",");
    EXPECT_EQ(SequentialReader(exact).ReadText().size(), kMaxItemLength);
    std::istringstream over(std::string(kMaxItemLength + 1, 'x'));
    EXPECT_THROW(SequentialReader(over).ReadText(), SequentialFormatError);

    EndlessBuffer letters('x');
    EndlessBuffer quotes('"');
    std::istream endlessLine(&letters);
    std::istream endlessQuoted(&quotes);
    EXPECT_THROW(SequentialReader(endlessLine).ReadLine(), SequentialFormatError);
    EXPECT_THROW(SequentialReader(endlessLine).ReadItem(), SequentialFormatError);
    EXPECT_THROW(SequentialReader(endlessQuoted).ReadItem(), SequentialFormatError);
}

TEST(SequentialText, QuotedItemsReadBack)
{
    EXPECT_EQ(QuotedItem("Kestrine Astr. Observatory"), "\"Kestrine Astr. Observatory\"");
    EXPECT_EQ(QuotedItem("5\" mirror"), "\"5\"\" mirror\"");
    for (const std::string text : {"", "a, b", "\"", "\"\"x\"", "  blanks  "}) {
        std::istringstream in(QuotedItem(text) + "," + QuotedItem(text) + "\n");
        SequentialReader reader(in);
        EXPECT_EQ(reader.ReadText(), text);
        EXPECT_EQ(reader.ReadText(), text);
        EXPECT_TRUE(reader.AtEnd());
    }
}

}  // namespace
}  // namespace orvexal

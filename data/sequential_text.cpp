#include "data/sequential_text.h"

#include <algorithm>

#include "numbers/fault.h"
#include "numbers/number_text.h"

namespace orvexal {
namespace {

constexpr int kEnd = -1;          // what Peek gives at the end of the text
constexpr char kQuote = '"';      // encloses a text item
constexpr char kSeparator = ',';  // between items on one line

bool IsBlank(int c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(int c) { return c == '\n' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Walks a text one character class at a time, for IsNumberText.
class TextCursor {
public:
    explicit TextCursor(std::string_view text) : text_(text) {}

    bool TakeOneOf(std::string_view set)
    {
        if (pos_ < text_.size() && set.find(text_[pos_]) != std::string_view::npos) {
            ++pos_;
            return true;
        }
        return false;
    }

    std::size_t TakeDigits()
    {
        const std::size_t from = pos_;
        while (pos_ < text_.size() && IsDigit(text_[pos_])) {
            ++pos_;
        }
        return pos_ - from;
    }

    bool Done() const { return pos_ == text_.size(); }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

std::string TrimmedRight(std::string text)
{
    while (!text.empty() && IsBlank(text.back())) {
        text.pop_back();
    }
    return text;
}

// Moves the characters of text from pos up to end into `into`, within the
// length bound of a line or item.
void AppendUntil(std::string_view text, std::size_t& pos, std::size_t end, std::string& into)
{
    if (into.size() + (end - pos) > kMaxItemLength) {
        throw SequentialFormatError("a line or item is too long");
    }
    into.append(text.substr(pos, end - pos));
    pos = end;
}

}  // namespace

SequentialReader::SequentialReader(std::string_view text) : text_(text) {}

std::string SequentialReader::ReadLine()
{
    if (Peek() == kEnd) {
        throw SequentialFormatError("the file ends before a line");
    }
    std::string line;
    AppendUntil(text_, pos_, std::min(text_.find_first_of("\r\n", pos_), text_.size()), line);
    if (Peek() != kEnd) {
        SkipLineEnd();
    }
    return line;
}

SequentialItem SequentialReader::ReadItem()
{
    SkipBlanksAndLineEnds();
    if (Peek() == kEnd) {
        throw SequentialFormatError("the file ends before an item");
    }
    SequentialItem item = ReadItemHere();
    SkipSeparator();
    return item;
}

std::vector<SequentialItem> SequentialReader::ReadLineItems()
{
    std::vector<SequentialItem> items;
    do {
        SkipBlanks();
        items.push_back(ReadItemHere());
    } while (SkipSeparator());
    return items;
}

std::string SequentialReader::ReadText()
{
    return ReadItem().text;
}

double SequentialReader::ReadNumber()
{
    return ItemNumber(ReadItem());
}

bool SequentialReader::AtEnd()
{
    SkipBlanksAndLineEnds();
    return Peek() == kEnd;
}

int SequentialReader::Peek() const
{
    return pos_ < text_.size() ? static_cast<unsigned char>(text_[pos_]) : kEnd;
}

// Consumes one line end: "\n", "\r\n" or a lone "\r".
void SequentialReader::SkipLineEnd()
{
    if (text_[pos_++] == '\r' && Peek() == '\n') {
        ++pos_;
    }
}

void SequentialReader::SkipBlanks()
{
    while (IsBlank(Peek())) {
        ++pos_;
    }
}

void SequentialReader::SkipBlanksAndLineEnds()
{
    while (IsBlank(Peek()) || IsLineEnd(Peek())) {
        ++pos_;
    }
}

// After an item: blanks, then its comma, line end or the end of the text.
// True when it was a comma, so that another item follows on the line.
bool SequentialReader::SkipSeparator()
{
    SkipBlanks();
    const int c = Peek();
    if (c == kSeparator) {
        ++pos_;
        return true;
    }
    if (IsLineEnd(c)) {
        SkipLineEnd();
    } else if (c != kEnd) {
        throw SequentialFormatError("something follows a closing quote");
    }
    return false;
}

// The item that begins here, quoted or not; at a comma, a line end or the
// end of the text an empty unquoted one.
SequentialItem SequentialReader::ReadItemHere()
{
    SequentialItem item;
    item.quoted = Peek() == kQuote;
    item.text = item.quoted ? ReadQuoted() : ReadUnquoted();
    return item;
}

std::string SequentialReader::ReadQuoted()
{
    return QuotedText(text_, pos_);
}

// An unquoted item runs to the next comma or line end; its trailing blanks
// belong to the separator, not to the item.
std::string SequentialReader::ReadUnquoted()
{
    std::string text;
    AppendUntil(text_, pos_, std::min(text_.find_first_of(",\r\n", pos_), text_.size()), text);
    return TrimmedRight(std::move(text));
}

bool IsNumberText(std::string_view text)
{
    TextCursor cursor(text);
    cursor.TakeOneOf("+-");
    std::size_t digits = cursor.TakeDigits();
    if (cursor.TakeOneOf(".")) {
        digits += cursor.TakeDigits();
    }
    if (digits == 0) {
        return false;
    }
    if (cursor.TakeOneOf("EeDd")) {
        cursor.TakeOneOf("+-");
        if (cursor.TakeDigits() == 0) {
            return false;
        }
    }
    return cursor.Done();
}

double ItemNumber(const SequentialItem& item)
{
    if (item.quoted || !IsNumberText(item.text)) {
        throw SequentialFormatError("an item is not a number: " + item.text);
    }
    try {
        return LeadingNumber(item.text);
    } catch (const ArithmeticFault&) {
        throw SequentialFormatError("a number is beyond the double range: " + item.text);
    }
}

// A quoted item closes on its own line: a line end or the end of the text
// before the closing quote means the quote was never closed.
std::string QuotedText(std::string_view text, std::size_t& pos)
{
    std::string quoted;
    for (++pos;;) {
        AppendUntil(text, pos, std::min(text.find_first_of("\"\r\n", pos), text.size()), quoted);
        if (pos == text.size() || text[pos] != kQuote) {
            throw SequentialFormatError("a quoted item does not close");
        }
        ++pos;
        if (pos == text.size() || text[pos] != kQuote) {
            return quoted;
        }
        AppendUntil(text, pos, pos + 1, quoted);  // a doubled quote stands for one
    }
}

std::string QuotedItem(std::string_view text)
{
    std::string item(1, kQuote);
    for (const char c : text) {
        item += c;
        if (c == kQuote) {
            item += kQuote;
        }
    }
    item += kQuote;
    return item;
}

}  // namespace orvexal

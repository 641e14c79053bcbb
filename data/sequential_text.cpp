#include "data/sequential_text.h"

#include <filesystem>

#include "numbers/fault.h"
#include "numbers/number_text.h"

namespace orvexal {
namespace {

constexpr int kEnd = std::char_traits<char>::eof();  // what the stream gives at the end of the file
constexpr char kQuote = '"';                          // encloses a text item
constexpr char kSeparator = ',';                      // between items on one line

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

}  // namespace

SequentialReader::SequentialReader(std::istream& in) : in_(in) {}

std::string SequentialReader::ReadLine()
{
    if (Peek() == kEnd) {
        throw SequentialFormatError("the file ends before a line");
    }
    std::string line;
    while (Peek() != kEnd && !IsLineEnd(Peek())) {
        Append(line);
    }
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
    SequentialItem item;
    item.quoted = Peek() == kQuote;
    item.text = item.quoted ? ReadQuoted() : ReadUnquoted();
    SkipSeparator();
    return item;
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

int SequentialReader::Peek()
{
    const int c = in_.peek();
    if (in_.bad()) {
        throw SequentialFormatError("the file cannot be read");
    }
    return c;
}

// Consumes one line end: "\n", "\r\n" or a lone "\r".
void SequentialReader::SkipLineEnd()
{
    if (in_.get() == '\r' && Peek() == '\n') {
        in_.get();
    }
}

void SequentialReader::SkipBlanks()
{
    while (IsBlank(Peek())) {
        in_.get();
    }
}

void SequentialReader::SkipBlanksAndLineEnds()
{
    while (IsBlank(Peek()) || IsLineEnd(Peek())) {
        in_.get();
    }
}

// After an item: blanks, then its comma, line end or the end of the file.
void SequentialReader::SkipSeparator()
{
    SkipBlanks();
    const int c = Peek();
    if (c == kSeparator) {
        in_.get();
    } else if (IsLineEnd(c)) {
        SkipLineEnd();
    } else if (c != kEnd) {
        throw SequentialFormatError("something follows a closing quote");
    }
}

// A quoted item closes on its own line: a line end or the end of the file
// before the closing quote means the quote was never closed.
std::string SequentialReader::ReadQuoted()
{
    in_.get();
    std::string text;
    for (;;) {
        const int c = Peek();
        if (c == kEnd || IsLineEnd(c)) {
            throw SequentialFormatError("a quoted item does not close");
        }
        if (c != kQuote) {
            Append(text);
            continue;
        }
        in_.get();
        if (Peek() != kQuote) {
            return text;
        }
        Append(text);
    }
}

// An unquoted item runs to the next comma or line end; its trailing blanks
// belong to the separator, not to the item.
std::string SequentialReader::ReadUnquoted()
{
    std::string text;
    while (Peek() != kEnd && Peek() != kSeparator && !IsLineEnd(Peek())) {
        Append(text);
    }
    return TrimmedRight(std::move(text));
}

// Moves the next character into text, within the length bound.
void SequentialReader::Append(std::string& text)
{
    if (text.size() == kMaxItemLength) {
        throw SequentialFormatError("a line or item is too long");
    }
    text += static_cast<char>(in_.get());
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

std::ifstream OpenSequentialFile(const std::string& path)
{
    // Only a plain file (or a link to one) is opened: a named pipe or a
    // device chosen by mistake would keep the program waiting for its data.
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(path, ignored)) {
        throw SequentialFormatError("not a plain file: " + path);
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw SequentialFormatError("the file cannot be opened: " + path);
    }
    return file;
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

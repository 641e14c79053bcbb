// The sequential text form that all the program's data files share: items
// separated by commas or line ends, blanks around an item skipped, a text
// item optionally enclosed in double quotes (a doubled double quote inside
// the quotes stands for one). Line ends may be "\n", "\r\n" or "\r".
#pragma once

#include <cstddef>
#include <fstream>
#include <istream>
#include <stdexcept>
#include <string>
#include <string_view>


namespace orvexal {

// A file that breaks the form: it cannot be opened or read, it ends before a
// line or item that is asked for, a quoted item does not close on its line,
// something other than blanks follows a closing quote, an item is not a
// number where one is expected, or a line or item is too long.
class SequentialFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The longest line or item kept, in bytes: the longest text a field of the
// main window holds (32767 UTF-16 code units, kMaxFieldLength of
// pass/fields.h, which app/startup.cpp checks) in UTF-8, which takes at
// most three bytes for each of them, so that every field text the settings
// file carries reads back; any real site name or header line fits too. A
// damaged or foreign file (a 50 MB file without a line end) is refused
// after 96 KiB instead of being read whole into memory.
inline constexpr std::size_t kMaxItemLength = 3 * 32767;

// One item as read: its text without the quotes and surrounding blanks, and
// whether it was quoted.
struct SequentialItem {
    std::string text;
    bool quoted = false;
};

class SequentialReader {
public:
    explicit SequentialReader(std::istream& in);

    // The rest of the current line as it stands, without its line end.
    std::string ReadLine();

    // The next item. Blanks and line ends before it are skipped, so a blank
    // line between records holds no item; two commas in a row hold an empty
    // one. The comma or line end after the item is consumed.
    SequentialItem ReadItem();

    // The next item's text, quoted or not.
    std::string ReadText();

    // The next item as a number (ItemNumber).
    double ReadNumber();

    // True when nothing but blanks and line ends is left, so blank lines
    // after the last record do not count as another record.
    bool AtEnd();

private:
    int Peek();
    void SkipLineEnd();
    void SkipBlanks();
    void SkipBlanksAndLineEnds();
    void SkipSeparator();
    std::string ReadQuoted();
    std::string ReadUnquoted();
    void Append(std::string& text);

    std::istream& in_;
};

// True when the whole text is one number: an optional sign, digits with at
// most one point (at least one digit), an optional exponent (E or D, an
// optional sign, digits), and nothing else.
bool IsNumberText(std::string_view text);

// The number an item holds: it must be unquoted and a number in its whole,
// read as the fields read numbers (LeadingNumber). SequentialFormatError
// otherwise, also for a number beyond the double range.
double ItemNumber(const SequentialItem& item);

// Opens a file for the reader, in binary mode so that the reader sees the
// line ends as they stand. SequentialFormatError when it is not a plain file
// or cannot be opened.
std::ifstream OpenSequentialFile(const std::string& path);

// A text written as a quoted item: in double quotes, each double quote
// inside doubled. A text without quotes is just enclosed.
std::string QuotedItem(std::string_view text);

}  // namespace orvexal

// The sequential text form that all the program's data files share: items
// separated by commas or line ends, blanks around an item skipped, a text
// item optionally enclosed in double quotes (a doubled double quote inside
// the quotes stands for one). Line ends may be "\n", "\r\n" or "\r".
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace orvexal {

// A file that breaks the form: it cannot be read whole, it ends before a
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
// file carries reads back; any real site name or header line fits too.
inline constexpr std::size_t kMaxItemLength = 3 * 32767;

// The largest location, settings or constellation file read into memory.
// The settings file as written, five field texts of the longest each in
// quotes with every character a doubled quote, stays below it, and so does
// a location file of 1000 sites of a kilobyte each. A damaged or foreign
// file (50 MB without a line end) is refused after 1 MiB instead of being
// read whole into memory.
inline constexpr std::uintmax_t kMaxSequentialFileBytes = std::uintmax_t{1} << 20;

// One item as read: its text without the quotes and surrounding blanks, and
// whether it was quoted.
struct SequentialItem {
    std::string text;
    bool quoted = false;
};

// Reads the items of a text held in memory, a whole file's text, from its
// start; the text must outlive the reader.
class SequentialReader {
public:
    explicit SequentialReader(std::string_view text);

    // The rest of the current line as it stands, without its line end.
    std::string ReadLine();

    // The next item. Blanks and line ends before it are skipped, so a blank
    // line between records holds no item; two commas in a row hold an empty
    // one. The comma or line end after the item is consumed.
    SequentialItem ReadItem();

    // The items of the rest of the current line, its line end consumed:
    // every comma separates two items, so two commas in a row hold an empty
    // item, and so does a comma at the end of the line.
    std::vector<SequentialItem> ReadLineItems();

    // The next item's text, quoted or not.
    std::string ReadText();

    // The next item as a number (ItemNumber).
    double ReadNumber();

    // True when nothing but blanks and line ends is left, so blank lines
    // after the last record do not count as another record.
    bool AtEnd();

private:
    int Peek() const;
    void SkipLineEnd();
    void SkipBlanks();
    void SkipBlanksAndLineEnds();
    bool SkipSeparator();
    SequentialItem ReadItemHere();
    std::string ReadQuoted();
    std::string ReadUnquoted();

    std::string_view text_;
    std::size_t pos_ = 0;
};

// True when the whole text is one number: an optional sign, digits with at
// most one point (at least one digit), an optional exponent (E or D, an
// optional sign, digits), and nothing else.
bool IsNumberText(std::string_view text);

// The number an item holds: it must be unquoted and a number in its whole,
// read as the fields read numbers (LeadingNumber). SequentialFormatError
// otherwise, also for a number beyond the double range.
double ItemNumber(const SequentialItem& item);

// The text of the quoted item that begins at text[pos] (a double quote):
// a doubled quote inside stands for one. pos is left after the closing
// quote. SequentialFormatError when the quote does not close on its line or
// the text is longer than kMaxItemLength.
std::string QuotedText(std::string_view text, std::size_t& pos);

// A text written as a quoted item: in double quotes, each double quote
// inside doubled. A text without quotes is just enclosed.
std::string QuotedItem(std::string_view text);

}  // namespace orvexal

#include "data/settings_file.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "data/sequential_text.h"
#include "data/whole_file.h"
#include "numbers/number_text.h"

namespace orvexal {
namespace {

// The range of a saved window edge, twips: a 16-bit signed integer.
constexpr double kLowestInt16 = std::numeric_limits<Int16>::min();
constexpr double kHighestInt16 = std::numeric_limits<Int16>::max();

// Every line of the file ends so.
constexpr std::string_view kLineEnd = "\n";

// The file as written reads back whole: two positions of at most six
// characters and five texts whose every character may be a doubled quote,
// each with its quotes, every line with its line end.
constexpr std::size_t kSettingsLines = 7;
constexpr std::size_t kLongestPositionText = 6;  // "-32768"
static_assert(2 * kLongestPositionText + 5 * (2 * kMaxItemLength + 2) + kSettingsLines * kLineEnd.size()
              <= kMaxSequentialFileBytes);

// Items 1 and 2: a window edge in twips, a number that fits 16 bits.
Int16 ReadPosition(SequentialReader& reader)
{
    const double twips = reader.ReadNumber();
    try {
        return ToInt16(twips);
    } catch (const ArithmeticFault&) {
        throw SequentialFormatError("a window position beyond 16 bits");
    }
}

// The last item, a general value: text when quoted; unquoted, a number given as
// its plain text ("-12"), or the text as it stands when it is no number.
std::string ReadGeneralValue(SequentialReader& reader)
{
    const SequentialItem item = reader.ReadItem();
    if (item.quoted || !IsNumberText(item.text)) {
        return item.text;
    }
    return PlainText(ItemNumber(item));
}

// A field text kept on its one line: a line break would end the item.
std::string WithoutLineBreaks(std::string text)
{
    std::erase_if(text, [](char c) { return c == '\n' || c == '\r'; });
    return text;
}

}  // namespace

std::string SettingsText(const SettingsRecord& settings)
{
    std::string text = std::to_string(settings.WinLeft) + std::string(kLineEnd)
                       + std::to_string(settings.WinTop) + std::string(kLineEnd);
    for (const std::string& field : settings.texts) {
        text += QuotedItem(WithoutLineBreaks(field)) + std::string(kLineEnd);
    }
    return text;
}

std::optional<SettingsRecord> ReadSettings(std::string_view text)
{
    try {
        SequentialReader reader(text);
        SettingsRecord settings;
        settings.WinLeft = ReadPosition(reader);
        settings.WinTop = ReadPosition(reader);
        for (std::size_t item = 0; item + 1 < kSettingsTextCount; ++item) {
            settings.texts[item] = reader.ReadText();
        }
        settings.texts.back() = ReadGeneralValue(reader);
        return settings;
    } catch (const SequentialFormatError&) {
        return std::nullopt;  // nothing of a file that cannot be read whole is applied
    }
}

std::optional<SettingsRecord> ReadSettingsFile(const std::string& path)
{
    const FileText file = ReadWholeFile(path, kMaxSequentialFileBytes);
    if (!file.failure.empty()) {
        return std::nullopt;
    }
    return ReadSettings(file.text);
}

bool WriteSettingsFile(const std::string& path, const SettingsRecord& settings)
{
    return ReplaceFileText(path, SettingsText(settings));
}

Int16 TwipsToInt16(double twips)
{
    // Clamped before the rounding, so that 32767.5 cannot round out of range;
    // fmin and fmax also turn a NaN into a bound, so no fault is raised here.
    const double clamped = std::fmax(kLowestInt16, std::fmin(twips, kHighestInt16));
    return ToInt16(static_cast<float>(clamped));
}

}  // namespace orvexal

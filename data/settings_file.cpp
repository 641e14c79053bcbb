#include "data/settings_file.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "calc/number_text.h"
#include "data/sequential_text.h"

namespace orvexal {
namespace {

// The range of a saved window edge, twips: a 16-bit signed integer.
constexpr double kLowestInt16 = std::numeric_limits<Int16>::min();
constexpr double kHighestInt16 = std::numeric_limits<Int16>::max();

// The settings are written under this name beside the settings file and
// renamed over it only once they were written and closed without a fault,
// so a failed write never leaves a half-written settings file.
constexpr std::string_view kTemporarySuffix = ".tmp";

// Every line of the file ends so.
constexpr std::string_view kLineEnd = "\n";

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

// Item 7, a general value: text when quoted; unquoted, a number given as
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

std::string SettingsText(const SettingsRecord& settings)
{
    std::string text = std::to_string(settings.WinLeft) + std::string(kLineEnd)
                       + std::to_string(settings.WinTop) + std::string(kLineEnd);
    for (const std::string* field : {&settings.Text1, &settings.Text2, &settings.Text3,
                                     &settings.Text4, &settings.Text27}) {
        text += QuotedItem(WithoutLineBreaks(*field)) + std::string(kLineEnd);
    }
    return text;
}

// Writes text as the whole content of a new file; a file that could not be
// written completely (full disk) is removed again.
bool WriteNewFile(const std::string& path, const std::string& text)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) {
        return false;
    }
    file << text;
    file.close();
    if (!file) {
        std::remove(path.c_str());
        return false;
    }
    return true;
}

}  // namespace

std::optional<SettingsRecord> ReadSettingsFile(const std::string& path)
{
    try {
        std::ifstream file = OpenSequentialFile(path);
        SequentialReader reader(file);
        SettingsRecord settings;
        settings.WinLeft = ReadPosition(reader);
        settings.WinTop = ReadPosition(reader);
        settings.Text1 = reader.ReadText();
        settings.Text2 = reader.ReadText();
        settings.Text3 = reader.ReadText();
        settings.Text4 = reader.ReadText();
        settings.Text27 = ReadGeneralValue(reader);
        return settings;
    } catch (const SequentialFormatError&) {
        return std::nullopt;  // nothing of a file that cannot be read whole is applied
    }
}

bool WriteSettingsFile(const std::string& path, const SettingsRecord& settings)
{
    const std::string temporary = path + std::string(kTemporarySuffix);
    if (!WriteNewFile(temporary, SettingsText(settings))) {
        return false;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

Int16 TwipsToInt16(double twips)
{
    // Clamped before the rounding, so that 32767.5 cannot round out of range;
    // fmin and fmax also turn a NaN into a bound, so no fault is raised here.
    const double clamped = std::fmax(kLowestInt16, std::fmin(twips, kHighestInt16));
    return ToInt16(static_cast<float>(clamped));
}

}  // namespace orvexal

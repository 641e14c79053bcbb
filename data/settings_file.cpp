#include "data/settings_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
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

// The settings are written into a new file beside the settings file and
// renamed over it only once they were written and closed without a fault,
// so a failed write never leaves a half-written settings file. The new
// file's name is the settings file's, this, the process id and a number.
constexpr std::string_view kTemporaryMark = ".tmp-";
constexpr int kTemporaryAttempts = 100;  // names tried before giving up

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

// Creates a file beside path under a name no other entry has, as mkstemp
// does, but with the permissions of any new file (0666 less the umask).
// The process id keeps two copies of the program ending at once apart;
// O_EXCL never opens an entry that is already there, nor follows a link, so
// a stale file, folder or link of that name is left alone and the next
// number tried. Returns the open descriptor and its name, or -1.
int CreateTemporaryFile(const std::string& path, std::string& name)
{
    const std::string stem = path + std::string(kTemporaryMark) + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
        name = stem + std::to_string(attempt);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// Writes the whole text, which may take more than one call.
bool WriteAll(int fd, std::string_view text)
{
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
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
    std::string temporary;
    const int fd = CreateTemporaryFile(path, temporary);
    if (fd < 0) {
        return false;
    }
    // On the disk before the rename, so that a power cut right after the
    // exit leaves the old file or the new one, never an empty one.
    const bool written = WriteAll(fd, SettingsText(settings)) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    // rename replaces the entry itself: a link in the settings file's place
    // is replaced, its target left alone; a folder there refuses it.
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
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

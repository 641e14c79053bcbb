// The settings file Orvex3.ini: the main window's position and the texts of
// the site and twilight fields, kept from one run to the next.
//
// Seven lines: WinLeft, WinTop (twips, plain integers), then five field
// texts, each in double quotes; the last is read as a general value, so an
// unquoted number there reads as its plain text. Which fields they are is
// the start-up's concern: the file keeps texts, not fields.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "numbers/fault.h"

namespace orvexal {

inline constexpr std::string_view kSettingsFile = "Orvex3.ini";

// The texts of lines 3 to 7.
inline constexpr std::size_t kSettingsTextCount = 5;

struct SettingsRecord {
    Int16 WinLeft = 100;
    Int16 WinTop = 100;
    std::array<std::string, kSettingsTextCount> texts;  // in the file's order

    friend bool operator==(const SettingsRecord&, const SettingsRecord&) = default;
};

// All seven items of a settings file's text, or nothing when it has fewer
// items or its first two items are not numbers in -32768..32767.
std::optional<SettingsRecord> ReadSettings(std::string_view text);

// ReadSettings of the file `path` read whole; nothing also when the file is
// missing or cannot be read.
std::optional<SettingsRecord> ReadSettingsFile(const std::string& path);

// The seven lines of the settings file, each ended by "\n": the window
// position in plain integers, then the five texts quoted (QuotedItem), with
// any line break taken out so that each stays on its line.
std::string SettingsText(const SettingsRecord& settings);

// Writes the seven lines into a new file of a name of its own in the same
// folder and renames it over the old one, so the previous file survives any
// failure and no temporary file is left. Returns false when the file could
// not be written: the folder refuses a new file, the disk is full, or a
// folder has taken the settings file's name.
bool WriteSettingsFile(const std::string& path, const SettingsRecord& settings);

// A window position in twips (single precision, as the window reports it)
// rounded to the nearest 16-bit integer, halves to even, clamped into
// -32768..32767.
Int16 TwipsToInt16(double twips);

}  // namespace orvexal

// The main window's fields, addressed by name: the interface between the
// windows (or any other front end) and the calculation.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace orvexal {

// Text1 .. Text27 and the status line Label2, numbered as on the main window.
enum class Field : int {
    Text1 = 1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9, Text10,
    Text11, Text12, Text13, Text14, Text15, Text16, Text17, Text18, Text19, Text20,
    Text21, Text22, Text23, Text24, Text25, Text26, Text27, Label2,
};

constexpr int kFieldCount = 28;

// The longest text a field holds, in UTF-16 code units as the window's
// one-line text boxes count them: 32767, the largest 16-bit length.
constexpr int kMaxFieldLength = 32767;

// "Text13", "Label2": the object name of a field.
std::string FieldName(Field field);

// The caption beside a field on the main window ("Julian Date (JD)"); the
// status line's caption is its designed text.
std::string_view FieldCaption(Field field);

// The text a field holds when the main window is first loaded.
std::string_view DesignedText(Field field);

// Get and set the text of a field. A window supplies its text boxes; the
// headless front end and the tests supply a FieldTable.
class FieldTexts {
public:
    virtual ~FieldTexts() = default;
    virtual std::string Text(Field field) const = 0;
    virtual void SetText(Field field, const std::string& text) = 0;
};

// Field texts held in memory, starting from the designed texts.
class FieldTable : public FieldTexts {
public:
    FieldTable();
    std::string Text(Field field) const override;
    void SetText(Field field, const std::string& text) override;

private:
    std::array<std::string, kFieldCount> texts_;
};

}  // namespace orvexal

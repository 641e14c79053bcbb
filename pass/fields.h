// The main window's fields, addressed by name: the interface between the
// windows (or any other front end) and the calculation. The boxes' object
// names ("Text13") are the contract with the batch columns, the JSON report
// and the windows (FieldName).
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "pass/field_descriptions.h"

namespace orvexal {

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
// headless front end and the tests supply a FieldTable. The pass keeps the
// floating-point fault flags around each SetText itself, so a window's own
// arithmetic is never taken for the calculation's.
class FieldTexts {
public:
    virtual ~FieldTexts() = default;
    virtual std::string Text(Field field) const = 0;
    virtual void SetText(Field field, const std::string& text) = 0;
};

// Another FieldTexts that notes which fields were written through it, so a
// front end can tell the results a pass reached from those it did not.
class WriteRecorder : public FieldTexts {
public:
    explicit WriteRecorder(FieldTexts& fields) : fields_(fields) {}
    std::string Text(Field field) const override { return fields_.Text(field); }
    void SetText(Field field, const std::string& text) override;
    bool Written(Field field) const;

private:
    FieldTexts& fields_;
    std::array<bool, kFieldCount> written_{};
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

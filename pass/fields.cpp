#include "pass/fields.h"

namespace orvexal {
namespace {

std::size_t IndexOf(Field field)
{
    return static_cast<std::size_t>(static_cast<int>(field) - 1);
}

}  // namespace

std::string FieldName(Field field)
{
    return std::string(Describe(field).objectName);
}

std::string_view FieldCaption(Field field)
{
    return Describe(field).caption;
}

std::string_view DesignedText(Field field)
{
    return Describe(field).designedText;
}

void WriteRecorder::SetText(Field field, const std::string& text)
{
    fields_.SetText(field, text);
    written_[IndexOf(field)] = true;
}

bool WriteRecorder::Written(Field field) const
{
    return written_[IndexOf(field)];
}

FieldTable::FieldTable()
{
    for (const FieldDescription& row : kFields) {
        texts_[IndexOf(row.field)] = std::string(row.designedText);
    }
}

std::string FieldTable::Text(Field field) const
{
    return texts_[IndexOf(field)];
}

void FieldTable::SetText(Field field, const std::string& text)
{
    texts_[IndexOf(field)] = text;
}

}  // namespace orvexal

#include "app/JsonWriter.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace quorvane {

void JsonWriter::BeforeValue()
{
    if (afterValue_)
        text_ += ',';
}

JsonWriter& JsonWriter::BeginObject()
{
    BeforeValue();
    text_ += '{';
    afterValue_ = false;
    return *this;
}

JsonWriter& JsonWriter::EndObject()
{
    text_ += '}';
    afterValue_ = true;
    return *this;
}

JsonWriter& JsonWriter::BeginArray()
{
    BeforeValue();
    text_ += '[';
    afterValue_ = false;
    return *this;
}

JsonWriter& JsonWriter::EndArray()
{
    text_ += ']';
    afterValue_ = true;
    return *this;
}

JsonWriter& JsonWriter::Key(std::string_view key)
{
    String(key);
    text_ += ':';
    afterValue_ = false;
    return *this;
}

JsonWriter& JsonWriter::String(std::string_view text)
{
    BeforeValue();
    text_ += '"';
    for (const char c : text) {
        switch (c) {
            case '"': text_ += "\\\""; break;
            case '\\': text_ += "\\\\"; break;
            case '\n': text_ += "\\n"; break;
            case '\t': text_ += "\\t"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    std::array<char, 7> escape{};
                    std::snprintf(escape.data(), escape.size(), "\\u%04x", static_cast<unsigned>(c));
                    text_ += escape.data();
                } else {
                    text_ += c;
                }
        }
    }
    text_ += '"';
    afterValue_ = true;
    return *this;
}

JsonWriter& JsonWriter::Number(double value)
{
    BeforeValue();
    afterValue_ = true;
    if (!std::isfinite(value)) {
        text_ += "null";
        return *this;
    }
    // The WebAssembly library has no floating-point to_chars: the fewest
    // digits that read back the same.
    std::array<char, 32> digits{};
    for (int precision = 1; precision <= 17; ++precision) {
        std::snprintf(digits.data(), digits.size(), "%.*g", precision, value);
        if (std::strtod(digits.data(), nullptr) == value)
            break;
    }
    text_ += digits.data();
    return *this;
}

JsonWriter& JsonWriter::Bool(bool value)
{
    BeforeValue();
    text_ += value ? "true" : "false";
    afterValue_ = true;
    return *this;
}

void JsonWriter::Clear()
{
    text_.clear();
    afterValue_ = false;
}

}  // namespace quorvane

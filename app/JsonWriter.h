#pragma once

#include <string>
#include <string_view>

namespace quorvane {

// Writes one JSON text front to back, commas and escapes included, for a
// front end that reads the core's tables and state as JSON. The caller keeps
// the nesting right: a key before each value inside an object.
class JsonWriter {
public:
    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    JsonWriter& Key(std::string_view key);
    // UTF-8 passes through; quotes, backslashes and control characters are escaped.
    JsonWriter& String(std::string_view text);
    // The shortest form that reads back as the same double.
    JsonWriter& Number(double value);
    JsonWriter& Bool(bool value);

    const std::string& Text() const { return text_; }
    void Clear();

private:
    void BeforeValue();

    std::string text_;
    bool afterValue_ = false;
};

}  // namespace quorvane

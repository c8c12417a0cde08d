// The page reads every table and state of the core through this writer.
#include <gtest/gtest.h>

#include <string>

#include "app/JsonWriter.h"
#include "ui/CaseName.h"

namespace quorvane::testing {
namespace {

struct EscapeCase {
    const char* name;
    std::string text;
    std::string written;
};

struct Escapes : ::testing::TestWithParam<EscapeCase> {};

TEST_P(Escapes, AStringReadsBackAsWritten)
{
    JsonWriter json;
    json.String(GetParam().text);
    EXPECT_EQ(json.Text(), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Escapes,
    ::testing::Values(EscapeCase{"Plain", "Pause", "\"Pause\""},
                      EscapeCase{"Quote", "say \"hi\"", "\"say \\\"hi\\\"\""},
                      EscapeCase{"Backslash", "a\\b", "\"a\\\\b\""},
                      EscapeCase{"LineBreak", "one\ntwo", "\"one\\ntwo\""},
                      EscapeCase{"ControlCharacter", std::string("a\x01z"), "\"a\\u0001z\""},
                      EscapeCase{"Utf8PassesThrough", "Träger −3", "\"Träger −3\""}),
    CaseName{});

TEST(JsonWriter, NestsWithCommasAndTheShortestNumbers)
{
    JsonWriter json;
    json.BeginObject().Key("steps").BeginArray().Number(0.67).Number(1).Number(-2.5).EndArray();
    json.Key("box").BeginObject().Key("on").Bool(true).Key("off").Bool(false).EndObject().EndObject();
    EXPECT_EQ(json.Text(), R"({"steps":[0.67,1,-2.5],"box":{"on":true,"off":false}})");
    json.Clear();
    json.BeginArray().EndArray();
    EXPECT_EQ(json.Text(), "[]");
}

}  // namespace
}  // namespace quorvane::testing

#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "app/Controller.h"
#include "app/JsonWriter.h"
#include "app/WindowDesign.h"
#include "web/Catalogue.h"
#include "web/WebPanel.h"
#include "web/WebPicture.h"
#include "web/WebReceiverPanel.h"

namespace quorvane::web {

// Everything the page's calls share: the window and the receiver as the
// core sees them, the language, the last reply and the keyboard cursor.
struct Page {
    WebPanel panel;
    std::array<std::unique_ptr<WebPicture>, 5> pictures;  // by Picture
    WebReceiverPanel receiverPanel;
    std::array<std::unique_ptr<WebPicture>, 2> receiverPictures;  // by ReceiverPicture
    std::unique_ptr<Controller> controller;
    Catalogue catalogue;
    JsonWriter json;
    std::string reply;
    std::string decimalPoint = ".";
    std::optional<AnyPicture> cursorPicture;  // the picture the keyboard cursor is on
    float cursorTwips = 0;
};

// Made by qv_start, for the page's whole life.
inline Page* page = nullptr;

// The enumerator whose control has `name`, of the `count` there are.
template <typename Enum, int count>
std::optional<Enum> Named(const char* name)
{
    for (int i = 0; i < count; ++i)
        if (ControlName(static_cast<Enum>(i)) == name)
            return static_cast<Enum>(i);
    return std::nullopt;
}

// The browser's names of the keys the bars and the cursor take.
template <typename Key, std::size_t count>
std::optional<Key> KeyNamed(const std::array<std::pair<std::string_view, Key>, count>& keys, const char* name)
{
    for (const auto& [keyName, key] : keys)
        if (keyName == name)
            return key;
    return std::nullopt;
}

// The window's picture or the receiver's of that name; its box as the page
// draws it, and its design.
std::optional<AnyPicture> PictureNamed(const char* name);
WebPicture& WebPictureOf(AnyPicture picture);
const ControlDesign& PictureDesign(AnyPicture picture);

inline const char* Reply(JsonWriter& json)
{
    page->reply = json.Text();
    return page->reply.c_str();
}

}  // namespace quorvane::web

#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "app/Controller.h"
#include "app/ReadoutText.h"
#include "engine/Choices.h"

namespace quorvane {

// The context under which a picture's words are translated.
inline constexpr char kPictureWordsContext[] = "PictureWords";

// The words a picture is described with, and the keys that end its
// description, in the class's language (UTF-8); "%1" and "%2" stand for the
// figures.
struct PictureWords {
    std::string hidden = QT_TRANSLATE_NOOP("PictureWords", "Hidden: nothing is drawn");
    std::string empty = QT_TRANSLATE_NOOP("PictureWords", "Empty: nothing to read");
    std::string peaks = QT_TRANSLATE_NOOP("PictureWords", "Peaks, strongest first: %1");
    std::string noPeak = QT_TRANSLATE_NOOP("PictureWords", "No clear peak");
    std::string size = QT_TRANSLATE_NOOP("PictureWords", "Peak to peak %1");
    std::string sizeAndFrequency = QT_TRANSLATE_NOOP("PictureWords", "Peak to peak %1; its crests repeat at %2");
    std::string noFurtherPeak = QT_TRANSLATE_NOOP("PictureWords", "No further peak");
    std::string keys = QT_TRANSLATE_NOOP(
        "PictureWords",
        "Left, Right, Page Up, Page Down, Home, End: move the readout cursor; N, P: next or previous peak; "
        "D: say what the picture shows; Escape: put the cursor away");
};

// The words with each one put through `translate`, which takes the English.
PictureWords TranslatedWords(const std::function<std::string(std::string_view)>& translate);

// Whether the control is a picture, the window's or the receiver's, which has
// the keyboard cursor.
bool IsPicture(std::string_view control);

// A picture's accessible description, a line each: what it is, what it shows
// now (none before it is first described) and its keys, all translated.
std::string PictureHelp(std::string_view what, std::string_view shown, std::string_view keys);

// What `picture` shows, in words, with the readout's figures: a spectrum's
// strongest peaks, strongest first, at most five; a trace's peak-to-peak size
// and, where its crests come evenly, the frequency they give; that it is
// hidden or empty.
std::string DescribePicture(const Controller& controller, AnyPicture picture, float snap,
                            std::string_view decimalPoint, const PictureWords& words,
                            const ReadoutWords& readoutWords);

}  // namespace quorvane

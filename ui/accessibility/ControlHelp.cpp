#include "ui/accessibility/ControlHelp.h"

#include <QLabel>
#include <QString>
#include <QWidget>
#include <string_view>

#include "app/HelpTexts.h"
#include "app/PictureDescription.h"
#include "engine/Choices.h"
#include "ui/language/ShownText.h"
#include "ui/window/Utf8.h"

namespace quorvane {
namespace {

const ControlHelpText* TextOf(const QWidget& control)
{
    return HelpOf(control.objectName().toStdString());
}

// Every accessible description is set here.
void Describe(QWidget& control, const QString& description)
{
    if (control.accessibleDescription() != description)
        control.setAccessibleDescription(description);
}

QString PictureKeys()
{
    return Translated(kPictureWordsContext, PictureWords{}.keys);
}

// What a control is, then, for a picture, what it shows now and its keys.
QString DescriptionOf(const QWidget& control, const ControlHelpText& text, const QString& shown = {})
{
    QString description = Translated(kHelpContext, text.description);
    if (IsPicture(control.objectName().toStdString())) {
        if (!shown.isEmpty())
            description += QLatin1Char('\n') + shown;
        description += QLatin1Char('\n') + PictureKeys();
    }
    return WithGuideHint(description);
}

}  // namespace

QString WithGuideHint(const QString& text)
{
    const QString hint = Translated(kHelpContext, GuideHintKey());
    return ToQString(WithGuideHint(text.toStdString(), hint.toStdString()));
}

void SetHelp(QWidget& control)
{
    const ControlHelpText* text = TextOf(control);
    if (!text)
        return;
    control.setAccessibleName(Translated(kHelpContext, text->name));
    Describe(control, DescriptionOf(control, *text));
    if (!text->toolTip.empty())
        control.setToolTip(WithGuideHint(Translated(kHelpContext, text->toolTip)));
}

void SetControlHelp(QWidget& window)
{
    for (const ControlHelpText& text : ControlHelpTexts())
        if (auto* control = window.findChild<QWidget*>(ToQString(text.control)))
            SetHelp(*control);
    for (const auto& [label, control] : LabelledControls()) {
        auto* labelWidget = window.findChild<QLabel*>(ToQString(label));
        auto* controlWidget = window.findChild<QWidget*>(ToQString(control));
        if (labelWidget && controlWidget)
            labelWidget->setBuddy(controlWidget);
    }
}

void SetPauseHelp(QWidget& button, PauseState state)
{
    const QString next = WithGuideHint(Translated(kHelpContext, PauseHelpKey(state)));
    button.setToolTip(next);
    Describe(button, next);
}

// The live reading is spoken alone; the guide's hint belongs to what the
// picture shows.
void DescribeReading(QWidget& picture, const QString& figures)
{
    const ControlHelpText* text = TextOf(picture);
    Describe(picture, !figures.isEmpty() ? figures : text ? DescriptionOf(picture, *text) : QString());
}

void DescribeShown(QWidget& picture, const QString& words)
{
    if (const ControlHelpText* text = TextOf(picture))
        Describe(picture, DescriptionOf(picture, *text, words));
}

}  // namespace quorvane

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

const ControlHelpText* textOf(const QWidget& control)
{
    return HelpOf(control.objectName().toStdString());
}

// Every accessible description is set here.
void describe(QWidget& control, const QString& description)
{
    if (control.accessibleDescription() != description)
        control.setAccessibleDescription(description);
}

QString pictureKeys()
{
    return translated(kPictureWordsContext, PictureWords{}.keys);
}

// What a control is, then, for a picture, what it shows now and its keys.
QString descriptionOf(const QWidget& control, const ControlHelpText& text, const QString& shown = {})
{
    QString description = translated(kHelpContext, text.description);
    if (IsPicture(control.objectName().toStdString()))
        description = toQString(
            PictureHelp(description.toStdString(), shown.toStdString(), pictureKeys().toStdString()));
    return withGuideHint(description);
}

}  // namespace

QString withGuideHint(const QString& text)
{
    const QString hint = translated(kHelpContext, GuideHintKey());
    return toQString(WithGuideHint(text.toStdString(), hint.toStdString()));
}

void setHelp(QWidget& control, bool colourBlind)
{
    const ControlHelpText* text = HelpOf(control.objectName().toStdString(), colourBlind);
    if (!text)
        return;
    control.setAccessibleName(translated(kHelpContext, text->name));
    describe(control, descriptionOf(control, *text));
    if (!text->toolTip.empty())
        control.setToolTip(withGuideHint(translated(kHelpContext, text->toolTip)));
}

void setControlHelp(QWidget& window)
{
    for (const ControlHelpText& text : ControlHelpTexts())
        if (auto* control = window.findChild<QWidget*>(toQString(text.control)))
            setHelp(*control);
    for (const auto& [label, control] : LabelledControls()) {
        auto* labelWidget = window.findChild<QLabel*>(toQString(label));
        auto* controlWidget = window.findChild<QWidget*>(toQString(control));
        if (labelWidget && controlWidget)
            labelWidget->setBuddy(controlWidget);
    }
}

void setPauseHelp(QWidget& button, PauseState state)
{
    const QString next = withGuideHint(translated(kHelpContext, PauseHelpKey(state)));
    button.setToolTip(next);
    describe(button, next);
}

// The live reading is spoken alone; the guide's hint belongs to what the
// picture shows.
void describeReading(QWidget& picture, const QString& figures)
{
    const ControlHelpText* text = textOf(picture);
    describe(picture, !figures.isEmpty() ? figures : text ? descriptionOf(picture, *text) : QString());
}

void describeShown(QWidget& picture, const QString& words)
{
    if (const ControlHelpText* text = textOf(picture))
        describe(picture, descriptionOf(picture, *text, words));
}

}  // namespace quorvane

#include "ui/accessibility/AccessibleControls.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QHash>
#include <QLineEdit>
#include <QPointer>
#include <algorithm>
#include <cmath>

#include "ui/widgets/ButtonCheckBox.h"
#include "ui/pictures/PictureBox.h"
#include "ui/widgets/ScrollBar.h"

namespace quorvane {
namespace {

// A text that assistive tools may read but not write: offering no editable
// text interface is what makes AT-SPI refuse to set it.
class ReadOnlyText : public QAccessibleTextInterface {
public:
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override { return content().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(content().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

protected:
    virtual QString content() const = 0;
};

class AccessibleReadOnlyBox final : public QAccessibleWidget, public ReadOnlyText {
public:
    explicit AccessibleReadOnlyBox(QLineEdit* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
    }
    QString text(QAccessible::Text which) const override
    {
        return which == QAccessible::Value ? content() : QAccessibleWidget::text(which);
    }
    using ReadOnlyText::text;
    int cursorPosition() const override { return box().cursorPosition(); }

private:
    const QLineEdit& box() const { return *static_cast<QLineEdit*>(widget()); }
    QString content() const override { return box().text(); }
};

// Orca reads a list's choice from its text, there being no selection to read
// in this Qt; its name stays the control's own.
class AccessibleList final : public QAccessibleWidget, public ReadOnlyText {
public:
    explicit AccessibleList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text which) const override
    {
        return which == QAccessible::Value ? content() : QAccessibleWidget::text(which);
    }
    using ReadOnlyText::text;

private:
    QString content() const override { return static_cast<QComboBox*>(widget())->currentText(); }
};

// A switch drawn as a button over its whole box, so its extent is the box,
// not the indicator an ordinary check box has. Qt's bridge has no
// toggle-button role here; a check box's says "checked" and "not checked".
class AccessibleButtonCheckBox final : public QAccessibleWidget {
public:
    explicit AccessibleButtonCheckBox(ButtonCheckBox* box) : QAccessibleWidget(box, QAccessible::CheckBox) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = box().checkState() == Qt::Checked;
        state.checkStateMixed = box().checkState() == Qt::PartiallyChecked;
        return state;
    }
    QStringList actionNames() const override
    {
        return QStringList{toggleAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (action == toggleAction())
            box().click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    ButtonCheckBox& box() const { return *static_cast<ButtonCheckBox*>(widget()); }
};

// A bar read in the units of its box, if it has one; Increase raises that
// number, whichever way the position runs.
class AccessibleParameterBar final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessibleParameterBar(ScrollBar* bar) : QAccessibleWidget(bar, QAccessible::ScrollBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text which) const override
    {
        return which == QAccessible::Value ? QString::number(shown(bar().value()))
                                           : QAccessibleWidget::text(which);
    }

    QVariant currentValue() const override { return shown(bar().value()); }
    QVariant minimumValue() const override { return std::min(shown(bar().minimum()), shown(bar().maximum())); }
    QVariant maximumValue() const override { return std::max(shown(bar().minimum()), shown(bar().maximum())); }
    QVariant minimumStepSize() const override
    {
        return std::abs(shown(bar().minimum() + bar().singleStep()) - shown(bar().minimum()));
    }
    void setCurrentValue(const QVariant& value) override
    {
        const double wanted = value.toDouble();
        int nearest = bar().minimum();
        for (int position = bar().minimum(); position <= bar().maximum(); ++position)
            if (std::abs(shown(position) - wanted) < std::abs(shown(nearest) - wanted))
                nearest = position;
        bar().setValue(nearest);
    }

    QStringList actionNames() const override
    {
        return QStringList{increaseAction(), decreaseAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (action != increaseAction() && action != decreaseAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        const bool risesWithPosition = shown(bar().maximum()) > shown(bar().minimum());
        const bool up = (action == increaseAction()) == risesWithPosition;
        bar().triggerAction(up ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub);
    }

private:
    ScrollBar& bar() const { return *static_cast<ScrollBar*>(widget()); }
    double shown(int position) const { return bar().shownValue(position).value_or(position); }
};

// A text standing for a control's new state, as an object of its own inside
// the control that takes the screen reader's focus. With this Qt that is the
// one change Orca speaks: it reads no list selection, and name and description
// changes reach it without their text. Each announcement is a new object, as
// Orca says nothing when the same one is focused again.
class Announcement final : public QAccessibleInterface {
public:
    Announcement(QWidget& control, const QString& text) : control_(&control), text_(text) {}

    bool isValid() const override { return !control_.isNull(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(control_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text which) const override { return which == QAccessible::Name ? text_ : QString(); }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        return control_ ? QRect(control_->mapToGlobal(QPoint()), control_->size()) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = true;
        state.focused = control_ && control_->hasFocus();
        return state;
    }

private:
    QPointer<QWidget> control_;
    QString text_;
};

QAccessibleInterface* createAccessible(const QString&, QObject* object)
{
    // Chosen by kind alone: the interface is made, and kept, at the bar's
    // first change, before the window says what the bar's box shows.
    if (auto* bar = dynamic_cast<ScrollBar*>(object))
        return new AccessibleParameterBar(bar);
    if (auto* picture = qobject_cast<PictureBox*>(object))
        return new QAccessibleWidget(picture, QAccessible::Graphic);
    if (auto* box = qobject_cast<ButtonCheckBox*>(object))
        return new AccessibleButtonCheckBox(box);
    // The window's boxes are all read-only, and may be asked for before
    // they are made so.
    if (auto* box = qobject_cast<QLineEdit*>(object))
        return new AccessibleReadOnlyBox(box);
    if (auto* list = qobject_cast<QComboBox*>(object); list && !list->isEditable())
        return new AccessibleList(list);
    return nullptr;
}

}  // namespace

void installAccessibleControls()
{
    static const bool installed = [] {
        QAccessible::installFactory(createAccessible);
        return true;
    }();
    (void)installed;
}

void announce(QWidget& control, const QString& text)
{
    if (!QAccessible::isActive() || !control.hasFocus() || text.isEmpty())
        return;
    static QHash<QObject*, QAccessible::Id> last;
    auto* announcement = new Announcement(control, text);
    const QAccessible::Id id = QAccessible::registerAccessibleInterface(announcement);
    QAccessibleEvent focus(announcement, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
    if (const auto previous = last.find(&control); previous != last.end())
        QAccessible::deleteAccessibleInterface(previous.value());
    else
        QObject::connect(&control, &QObject::destroyed, [](QObject* gone) {
            if (const auto kept = last.find(gone); kept != last.end()) {
                QAccessible::deleteAccessibleInterface(kept.value());
                last.erase(kept);
            }
        });
    last.insert(&control, id);
}

}  // namespace quorvane

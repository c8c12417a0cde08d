#include "ui/magnification/FontPlan.h"

#include <QFontMetrics>
#include <QStyle>
#include <optional>

#include "ui/widgets/CheckBox.h"
#include "ui/language/ShownText.h"
#include "ui/window/Pixels.h"

namespace quorvane {
namespace {

constexpr double kSmallestPointSize = 6.0;
constexpr double kPointStep = 0.5;

struct TextRoom {
    QSize size;
    int flags;
};

std::optional<TextRoom> CaptionRoom(ControlKind kind, QSize box, const QStyle& style)
{
    switch (kind) {
        case ControlKind::Label: return TextRoom{box, Qt::AlignRight | Qt::AlignTop};
        case ControlKind::CheckBox:
            return TextRoom{box - QSize(CheckBox::CaptionIndent(style), 0),
                            CheckBox::kCaptionFlags};
        case ControlKind::CommandButton:
        case ControlKind::ButtonCheckBox: {
            const int frame = style.pixelMetric(QStyle::PM_DefaultFrameWidth);
            const int margin = style.pixelMetric(QStyle::PM_ButtonMargin);
            return TextRoom{box - QSize(margin + 2 * frame, 2 * frame), Qt::AlignCenter};
        }
        default: return std::nullopt;
    }
}

bool AllFit(const QFont& font, FontClass fontClass, std::span<const ControlDesign> controls,
            const QStyle& style)
{
    for (const ControlDesign& design : controls) {
        if (design.font != fontClass || design.text.empty())
            continue;
        const QSize box = ToPixels(design.box).size();
        if (!CaptionFits(design.kind, box, ShownText(design.text), font, style))
            return false;
    }
    return true;
}

QFont FittedFont(FontClass fontClass, std::span<const ControlDesign> controls, const QStyle& style)
{
    QFont font = DesignFont(fontClass);
    for (double size = PointSize(fontClass); size > kSmallestPointSize; size -= kPointStep) {
        font.setPointSizeF(size);
        if (AllFit(font, fontClass, controls, style))
            return font;
    }
    font.setPointSizeF(kSmallestPointSize);
    return font;
}

}  // namespace

bool CaptionFits(ControlKind kind, QSize box, const QString& text, const QFont& font,
                 const QStyle& style)
{
    const auto room = CaptionRoom(kind, box, style);
    if (!room)
        return true;
    const QRect needed =
        QFontMetrics(font).boundingRect(QRect(QPoint(), room->size), room->flags, text);
    return needed.width() <= room->size.width() && needed.height() <= room->size.height();
}

QFont DesignFont(FontClass font)
{
    QFont design(QStringLiteral("MS Sans Serif"));
    design.setStyleHint(QFont::SansSerif);
    design.setWeight(QFont::Normal);
    if (font != FontClass::None)
        design.setPointSizeF(PointSize(font));
    return design;
}

FontPlan::FontPlan(std::span<const ControlDesign> controls, const QStyle& style)
{
    for (FontClass font : {FontClass::Small, FontClass::Medium, FontClass::Large})
        fonts_[static_cast<std::size_t>(font)] = FittedFont(font, controls, style);
    fonts_[static_cast<std::size_t>(FontClass::None)] = DesignFont(FontClass::None);
}

QFont FontPlan::Font(FontClass font) const
{
    return fonts_[static_cast<std::size_t>(font)];
}

}  // namespace quorvane

#include "ui/magnification/FontPlan.h"

#include <QFontMetrics>
#include <QStyle>
#include <memory>
#include <optional>
#include <vector>

#include "ui/language/ShownText.h"
#include "ui/magnification/Zoom.h"
#include "ui/magnification/ZoomStyle.h"
#include "ui/widgets/CheckBox.h"
#include "ui/window/Pixels.h"

namespace quorvane {
namespace {

constexpr double kSmallestPointSize = 6.0;
constexpr double kPointStep = 0.5;
// At the design's 96 dots per inch half a point often rounds to the same
// pixel size, so a translation may go one whole point below its class: one
// pixel of type.
constexpr double kLargestOwnShrink = 1.0;

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

// The window's style and, made only once a translation needs measuring at
// them, its magnified forms, one for each zoom step.
class StepStyles {
public:
    explicit StepStyles(const QStyle& style) : style_(style) {}

    const QStyle& Base() const { return style_; }

    const QStyle& At(std::size_t step)
    {
        if (kZoomSteps[step] == 1.0)
            return style_;
        if (!zoomed_[step])
            zoomed_[step] = std::make_unique<ZoomStyle>(kZoomSteps[step]);
        return *zoomed_[step];
    }

private:
    const QStyle& style_;
    std::array<std::unique_ptr<ZoomStyle>, kZoomSteps.size()> zoomed_;
};

bool FitsAtEveryStep(const ControlDesign& design, const QString& text, double size, StepStyles& styles)
{
    QFont font = DesignFont(design.font);
    for (std::size_t step = 0; step < kZoomSteps.size(); ++step) {
        const double factor = kZoomSteps[step];
        font.setPointSizeF(size * factor);
        const QSize slack(factor == 1.0 ? 0 : kMagnifiedSlack, 0);
        const QSize box = Magnified(ToPixels(design.box), factor).size() + slack;
        if (!CaptionFits(design.kind, box, text, font, styles.At(step)))
            return false;
    }
    return true;
}

// Whether every caption of the class fits at `size`: in English at 100 %, so
// that no language makes the class larger than English has it, and a
// translation also at every step, at `size` or at a size of its own, which
// goes into `ownSizes`.
bool AllFit(double size, FontClass fontClass, std::span<const ControlDesign> controls,
            StepStyles& styles, std::map<std::string_view, double>& ownSizes)
{
    QFont font = DesignFont(fontClass);
    font.setPointSizeF(size);
    for (const ControlDesign& design : controls) {
        if (design.font != fontClass || design.text.empty())
            continue;
        const QString english = QString::fromUtf8(design.text.data(), static_cast<qsizetype>(design.text.size()));
        if (!CaptionFits(design.kind, ToPixels(design.box).size(), english, font, styles.Base()))
            return false;
        const QString text = ShownText(design.text);
        if (text == english)
            continue;
        double own = size;
        while (own >= size - kLargestOwnShrink && !FitsAtEveryStep(design, text, own, styles))
            own -= kPointStep;
        if (own < size - kLargestOwnShrink)
            return false;
        if (own < size)
            ownSizes[design.name] = own;
    }
    return true;
}

QFont FittedFont(FontClass fontClass, std::span<const ControlDesign> controls, StepStyles& styles,
                 std::map<std::string_view, double>& ownSizes)
{
    QFont font = DesignFont(fontClass);
    for (double size = PointSize(fontClass); size > kSmallestPointSize; size -= kPointStep) {
        std::map<std::string_view, double> sizes;
        if (AllFit(size, fontClass, controls, styles, sizes)) {
            ownSizes.merge(sizes);
            font.setPointSizeF(size);
            return font;
        }
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
    StepStyles styles(style);
    for (FontClass font : {FontClass::Small, FontClass::Medium, FontClass::Large})
        fonts_[static_cast<std::size_t>(font)] = FittedFont(font, controls, styles, ownSizes_);
    fonts_[static_cast<std::size_t>(FontClass::None)] = DesignFont(FontClass::None);
}

QFont FontPlan::Font(FontClass font) const
{
    return fonts_[static_cast<std::size_t>(font)];
}

QFont FontPlan::Font(const ControlDesign& design) const
{
    QFont font = Font(design.font);
    if (const auto own = ownSizes_.find(design.name); own != ownSizes_.end())
        font.setPointSizeF(own->second);
    return font;
}

}  // namespace quorvane

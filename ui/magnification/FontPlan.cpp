#include "ui/magnification/FontPlan.h"

#include <QFontMetrics>
#include <QStyle>
#include <memory>
#include <optional>
#include <vector>

#include "app/CaptionFit.h"
#include "ui/language/ShownText.h"
#include "ui/magnification/Zoom.h"
#include "ui/magnification/ZoomStyle.h"
#include "ui/widgets/CheckBox.h"
#include "ui/window/Pixels.h"

namespace quorvane {
namespace {

struct TextRoom {
    QSize size;
    int flags;
};

std::optional<TextRoom> captionRoom(ControlKind kind, QSize box, const QStyle& style)
{
    switch (kind) {
        case ControlKind::Label: return TextRoom{box, Qt::AlignRight | Qt::AlignTop};
        case ControlKind::CheckBox:
            return TextRoom{box - QSize(CheckBox::captionIndent(style), 0),
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

    const QStyle& base() const { return style_; }

    const QStyle& at(std::size_t step)
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

bool fitsAtEveryStep(const ControlDesign& design, const QString& text, double size, StepStyles& styles)
{
    QFont font = designFont(design.font);
    for (std::size_t step = 0; step < kZoomSteps.size(); ++step) {
        const double factor = kZoomSteps[step];
        font.setPointSizeF(size * factor);
        const QSize slack(factor == 1.0 ? 0 : kMagnifiedSlack, 0);
        const QSize box = magnified(toPixels(design.box), factor).size() + slack;
        if (!captionFits(design.kind, box, text, font, styles.at(step)))
            return false;
    }
    return true;
}

QString english(const ControlDesign& design)
{
    return QString::fromUtf8(design.text.data(), static_cast<qsizetype>(design.text.size()));
}

// English at 100 %, so that no language makes a class larger than English
// has it; a translation at every step.
class WidgetCaptionMeasure final : public CaptionMeasure {
public:
    explicit WidgetCaptionMeasure(const QStyle& style) : styles_(style) {}

    bool EnglishFits(const ControlDesign& design, double points) override
    {
        QFont font = designFont(design.font);
        font.setPointSizeF(points);
        return captionFits(design.kind, toPixels(design.box).size(), english(design), font, styles_.base());
    }
    bool TranslationFits(const ControlDesign& design, double points) override
    {
        return fitsAtEveryStep(design, shownText(design.text), points, styles_);
    }
    bool Translated(const ControlDesign& design) override { return shownText(design.text) != english(design); }

private:
    StepStyles styles_;
};

}  // namespace

bool captionFits(ControlKind kind, QSize box, const QString& text, const QFont& font,
                 const QStyle& style)
{
    const auto room = captionRoom(kind, box, style);
    if (!room)
        return true;
    const QRect needed =
        QFontMetrics(font).boundingRect(QRect(QPoint(), room->size), room->flags, text);
    return needed.width() <= room->size.width() && needed.height() <= room->size.height();
}

QFont designFont(FontClass font)
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
    WidgetCaptionMeasure measure(style);
    plan_ = PlanCaptions(controls, measure);
}

QFont FontPlan::font(FontClass font) const
{
    QFont shown = designFont(font);
    if (font != FontClass::None)
        shown.setPointSizeF(plan_.classSizes[static_cast<std::size_t>(font)]);
    return shown;
}

QFont FontPlan::font(const ControlDesign& design) const
{
    QFont font = designFont(design.font);
    if (design.font != FontClass::None)
        font.setPointSizeF(plan_.SizeOf(design));
    return font;
}

}  // namespace quorvane

#pragma once

#include <QProxyStyle>

namespace quorvane {

// The application's style with its sizes magnified: arrows, check marks,
// frames and margins grow with the window, as under a larger display scale.
class ZoomStyle final : public QProxyStyle {
public:
    explicit ZoomStyle(double factor);

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;

private:
    double factor_;
};

}  // namespace quorvane

#pragma once
// A paint device that writes what is painted on it as SVG shapes, so the scalable icon comes from
// the very drawing code of the bitmap icons instead of a second copy of the design. It knows only
// what the icon uses: filled and stroked paths in solid colours and linear gradients.

#include <QPaintDevice>
#include <QPaintEngine>
#include <QString>

#include <memory>

class SvgRecorder : public QPaintDevice {
public:
    SvgRecorder(int width, int height);
    ~SvgRecorder() override;
    QPaintEngine* paintEngine() const override;
    // The whole document, once the painter has ended.
    QString document() const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    int width_;
    int height_;
    std::unique_ptr<QPaintEngine> engine_;
};

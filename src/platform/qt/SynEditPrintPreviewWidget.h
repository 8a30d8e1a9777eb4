// The print preview control on Qt: a scroll area whose viewport shows the page that the
// platform-free preview lays out, drawn by the print job through a text drawer.
#pragma once

#include "platform/qt/SynTextDrawer.h"
#include "print/SynEditPrintPreview.h"

#include <QAbstractScrollArea>

#include <memory>

class QLabel;

namespace tavlo {

class TSynEditPrintPreviewWidget : public QAbstractScrollArea, public TPrintPreviewHost {
    Q_OBJECT

public:
    explicit TSynEditPrintPreviewWidget(QWidget* parent = nullptr);
    ~TSynEditPrintPreviewWidget() override;

    TSynEditPrintPreview& Preview() { return m_preview; }
    TheTextDrawer& Drawer() { return m_drawer; }
    // The hint shown while the page thumb is dragged; null before the first drag.
    QLabel* PageHint() const { return m_hint.get(); }

    TPoint ClientSize() const override;
    TPoint ScreenDpi() const override;
    void SetScrollBar(bool vertical, const TPreviewScrollBar& bar) override;
    void Invalidate() override;
    void ScrollPixels(int32_t dx, int32_t dy) override;
    void ShowHint(const std::string& text, const TRect& place) override;
    void HideHint() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void scrollContentsBy(int, int) override {}

private:
    void scrollBarAction(bool vertical, int action);

    TheTextDrawer m_drawer;
    TSynEditPrintPreview m_preview{*this};
    std::unique_ptr<QLabel> m_hint;
    int m_settingBars = 0;
};

} // namespace tavlo

#include "platform/window/qt/ScrollViewBars.h"

#include "platform/window/qt/WndPrivate.h"

#include <algorithm>
#include <utility>

void ScrollViewBars::Attach(QWidget* frame)
{
    hbar_ = new QScrollBar(Qt::Horizontal, frame);
    vbar_ = new QScrollBar(Qt::Vertical, frame);
    hbar_->hide();
    vbar_->hide();
    hbar_->setFocusPolicy(Qt::NoFocus);
    vbar_->setFocusPolicy(Qt::NoFocus);
    QObject::connect(hbar_.data(), &QScrollBar::valueChanged, &guard_,
                     [this](int value) { if (!updatingBars_) ScrollTo({value, scroll_.y}); });
    QObject::connect(vbar_.data(), &QScrollBar::valueChanged, &guard_,
                     [this](int value) { if (!updatingBars_) ScrollTo({scroll_.x, value}); });
}

void ScrollViewBars::Release()
{
    if (hbar_)
        QObject::disconnect(hbar_.data(), nullptr, &guard_, nullptr);
    if (vbar_)
        QObject::disconnect(vbar_.data(), nullptr, &guard_, nullptr);
    hbar_ = nullptr;
    vbar_ = nullptr;
    scroll_ = {};
}

void ScrollViewBars::Layout()
{
    WndPrivate* d = WndPrivate::Of(view_);
    if (!hbar_ || !vbar_ || !d->Outer())
        return;
    const QSize area = d->Outer()->size();
    const int barWidth = vbar_->sizeHint().width();
    const int barHeight = hbar_->sizeHint().height();
    bool needH = total_.width > area.width();
    bool needV = total_.height > area.height() - (needH ? barHeight : 0);
    needH = total_.width > area.width() - (needV ? barWidth : 0);
    needV = total_.height > area.height() - (needH ? barHeight : 0);
    const int clientWidth = std::max(0, area.width() - (needV ? barWidth : 0));
    const int clientHeight = std::max(0, area.height() - (needH ? barHeight : 0));
    d->Client()->setGeometry(0, 0, clientWidth, clientHeight);
    hbar_->setGeometry(0, clientHeight, clientWidth, barHeight);
    vbar_->setGeometry(clientWidth, 0, barWidth, clientHeight);
    hbar_->setVisible(needH);
    vbar_->setVisible(needV);
    const Point clamped = ClampScroll(scroll_);
    if (clamped != scroll_)
        MoveScroll(clamped);
    UpdateBars();
}

void ScrollViewBars::UpdateBars()
{
    if (!hbar_ || !vbar_)
        return;
    const ClientWidget* client = WndPrivate::Of(view_)->Client();
    const bool wasUpdating = std::exchange(updatingBars_, true);
    hbar_->setRange(0, std::max(0, total_.width - client->width()));
    hbar_->setPageStep(std::max(1, std::min(page_.width, client->width())));
    hbar_->setSingleStep(std::max(1, line_.width));
    hbar_->setValue(scroll_.x);
    vbar_->setRange(0, std::max(0, total_.height - client->height()));
    vbar_->setPageStep(std::max(1, std::min(page_.height, client->height())));
    vbar_->setSingleStep(std::max(1, line_.height));
    vbar_->setValue(scroll_.y);
    updatingBars_ = wasUpdating;
}

Point ScrollViewBars::ClampScroll(Point position) const
{
    const ClientWidget* client = WndPrivate::Of(view_)->Client();
    const int maxX = client ? std::max(0, total_.width - client->width()) : 0;
    const int maxY = client ? std::max(0, total_.height - client->height()) : 0;
    return {std::clamp(position.x, 0, maxX), std::clamp(position.y, 0, maxY)};
}

void ScrollViewBars::SetArea(Size total, Size page, Size line)
{
    total_ = total;
    page_ = page;
    line_ = line;
    WndPrivate* d = WndPrivate::Of(view_);
    if (d->Outer())
        d->Placement().Layout();
}

// Moves the picture and the children to a new scroll position without repainting.
void ScrollViewBars::MoveScroll(Point position)
{
    scroll_ = position;
    for (CWnd* child : WndPrivate::Of(view_)->Tree().Children()) {
        WndPrivate* c = WndPrivate::Of(child);
        if (c->Outer()) {
            const Rect placed = c->Placement().LastOuter();
            c->Outer()->move(placed.left - scroll_.x, placed.top - scroll_.y);
        }
    }
}

void ScrollViewBars::ScrollTo(Point position)
{
    WndPrivate* d = WndPrivate::Of(view_);
    if (!d->Client())
        return;
    const Point clamped = ClampScroll(position);
    if (clamped == scroll_) {
        UpdateBars();
        return;
    }
    MoveScroll(clamped);
    UpdateBars();
    d->Presenter().Invalidate(QRegion(d->Client()->rect()), false);
    view_->UpdateWindow();
}

#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <utility>

// One window of a kind per process: created on first use, shown modeless and without an owner;
// shown again while it is open, it is only brought forward. The window deletes itself when closed
// (Qt::WA_DeleteOnClose), so the next Show creates and loads it anew.
namespace vantrel {

template <typename Window>
class SingleWindow {
public:
    explicit SingleWindow(std::function<Window*()> create) : create_(std::move(create)) {}
    ~SingleWindow() { delete window_.data(); }
    SingleWindow(const SingleWindow&) = delete;
    SingleWindow& operator=(const SingleWindow&) = delete;

    Window* Show() {
        // A closed window that is only waiting for its deferred deletion counts as gone.
        if (window_ && window_->isHidden()) {
            window_->deleteLater();
            window_.clear();
        }
        if (!window_) window_ = create_();
        if (window_->isMinimized()) window_->showNormal();
        window_->show();
        window_->raise();
        window_->activateWindow();
        return window_.data();
    }

    // The open window, or null.
    Window* window() const { return window_ && !window_->isHidden() ? window_.data() : nullptr; }

private:
    std::function<Window*()> create_;
    QPointer<Window> window_;
};

}  // namespace vantrel

#include "platform/backend/qt/qt_window.h"

#include <QCloseEvent>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QWindow>
#include <optional>

#include "platform/backend/qt/guarded_call.h"
#include "platform/backend/qt/qt_canvas.h"
#include "platform/backend/qt/qt_convert.h"
#include "platform/backend/qt/x11_window_state.h"

namespace qtbackend {

namespace {

std::optional<backend::MouseButton> ButtonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return backend::MouseButton::Left;
        case Qt::RightButton:
            return backend::MouseButton::Right;
        case Qt::MiddleButton:
            return backend::MouseButton::Middle;
        default:
            return std::nullopt;
    }
}

unsigned InputStateOf(const QMouseEvent& event) {
    unsigned state = 0;
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const Qt::MouseButtons buttons = event.buttons();
    if (modifiers & Qt::ShiftModifier)
        state |= backend::kShift;
    if (modifiers & Qt::AltModifier)
        state |= backend::kAlt;
    if (modifiers & Qt::ControlModifier)
        state |= backend::kCtrl;
    if (buttons & Qt::LeftButton)
        state |= backend::kLeftHeld;
    if (buttons & Qt::RightButton)
        state |= backend::kRightHeld;
    if (buttons & Qt::MiddleButton)
        state |= backend::kMiddleHeld;
    return state;
}

Qt::WindowFlags FlagsOf(const backend::WindowStyle& style) {
    Qt::WindowFlags flags = Qt::Window;
    if (!style.titleBar) {
        flags |= Qt::FramelessWindowHint;
    } else {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (style.systemMenu)
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (style.minimizeBox)
            flags |= Qt::WindowMinimizeButtonHint;
        if (style.maximizeBox)
            flags |= Qt::WindowMaximizeButtonHint;
    }
    if (style.stayOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    return flags;
}

}  // namespace

QtWindow::QtWindow(backend::WindowEvents& events) : events_(&events) {
    setMouseTracking(true);
}

void QtWindow::Release() {
    events_ = nullptr;
    hide();
    if (eventsBeingServed_ == 0) {
        delete this;
    }
}

bool QtWindow::event(QEvent* event) {
    // Qt makes a new native window when the flags change, and maps it right after.
    if (event->type() == QEvent::WinIdChange && internalWinId() != 0) {
        SkipTaskbarBeforeMap(*this);
    }
    ++eventsBeingServed_;
    const bool handled = QWidget::event(event);
    if (--eventsBeingServed_ == 0 && events_ == nullptr) {
        deleteLater();
    }
    return handled;
}

void QtWindow::paintEvent(QPaintEvent* event) {
    if (events_ == nullptr) {
        return;
    }
    QPainter painter(this);
    QtCanvas canvas(painter);
    const QRect dirty = event->rect();
    CallGuarded([&] {
        events_->Paint(canvas, {dirty.left(), dirty.top(), dirty.width(), dirty.height()});
    });
}

void QtWindow::ReportMouse(const QMouseEvent& event, backend::MouseInput::Action action) {
    if (events_ == nullptr) {
        return;
    }
    backend::MouseInput input;
    input.action = action;
    if (action != backend::MouseInput::Action::Move) {
        const auto button = ButtonOf(event.button());
        if (!button) {
            return;
        }
        input.button = *button;
    }
    input.state = InputStateOf(event);
    const QPoint client = event.position().toPoint();
    input.client = {client.x(), client.y()};
    CallGuarded([&] { events_->Mouse(input); });
}

void QtWindow::mousePressEvent(QMouseEvent* event) {
    ReportMouse(*event, backend::MouseInput::Action::Press);
}

void QtWindow::mouseReleaseEvent(QMouseEvent* event) {
    ReportMouse(*event, backend::MouseInput::Action::Release);
}

void QtWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    ReportMouse(*event, backend::MouseInput::Action::DoubleClick);
}

void QtWindow::mouseMoveEvent(QMouseEvent* event) {
    ReportMouse(*event, backend::MouseInput::Action::Move);
}

void QtWindow::leaveEvent(QEvent*) {
    if (events_ != nullptr) {
        CallGuarded([&] { events_->MouseLeft(); });
    }
}

void QtWindow::closeEvent(QCloseEvent* event) {
    // What closing means is the class library's decision.
    event->ignore();
    if (events_ != nullptr) {
        CallGuarded([&] { events_->CloseRequested(); });
    }
}

void QtWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && events_ != nullptr) {
        CallGuarded([&] { events_->Activated(); });
    }
}

void QtWindow::moveEvent(QMoveEvent*) {
    if (events_ != nullptr) {
        const QPoint frameTopLeft = pos();
        CallGuarded([&] { events_->Moved({frameTopLeft.x(), frameTopLeft.y()}); });
    }
}

QtNativeWindow::QtNativeWindow(backend::WindowEvents& events) : widget_(new QtWindow(events)) {
    widget_->setWindowFlags(FlagsOf(style_));
}

QtNativeWindow::~QtNativeWindow() {
    widget_->Release();
}

void QtNativeWindow::SetCaption(std::string_view text) {
    widget_->setWindowTitle(ToQString(text));
}

void QtNativeWindow::SetStyle(const backend::WindowStyle& style) {
    style_ = style;
    const Qt::WindowFlags flags = FlagsOf(style);
    if (flags != widget_->windowFlags()) {
        // Qt hides a window whose flags change.
        const bool wasVisible = widget_->isVisible();
        const QPoint frameTopLeft = widget_->pos();
        widget_->setWindowFlags(flags);
        // Creating the native window here would make Qt place a later position on the client
        // area instead of the frame; one that exists has margins to refresh.
        if (widget_->testAttribute(Qt::WA_WState_Created)) {
            RequestFrameExtents(*widget_);
        }
        if (wasVisible) {
            widget_->move(frameTopLeft);
            Show();
        }
    }
    ApplySizeConstraint();
}

void QtNativeWindow::SetIcon(const backend::Image& icon) {
    widget_->setWindowIcon(QIcon(QPixmap::fromImage(ToQImage(icon))));
}

void QtNativeWindow::SetFramePosition(backend::Point topLeft) {
    widget_->move(topLeft.x, topLeft.y);
}

void QtNativeWindow::SetClientSize(int width, int height) {
    if (style_.resizable) {
        widget_->resize(width, height);
    } else {
        widget_->setFixedSize(width, height);
    }
}

backend::FrameMargins QtNativeWindow::Frame() const {
    const QWindow* window = widget_->windowHandle();
    if (window == nullptr) {
        return {};
    }
    const QMargins margins = window->frameMargins();
    return {margins.left(), margins.top(), margins.right(), margins.bottom()};
}

void QtNativeWindow::SetVisible(bool visible) {
    if (visible) {
        Show();
    } else {
        widget_->hide();
    }
}

void QtNativeWindow::SetEnabled(bool enabled) {
    widget_->setEnabled(enabled);
}

void QtNativeWindow::Activate() {
    widget_->raise();
    widget_->activateWindow();
}

void QtNativeWindow::Invalidate(const backend::Rect& area) {
    widget_->update(ToQRect(area));
}

void QtNativeWindow::RepaintNow(const backend::Rect& area) {
    widget_->repaint(ToQRect(area));
}

void QtNativeWindow::SetCursor(const backend::CursorHandle& cursor) {
    if (cursor) {
        widget_->setCursor(static_cast<const QtCursor&>(*cursor).cursor);
    } else {
        widget_->unsetCursor();
    }
}

void QtNativeWindow::Show() {
    if (widget_->isVisible()) {
        return;
    }
    widget_->show();
    SkipTaskbarWhileMapped(*widget_);
}

void QtNativeWindow::ApplySizeConstraint() {
    if (style_.resizable) {
        widget_->setMinimumSize(0, 0);
        widget_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        widget_->setFixedSize(widget_->size());
    }
}

}  // namespace qtbackend

// A native top-level window: the widget that receives Qt's events and the handle the class
// library holds.
#pragma once

#include <QWidget>

#include "platform/backend/backend.h"

namespace qtbackend {

// A cursor made by the backend; handles are only ever of this type.
struct QtCursor final : backend::NativeCursor {
    explicit QtCursor(QCursor shape) : cursor(std::move(shape)) {}
    QCursor cursor;
};

// Reports Qt's events to the class library's form.
class QtWindow final : public QWidget {
public:
    explicit QtWindow(backend::WindowEvents& events);

    // Stops the events and deletes the widget, once none of its own events is being served:
    // a form may well be destroyed from its own click.
    void Release();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void ReportMouse(const QMouseEvent& event, backend::MouseInput::Action action);

    backend::WindowEvents* events_;  // null once released
    int eventsBeingServed_ = 0;
};

class QtNativeWindow final : public backend::NativeWindow {
public:
    explicit QtNativeWindow(backend::WindowEvents& events);
    ~QtNativeWindow() override;
    QtNativeWindow(const QtNativeWindow&) = delete;
    QtNativeWindow& operator=(const QtNativeWindow&) = delete;

    void SetCaption(std::string_view text) override;
    void SetStyle(const backend::WindowStyle& style) override;
    void SetIcon(const backend::Image& icon) override;
    void SetFramePosition(backend::Point topLeft) override;
    void SetClientSize(int width, int height) override;
    backend::FrameMargins Frame() const override;
    void SetVisible(bool visible) override;
    void SetEnabled(bool enabled) override;
    void Activate() override;
    void Invalidate(const backend::Rect& area) override;
    void RepaintNow(const backend::Rect& area) override;
    void SetCursor(const backend::CursorHandle& cursor) override;

private:
    void Show();
    void ApplySizeConstraint();

    QtWindow* widget_;  // deleted through Release
    backend::WindowStyle style_;
};

}  // namespace qtbackend

#include "platform/backend/qt/qt_backend.h"

#include <QApplication>
#include <QBitmap>
#include <QCursor>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QTimerEvent>
#include <QToolTip>
#include <QUrl>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <unordered_map>

#include "platform/backend/qt/guarded_call.h"
#include "platform/backend/qt/qt_convert.h"
#include "platform/backend/qt/qt_window.h"
#include "platform/backend/qt/x11_window_state.h"

namespace qtbackend {

namespace {

bool UserChosePlatform(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") != nullptr) {
        return true;
    }
    return std::any_of(argv, argv + argc, [](const char* argument) {
        return std::strcmp(argument, "-platform") == 0 || std::strcmp(argument, "--platform") == 0;
    });
}

// Window positions and stay-on-top need X11; the choice is not handed on to child processes.
std::unique_ptr<QApplication> StartApplication(int& argc, char** argv) {
    const bool chooseX11 = !UserChosePlatform(argc, argv);
    if (chooseX11) {
        setenv("QT_QPA_PLATFORM", "xcb", 1);
    }
    auto application = std::make_unique<QApplication>(argc, argv);
    if (chooseX11) {
        unsetenv("QT_QPA_PLATFORM");
    }
    QApplication::setQuitOnLastWindowClosed(false);
    return application;
}

// Single-shot timers whose callbacks run from the event loop.
class TimerHost final : public QObject {
public:
    int Start(int milliseconds, std::function<void()> callback) {
        const int id = startTimer(std::max(milliseconds, 0));
        if (id != 0) {
            callbacks_[id] = std::move(callback);
        }
        return id;
    }

    void Stop(int id) {
        if (callbacks_.erase(id) != 0) {
            killTimer(id);
        }
    }

protected:
    void timerEvent(QTimerEvent* event) override {
        const auto found = callbacks_.find(event->timerId());
        if (found == callbacks_.end()) {
            return;
        }
        killTimer(found->first);
        const std::function<void()> callback = std::move(found->second);
        callbacks_.erase(found);
        CallGuarded(callback);
    }

private:
    std::unordered_map<int, std::function<void()>> callbacks_;
};

using MenuPaths = std::map<const QAction*, std::vector<int>>;

void AddMenuEntries(QMenu& menu, const std::vector<backend::MenuEntry>& entries,
                    std::vector<int>& path, MenuPaths& paths) {
    for (std::size_t index = 0; index < entries.size(); ++index) {
        const backend::MenuEntry& entry = entries[index];
        path.push_back(static_cast<int>(index));
        if (entry.separator) {
            menu.addSeparator();
        } else if (!entry.items.empty()) {
            AddMenuEntries(*menu.addMenu(ToQString(entry.caption)), entry.items, path, paths);
        } else {
            QAction* action = menu.addAction(ToQString(entry.caption));
            if (entry.checked) {
                action->setCheckable(true);
                action->setChecked(true);
            }
            paths[action] = path;
        }
        path.pop_back();
    }
}

QMessageBox::Icon QtIconOf(backend::MessageIcon icon) {
    switch (icon) {
        case backend::MessageIcon::Error:
            return QMessageBox::Critical;
        case backend::MessageIcon::Warning:
            return QMessageBox::Warning;
        case backend::MessageIcon::Information:
            return QMessageBox::Information;
        case backend::MessageIcon::Question:
            return QMessageBox::Question;
        case backend::MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

class QtBackend final : public backend::Backend {
public:
    QtBackend(int& argc, char** argv) : application_(StartApplication(argc, argv)) {}

    ~QtBackend() override {
        // Windows released from inside their own events are still waiting to be deleted.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::unique_ptr<backend::NativeWindow> CreateWindow(backend::WindowEvents& events) override {
        return std::make_unique<QtNativeWindow>(events);
    }

    int TextWidth(const backend::FontSpec& font, std::string_view text) override {
        return QFontMetrics(ToQFont(font)).horizontalAdvance(ToQString(text));
    }

    int LineHeight(const backend::FontSpec& font) override {
        return QFontMetrics(ToQFont(font)).height();
    }

    int ScreenWidth() override { return QGuiApplication::primaryScreen()->geometry().width(); }

    int ScreenHeight() override { return QGuiApplication::primaryScreen()->geometry().height(); }

    backend::Point CursorPos() override {
        const QPoint position = QCursor::pos();
        return {position.x(), position.y()};
    }

    backend::CursorHandle CreateCursor(const backend::CursorImage& image) override {
        // Index 1 is black in a bitmap; the mask's 1 is opaque.
        QImage bits(image.width, image.height, QImage::Format_Mono);
        QImage mask(image.width, image.height, QImage::Format_Mono);
        for (QImage* plane : {&bits, &mask}) {
            plane->setColor(0, qRgb(255, 255, 255));
            plane->setColor(1, qRgb(0, 0, 0));
            plane->fill(0);
        }
        for (int y = 0; y < image.height; ++y) {
            for (int x = 0; x < image.width; ++x) {
                switch (image.pixels[static_cast<std::size_t>(y * image.width + x)]) {
                    case backend::CursorImage::Black:
                    // X11 cannot invert the screen under a cursor; over the light window
                    // backgrounds inverting looks black.
                    case backend::CursorImage::Invert:
                        bits.setPixel(x, y, 1);
                        mask.setPixel(x, y, 1);
                        break;
                    case backend::CursorImage::White:
                        mask.setPixel(x, y, 1);
                        break;
                    default:
                        break;
                }
            }
        }
        return std::make_shared<QtCursor>(QCursor(
            QBitmap::fromImage(bits), QBitmap::fromImage(mask), image.hotSpot.x, image.hotSpot.y));
    }

    void ShowHint(std::string_view text, backend::Point screen, int hideAfterMs) override {
        QToolTip::showText(QPoint(screen.x, screen.y), ToQString(text), nullptr, QRect(),
                           hideAfterMs);
    }

    void HideHint() override { QToolTip::hideText(); }

    std::vector<int> PopupMenu(const std::vector<backend::MenuEntry>& items,
                               backend::Point screen) override {
        QMenu menu;
        std::vector<int> path;
        MenuPaths paths;
        AddMenuEntries(menu, items, path, paths);
        const QAction* chosen = menu.exec(QPoint(screen.x, screen.y));
        const auto found = paths.find(chosen);
        return found == paths.end() ? std::vector<int>{} : found->second;
    }

    void MessageBox(std::string_view caption, std::string_view text,
                    backend::MessageIcon icon) override {
        QMessageBox box(QtIconOf(icon), ToQString(caption), ToQString(text), QMessageBox::Ok);
        box.setWindowModality(Qt::ApplicationModal);
        SkipTaskbarBeforeMap(box);
        box.exec();
    }

    bool OpenDocument(std::string_view target) override {
        return QDesktopServices::openUrl(QUrl::fromUserInput(ToQString(target)));
    }

    int StartTimer(int milliseconds, std::function<void()> callback) override {
        return timers_.Start(milliseconds, std::move(callback));
    }

    void StopTimer(int id) override { timers_.Stop(id); }

    bool WaitForEvents() override {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        return true;
    }

    void ProcessPendingEvents() override { QCoreApplication::processEvents(); }

    void RequestPump(std::function<void()> pump) override {
        QMetaObject::invokeMethod(
            application_.get(), [pump = std::move(pump)] { CallGuarded(pump); },
            Qt::QueuedConnection);
    }

private:
    std::unique_ptr<QApplication> application_;
    TimerHost timers_;
};

}  // namespace

}  // namespace qtbackend

std::unique_ptr<backend::Backend> CreateQtBackend(int& argc, char** argv) {
    return std::make_unique<qtbackend::QtBackend>(argc, argv);
}

#include "uisupport/InputDiscarder.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

namespace {
bool isInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
        return true;
    default:
        return false;
    }
}

class Filter : public QObject
{
public:
    std::function<bool()> busy;
    int discarding = 0;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (isInput(event->type()) && (discarding > 0 || (busy && busy()))) {
            event->accept();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

Filter* filter = nullptr;
} // namespace

void InputDiscarder::install(std::function<bool()> busy)
{
    auto* app = QCoreApplication::instance();
    if (!app)
        return;
    if (!filter) {
        filter = new Filter;
        filter->setParent(app);
        QObject::connect(filter, &QObject::destroyed, [] { filter = nullptr; });
        app->installEventFilter(filter);
    }
    filter->busy = std::move(busy);
}

void InputDiscarder::discardPending()
{
    if (!filter)
        return;
    ++filter->discarding;
    QCoreApplication::processEvents();
    --filter->discarding;
}

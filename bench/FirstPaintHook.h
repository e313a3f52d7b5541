#pragma once

#include <QEvent>
#include <QObject>

#include <functional>
#include <utility>

// Calls back once the watched window is first painted; the paint itself still completes. The
// utility's entry point carries the same stop watch behind T2Q_EXIT_AFTER_PAINT.
class FirstPaintHook : public QObject
{
public:
    FirstPaintHook(QObject* parent, std::function<void()> then)
        : QObject(parent)
        , m_then(std::move(then))
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            m_then();
        }
        return false;
    }

private:
    std::function<void()> m_then;
};

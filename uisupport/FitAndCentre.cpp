#include "uisupport/FitAndCentre.h"

#include "uisupport/TSKbd.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QTimer>
#include <QWidget>

QSize usableSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize desktop = screen ? screen->geometry().size() : QSize();
    int height = desktop.height();
    if (const TSKbd* keyboard = TSKbd::instance())
        height -= keyboard->height();
    return QSize(desktop.width(), height);
}

namespace {
void fitOnce(QWidget* window);

// A window manager reports the frame only some time after the window is mapped, so the first fit counted
// no title bar: once shown, the window looks for its frame for a while and is fitted again when it has one.
class FitWhenFramed : public QObject
{
public:
    explicit FitWhenFramed(QWidget* window)
        : QObject(window)
        , m_window(window)
    {
        setObjectName(QStringLiteral("fitWhenFramed"));
        window->installEventFilter(this);
        m_timer.setInterval(LookMs);
        connect(&m_timer, &QTimer::timeout, this, &FitWhenFramed::look);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::Show && !m_timer.isActive()) {
            m_looks = 0;
            m_timer.start();
        }
        return false;
    }

private:
    static constexpr int LookMs = 50;
    static constexpr int MaxLooks = 40;

    void look()
    {
        if (m_window->frameGeometry().height() > m_window->geometry().height()) {
            m_window->removeEventFilter(this);
            m_timer.stop();
            deleteLater();
            fitOnce(m_window);
        } else if (++m_looks >= MaxLooks) {
            m_timer.stop();
        }
    }

    QWidget* m_window;
    QTimer m_timer;
    int m_looks = 0;
};

void fitOnce(QWidget* window)
{
    const QSize usable = usableSize();
    const int aw = usable.width();
    const int ah = usable.height();

    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    const int decoration = frame.height() - client.height();

    if (frame.width() > aw)
        window->setFixedWidth(aw);
    // The whole frame fits, title bar included, as far as the window's minimum height allows.
    if (frame.height() > ah)
        window->resize(client.width(), qMax(window->minimumHeight(), ah - decoration));

    QCoreApplication::sendPostedEvents(window, QEvent::Resize);

    // Centred; a window that still does not fit keeps its title bar on the screen and runs off the bottom.
    const QRect fitted = window->frameGeometry();
    const QPoint target(qMax(0, aw / 2 - fitted.width() / 2), qMax(0, ah / 2 - fitted.height() / 2));
    if (window->pos() != target)
        window->move(target);
}
} // namespace

void fitAndCentre(QWidget* window)
{
    if (!window)
        return;
    fitOnce(window);
    if (window->frameGeometry().height() == window->geometry().height()
        && !window->findChild<QObject*>(QStringLiteral("fitWhenFramed"), Qt::FindDirectChildrenOnly))
        new FitWhenFramed(window);
}

void refreshLayoutSizes(QWidget* window)
{
    const auto widgets = window->findChildren<QWidget*>();
    for (QWidget* widget : widgets)
        widget->updateGeometry();
    const auto layouts = window->findChildren<QLayout*>();
    for (QLayout* layout : layouts)
        layout->invalidate();
}

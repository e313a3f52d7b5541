#include "uisupport/FitAndCentre.h"

#include "uisupport/TSKbd.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
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

void fitAndCentre(QWidget* window)
{
    if (!window)
        return;
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

void refreshLayoutSizes(QWidget* window)
{
    const auto widgets = window->findChildren<QWidget*>();
    for (QWidget* widget : widgets)
        widget->updateGeometry();
    const auto layouts = window->findChildren<QLayout*>();
    for (QLayout* layout : layouts)
        layout->invalidate();
}

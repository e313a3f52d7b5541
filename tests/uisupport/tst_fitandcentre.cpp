#include "uisupport/FitAndCentre.h"
#include "uisupport/TSKbd.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

namespace {
class FixedHeightFactory : public TSKbdFactory
{
public:
    explicit FixedHeightFactory(int height)
        : m_height(height)
    {
    }
    TSKbd* create(int layout, QWidget* parent, const char* name) override
    {
        lastLayout = layout;
        lastName = name;
        auto* keyboard = new TSKbd(parent);
        keyboard->setFixedHeight(m_height);
        return keyboard;
    }
    int lastLayout = -1;
    const char* lastName = "unset";

private:
    int m_height;
};
} // namespace

class TestFitAndCentre : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { TSKbd::resetInstance(); }

    void usableSizeIsTheDesktopWithoutAKeyboard()
    {
        QVERIFY(!TSKbdFactory::registered());
        QCOMPARE(usableSize(), QGuiApplication::primaryScreen()->geometry().size());
    }

    void keyboardHeightIsTakenOffAndFactoryUnregistersItself()
    {
        const QSize desktop = QGuiApplication::primaryScreen()->geometry().size();
        {
            FixedHeightFactory factory(200);
            QCOMPARE(TSKbdFactory::registered(), &factory);
            QCOMPARE(usableSize(), QSize(desktop.width(), desktop.height() - 200));
            QCOMPARE(factory.lastLayout, 3);
            QVERIFY(factory.lastName == nullptr);
        }
        QVERIFY(!TSKbdFactory::registered());
    }

    void smallWindowIsOnlyCentred()
    {
        const QSize usable = usableSize();
        QWidget window;
        window.resize(301, 201);
        fitAndCentre(&window);
        QCOMPARE(window.size(), QSize(301, 201));
        QCOMPARE(window.pos(), QPoint(usable.width() / 2 - 301 / 2, usable.height() / 2 - 201 / 2));
        QCOMPARE(window.minimumWidth(), 0);
    }

    void windowOfExactlyTheUsableSizeIsLeftAloneAtTheOrigin()
    {
        const QSize usable = usableSize();
        QWidget window;
        window.resize(usable);
        window.move(10, 10);
        fitAndCentre(&window);
        QCOMPARE(window.size(), usable);
        QCOMPARE(window.pos(), QPoint(0, 0));
        QCOMPARE(window.maximumWidth(), QWIDGETSIZE_MAX);
    }

    void tooWideWindowGetsTheDesktopWidthFixed()
    {
        const QSize usable = usableSize();
        QWidget window;
        window.resize(usable.width() + 100, 100);
        fitAndCentre(&window);
        QCOMPARE(window.minimumWidth(), usable.width());
        QCOMPARE(window.maximumWidth(), usable.width());
        QCOMPARE(window.x(), 0);
    }

    // Taller than the screen: shrunk so that the whole frame fits; one that cannot shrink so far starts
    // at the top, where its title bar stays reachable.
    void tooTallWindowKeepsItsTitleBarOnTheScreen()
    {
        const QSize usable = usableSize();
        QWidget window;
        window.resize(301, usable.height() + 200);
        fitAndCentre(&window);
        QCOMPARE(window.frameGeometry().height(), usable.height());
        QCOMPARE(window.frameGeometry().top(), 0);

        QWidget rigid;
        rigid.setMinimumHeight(usable.height() + 100);
        rigid.resize(301, usable.height() + 100);
        rigid.move(0, -300);
        fitAndCentre(&rigid);
        QCOMPARE(rigid.frameGeometry().top(), 0);
        QCOMPARE(rigid.x(), usable.width() / 2 - 301 / 2);
    }
};

QTEST_MAIN(TestFitAndCentre)
#include "tst_fitandcentre.moc"

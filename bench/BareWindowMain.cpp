// Qt's own share of a window program: an application object and an empty main window, shown and
// painted. With T2Q_EXIT_AFTER_PAINT=1 it ends after the first paint.
//   --report-peak  print "peak-kib N" (peak resident memory) on the way out
//   --text WxH     a window of that size with one line of text, which brings in the fonts and the
//                  backing store a real form needs but an empty default window does not
#include "FirstPaintHook.h"
#include "PeakMemory.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    bool reportPeak = false;
    QSize textWindowSize;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--report-peak") == 0) {
            reportPeak = true;
        } else if (std::strcmp(argv[i], "--text") == 0 && i + 1 < argc) {
            const QList<QByteArray> size = QByteArray(argv[++i]).split('x');
            textWindowSize = QSize(size.value(0).toInt(), size.value(1).toInt());
        }
    }
    QApplication app(argc, argv);
    QMainWindow window;
    if (textWindowSize.isValid()) {
        window.setCentralWidget(new QLabel(QStringLiteral("Tavrin II")));
        window.resize(textWindowSize);
    }
    if (qEnvironmentVariableIntValue("T2Q_EXIT_AFTER_PAINT") == 1) {
        // quit() as the utility's hook does: it closes the window before the loop returns.
        window.installEventFilter(new FirstPaintHook(&window, &QCoreApplication::quit));
    }
    window.show();
    const int status = app.exec();
    if (reportPeak)
        std::printf("peak-kib %lld\n", static_cast<long long>(peakResidentKiB()));
    return status;
}

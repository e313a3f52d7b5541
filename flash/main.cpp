// tavrin-flash: writes a firmware image into a Tavrin's chip through its DFU boot loader.
// It takes the argument list of the chip vendor's batchisp tool and drives dfu-programmer,
// so the utility runs the same way on every platform. Everything it prints goes to standard
// output, line by line; the last line is a summary that says "Failed 0" only on full success.
#include "flash/FlashSession.h"

#include <QCoreApplication>
#include <QStringList>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    return FlashSession::fromBatchispArguments(arguments).run();
}

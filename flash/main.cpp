// tavrin-flash: writes a firmware image into a Tavrin's chip through its DFU boot loader.
// It takes the argument list of the chip vendor's batchisp tool and drives dfu-programmer,
// so the utility runs the same way on every platform. Everything it prints goes to standard
// output, line by line; the last line is a summary that says "Failed 0" only on full success.
#include "flash/FlashSession.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {
const char helpText[]
    = "Usage: tavrin-flash -device CHIP -hardware usb -operation erase f memory flash blankcheck\n"
      "                    loadbuffer FILE program verify start reset 0\n"
      "       tavrin-flash --help | --version\n"
      "\n"
      "Writes the firmware image FILE (Intel HEX) into a Tavrin whose boot loader is running, through\n"
      "dfu-programmer: waits for the boot loader, erases the chip, programs and verifies the image and\n"
      "starts it. Of the argument list only -device CHIP (default at90usb647) and loadbuffer FILE count.\n"
      "\n"
      "Environment: TAVRIN_FLASH_WAIT_SECONDS  seconds to wait for the boot loader (default 20).\n"
      "Exit status: 0 when every step succeeded, 1 when a step failed, 2 without loadbuffer FILE.\n";
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    // batchisp's argument list has no double-dash words, so these two cannot be part of a flashing run.
    if (arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"))) {
        std::fputs(helpText, stdout);
        return 0;
    }
    if (arguments.contains(QStringLiteral("--version"))) {
        std::fputs("tavrin-flash " T2Q_VERSION "\n", stdout);
        return 0;
    }
    return FlashSession::fromBatchispArguments(arguments).run();
}

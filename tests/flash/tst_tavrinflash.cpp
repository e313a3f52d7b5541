#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// Runs the real tavrin-flash against a fake dfu-programmer placed first on the search path.
class TestTavrinFlash : public QObject
{
    Q_OBJECT

private:
    struct Run
    {
        int exitCode = -1;
        QString output;
        QStringList calls;
    };

    static QStringList batchispArguments()
    {
        return { "-device", "at90usb647", "-hardware", "usb",        "-operation", "erase",
                 "f",       "memory",     "flash",     "blankcheck", "loadbuffer", "/tmp/my fw/TavrinIIUSB.hex",
                 "program", "verify",     "start",     "reset",      "0" };
    }

    // The fake prints what the script body says for each command and logs its arguments.
    Run flash(const QString& fakeBody, bool installFake = true, const QStringList& arguments = batchispArguments())
    {
        QTemporaryDir dir;
        const QString log = dir.filePath(QStringLiteral("calls.log"));
        if (installFake) {
            QFile fake(dir.filePath(QStringLiteral("dfu-programmer")));
            fake.open(QIODevice::WriteOnly);
            fake.write("#!/bin/sh\necho \"$*\" >> \"" + log.toLocal8Bit() + "\"\n" + fakeBody.toLocal8Bit());
            fake.close();
            fake.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // Only the fake's folder: a dfu-programmer installed on the machine must not be found.
        env.insert(QStringLiteral("PATH"), dir.path());
        env.insert(QStringLiteral("TAVRIN_FLASH_WAIT_SECONDS"), QStringLiteral("1"));
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QStringLiteral(T2Q_FLASH_BINARY), arguments);
        Run run;
        if (!process.waitForFinished(30000))
            return run;
        run.exitCode = process.exitCode();
        run.output = QString::fromLocal8Bit(process.readAll());
        QFile calls(log);
        if (calls.open(QIODevice::ReadOnly))
            run.calls = QString::fromLocal8Bit(calls.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        return run;
    }

    static QString lastLine(const QString& output) { return output.trimmed().section(QLatin1Char('\n'), -1); }

private slots:
    void successfulRunWithTheOldSyntax()
    {
        // 0.6.1 prints on standard error and exits 1 whatever happens.
        const Run run = flash(QStringLiteral("case \"$2\" in\n"
                                             "  \"\") echo 'dfu-programmer 0.6.1' >&2 ;;\n"
                                             "  get) echo 'Bootloader Version: 0x00 (0)' >&2 ;;\n"
                                             "  flash) printf '[=====\\r[==========]\\n' >&2; "
                                             "echo 'Validating...  Success' >&2 ;;\n"
                                             "esac\nexit 1\n"));
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.calls,
                 QStringList({ "--version", "at90usb647 get bootloader-version", "at90usb647 erase",
                               "at90usb647 flash /tmp/my fw/TavrinIIUSB.hex", "at90usb647 start" }));
        QVERIFY(run.output.contains(QLatin1String("Validating...  Success\n")));
        QVERIFY(run.output.contains(QLatin1String("[==========]\n")));
        QCOMPARE(lastLine(run.output), QStringLiteral("Summary:  Total 4   Passed 4   Failed 0"));
    }

    void newerReleasesGetForceAndLaunch_data()
    {
        QTest::addColumn<QString>("version");
        // The first release with the new syntax, and a later one.
        QTest::newRow("0.7.2") << QStringLiteral("0.7.2");
        QTest::newRow("1.1.0") << QStringLiteral("1.1.0");
    }

    void newerReleasesGetForceAndLaunch()
    {
        QFETCH(QString, version);
        const Run run
            = flash(QStringLiteral("[ \"$1\" = --version ] && echo 'dfu-programmer %1'\nexit 0\n").arg(version));
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.calls.mid(2),
                 QStringList({ "at90usb647 erase --force", "at90usb647 flash --force /tmp/my fw/TavrinIIUSB.hex",
                               "at90usb647 launch" }));
    }

    void failedProgrammingStopsAndIsCounted()
    {
        const Run run = flash(QStringLiteral("[ \"$2\" = flash ] && echo 'Validating...  ERROR' >&2\nexit 1\n"));
        QCOMPARE(run.exitCode, 1);
        QVERIFY(!run.calls.contains(QStringLiteral("at90usb647 start")));
        QVERIFY(run.output.contains(QLatin1String("Validating...  ERROR")));
        QCOMPARE(lastLine(run.output), QStringLiteral("Summary:  Total 4   Passed 2   Failed 2"));
        QVERIFY(!run.output.contains(QLatin1String("Failed 0"), Qt::CaseInsensitive));
    }

    void bootLoaderThatNeverAppears()
    {
        const Run run = flash(
            QStringLiteral("[ \"$1\" != --version ] && echo 'dfu-programmer: no device present.' >&2\nexit 1\n"));
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.output.contains(QLatin1String("no device present")));
        QVERIFY(!run.calls.contains(QStringLiteral("at90usb647 erase")));
        QCOMPARE(lastLine(run.output), QStringLiteral("Summary:  Total 4   Passed 0   Failed 4"));
    }

    // Asked what it is, the tool answers and flashes nothing, even amid a full batchisp argument list.
    void helpAndVersionFlashNothing_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expectedStart");
        QTest::newRow("--help") << QStringList { "--help" } << QStringLiteral("Usage: tavrin-flash -device CHIP");
        QTest::newRow("-h in a flashing run")
            << (QStringList { "-h" } + batchispArguments()) << QStringLiteral("Usage: tavrin-flash -device CHIP");
        QTest::newRow("--version") << QStringList { "--version" } << QStringLiteral("tavrin-flash " T2Q_VERSION "\n");
    }

    void helpAndVersionFlashNothing()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, expectedStart);
        const Run run = flash(QStringLiteral("exit 0\n"), true, arguments);
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.output.startsWith(expectedStart), qPrintable(run.output));
        QVERIFY(!run.output.contains(QLatin1String("Summary")));
        QCOMPARE(run.calls, QStringList());
    }

    void missingDfuProgrammer()
    {
        const Run run = flash(QString(), false);
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.output.contains(QLatin1String("dfu-programmer could not be started")));
        QCOMPARE(lastLine(run.output), QStringLiteral("Summary:  Total 4   Passed 0   Failed 4"));
    }
};

QTEST_GUILESS_MAIN(TestTavrinFlash)
#include "tst_tavrinflash.moc"

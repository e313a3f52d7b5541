// The HID link against arbitrary traffic through a scripted backend: input reports of every length
// from 0 to 16 bytes, time-outs and read failures into UsbHid::read, and arbitrary lines, some of
// whose reports fail, into UsbHid::write. Besides not crashing: the lines assembled and the reports
// sent follow the link's framing rules, and a failed transfer leaves no handle open.
#include "FuzzSupport.h"

#include "support/ScriptedHidBackend.h"
#include "usb/UsbHid.h"

#include <QList>
#include <QStringList>

namespace {

const QString DevicePath = QStringLiteral("/dev/hidraw0");
constexpr int ReadTimeoutMs = 100;

// Each operation is one input byte (modulo OperationCount), followed by what it needs.
enum Operation
{
    LongestReport = 16, // 0 to 16: an input report of that many data bytes
    Timeout,
    ReadFailure,
    WriteLatin1, // a length byte, then the line's bytes
    WriteUtf8,
    WriteFailing, // the report that fails, then a Latin-1 line as above
    OperationCount
};

// The lines the link must assemble: a report's first 8 data bytes extend the partial line up to the
// first CR, which completes the line and drops the rest of the report; a time-out, a failure or a
// reopened device drops the partial line.
class ExpectedLines
{
public:
    void report(const QByteArray& data)
    {
        for (char byte : data.left(8)) {
            if (byte == '\r') {
                lines.append(QString::fromLatin1(m_partial));
                m_partial.clear();
                return;
            }
            m_partial.append(byte);
        }
    }
    void dropPartial() { m_partial.clear(); }

    QStringList lines;

private:
    QByteArray m_partial;
};

// The line's Latin-1 bytes, LF, CR and a zero byte, 8 to a report after the report ID, zero-padded.
QList<QByteArray> expectedReports(const QString& line)
{
    const QByteArray bytes = line.toLatin1() + QByteArray("\n\r", 2) + QByteArray(1, '\0');
    QList<QByteArray> reports;
    for (qsizetype offset = 0; offset < bytes.size(); offset += 8)
        reports.append(QByteArray(1, '\0') + bytes.mid(offset, 8).leftJustified(8, '\0'));
    return reports;
}

class LinkUnderTest
{
public:
    LinkUnderTest()
        : m_backend(static_cast<ScriptedHidBackend*>(UsbHid::setBackend(std::make_unique<ScriptedHidBackend>())))
        , m_ownLink(std::make_unique<UsbHid>())
        , m_link(m_ownLink.get())
    {
        m_backend->addInterface(DevicePath, UsbHid::VendorId, UsbHid::TavrinIIProductId);
        reopen();
    }

    void run(FuzzInput& input)
    {
        const int operation = input.byte() % OperationCount;
        if (operation <= LongestReport)
            report(input.bytes(static_cast<std::size_t>(operation)));
        else if (operation == Timeout)
            timeout();
        else if (operation == ReadFailure)
            readFailure();
        else if (operation == WriteFailing)
            writeFailing(input);
        else if (operation == WriteUtf8)
            write(QString::fromUtf8(input.bytes(input.byte())), 0);
        else
            write(QString::fromLatin1(input.bytes(input.byte())), 0);
    }

private:
    void reopen()
    {
        FUZZ_CHECK(m_link->findDevice(m_link->getClassDevs(), false) == Opened, m_backend->log().join(u'\n'));
        m_expected.dropPartial();
    }

    void report(const QByteArray& data)
    {
        m_backend->queueReport(data);
        const int count = m_link->read(m_lines, ReadTimeoutMs);
        // A report without data bytes is indistinguishable from a time-out.
        FUZZ_CHECK(count == data.size(), QString::number(count));
        if (data.isEmpty())
            m_expected.dropPartial();
        else
            m_expected.report(data);
        checkLines();
    }

    void timeout()
    {
        m_backend->queueTimeout();
        FUZZ_CHECK(m_link->read(m_lines, ReadTimeoutMs) == 0, QString());
        m_expected.dropPartial();
        checkLines();
    }

    void readFailure()
    {
        m_backend->queueReadFailure();
        try {
            m_link->read(m_lines, ReadTimeoutMs);
            fuzzFail("a failed read did not throw");
        } catch (const UsbHidException& e) {
            FUZZ_CHECK(e.message() == m_link->errorMessage(ReadFailed), e.message());
        }
        FUZZ_CHECK(m_backend->openHandleCount() == 0, m_backend->log().join(u'\n'));
        reopen();
        checkLines();
    }

    void writeFailing(FuzzInput& input)
    {
        const int failingReport = input.byte() % 40 + 1;
        write(QString::fromLatin1(input.bytes(input.byte())), failingReport);
    }

    // failingReport: the report (1 = the first) whose write fails; 0 for none.
    void write(const QString& line, int failingReport)
    {
        const QList<QByteArray> expected = expectedReports(line);
        const bool tooLong = line.toLatin1().size() > UsbHid::MaxLineLength;
        const bool fails = !tooLong && failingReport > 0 && failingReport <= expected.size();
        m_backend->clearWritten();
        m_backend->failWriteAt(failingReport);
        bool thrown = false;
        try {
            m_link->write(line);
        } catch (const UsbHidException& e) {
            thrown = true;
            FUZZ_CHECK(tooLong || e.message() == m_link->errorMessage(WriteFailed), e.message());
        }
        m_backend->failWriteAt(0);
        FUZZ_CHECK(thrown == (tooLong || fails), line);
        if (tooLong) {
            FUZZ_CHECK(m_backend->writtenReports().isEmpty(), line);
        } else if (fails) {
            FUZZ_CHECK(m_backend->writtenBytes() == expected.mid(0, failingReport - 1), line);
            FUZZ_CHECK(m_backend->openHandleCount() == 0, m_backend->log().join(u'\n'));
            reopen();
        } else {
            FUZZ_CHECK(m_backend->writtenBytes() == expected, line);
        }
    }

    void checkLines()
    {
        FUZZ_CHECK(m_lines == m_expected.lines,
                   QStringLiteral("got [%1], expected [%2]")
                       .arg(m_lines.join(QLatin1String("|")), m_expected.lines.join(QLatin1String("|"))));
    }

    ScriptedHidBackend* m_backend;
    std::unique_ptr<UsbHid> m_ownLink;
    UsbHid* m_link;
    QStringList m_lines;
    ExpectedLines m_expected;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzzInit();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    LinkUnderTest link;
    while (!input.atEnd())
        link.run(input);
    return 0;
}

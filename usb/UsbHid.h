#pragma once

#include "config/Translations.h"
#include "usb/HidBackend.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <exception>
#include <memory>
#include <type_traits>
#include <vector>

enum UsbHidError
{
    HidDllNotLoaded = 0,
    SetupApiDllNotLoaded = 1,
    GetHidGuidMissing = 2,
    GetAttributesMissing = 3,
    DestroyDeviceInfoListMissing = 4,
    EnumDeviceInterfacesMissing = 5,
    GetClassDevsMissing = 6,
    GetDeviceInterfaceDetailMissing = 7,
    NoDeviceFound = 8,
    ClassDevsFailed = 9,
    InterfaceDetailFailed = 10,
    NullGuid = 11,
    WriteFailed = 12,
    ReadFailed = 13,
    OverlappedResultFailed = 14,
    LostCommunication = 15,
    DeviceReportedError = 16,
    UnsupportedVersion = 17,
    UnknownError = 18
};

enum FindResult
{
    Opened = 0,
    NotFound = 1,
    AlreadyOpen = 2
};

// The one exception type of the link and the protocol; its message is the user's text.
// what() gives the message as UTF-8.
class UsbHidException : public std::exception
{
public:
    explicit UsbHidException(const QString& message);
    // The message make() gives, and the same in English for the provisioning log and JSON output.
    template<typename Make, typename = std::enable_if_t<std::is_invocable_r_v<QString, Make>>>
    explicit UsbHidException(Make make)
        : UsbHidException(make(), inEnglish(make))
    {
    }
    UsbHidException(const QString& message, const QString& english);
    const char* what() const noexcept override;
    QString message() const { return m_message; }
    // The message in English where the thrower gave it, else the message.
    QString english() const { return m_english.isNull() ? m_message : m_english; }

private:
    QString m_message;
    QString m_english;
    QByteArray m_what;
};

// One Tavrin unit's link: its path, its handles, its half-received line and its product ID. Finds its unit
// by vendor and product ID, sends command lines as 9-byte output reports and assembles response lines
// from input reports. A link belongs to the thread that uses it; links share the process's backend.
class UsbHid
{
    Q_DECLARE_TR_FUNCTIONS(UsbHid)

public:
    static constexpr quint16 VendorId = 0x03EB;
    static constexpr quint16 TavrinIIProductId = 0xAA55;
    static constexpr quint16 DalenProductId = 0xAA57;
    static constexpr int MaxLineLength = 253;

    // The present interfaces, as getClassDevs found them.
    using InterfaceSet = std::vector<QString>;

    // One attached Tavrin as enumeration found it.
    struct Unit
    {
        QString path;
        int productId = -1;
        // Where it is plugged in (such as "1-1.3"); empty where the system does not tell.
        QString port;
    };

    // The process's backend, shared by every link and finder: hidapi unless replaced.
    static std::shared_ptr<HidBackend> sharedBackend();
    // Replaces the process's backend (nullptr installs a fresh hidapi backend). Links made before keep
    // the backend they were made with until they are gone. Returns the new backend.
    static HidBackend* setBackend(std::unique_ptr<HidBackend> backend);
    // The user text of an error code, without the system's text.
    static QString errorText(int code);

    explicit UsbHid(std::shared_ptr<HidBackend> backend = sharedBackend());
    ~UsbHid();
    UsbHid(const UsbHid&) = delete;
    UsbHid& operator=(const UsbHid&) = delete;

    HidBackend* backend() const { return m_backend.get(); }

    // Throws HidDllNotLoaded when the platform library cannot be used.
    void loadHidLibraries();
    void resolveHidFunctions();
    // The present HID interfaces (filtered by the vendor ID where the backend can).
    InterfaceSet getClassDevs();
    // Opens the first interface with the Tavrin vendor and product ID. Without force, meeting the
    // open device's path first gives AlreadyOpen and changes nothing; after disconnect the device
    // is no longer open, so the same path is searched (and reopened) again.
    FindResult findDevice(const InterfaceSet& interfaces, bool force);
    // Every interface of the set with the Tavrin vendor and product ID, in order. Probes through
    // handles of its own, so the open device stays as it is.
    std::vector<Unit> matchingUnits(const InterfaceSet& interfaces);
    // Whether path is a Tavrin interface of backend; its product ID in *productId.
    static bool isTavrin(HidBackend* backend, const QString& path, quint16* productId);
    // With a path, findDevice considers that interface only (several units may be attached);
    // empty: the first match, as before.
    void setOnlyPath(const QString& path) { m_onlyPath = path; }
    QString onlyPath() const { return m_onlyPath; }
    void disconnect();

    // Sends one line (at most MaxLineLength Latin-1 characters) followed by LF, CR and a zero byte.
    // Throws WriteFailed; a longer line is refused before anything is sent (UsbHidException with a
    // text of its own).
    void write(const QString& line);
    // Waits at most timeoutMs for one input report; appends every line it completes.
    // Returns the bytes delivered, 0 on time-out. Throws ReadFailed.
    int read(QStringList& lines, int timeoutMs);
    // Whether the last time-out discarded the bytes of a line that had no CR yet: the answer was cut off.
    bool lineCutOff() const { return m_lineCutOff; }
    // As read, but a time-out keeps the partial line: for one slice of a wait that goes on.
    int readSlice(QStringList& lines, int timeoutMs);
    // Drops the input reports already waiting and any partial line: what came before an operation (another
    // program's answers, the end of an earlier one) is not its answer. Returns the reports dropped.
    int discardInput();
    // The clock the link's reads wait by.
    qint64 nowMs() const;

    // The advisory lock on the unit's node for one operation. Throws, naming the node, when another
    // program holds it; lockNode again while locked does nothing.
    void lockNode();
    void unlockNode();
    bool holdsNodeLock() const { return m_lockToken != HidBackend::NoLock; }

    // Whether a handle to the unit is open.
    bool isOpen() const;
    int productId() const { return m_productId; }
    QString devicePath() const { return _device_path; }
    // The code's text and, for the link's own failures, the system's reason for the last one.
    QString errorMessage(int code) const;

private:
    void closeHandle(HidBackend::Handle& handle);
    void closeAll();
    [[noreturn]] void raise(int code) const;
    [[noreturn]] void failAndRelease(int code, HidBackend::Handle handle, const QString& openError);

    std::shared_ptr<HidBackend> m_backend;
    HidBackend::Handle m_writeHandle = HidBackend::NoHandle;
    HidBackend::Handle m_readHandle = HidBackend::NoHandle;
    // Why the handle of that kind could not be opened; reported at its first use.
    QString m_readOpenError;
    QString m_writeOpenError;
    // The system's reason for the link's last failure.
    QString m_lastFailure;
    QString _device_path;
    QString m_onlyPath;
    QByteArray m_partialLine;
    bool m_lineCutOff = false;
    int m_productId = -1;
    int m_lockToken = HidBackend::NoLock;
};

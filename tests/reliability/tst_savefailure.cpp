#include "gui/MainWindowKit.h"

#include "config/CfgFile.h"
#include "support/AnsweringPrompter.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

#include <memory>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

// Saving where the file cannot be written: the operator is told "Could not write to %1", and the file
// that was there stays as it was, byte for byte, with nothing left beside it. Each situation runs in a
// child process of this program, where it can be made for real: as an unprivileged user (the super-user
// writes into read-only folders), in a small file system of its own, or under a file size limit.
using kit::Model;

namespace {

constexpr uid_t nobody = 65534;
const QString targetName = QStringLiteral("site.t2c");
const QString fillerName = QStringLiteral("filler");

QByteArray documentOf(quint32 seed, TavrinType type)
{
    QRandomGenerator rng(seed);
    QString error;
    return kit::randomRecord(rng, type).freeze(error).toLatin1();
}

// What was saved before, and what the failing save tries to write over it.
QByteArray previousDocument()
{
    return documentOf(1, DalenTavrin);
}

Tavrin2QtCfg nextRecord()
{
    QRandomGenerator rng(2);
    return kit::randomRecord(rng, TavrinII);
}

QString hashOf(const QByteArray& bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

// The file's hash, "directory", or "none".
QString stateOf(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return QStringLiteral("directory");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("none");
    return hashOf(file.readAll());
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

// Takes every byte the file system has left.
void fill(const QString& folder)
{
    QFile filler(QDir(folder).filePath(fillerName));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QByteArray chunk(1024, 'f');
    while (filler.write(chunk) > 0) { }
}

} // namespace

class TestSaveFailure : public QObject
{
    Q_OBJECT

public:
    // The child: saves nextRecord() through a main window to the target and prints what the operator was
    // shown, the target's state and the entries of its folder.
    static int saveInChild(const QStringList& arguments);

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void failedSaveKeepsThePreviousFile_data();
    void failedSaveKeepsThePreviousFile();
    void saveOverAnExistingFileReplacesItWhole();

private:
    // A folder this process and the unprivileged user can both reach.
    QString folder() const { return m_root->filePath(QStringLiteral("site")); }
    QString target() const { return QDir(folder()).filePath(targetName); }
    // The child's output; exitCode is its exit code, or -1 when it did not start, crashed or hung.
    QStringList runChild(const QStringList& launcher, const QStringList& arguments, int* exitCode);

    std::unique_ptr<QTemporaryDir> m_root;
    QString m_program;
};

int TestSaveFailure::saveInChild(const QStringList& arguments)
{
    QLoggingCategory::setFilterRules(QStringLiteral("tavrin.*.debug=false\ntavrin.*.warning=false"));
    const QString path = arguments.value(0);
    const QString folder = QFileInfo(path).absolutePath();
    if (arguments.contains(QLatin1String("--fill"))) {
        if (!writeFile(path, previousDocument()))
            return 2;
        fill(folder);
    }
    kit::attach(Model::TavrinII);
    AnsweringPrompter prompter(path);
    FrmTavrin2Qt window;
    window.setUISettings(nextRecord());
    const int limitAt = int(arguments.indexOf(QLatin1String("--file-size-limit")));
    if (limitAt >= 0) {
        // Writes past the limit fail with EFBIG instead of ending the process.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlim_t limit = arguments.value(limitAt + 1).toULongLong();
        const rlimit fileSize { limit, limit };
        if (setrlimit(RLIMIT_FSIZE, &fileSize) != 0)
            return 3;
    }
    window.fileSaveConfigurationAction->trigger();

    QTextStream out(stdout);
    for (const QString& text : prompter.shown())
        out << "shown " << QString(text).replace(QLatin1Char('\n'), QLatin1Char('|')) << '\n';
    out << "target " << stateOf(path) << '\n';
    out << "entries " << QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).join(',')
        << '\n';
    return 0;
}

void TestSaveFailure::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("tavrin.*.debug=false\ntavrin.*.warning=false"));
}

void TestSaveFailure::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    QVERIFY(QFile::setPermissions(m_root->path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                      | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther));
    QVERIFY(QDir(m_root->path()).mkdir(QStringLiteral("site")));
    // A copy the unprivileged user can run, wherever the build lies.
    m_program = m_root->filePath(QStringLiteral("saver"));
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), m_program));
    QVERIFY(QFile::setPermissions(m_program,
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                      | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther));
}

void TestSaveFailure::cleanup()
{
    // Writable again, so that the folder can be removed.
    QFile::setPermissions(folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_root.reset();
}

QStringList TestSaveFailure::runChild(const QStringList& launcher, const QStringList& arguments, int* exitCode)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::SeparateChannels);
    const QStringList command = launcher + QStringList { m_program, QStringLiteral("--save-in-child") } + arguments;
    child.start(command.constFirst(), command.mid(1));
    const bool ended
        = child.waitForStarted(10000) && child.waitForFinished(30000) && child.exitStatus() == QProcess::NormalExit;
    *exitCode = ended ? child.exitCode() : -1;
    if (*exitCode != 0) {
        qInfo().noquote() << "child" << command.join(' ') << "ended with" << *exitCode
                          << child.readAllStandardError().left(400);
        child.kill();
        child.waitForFinished();
    }
    return QString::fromUtf8(child.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void TestSaveFailure::failedSaveKeepsThePreviousFile_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QString>("leftInTheFolder");
    QTest::newRow("read-only folder") << "read-only folder" << targetName;
    QTest::newRow("read-only file in a writable folder") << "read-only file" << targetName;
    QTest::newRow("the name of a folder") << "folder" << targetName;
    QTest::newRow("full file system") << "full" << fillerName + QLatin1Char(',') + targetName;
    QTest::newRow("file size limit") << "file size" << targetName;
}

void TestSaveFailure::failedSaveKeepsThePreviousFile()
{
    QFETCH(QString, situation);
    QFETCH(QString, leftInTheFolder);
    const bool root = ::geteuid() == 0;
    QStringList launcher;
    QStringList arguments { target() };
    QString previous = hashOf(previousDocument());

    if (situation == QLatin1String("read-only folder") || situation == QLatin1String("read-only file")) {
        if (root) {
            const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
            if (setpriv.isEmpty())
                QSKIP("the super-user writes anywhere, and setpriv is missing to run the save as another user");
            launcher = { setpriv, QStringLiteral("--reuid=%1").arg(nobody), QStringLiteral("--regid=%1").arg(nobody),
                         QStringLiteral("--clear-groups") };
            if (QProcess::execute(
                    setpriv, launcher.mid(1) + QStringList { QStringLiteral("test"), QStringLiteral("-x"), m_program })
                != 0)
                QSKIP("the unprivileged user cannot reach the temporary folder here");
        }
        QVERIFY(writeFile(target(), previousDocument()));
        QVERIFY(QFile::setPermissions(target(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
            | QFile::ReadOther | QFile::ExeOther;
        if (situation == QLatin1String("read-only folder")) {
            QVERIFY(QFile::setPermissions(folder(), readOnly));
        } else {
            // The folder the unprivileged user's own; the file not.
            QVERIFY(QFile::setPermissions(folder(), readOnly | QFile::WriteOwner));
            if (root)
                QCOMPARE(::chown(QFile::encodeName(folder()).constData(), nobody, nobody), 0);
        }
    } else if (situation == QLatin1String("folder")) {
        QVERIFY(QDir(folder()).mkdir(targetName));
        previous = QStringLiteral("directory");
    } else if (situation == QLatin1String("full")) {
        const QString unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
        if (!root || unshare.isEmpty())
            QSKIP("a file system of its own needs the super-user and unshare; the file size limit row stands in");
        // A 64 KB file system in a mount namespace of the child's own; the child writes the previous file and
        // fills the rest before it saves.
        launcher = { unshare,
                     QStringLiteral("--mount"),
                     QStringLiteral("sh"),
                     QStringLiteral("-c"),
                     QStringLiteral("mount -t tmpfs -o size=64k tmpfs \"$0\" && exec \"$@\""),
                     folder() };
        arguments << QStringLiteral("--fill");
    } else {
        QVERIFY(writeFile(target(), previousDocument()));
        arguments << QStringLiteral("--file-size-limit") << QString::number(previousDocument().size() / 4);
    }

    int exitCode = -1;
    const QStringList lines = runChild(launcher, arguments, &exitCode);
    // unshare or mount refused: they end before the child has said anything.
    if (situation == QLatin1String("full") && exitCode > 0 && lines.isEmpty())
        QSKIP("no small file system could be mounted here; the file size limit row stands in");
    QCOMPARE(exitCode, 0);
    QCOMPARE(lines,
             QStringList({ QStringLiteral("shown Error: Could not write to ") + target(),
                           QStringLiteral("target ") + previous, QStringLiteral("entries ") + leftInTheFolder }));
}

void TestSaveFailure::saveOverAnExistingFileReplacesItWhole()
{
    // The same child, where nothing stands in the way: the new document replaces the previous one whole.
    QVERIFY(writeFile(target(), previousDocument()));
    int exitCode = -1;
    const QStringList lines = runChild({}, { target() }, &exitCode);
    QCOMPARE(exitCode, 0);
    QString error;
    const QByteArray next = CfgFile::encodeDocument(kit::shownPart(nextRecord()).freeze(error));
    QCOMPARE(lines, QStringList({ QStringLiteral("target ") + hashOf(next), QStringLiteral("entries ") + targetName }));
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc >= 3 && qstrcmp(argv[1], "--save-in-child") == 0)
        return TestSaveFailure::saveInChild(app.arguments().mid(2));
    TestSaveFailure test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_savefailure.moc"

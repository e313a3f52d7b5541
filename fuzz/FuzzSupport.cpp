#include "FuzzSupport.h"

#include <QLoggingCategory>
#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

void discardMessage(QtMsgType, const QMessageLogContext&, const QString&) { }

} // namespace

void fuzzInit()
{
    if (!qEnvironmentVariableIsEmpty("T2Q_FUZZ_VERBOSE"))
        return;
    // Debug traces cost more than the code they trace; warnings still format their arguments.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    qInstallMessageHandler(discardMessage);
}

void fuzzFail(const char* what, const QString& detail)
{
    std::fprintf(stderr, "\n*** property broken: %s\n%s\n", what, qUtf8Printable(detail));
    std::fflush(stderr);
    std::abort();
}

QByteArray FuzzInput::bytes(std::size_t count)
{
    const std::size_t taken = std::min(count, m_size - std::min(m_offset, m_size));
    QByteArray result(reinterpret_cast<const char*>(m_data + m_offset), static_cast<qsizetype>(taken));
    m_offset += taken;
    return result;
}

#pragma once

#include <QDateTime>
#include <QString>

// One unit that was tried: a row of the provisioning log.
struct ProvisionRow
{
    enum class Result
    {
        Verified,
        WrittenUnverified,
        Failed
    };

    QDateTime time; // when the unit finished
    QString device;
    QString port;
    QString serial;
    QString model; // display name
    QString firmware;
    QString profile; // file name, or ProvisionLog::formProfile()
    QString profileSha256;
    Result result = Result::Failed;
    double seconds = 0;
    QString message;
    int number = 0; // 0: not numbered
};

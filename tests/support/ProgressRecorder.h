#pragma once

#include "protocol/ProgressIndicator.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

// Records every progress dialog an operation creates, without showing a window.
// Installs its factory on the window's session while it exists.
class ProgressRecorder
{
public:
    struct Record
    {
        QString label;
        bool modal = false;
        QString caption;
        bool shown = false;
        int totalSteps = 0;
        QList<int> values;
        // The labels set after the first, in order.
        QStringList labels;
        bool destroyed = false;
    };

    ProgressRecorder();
    ~ProgressRecorder();
    ProgressRecorder(const ProgressRecorder&) = delete;
    ProgressRecorder& operator=(const ProgressRecorder&) = delete;

    const QList<Record>& records() const { return *m_records; }
    // Dialogs created and not yet destroyed.
    int alive() const;
    void clear() { m_records->clear(); }

private:
    std::shared_ptr<QList<Record>> m_records;
};

#pragma once

#include "protocol/ProgressIndicator.h"

#include <QTextStream>

// Progress of a device operation as text: one line per step ("Updating Tavrin II... 3/16").
class CliProgress : public ProgressIndicator
{
public:
    // A null stream prints nothing.
    CliProgress(const QString& label, QTextStream* stream);

    void setCaption(const QString&) override { }
    void show() override { }
    void setTotalSteps(int steps) override { m_totalSteps = steps; }
    void setProgress(int value) override;
    int progress() const override { return m_value; }

    // A factory for a session's setProgressFactory.
    static Factory factory(QTextStream* stream);

private:
    QString m_label;
    QTextStream* m_stream;
    int m_totalSteps = 0;
    int m_value = 0;
};

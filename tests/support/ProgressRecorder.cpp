#include "support/ProgressRecorder.h"

#include "protocol/Tavrin2QtComm.h"

namespace {
class RecordingProgress : public ProgressIndicator
{
public:
    RecordingProgress(std::shared_ptr<QList<ProgressRecorder::Record>> records, int index)
        : m_records(std::move(records))
        , m_index(index)
    {
    }
    ~RecordingProgress() override { record().destroyed = true; }

    void setCaption(const QString& caption) override { record().caption = caption; }
    void show() override { record().shown = true; }
    void setTotalSteps(int steps) override { record().totalSteps = steps; }
    void setProgress(int value) override
    {
        m_value = value;
        record().values.append(value);
    }
    int progress() const override { return m_value; }
    void setLabel(const QString& label) override { record().labels.append(label); }

private:
    ProgressRecorder::Record& record() { return (*m_records)[m_index]; }

    std::shared_ptr<QList<ProgressRecorder::Record>> m_records;
    int m_index;
    int m_value = 0;
};
} // namespace

ProgressRecorder::ProgressRecorder()
    : m_records(std::make_shared<QList<Record>>())
{
    auto records = m_records;
    Tavrin2QtComm::instance()->setProgressFactory([records](const QString& label, bool modal) {
        Record record;
        record.label = label;
        record.modal = modal;
        records->append(record);
        return std::make_unique<RecordingProgress>(records, records->size() - 1);
    });
}

ProgressRecorder::~ProgressRecorder()
{
    Tavrin2QtComm::instance()->setProgressFactory({});
}

int ProgressRecorder::alive() const
{
    int count = 0;
    for (const Record& record : *m_records)
        count += record.destroyed ? 0 : 1;
    return count;
}

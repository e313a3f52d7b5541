#include "protocol/ProgressIndicator.h"

namespace {
ProgressIndicator::Factory& defaultFactory()
{
    static ProgressIndicator::Factory factory;
    return factory;
}

class QuietProgress : public ProgressIndicator
{
public:
    void setCaption(const QString&) override { }
    void show() override { }
    void setTotalSteps(int) override { }
    void setProgress(int value) override { m_value = value; }
    int progress() const override { return m_value; }

private:
    int m_value = 0;
};
} // namespace

std::unique_ptr<ProgressIndicator> ProgressIndicator::create(const QString& label, bool modal)
{
    if (const Factory& factory = defaultFactory())
        return factory(label, modal);
    return quiet();
}

std::unique_ptr<ProgressIndicator> ProgressIndicator::quiet()
{
    return std::make_unique<QuietProgress>();
}

void ProgressIndicator::setDefaultFactory(Factory factory)
{
    defaultFactory() = std::move(factory);
}

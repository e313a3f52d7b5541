#include "protocol/PagerValidation.h"

bool isValidWelcomeMessage(const QString& message)
{
    return message.count(QLatin1Char('\n')) <= PagerLimits::MaxWelcomeMessageLineBreaks
        && !message.contains(QLatin1Char(',')) && message.length() <= PagerLimits::MaxWelcomeMessageLength;
}

bool isValidGroupName(const QString& name)
{
    return !name.contains(QLatin1Char(','));
}

int maxGroupNameLength(int)
{
    return PagerLimits::MaxGroupNameLength;
}

#include "provisioning/NumberedProfile.h"

namespace {
const QLatin1String Placeholder("{n}");
const QLatin1String Brace("{{");

// Calls edit on each message text of the profile's model, storing what it returns.
template<class Edit> void editMessages(Tavrin2QtCfg& cfg, Edit edit)
{
    const bool dalen = cfg.tavrinType() == DalenTavrin || cfg.tavrinType() == DalenTavrin2Button;
    const bool tavrinII = cfg.tavrinType() == TavrinII;
    const bool both = !dalen && !tavrinII;
    if (tavrinII || both) {
        for (int i = 0; i < cfg.tavrinIIButtonCount(); ++i) {
            TavrinIIButton button = cfg.tavrinIIButtonVectorAtIndex(i);
            button.setAlphaMsg(edit(button.alphaMsg()));
            cfg.setTavrinIIButtonVectorAtIndex(i, button);
        }
        cfg.setLowBatteryPageMsg(edit(cfg.lowBatteryPageMsg()));
        cfg.setAckPageMsg(edit(cfg.ackPageMsg()));
    }
    if (dalen || both) {
        cfg.setDtBtn1SettingMsg(edit(cfg.dtBtn1SettingMsg()));
        cfg.setDtBtn2SettingMsg(edit(cfg.dtBtn2SettingMsg()));
        cfg.setDtLowBatteryPageMsg(edit(cfg.dtLowBatteryPageMsg()));
        cfg.setDtCancelMsg(edit(cfg.dtCancelMsg()));
    }
}

// Where the next "{n}" or "{{" starts at or after `from`; -1 when there is none.
qsizetype nextEscape(const QString& text, qsizetype from)
{
    for (qsizetype at = text.indexOf(QLatin1Char('{'), from); at >= 0; at = text.indexOf(QLatin1Char('{'), at + 1)) {
        if (QStringView(text).mid(at).startsWith(Placeholder) || QStringView(text).mid(at).startsWith(Brace))
            return at;
    }
    return -1;
}
} // namespace

bool NumberedProfile::holdsNumber(const Tavrin2QtCfg& profile)
{
    Tavrin2QtCfg cfg = profile;
    bool holds = false;
    editMessages(cfg, [&holds](const QString& text) {
        holds = holds || holdsNumber(text);
        return text;
    });
    return holds;
}

bool NumberedProfile::holdsNumber(const QString& text)
{
    for (qsizetype at = nextEscape(text, 0); at >= 0; at = nextEscape(text, at + 2)) {
        if (QStringView(text).mid(at).startsWith(Placeholder))
            return true;
    }
    return false;
}

Tavrin2QtCfg NumberedProfile::forUnit(const Tavrin2QtCfg& profile, int number)
{
    Tavrin2QtCfg cfg = profile;
    editMessages(cfg, [number](const QString& text) { return replace(text, number); });
    if (cfg.tavrinType() == DalenTavrin || cfg.tavrinType() == DalenTavrin2Button)
        cfg.setDtTavrinID(number);
    return cfg;
}

QString NumberedProfile::replace(const QString& text, int number)
{
    qsizetype at = nextEscape(text, 0);
    if (at < 0)
        return text; // a null text stays null: a file tells it from an empty one
    QString result;
    qsizetype done = 0;
    for (; at >= 0; at = nextEscape(text, done)) {
        result += QStringView(text).mid(done, at - done);
        const bool placeholder = QStringView(text).mid(at).startsWith(Placeholder);
        result += placeholder ? QString::number(number) : QStringLiteral("{");
        done = at + (placeholder ? Placeholder.size() : Brace.size());
    }
    result += QStringView(text).mid(done);
    return result;
}

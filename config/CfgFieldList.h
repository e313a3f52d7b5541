#pragma once

#include "config/Tavrin2QtCfg.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <optional>

// One setting of a configuration as a person reads it: the name the window gives it and its value
// as the window shows it ("Button 3 mode" = "30 Sec").
struct CfgField
{
    QString label;
    QString value;

    bool operator==(const CfgField& other) const { return label == other.label && value == other.value; }
};

// A setting in which two configurations differ; a side without the setting (another model) is empty.
struct CfgFieldDifference
{
    QString label;
    std::optional<QString> first;
    std::optional<QString> second;
};

// A setting whose value lies outside what the form and the unit take (a hand-edited file): the form
// shows, and Update sends, its default in its place.
struct CfgOutOfRange
{
    QString label;
    QString value;
    // The values it takes: "0-13", or "1, 2 or 10" for the mode of a Zell or Guest button.
    QString allowed;
};

// A message text of a configuration and the most characters its field in the window takes.
struct CfgMessageField
{
    QString label;
    QString value;
    int maxLength = 0;

    bool isOverLimit() const { return value.size() > maxLength; }
};

// The settings of a configuration that belong to its model, in the window's order, for listing and
// comparing records outside the window. The model itself is not a field: its display name is the
// protocol's (Tavrin2QtComm::tavrinTypeName).
class CfgFieldList
{
    Q_DECLARE_TR_FUNCTIONS(CfgFieldList)

public:
    static QList<CfgField> fields(const Tavrin2QtCfg& cfg);
    // Those of fields() whose values are out of range, in the same order.
    static QList<CfgOutOfRange> outOfRangeFields(const Tavrin2QtCfg& cfg);
    // What the device reported about itself: firmware and serial number (the first fields of fields()).
    static QList<CfgField> identityFields(const Tavrin2QtCfg& cfg);
    // Every text the record holds, of both models (a file keeps both pages of the window), labelled as
    // fields() labels them; those of the record's own model come first.
    static QList<CfgField> textFields(const Tavrin2QtCfg& cfg);
    // The messages the window has a field for, of both models, labelled and ordered as textFields() has them,
    // each with its field's limit: every front end holds a text to the same limit.
    static QList<CfgMessageField> messageFields(const Tavrin2QtCfg& cfg);
    // Those of messageFields() longer than their fields take, in the same order.
    static QList<CfgMessageField> overLimitFields(const Tavrin2QtCfg& cfg);
    // Settings compared by label: those of the first record in its order, then those only the second
    // has. Records of two models are compared on the settings they share by name.
    static QList<CfgFieldDifference> differences(const Tavrin2QtCfg& first, const Tavrin2QtCfg& second);

    // Value texts; a code without a name is shown as its number.
    static QString yesNo(bool value);
    static QString pagerTypeName(int type);
    // The mode selector's entry for a Tavrin II button of the given pager type.
    static QString buttonModeName(int type, int mode);
    static QString extInputSettingName(int setting);
    static QString dalenModeName(int mode);
    static QString lockoutName(int lockoutTimeMode);
    static QString timeText(const QTime& time);

private:
    struct Collector;
    static void collect(const Tavrin2QtCfg& cfg, Collector& out);
    // The messages of both models; with allButtons also those of buttons beyond the external input, which an
    // edited file may hold and no field shows.
    static QList<CfgMessageField> messages(const Tavrin2QtCfg& cfg, bool allButtons);
    static void addTavrinIIFields(const Tavrin2QtCfg& cfg, Collector& out);
    static void addTavrinIIButton(const QString& name, const TavrinIIButton& button, bool isExtInput, Collector& out);
    static void addDalenFields(const Tavrin2QtCfg& cfg, Collector& out);
};

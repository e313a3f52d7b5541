#pragma once

#include "config/Tavrin2QtCfg.h"

#include <QString>

#include <exception>
#include <memory>

// Moves a Tavrin2QtCfg to and from the text of a configuration file, an XML document of the Boost
// serialization archive. Kept apart from the record so that only this file pair sees Boost.
//
// Text and bytes: the archive works on bytes; the document text and its strings cross it as UTF-8, so
// every character of a text reaches the record as it stands. Which bytes a file holds is CfgFile's
// business.
class CfgArchive
{
public:
    static QString freeze(const Tavrin2QtCfg& cfg, QString& error);
    // error: why the text is no configuration, in a few plain words ("it ends too early"); the archive's
    // own words go to the trace.
    static std::unique_ptr<Tavrin2QtCfg> thaw(const QString& text, QString& error);
    // Why thaw could not read the text, from the text itself, the archive's exception (may be null) and
    // whether the text ran out before the document did.
    static QString unreadableReason(const QString& text, const std::exception* failure, bool cutOff);

    // The message of thaw for a failure other than the archive's; it echoes the document, cut short
    // after MaxEchoedLength characters so that a large file cannot fill the screen.
    static QString anotherExceptionText(const QString& text);
    static constexpr int MaxEchoedLength = 2000;

    // The most entries a vector of a file may declare; a real record has 6 and 3. A larger count is
    // refused before anything is allocated for it.
    static constexpr long long MaxVectorCount = 1000;

    // The fields of the file in file order, for saving and loading alike.
    template<class Visitor> static void visitFields(Tavrin2QtCfg& cfg, Visitor& visit);
    template<class Visitor> static void visitFields(TavrinIIButton& button, Visitor& visit);
    template<class Visitor> static void visitFields(Tavrin2QtCfg::TavrinIIAutoOnOffTime& pair, Visitor& visit);
};

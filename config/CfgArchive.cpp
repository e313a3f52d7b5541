#include "config/CfgArchive.h"

#include "config/ConfigLog.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringDecoder>
#include <QTime>

#include <boost/archive/archive_exception.hpp>
#include <boost/archive/impl/basic_xml_grammar.hpp>
#include <boost/archive/xml_archive_exception.hpp>
#include <boost/archive/xml_iarchive.hpp>
#include <boost/archive/xml_oarchive.hpp>
#include <boost/serialization/nvp.hpp>
#include <boost/serialization/string.hpp>
#include <boost/serialization/tracking.hpp>
#include <boost/serialization/version.hpp>

#include <cstring>
#include <iterator>
#include <locale>
#include <sstream>
#include <string>
#include <vector>

using AutoOnOffTime = Tavrin2QtCfg::TavrinIIAutoOnOffTime;

// Strings and times are the only classes whose form has changed; nothing is ever tracked, so no
// element carries an object id.
BOOST_CLASS_VERSION(QString, 1)
BOOST_CLASS_VERSION(QTime, 1)
BOOST_CLASS_TRACKING(QString, boost::serialization::track_never)
BOOST_CLASS_TRACKING(QTime, boost::serialization::track_never)
BOOST_CLASS_TRACKING(Tavrin2QtCfg, boost::serialization::track_never)
BOOST_CLASS_TRACKING(TavrinIIButton, boost::serialization::track_never)
BOOST_CLASS_TRACKING(AutoOnOffTime, boost::serialization::track_never)
BOOST_CLASS_TRACKING(std::vector<TavrinIIButton>, boost::serialization::track_never)
BOOST_CLASS_TRACKING(std::vector<AutoOnOffTime>, boost::serialization::track_never)

namespace {
using boost::archive::archive_exception;
using boost::archive::xml_archive_exception;
using boost::archive::xml_iarchive;
using boost::archive::xml_oarchive;
using boost::serialization::make_nvp;

// Written by us rather than by the archive, which would name its own library version (18 for Boost
// 1.74); version 3 is the form that every Boost release reads.
const char documentHeader[] = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\" ?>\n"
                              "<!DOCTYPE boost_serialization>\n"
                              "<boost_serialization signature=\"serialization::archive\" version=\"3\">\n";
const char wrapperEndTag[] = "</boost_serialization>";

// Boost checks an end tag's name by indexing the expected name with the length of the name found,
// which reads far past it, and crashes, when a file holds a very long end tag. Its check is turned off
// and done here instead, with the same exception.
class TagCheckingArchive : public xml_iarchive
{
public:
    explicit TagCheckingArchive(std::istream& is)
        : xml_iarchive(is, boost::archive::no_xml_tag_checking)
    {
    }
    const std::string& lastTagName() const { return gimpl->rv.object_name; }
};

void checkEndTag(xml_iarchive& ar, const char* name)
{
    const auto* checking = dynamic_cast<TagCheckingArchive*>(&ar);
    if (checking && checking->lastTagName() != name)
        throw xml_archive_exception(xml_archive_exception::xml_archive_tag_mismatch, name);
}

template<class T> void saveNamed(xml_oarchive& ar, const char* name, const T& value)
{
    ar << make_nvp(name, value);
}

template<class T> void loadNamed(xml_iarchive& ar, const char* name, T& value)
{
    ar >> make_nvp(name, value);
    checkEndTag(ar, name);
}

std::string utf8Bytes(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// The UTF-8 sequence of one character at the start of bytes; empty when there is none.
QString utf8Character(QByteArrayView bytes)
{
    const auto lead = static_cast<unsigned char>(bytes.front());
    const qsizetype length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || bytes.size() < length)
        return QString();
    const QByteArrayView sequence = bytes.first(length);
    const QString character = QString::fromUtf8(sequence);
    return character.toUtf8() == sequence ? character : QString();
}

// Never null, also when empty. A byte that begins no UTF-8 sequence is the archive's own: a character
// reference such as "&#233;" becomes one byte, which is taken as the Latin-1 character of that code.
QString fromUtf8Bytes(const std::string& bytes)
{
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(view);
    if (!utf8.hasError())
        return text;
    text.clear();
    for (qsizetype i = 0; i < view.size();) {
        const QString character
            = static_cast<unsigned char>(view.at(i)) < 0x80 ? QString() : utf8Character(view.sliced(i));
        if (character.isEmpty()) {
            text += QChar(static_cast<unsigned char>(view.at(i)));
            ++i;
        } else {
            text += character;
            i += character.toUtf8().size();
        }
    }
    return text;
}

// A loaded time is the one that saving the record writes back, so that a loaded file saves unchanged:
// whole seconds, and midnight for a text that is no time (a record cannot be saved with an invalid one).
QTime parseIsoTime(const QString& text)
{
    const QTime time = QTime::fromString(text, Qt::ISODate);
    if (!time.isValid()) {
        qCWarning(lcConfig) << "Tavrin2QtCfg::thaw(): not an ISO 8601 time, read as midnight:" << text;
        return QTime(0, 0, 0);
    }
    return QTime(time.hour(), time.minute(), time.second());
}

struct FieldSaver
{
    xml_oarchive& ar;
    template<class T> void operator()(const char* name, T& value) { saveNamed(ar, name, value); }
    void operator()(const char* name, TavrinType& type) { saveNamed(ar, name, static_cast<int>(type)); }
};

struct FieldLoader
{
    xml_iarchive& ar;
    template<class T> void operator()(const char* name, T& value) { loadNamed(ar, name, value); }
    void operator()(const char* name, TavrinType& type)
    {
        int code = 0;
        loadNamed(ar, name, code);
        type = static_cast<TavrinType>(code);
    }
};

FieldSaver fieldVisitor(xml_oarchive& ar)
{
    return FieldSaver { ar };
}

FieldLoader fieldVisitor(xml_iarchive& ar)
{
    return FieldLoader { ar };
}

namespace fileform {
template<class Archive, class Record> void transferFields(Archive& ar, Record& record)
{
    auto visit = fieldVisitor(ar);
    CfgArchive::visitFields(record, visit);
}

void transfer(xml_oarchive& ar, QString& text, unsigned int)
{
    const bool isNull = text.isNull();
    saveNamed(ar, "isNull", isNull);
    saveNamed(ar, "ascii", isNull ? std::string() : utf8Bytes(text));
}

void transfer(xml_iarchive& ar, QString& text, unsigned int version)
{
    bool isNull = false;
    if (version >= 1)
        loadNamed(ar, "isNull", isNull);
    std::string ascii;
    loadNamed(ar, "ascii", ascii);
    text = isNull ? QString() : fromUtf8Bytes(ascii);
}

void transfer(xml_oarchive& ar, QTime& time, unsigned int)
{
    // An invalid time would give no text; it is written as the time it reads back as.
    const QString isodate = time.isValid() ? time.toString(Qt::ISODate) : QStringLiteral("00:00:00");
    saveNamed(ar, "isodate", isodate);
}

void transfer(xml_iarchive& ar, QTime& time, unsigned int version)
{
    if (version >= 1) {
        QString isodate;
        loadNamed(ar, "isodate", isodate);
        time = isodate.isEmpty() ? QTime(0, 0, 0) : parseIsoTime(isodate);
    } else {
        std::string isodate;
        loadNamed(ar, "isodate", isodate);
        time = parseIsoTime(fromUtf8Bytes(isodate));
    }
}

// Count and items only: the item_version that later Boost releases add after the count is what keeps
// their files from being read by older ones.
template<class T> void transfer(xml_oarchive& ar, std::vector<T>& entries, unsigned int)
{
    saveNamed(ar, "count", static_cast<unsigned long>(entries.size()));
    for (const T& entry : entries)
        saveNamed(ar, "item", entry);
}

template<class T> void transfer(xml_iarchive& ar, std::vector<T>& entries, unsigned int)
{
    entries.clear();
    long long count = 0;
    loadNamed(ar, "count", count);
    if (count < 0 || count > CfgArchive::MaxVectorCount) {
        qCWarning(lcConfig) << "Tavrin2QtCfg::thaw(): refusing a vector of" << count << "entries";
        throw archive_exception(archive_exception::input_stream_error);
    }
    if (ar.get_library_version() > boost::serialization::library_version_type(3)) {
        unsigned int itemVersion = 0;
        loadNamed(ar, "item_version", itemVersion);
    }
    // One by one: the count is only a claim until the items have been read.
    for (long long i = 0; i < count; ++i) {
        T entry;
        loadNamed(ar, "item", entry);
        entries.push_back(entry);
    }
}

template<class Archive> void transfer(Archive& ar, Tavrin2QtCfg& cfg, unsigned int)
{
    transferFields(ar, cfg);
}

template<class Archive> void transfer(Archive& ar, TavrinIIButton& button, unsigned int)
{
    transferFields(ar, button);
}

template<class Archive> void transfer(Archive& ar, AutoOnOffTime& pair, unsigned int)
{
    transferFields(ar, pair);
}
} // namespace fileform

// The reader does not distinguish codes above the table's; Boost's own texts of 8 add a system error
// text that means nothing to the operator.
QString archiveErrorText(const archive_exception& e)
{
    if (dynamic_cast<const xml_archive_exception*>(&e)) {
        for (const char* text : { "unrecognized XML syntax", "XML start/end tag mismatch", "Invalid XML tag name" })
            if (std::strncmp(e.what(), text, std::strlen(text)) == 0)
                return QString::fromLatin1(text);
        return QString::fromLatin1(e.what());
    }
    static const char* const texts[] = { "uninitialized exception",
                                         "unknown derived exception",
                                         "unregistered class",
                                         "invalid signature",
                                         "unsupported version",
                                         "pointer conflict",
                                         "incompatible native format",
                                         "array size too short",
                                         "stream error",
                                         "class name too long",
                                         "unregistered void cast",
                                         "unsupported class version",
                                         "code instantiated in more than one module",
                                         "output stream error" };
    const int code = e.code;
    if (code >= 0 && code < static_cast<int>(std::size(texts)))
        return QString::fromLatin1(texts[code]);
    return QString::fromLatin1(e.what());
}

bool isXmlSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The archive reads the wrapper's end tag only in its destructor, where a failure would abort the
// process; it is read here instead, so that a cut-off document is refused.
// cutOff: what is left is the beginning of that end tag at most.
void readWrapperEnd(std::istream& is, bool& cutOff)
{
    const std::string rest { std::istreambuf_iterator<char>(is), std::istreambuf_iterator<char>() };
    std::size_t at = 0;
    while (at < rest.size() && isXmlSpace(rest[at]))
        ++at;
    const std::size_t tagNameLength = std::strlen(wrapperEndTag) - 1;
    bool found = rest.compare(at, tagNameLength, wrapperEndTag, tagNameLength) == 0;
    at += tagNameLength;
    while (found && at < rest.size() && isXmlSpace(rest[at]))
        ++at;
    found = found && at < rest.size() && rest[at] == '>';
    if (!found) {
        std::size_t first = 0;
        while (first < rest.size() && isXmlSpace(rest[first]))
            ++first;
        const std::size_t left = rest.size() - first;
        cutOff = left < std::strlen(wrapperEndTag) && rest.compare(first, left, wrapperEndTag, left) == 0;
        throw archive_exception(archive_exception::input_stream_error);
    }
}
} // namespace

namespace boost::serialization {
template<class Archive> void serialize(Archive& ar, QString& text, const unsigned int version)
{
    fileform::transfer(ar, text, version);
}

template<class Archive> void serialize(Archive& ar, QTime& time, const unsigned int version)
{
    fileform::transfer(ar, time, version);
}

template<class Archive> void serialize(Archive& ar, std::vector<TavrinIIButton>& buttons, const unsigned int version)
{
    fileform::transfer(ar, buttons, version);
}

template<class Archive> void serialize(Archive& ar, std::vector<AutoOnOffTime>& pairs, const unsigned int version)
{
    fileform::transfer(ar, pairs, version);
}

template<class Archive> void serialize(Archive& ar, Tavrin2QtCfg& cfg, const unsigned int version)
{
    fileform::transfer(ar, cfg, version);
}

template<class Archive> void serialize(Archive& ar, TavrinIIButton& button, const unsigned int version)
{
    fileform::transfer(ar, button, version);
}

template<class Archive> void serialize(Archive& ar, AutoOnOffTime& pair, const unsigned int version)
{
    fileform::transfer(ar, pair, version);
}
} // namespace boost::serialization

#define CFG_FIELD(record, member) visit(#member, record.member)

template<class Visitor> void CfgArchive::visitFields(Tavrin2QtCfg& cfg, Visitor& visit)
{
    CFG_FIELD(cfg, _tavrinType);
    CFG_FIELD(cfg, _checkBoxRepageEnabled);
    CFG_FIELD(cfg, _spinBoxRepageInterval);
    CFG_FIELD(cfg, _checkBoxLockoutEnabled);
    CFG_FIELD(cfg, _lockoutTimeMode);
    CFG_FIELD(cfg, _spinBoxLockoutTime);
    CFG_FIELD(cfg, _spinBoxExtInputDisable1);
    CFG_FIELD(cfg, _spinBoxExtInputDisable2);
    CFG_FIELD(cfg, _spinBoxExtInputDisable3);
    CFG_FIELD(cfg, _spinBoxSysID);
    CFG_FIELD(cfg, _checkBoxEnableGrpPaging);
    CFG_FIELD(cfg, _tavrinIIButtons);
    CFG_FIELD(cfg, _tavrinIIAutoOnOffTimes);
    CFG_FIELD(cfg, _checkBoxLowBatteryPageEnabled);
    CFG_FIELD(cfg, _lineEditLowBatteryPageMsg);
    CFG_FIELD(cfg, _spinBoxLowBatteryPager);
    CFG_FIELD(cfg, _checkBoxAckPageEnabled);
    CFG_FIELD(cfg, _lineEditAckPageMsg);
    CFG_FIELD(cfg, _spinBoxAckPager);
    // The file keeps each Dalen button's pager number next to its message.
    CFG_FIELD(cfg, _spinBoxDTBtn1PagerNum);
    CFG_FIELD(cfg, _lineEditDTBtn1SettingMsg);
    CFG_FIELD(cfg, _spinBoxDTBtn2PagerNum);
    CFG_FIELD(cfg, _lineEditDTBtn2SettingMsg);
    CFG_FIELD(cfg, _spinBoxDTSysID);
    CFG_FIELD(cfg, _checkBoxDTEnableGrpPaging);
    CFG_FIELD(cfg, _checkBoxDTBeepEnabled);
    CFG_FIELD(cfg, _spinBoxDTTavrinID);
    CFG_FIELD(cfg, _checkBoxDTRepageEnabled);
    CFG_FIELD(cfg, _spinBoxDTRepageInterval);
    CFG_FIELD(cfg, _checkBoxDTLowBatteryPageEnabled);
    CFG_FIELD(cfg, _lineEditDTLowBatteryPageMsg);
    CFG_FIELD(cfg, _spinBoxDTLowBatteryPager);
    CFG_FIELD(cfg, _comboBoxDTBtn1Mode);
    CFG_FIELD(cfg, _comboBoxDTBtn2Mode);
    CFG_FIELD(cfg, _checkBoxDTSecondaryPageEnabled);
    CFG_FIELD(cfg, _spinBoxDTSecondaryPager);
    CFG_FIELD(cfg, _checkBoxDTCancelMsgEnabled);
    CFG_FIELD(cfg, _lineEditDTCancelMsg);
    CFG_FIELD(cfg, _lineEditFirmware);
    CFG_FIELD(cfg, _lineEditSerNum);
}

template<class Visitor> void CfgArchive::visitFields(TavrinIIButton& button, Visitor& visit)
{
    CFG_FIELD(button, _button_enabled);
    CFG_FIELD(button, _pager_num);
    CFG_FIELD(button, _ext_input_setting);
    CFG_FIELD(button, _type);
    CFG_FIELD(button, _mode);
    CFG_FIELD(button, _zellMsgInt);
    CFG_FIELD(button, _alphaMsg);
}

template<class Visitor> void CfgArchive::visitFields(AutoOnOffTime& pair, Visitor& visit)
{
    CFG_FIELD(pair, _isEnabled);
    CFG_FIELD(pair, _autoOnTime);
    CFG_FIELD(pair, _autoOffTime);
}

#undef CFG_FIELD

QString CfgArchive::freeze(const Tavrin2QtCfg& cfg, QString& error)
{
    std::ostringstream os;
    os.imbue(std::locale::classic());
    os << documentHeader;
    try {
        xml_oarchive ar(os, boost::archive::no_header);
        ar << make_nvp("Tavrin2QtCfg", cfg);
    } catch (const archive_exception& e) {
        qCWarning(lcConfig) << "Tavrin2QtCfg::freeze():" << e.what();
        error = Tavrin2QtCfg::tr("Tavrin2QtCfg::freeze(): Got archive_exception (%1 = %2)\n")
                    .arg(e.code)
                    .arg(archiveErrorText(e));
        return QString();
    }
    // The archive ends the root element's line and adds an empty one of its own.
    std::string document = os.str();
    while (!document.empty() && document.back() == '\n')
        document.pop_back();
    document += '\n';
    document += wrapperEndTag;
    document += '\n';
    return fromUtf8Bytes(document);
}

std::unique_ptr<Tavrin2QtCfg> CfgArchive::thaw(const QString& text, QString& error)
{
    std::istringstream is(utf8Bytes(text));
    is.imbue(std::locale::classic());
    auto cfg = std::make_unique<Tavrin2QtCfg>();
    // The text ran out before the document did.
    bool cutOff = false;
    bool wrapperReached = false;
    try {
        TagCheckingArchive ar(is);
        ar >> make_nvp("Tavrin2QtCfg", *cfg);
        // The rest is read whole: from here on its own check says whether it was cut off.
        wrapperReached = true;
        readWrapperEnd(is, cutOff);
        // The archive's destructor would look for the wrapper's end tag again; a failed stream stops it.
        is.setstate(std::ios::failbit);
    } catch (const archive_exception& e) {
        // The archive's own words are for the trace; the user gets a reason in plain words.
        qCWarning(lcConfig).noquote() << "Tavrin2QtCfg::thaw(): archive exception" << e.code << "="
                                      << archiveErrorText(e);
        error = unreadableReason(text, &e, cutOff || (!wrapperReached && is.eof()));
        return nullptr;
    } catch (const std::exception& e) {
        qCWarning(lcConfig) << "Tavrin2QtCfg::thaw():" << e.what();
        error = unreadableReason(text, nullptr, cutOff || (!wrapperReached && is.eof()));
        return nullptr;
    } catch (...) {
        qCWarning(lcConfig) << "Tavrin2QtCfg::thaw(): an unknown exception";
        error = unreadableReason(text, nullptr, cutOff || (!wrapperReached && is.eof()));
        return nullptr;
    }
    return cfg;
}

QString CfgArchive::unreadableReason(const QString& text, const std::exception* failure, bool cutOff)
{
    const QString start = text.trimmed();
    if (start.isEmpty())
        return Tavrin2QtCfg::tr("it is empty");
    // Skipped by the reader as well.
    const QString body = start.startsWith(QChar(0xFEFF)) ? start.mid(1).trimmed() : start;
    // After the declarations comes an element, or nothing yet (cut off).
    QString rest = body;
    while (rest.startsWith(QLatin1String("<?")) || rest.startsWith(QLatin1String("<!"))) {
        qsizetype end = rest.indexOf(QLatin1Char('>'));
        // A document type with declarations of its own ends after them.
        const qsizetype subset = rest.indexOf(QLatin1Char('['));
        if (rest.startsWith(QLatin1String("<!")) && subset >= 0 && subset < end)
            end = rest.indexOf(QLatin1String("]>"), subset) + 1;
        rest = end <= 0 ? QString() : rest.mid(end + 1).trimmed();
    }
    if (!body.startsWith(QLatin1Char('<')) || (!rest.isEmpty() && !rest.startsWith(QLatin1Char('<'))))
        return Tavrin2QtCfg::tr("it is not an XML document");
    for (const QChar c : body) {
        if (c.unicode() < 0x20 && c != QLatin1Char('\t') && c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            return Tavrin2QtCfg::tr("it holds bytes that are not text");
    }
    if (cutOff)
        return Tavrin2QtCfg::tr("it ends too early");
    if (const auto* xml = dynamic_cast<const xml_archive_exception*>(failure)) {
        // Its code tells the kinds apart no better than its text.
        static const char tagMismatch[] = "XML start/end tag mismatch";
        if (std::strncmp(xml->what(), tagMismatch, std::strlen(tagMismatch)) == 0)
            return Tavrin2QtCfg::tr("an element is missing or out of place");
        return Tavrin2QtCfg::tr("it is not well-formed XML");
    }
    if (const auto* archive = dynamic_cast<const archive_exception*>(failure)) {
        if (archive->code == archive_exception::invalid_signature)
            return Tavrin2QtCfg::tr("it is an XML document of another kind");
        if (archive->code == archive_exception::unsupported_version
            || archive->code == archive_exception::unsupported_class_version)
            return Tavrin2QtCfg::tr("it was written by a newer version");
    }
    return Tavrin2QtCfg::tr("a value in it cannot be read");
}

QString CfgArchive::anotherExceptionText(const QString& text)
{
    const QString echoed = text.size() > MaxEchoedLength ? text.left(MaxEchoedLength) + QStringLiteral("...") : text;
    return Tavrin2QtCfg::tr("Tavrin2QtCfg::thaw(): Got another exception while reading:\n%1\n").arg(echoed);
}

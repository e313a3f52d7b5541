// Arbitrary documents into Tavrin2QtCfg::thaw. Besides not crashing: a refusal says why, and a
// document that is accepted gives a record that is saved and loaded again unchanged, in a document
// that is itself stable.
#include "FuzzSupport.h"

#include "config/Tavrin2QtCfg.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzzInit();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A file's bytes, one character each, as the Load action hands them over.
    const QString text = QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QString error;
    const std::unique_ptr<Tavrin2QtCfg> cfg = Tavrin2QtCfg::thaw(text, error);
    if (!cfg) {
        FUZZ_CHECK(!error.isEmpty(), text);
        return 0;
    }
    FUZZ_CHECK(error.isEmpty(), error);

    const QString document = cfg->freeze(error);
    FUZZ_CHECK(!document.isNull(), error);
    const std::unique_ptr<Tavrin2QtCfg> again = Tavrin2QtCfg::thaw(document, error);
    FUZZ_CHECK(again != nullptr, error + document);
    FUZZ_CHECK(*again == *cfg, document);
    FUZZ_CHECK(again->freeze(error) == document, document);
    return 0;
}

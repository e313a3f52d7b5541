#include "protocol/Tavrin2QtComm.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <algorithm>

namespace {
struct Message
{
    QString context;
    QString source;
    bool numerus = false;
    bool unfinished = false;
    QStringList translations; // one, or the numerus forms
};

struct TsFile
{
    QString name;
    QString language;
    QList<Message> messages;
};

QString tsDir()
{
    return QStringLiteral(T2Q_TS_DIR);
}

TsFile readTs(const QString& path)
{
    TsFile ts;
    ts.name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        QTest::qFail(qPrintable("cannot read " + path), __FILE__, __LINE__);
        return ts;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == u"TS") {
                ts.language = xml.attributes().value(QLatin1String("language")).toString();
            } else if (name == u"name") {
                context = xml.readElementText();
            } else if (name == u"message") {
                message
                    = Message { context, {}, xml.attributes().value(QLatin1String("numerus")) == u"yes", false, {} };
            } else if (name == u"source") {
                message.source = xml.readElementText();
            } else if (name == u"translation") {
                message.unfinished = xml.attributes().value(QLatin1String("type")) == u"unfinished";
                if (!message.numerus)
                    message.translations << xml.readElementText();
            } else if (name == u"numerusform") {
                message.translations << xml.readElementText();
            }
        } else if (xml.isEndElement() && xml.name() == u"message") {
            ts.messages << message;
        }
    }
    if (xml.hasError())
        QTest::qFail(qPrintable(path + ": " + xml.errorString()), __FILE__, __LINE__);
    return ts;
}

QStringList tsPaths()
{
    QStringList paths;
    for (const QString& name : QDir(tsDir()).entryList({ QStringLiteral("tavrin2qt_*.ts") }, QDir::Files, QDir::Name))
        paths << QDir(tsDir()).filePath(name);
    return paths;
}

// The translated languages: every file but the source language's, which carries plural forms only.
QList<TsFile> translatedFiles()
{
    QList<TsFile> files;
    for (const QString& path : tsPaths()) {
        TsFile ts = readTs(path);
        if (ts.language != QLatin1String("en"))
            files << ts;
    }
    return files;
}

QString where(const Message& message)
{
    QString source = message.source;
    source.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return message.context + QLatin1String(": \"") + source + QLatin1Char('"');
}

QStringList placeholders(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?(\\d{1,2}|n)"));
    QStringList found;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
        found << match.captured(1);
    std::sort(found.begin(), found.end());
    return found;
}

// The accelerator key of a text: the character after a single '&' ("&&" is an ampersand, "&amp;" an entity).
QChar accelerator(const QString& text)
{
    static const QRegularExpression entity(QStringLiteral("&(#\\d+|[a-zA-Z]+);"));
    QString plain = text;
    plain.remove(entity);
    plain.replace(QLatin1String("&&"), QString());
    const qsizetype at = plain.indexOf(QLatin1Char('&'));
    if (at < 0 || at + 1 >= plain.size() || plain.at(at + 1).isSpace())
        return QChar();
    return plain.at(at + 1).toLower();
}

QString withoutAccelerator(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("&(?=[^&\\s])")));
}

// Texts that are the same in every language: the models' names, option names, texts without letters, and
// those the allow-list names for a language ("*" for all).
bool mayEqualSource(const QString& language, const QString& source)
{
    // Rich text is judged by the words it shows.
    QString plain = withoutAccelerator(source);
    plain.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    for (int type : { DalenTavrin, DalenTavrin2Button, TavrinII }) {
        if (plain == Tavrin2QtComm::tavrinTypeName(type))
            return true;
    }
    if (!plain.contains(QRegularExpression(QStringLiteral("\\p{L}"))))
        return true;
    if (QRegularExpression(QStringLiteral("^--?[a-z0-9][a-z0-9-]*$")).match(plain).hasMatch())
        return true;
    // A key sequence names keys.
    if (QRegularExpression(QStringLiteral("^((Ctrl|Alt|Shift|Meta)\\+)+\\S+$")).match(plain).hasMatch())
        return true;
    static const QHash<QString, QSet<QString>> allowed = [] {
        QHash<QString, QSet<QString>> texts;
        QFile file(QStringLiteral(T2Q_TS_DIR "/same-as-source.txt"));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return texts;
        while (!file.atEnd()) {
            QString line = QString::fromUtf8(file.readLine());
            if (line.endsWith(QLatin1Char('\n')))
                line.chop(1);
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            const qsizetype tab = line.indexOf(QLatin1Char('\t'));
            if (tab < 0)
                continue;
            QString text = line.mid(tab + 1);
            text.replace(QLatin1String("\\n"), QLatin1String("\n"));
            for (const QString& code : line.left(tab).split(QLatin1Char(' '), Qt::SkipEmptyParts))
                texts[code].insert(text);
        }
        return texts;
    }();
    return allowed.value(QStringLiteral("*")).contains(source) || allowed.value(language).contains(source);
}

// The menus of a form, from its .ui file: each menu's items are shown together; the form's other texts (the menu
// bar's titles among them) are shown together in its window.
struct FormMenus
{
    QList<QSet<QString>> menus;
    QSet<QString> inMenus;
};

// Keyed by the form's class, the context of its texts.
QHash<QString, FormMenus> formMenus()
{
    QHash<QString, FormMenus> forms;
    for (const QString& folder : { QStringLiteral("app"), QStringLiteral("pagers") }) {
        const QDir dir(QStringLiteral(T2Q_SOURCE_DIR "/") + folder);
        for (const QString& name : dir.entryList({ QStringLiteral("*.ui") }, QDir::Files)) {
            QFile file(dir.filePath(name));
            if (!file.open(QIODevice::ReadOnly))
                continue;
            QXmlStreamReader xml(&file);
            QString context;
            QHash<QString, QString> texts; // action or menu name: its text or title
            QHash<QString, QStringList> menus; // menu name: its items' names
            QStringList menuBar;
            QStringList widgets; // open widget elements: a menu's name, else empty
            QString action;
            QString property;
            while (!xml.atEnd()) {
                xml.readNext();
                const auto element = xml.name();
                if (xml.isEndElement()) {
                    if (element == u"widget" && !widgets.isEmpty())
                        widgets.removeLast();
                    else if (element == u"action")
                        action.clear();
                    continue;
                }
                if (!xml.isStartElement())
                    continue;
                const QString nameAttribute = xml.attributes().value(QLatin1String("name")).toString();
                const QString widgetClass = xml.attributes().value(QLatin1String("class")).toString();
                if (element == u"class" && context.isEmpty()) {
                    context = xml.readElementText();
                } else if (element == u"widget") {
                    widgets << (widgetClass == QLatin1String("QMenu") || widgetClass == QLatin1String("QMenuBar")
                                    ? nameAttribute
                                    : QString());
                    if (widgetClass == QLatin1String("QMenuBar"))
                        menuBar = { nameAttribute };
                } else if (element == u"action") {
                    action = nameAttribute;
                } else if (element == u"property") {
                    property = nameAttribute;
                } else if (element == u"string") {
                    const QString text = xml.readElementText();
                    if (!action.isEmpty() && property == QLatin1String("text"))
                        texts.insert(action, text);
                    else if (action.isEmpty() && property == QLatin1String("title") && !widgets.isEmpty()
                             && !widgets.constLast().isEmpty())
                        texts.insert(widgets.constLast(), text);
                } else if (element == u"addaction" && !widgets.isEmpty() && !widgets.constLast().isEmpty()) {
                    menus[widgets.constLast()] << nameAttribute;
                }
            }
            FormMenus& form = forms[context];
            for (auto menu = menus.cbegin(); menu != menus.cend(); ++menu) {
                if (menuBar.contains(menu.key()))
                    continue;
                QSet<QString> items;
                for (const QString& item : menu.value())
                    items.insert(texts.value(item));
                items.remove(QString());
                form.inMenus += items;
                form.menus << items;
            }
        }
    }
    return forms;
}

// Texts shown together whose English accelerators differ must not share one in translation.
QStringList sharedAccelerators(const QString& language, const QList<const Message*>& messages)
{
    QStringList faults;
    for (qsizetype i = 0; i < messages.size(); ++i) {
        for (qsizetype j = i + 1; j < messages.size(); ++j) {
            const Message& a = *messages.at(i);
            const Message& b = *messages.at(j);
            if (accelerator(a.source) != accelerator(b.source)
                && accelerator(a.translations.value(0)) == accelerator(b.translations.value(0)))
                faults << language + QLatin1String(" ") + where(a) + QLatin1String(" and \"") + b.source
                        + QLatin1String("\" share the accelerator ") + accelerator(a.translations.value(0));
        }
    }
    return faults;
}

void failWith(const QStringList& faults, const QString& what)
{
    if (!faults.isEmpty())
        QFAIL(qPrintable(what + QLatin1String(":\n  ") + faults.join(QLatin1String("\n  "))));
}
} // namespace

class TestTranslationFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(tsPaths().size() >= 2, qPrintable("no translation sources in " + tsDir())); }

    // The .ts files hold exactly what lupdate extracts from the sources now.
    void translationSourcesAreCurrent()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QStringList copies;
        for (const QString& path : tsPaths()) {
            const QString copy = dir.filePath(QFileInfo(path).fileName());
            QVERIFY(QFile::copy(path, copy));
            copies << copy;
        }
        QProcess lupdate;
        lupdate.start(QStringLiteral(T2Q_LUPDATE),
                      QStringList { "-locations", "none", "-no-obsolete", "-silent", "@" T2Q_LUPDATE_LIST, "-ts" }
                          + copies);
        QVERIFY2(lupdate.waitForFinished(120000), qPrintable(lupdate.errorString()));
        QCOMPARE(lupdate.exitCode(), 0);
        QStringList stale;
        for (const QString& path : tsPaths()) {
            QFile original(path);
            QFile updated(dir.filePath(QFileInfo(path).fileName()));
            QVERIFY(original.open(QIODevice::ReadOnly) && updated.open(QIODevice::ReadOnly));
            if (original.readAll() != updated.readAll())
                stale << QFileInfo(path).fileName();
        }
        failWith(stale, "Stale: run \"cmake --build <build folder> --target update_translations\" and commit");
    }

    // Every %1 and %n of a source is in each of its translations, and no other.
    void translationsKeepPlaceholders()
    {
        QStringList faults;
        for (const QString& path : tsPaths()) {
            const TsFile ts = readTs(path);
            for (const Message& message : ts.messages) {
                for (const QString& translation : message.translations) {
                    if (!translation.isEmpty() && placeholders(translation) != placeholders(message.source))
                        faults << ts.language + QLatin1String(" ") + where(message) + QLatin1String(" -> \"")
                                + translation + QLatin1Char('"');
                }
            }
        }
        failWith(faults, "Placeholders lost or added");
    }

    // A source with an accelerator keeps one in translation, and texts of one context whose English
    // accelerators differ (the texts of one dialog or menu) do not share one in translation.
    void translationsKeepDistinctAccelerators()
    {
        QStringList faults;
        const QHash<QString, FormMenus> forms = formMenus();
        QVERIFY(forms.contains(QStringLiteral("FrmTavrin2QtBase")));
        for (const TsFile& ts : translatedFiles()) {
            QHash<QString, QList<const Message*>> byContext;
            for (const Message& message : ts.messages) {
                const QString translation = message.translations.value(0);
                if (translation.isEmpty())
                    continue;
                const bool sourceHasOne = !accelerator(message.source).isNull();
                if (sourceHasOne != !accelerator(translation).isNull())
                    faults << ts.language + QLatin1String(" ") + where(message) + QLatin1String(" -> \"") + translation
                            + QLatin1String("\": accelerator lost or added");
                else if (sourceHasOne)
                    byContext[message.context] << &message;
            }
            for (auto context = byContext.cbegin(); context != byContext.cend(); ++context) {
                // The texts shown together: a form's window and each of its menus, else the whole context.
                QList<QList<const Message*>> groups;
                const auto form = forms.constFind(context.key());
                if (form == forms.cend()) {
                    groups << context.value();
                } else {
                    groups << QList<const Message*>();
                    for (const Message* message : context.value()) {
                        if (!form->inMenus.contains(message->source))
                            groups.first() << message;
                    }
                    for (const QSet<QString>& menu : form->menus) {
                        QList<const Message*> items;
                        for (const Message* message : context.value()) {
                            if (menu.contains(message->source))
                                items << message;
                        }
                        groups << items;
                    }
                }
                for (const QList<const Message*>& messages : std::as_const(groups))
                    faults += sharedAccelerators(ts.language, messages);
            }
        }
        failWith(faults, "Accelerators");
    }

    void translationsDifferFromSources()
    {
        QStringList faults;
        for (const TsFile& ts : translatedFiles()) {
            for (const Message& message : ts.messages) {
                for (const QString& translation : message.translations) {
                    if (translation == message.source && !mayEqualSource(ts.language, message.source))
                        faults << ts.language + QLatin1String(" ") + where(message);
                }
            }
        }
        failWith(faults, "Translation equals its source (a name? add it to translations/same-as-source.txt)");
    }

    // Every text has a finished translation in every language.
    void everyTextIsTranslated()
    {
        QStringList faults;
        for (const TsFile& ts : translatedFiles()) {
            int missing = 0;
            for (const Message& message : ts.messages) {
                const bool empty = message.translations.isEmpty()
                    || std::any_of(message.translations.cbegin(), message.translations.cend(),
                                   [](const QString& form) { return form.isEmpty(); });
                if (message.unfinished || empty) {
                    if (++missing <= 20)
                        faults << ts.language + QLatin1String(" ") + where(message);
                }
            }
            if (missing > 20)
                faults << ts.language + QStringLiteral(" ... %1 in all").arg(missing);
        }
        failWith(faults, "Unfinished or empty translations");
    }
};

QTEST_GUILESS_MAIN(TestTranslationFiles)
#include "tst_translationfiles.moc"

#include <QAction>
#include <QFile>
#include <QHash>
#include <QMenu>
#include <QRegularExpression>
#include <QScopedPointer>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include "constants.h"
#include "mainwindow.h"
#include "mysettings.h"
#include "testsupport.h"

// The program's own translations: the compiled catalogues name their languages, and the Russian
// sources keep the shape of every text (placeholders, tags, line breaks, mnemonics, list items).
class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void catalogueNamesItsLanguage_data();
    void catalogueNamesItsLanguage();
    void languageMenuNamesRussian();
    void russianTextsKeepTheirShape();
    void englishSourceHasOnlyTheLanguageName();
    void settingsLabelsMatchTheBoxes();

private:
    struct Message
    {
        QString context;
        QString source;
        QString translation;
        bool finished;
    };
    static QList<Message> readTs(const QString &name);
};

QList<TestTranslations::Message> TestTranslations::readTs(const QString &name)
{
    QList<Message> messages;
    QFile file(QStringLiteral(TESSARY_TEST_DATA "/../../resources/lng/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            message = {context, xml.readElementText(), QString(), true};
        } else if (xml.name() == QLatin1String("translation")) {
            message.finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            message.translation = xml.readElementText();
            messages.append(message);
        }
    }
    if (xml.hasError())
        qWarning() << name << xml.errorString();
    return messages;
}

void TestTranslations::catalogueNamesItsLanguage_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("name");
    QTest::newRow("en") << QStringLiteral("en.qm") << QStringLiteral("English");
    QTest::newRow("ru") << QStringLiteral("ru.qm") << QStringLiteral("Русский");
}

void TestTranslations::catalogueNamesItsLanguage()
{
    QFETCH(QString, file);
    QFETCH(QString, name);
    QTranslator translator;
    QVERIFY(translator.load(file, QStringLiteral(":/lng")));
    QCOMPARE(translator.translate("MainWindow", "English"), name);
}

void TestTranslations::languageMenuNamesRussian()
{
    QTemporaryDir dir;
    QScopedPointer<MySettings> settings(TestSupport::makeSettings(dir));
    QScopedPointer<MainWindow> window(new MainWindow(settings.data()));
    auto menu = window->findChild<QMenu *>(QStringLiteral("languageMenu"));
    QVERIFY(menu);
    const QList<QAction *> languages = menu->actions();
    QCOMPARE(languages.size(), 2);
    QCOMPARE(languages.at(0)->text(), QStringLiteral("&1 English"));
    QCOMPARE(languages.at(1)->text(), QStringLiteral("&2 Русский"));
}

void TestTranslations::russianTextsKeepTheirShape()
{
    const QList<Message> messages = readTs(QStringLiteral("ru.ts"));
    QVERIFY(messages.size() > 300);
    const QRegularExpression placeholder(QStringLiteral("%(\\d+|n)"));
    const QRegularExpression tag(QStringLiteral("<[^>]+>"));
    const auto matches = [](const QRegularExpression &re, const QString &text) {
        QStringList found;
        auto it = re.globalMatch(text);
        while (it.hasNext())
            found.append(it.next().captured());
        return found;
    };
    const auto edge = [](const QString &text, bool leading) {
        int n = 0;
        while (n < text.size() && text.at(leading ? n : text.size() - 1 - n).isSpace())
            ++n;
        return n ? (leading ? text.left(n) : text.right(n)) : QString();
    };
    int unfinished = 0;
    for (const Message &m : messages) {
        if (!m.finished) {
            ++unfinished;
            continue;
        }
        const QString where = m.context + QLatin1String(": ") + m.source;
        QVERIFY2(!m.translation.isEmpty(), qPrintable(where));
        QStringList sourcePlaces = matches(placeholder, m.source);
        QStringList placed = matches(placeholder, m.translation);
        sourcePlaces.sort();
        placed.sort();
        QVERIFY2(placed == sourcePlaces, qPrintable(where));
        QVERIFY2(matches(tag, m.translation) == matches(tag, m.source), qPrintable(where));
        QVERIFY2(m.translation.count(QLatin1Char('\n')) == m.source.count(QLatin1Char('\n')), qPrintable(where));
        QVERIFY2(edge(m.translation, true) == edge(m.source, true), qPrintable(where));
        QVERIFY2(edge(m.translation, false) == edge(m.source, false), qPrintable(where));
        QVERIFY2(m.translation.endsWith(QLatin1String("...")) == m.source.endsWith(QLatin1String("...")),
                 qPrintable(where));
        QVERIFY2(m.translation.count(QLatin1Char('&')) == m.source.count(QLatin1Char('&')), qPrintable(where));
        QVERIFY2(!m.translation.contains(QLatin1Char('|')), qPrintable(where));
        // Comma lists of category values keep their number of items.
        if (m.source.contains(QLatin1Char(',')) && !m.source.contains(QLatin1Char(' ')))
            QVERIFY2(m.translation.count(QLatin1Char(',')) == m.source.count(QLatin1Char(',')), qPrintable(where));
    }
    if (unfinished)
        qInfo("%d Russian text(s) still to translate", unfinished);
}

void TestTranslations::englishSourceHasOnlyTheLanguageName()
{
    const QList<Message> messages = readTs(QStringLiteral("en.ts"));
    QVERIFY(messages.size() > 300);
    int named = 0;
    for (const Message &m : messages) {
        if (m.context == QLatin1String("MainWindow") && m.source == QLatin1String("English")) {
            QVERIFY(m.finished);
            QCOMPARE(m.translation, QStringLiteral("English"));
            ++named;
        } else {
            QVERIFY2(m.translation.isEmpty(), qPrintable(m.context + QLatin1String(": ") + m.source));
        }
    }
    QCOMPARE(named, 1);
}

// The settings show a built-in category label in translation and the boxes translate the same
// label in their own contexts: both must agree.
void TestTranslations::settingsLabelsMatchTheBoxes()
{
    const QList<Message> messages = readTs(QStringLiteral("ru.ts"));
    QHash<QString, QString> settingsLabels;
    for (const Message &m : messages) {
        if (m.context == QLatin1String("MySetTab") && m.finished)
            settingsLabels.insert(m.source, m.translation);
    }
    QVERIFY(!settingsLabels.isEmpty());
    const QStringList boxes({QStringLiteral("PhotoBox"), QStringLiteral("BookBox"), QStringLiteral("ClipBox"),
                             QStringLiteral("MusicBox"), QStringLiteral("Category")});
    int compared = 0;
    for (const Message &m : messages) {
        if (!boxes.contains(m.context) || !m.finished || !settingsLabels.contains(m.source))
            continue;
        QVERIFY2(settingsLabels.value(m.source) == m.translation,
                 qPrintable(m.context + QLatin1String(": ") + m.source));
        ++compared;
    }
    QVERIFY(compared > 20);
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScopedPointer>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include "basefolder.h"
#include "constants.h"
#include "mywrdfile.h"
#include "testsupport.h"

// A base folder in a temporary directory holding a vocabulary file with the given content.
class Vocabulary
{
public:
    explicit Vocabulary(const QByteArray &content = QByteArray())
        : base(dir.path(), QStringLiteral("base"))
    {
        if (!content.isNull())
            TestSupport::writeFile(path(), content);
        words.reset(new MyWrdFile(NAME_WRD_FILE, &base));
    }

    QString path() const { return dir.path() + QStringLiteral("/base/") + NAME_WRD_FILE; }
    QByteArray content() const { return TestSupport::readFile(path()); }
    // A fresh reader of what is on disk now.
    QHash<QString, QString> reread()
    {
        MyWrdFile again(NAME_WRD_FILE, &base);
        return again.getWords();
    }

    QTemporaryDir dir;
    BaseFolder base;
    QScopedPointer<MyWrdFile> words;
};

class TestMyWrdFile : public QObject
{
    Q_OBJECT

private slots:
    void readerSkipsBadKeys();
    void readerKeepsLastLineAndEmptyKeys();
    void readerAcceptsBothLineEnds();
    void readerTakesUtf8Only();
    void lookUpWholeWordsIgnoringCase();
    void lookUpPrefersLastKeyInHashOrder();
    void completionGivesOneWordPerKey();
    void completionStopsAtEleven();
    void allWordsListsEveryWord();
    void replaceWordsByKeys();
    void replaceWordsWithPatternCharacters();
    void newWordsGetFreeKeys();
    void exhaustedKeySpace();
    void lastFreeKeysAreHandedOutExactly();
    void unreadableFileHasNoFreeKeys();
    void wordsThatCannotBeStoredAreRefused();
    void newWordIsAppended();
    void appendDoesNotJoinUnterminatedLine();
    void changedKeyRewritesWholeFile();
    void synonymOfPendingKeyIsStillAppended();
    void setSynonymReplacesWords();
    void needUpdateForcesRewrite();
    void failedWritesKeepPendingState();
};

void TestMyWrdFile::readerSkipsBadKeys()
{
    Vocabulary v("aqmz~cat~kitten~\nAQMZ~x~\nabc~y~\nbcde\n");
    QCOMPARE(v.words->getWords().size(), 1);
    QCOMPARE(v.words->getWords().value("aqmz"), QStringLiteral("~cat~kitten~"));

    Vocabulary other("bcde~horse~\n");
    QCOMPARE(other.words->getWords().value("bcde"), QStringLiteral("~horse~"));
    QCOMPARE(other.words->getKey("horse"), QStringLiteral("bcde"));
    // bcde was never a candidate; every new key starts with "a".
    for (int i = 0; i < 200; ++i)
        QVERIFY(other.words->addNewWord(QStringLiteral("w%1").arg(i)));
    const auto keys = other.words->getWords().keys();
    QCOMPARE(keys.size(), 201);
    for (const QString &key : keys)
        QVERIFY(key == "bcde" || QRegularExpression("^a[a-z]{3}$").match(key).hasMatch());
}

void TestMyWrdFile::readerKeepsLastLineAndEmptyKeys()
{
    Vocabulary v("aqmz~cat~\nbcde~~~dog~~hound~\naqmz~tomcat~\nazzz~\n");
    QCOMPARE(v.words->getWords().size(), 3);
    QCOMPARE(v.words->getWords().value("aqmz"), QStringLiteral("~tomcat~"));
    QCOMPARE(v.words->getWords().value("bcde"), QStringLiteral("~dog~hound~"));
    QCOMPARE(v.words->getWords().value("azzz"), QStringLiteral("~~"));
    QVERIFY(!v.words->wordExist("cat"));
    QVERIFY(!v.words->wordExist(""));
}

void TestMyWrdFile::readerAcceptsBothLineEnds()
{
    Vocabulary v("aqmz~cat~\r\nbcde~dog~\r\ncdef~\xc3\xa9t\xc3\xa9~\n");
    QCOMPARE(v.words->getWords().value("aqmz"), QStringLiteral("~cat~"));
    QCOMPARE(v.words->getWords().value("bcde"), QStringLiteral("~dog~"));
    QCOMPARE(v.words->getKey(QString::fromUtf8("\xc3\x89T\xc3\x89")), QStringLiteral("cdef"));
}

// A UTF-8 byte-order mark is skipped; a UTF-16 one is not taken as a reason to read UTF-16, so the
// lines appended later still read back.
void TestMyWrdFile::readerTakesUtf8Only()
{
    Vocabulary v("\xef\xbb\xbf" "aqmz~cat~\nbcde~\xc3\xa9t\xc3\xa9~\n");
    QCOMPARE(v.words->getKey("cat"), QStringLiteral("aqmz"));
    QCOMPARE(v.words->getKey(QStringLiteral("été")), QStringLiteral("bcde"));

    Vocabulary marked("\xff\xfe" "\n" "aqmz~cat~\n");
    QCOMPARE(marked.words->getKey("cat"), QStringLiteral("aqmz"));
    QVERIFY(marked.words->addNewWord(QStringLiteral("hund")));
    QVERIFY(marked.words->storeWords());
    const QString key = marked.words->getKey(QStringLiteral("hund"));
    QCOMPARE(marked.reread().value(key), QStringLiteral("~hund~"));
    QCOMPARE(marked.reread().value("aqmz"), QStringLiteral("~cat~"));
}

void TestMyWrdFile::lookUpWholeWordsIgnoringCase()
{
    Vocabulary v("aqmz~cat~kitten~\nbcde~catalogue~\ncdef~Red Sea~\n");
    QCOMPARE(v.words->getKey("KITTEN"), QStringLiteral("aqmz"));
    QCOMPARE(v.words->getKey("kit"), QString());
    QCOMPARE(v.words->getKey("cat"), QStringLiteral("aqmz"));
    QCOMPARE(v.words->getKey("catalogue"), QStringLiteral("bcde"));
    QCOMPARE(v.words->getKey("  red \t  sea "), QStringLiteral("cdef"));
    QCOMPARE(v.words->getKey(""), QString());
    QCOMPARE(v.words->getKey("   "), QString());
    QVERIFY(v.words->wordExist("Cat"));
    QVERIFY(!v.words->wordExist("alogue"));
    QVERIFY(!v.words->wordExist("cat~kitten"));
}

void TestMyWrdFile::lookUpPrefersLastKeyInHashOrder()
{
    Vocabulary v("aqmz~cat~\nbcde~Cat~\ncdef~dog~\n");
    QString expected;
    const auto &words = v.words->getWords();
    for (auto it = words.cbegin(); it != words.cend(); ++it) {
        if (it.value().contains("~cat~", Qt::CaseInsensitive))
            expected = it.key();
    }
    QVERIFY(expected == "aqmz" || expected == "bcde");
    QCOMPARE(v.words->getKey("cat"), expected);
}

void TestMyWrdFile::completionGivesOneWordPerKey()
{
    Vocabulary v("aqmz~cat~kitten~kitty~\nbcde~dog~\ncdef~Kiwi~\n");
    QStringList proposals = v.words->likeBegin("ki");
    proposals.sort();
    QCOMPARE(proposals, QStringList({"Kiwi", "kitten"}));
    QCOMPARE(v.words->likeBegin("KITT"), QStringList({"kitten"}));
    QCOMPARE(v.words->likeBegin("do"), QStringList({"dog"}));
    QVERIFY(v.words->likeBegin("").isEmpty());
    QVERIFY(v.words->likeBegin("og").isEmpty());
    QVERIFY(v.words->likeBegin("cat~k").isEmpty());
}

void TestMyWrdFile::completionStopsAtEleven()
{
    QByteArray content;
    for (int i = 0; i < 30; ++i)
        content += QStringLiteral("b%1%2x~sea%3~sun%3~\n")
                       .arg(QChar('a' + i % 26), QChar('a' + i / 26))
                       .arg(i)
                       .toUtf8();
    Vocabulary v(content);
    QCOMPARE(v.words->getWords().size(), 30);
    const QStringList proposals = v.words->likeBegin("s");
    QCOMPARE(proposals.size(), 11);
    QCOMPARE(QSet<QString>(proposals.begin(), proposals.end()).size(), 11);
    for (const QString &word : proposals)
        QVERIFY(word.startsWith("sea"));
}

void TestMyWrdFile::allWordsListsEveryWord()
{
    Vocabulary v("aqmz~cat~kitten~\nbcde~\ncdef~dog~\n");
    QStringList words = v.words->allWords();
    QCOMPARE(words.size(), 4);
    QVERIFY(words.indexOf("cat") + 1 == words.indexOf("kitten"));
    words.sort();
    QCOMPARE(words, QStringList({"", "cat", "dog", "kitten"}));
}

void TestMyWrdFile::replaceWordsByKeys()
{
    Vocabulary v("aqmz~cat~kitten~\nbcde~Red Sea~\ncdef~sea~\n");
    QCOMPARE(v.words->replaceWordToKey(""), QStringLiteral("nothing"));
    QCOMPARE(v.words->replaceWordToKey("   "), QStringLiteral("nothing"));
    QCOMPARE(v.words->replaceWordToKey("-dog"), QStringLiteral("nothing"));
    QCOMPARE(v.words->replaceWordToKey("+cat -dog"), QStringLiteral("+aqmz"));
    QCOMPARE(v.words->replaceWordToKey("+Kitten"), QStringLiteral("+aqmz"));
    QCOMPARE(v.words->replaceWordToKey("cat-sea"), QStringLiteral("aqmz-cdef"));
    QCOMPARE(v.words->replaceWordToKey("+red   sea -sea"), QStringLiteral("+bcde -cdef"));
    // An unknown word without a sign in front stays as it is.
    QCOMPARE(v.words->replaceWordToKey("dog+cat"), QStringLiteral("dog+aqmz"));
    // A negation sign in front of the criterion stays in front.
    QCOMPARE(v.words->replaceWordToKey("~cat"), QStringLiteral("~aqmz"));
    QCOMPARE(v.words->replaceWordToKey("~ +cat -dog"), QStringLiteral("~ +aqmz"));
    // Only whole words are replaced.
    QCOMPARE(v.words->replaceWordToKey("+cat+cats"), QStringLiteral("+aqmz"));
}

void TestMyWrdFile::replaceWordsWithPatternCharacters()
{
    Vocabulary v("aqmz~a.b~\nbcde~(tea)~\ncdef~c++~\n");
    // The dot is a dot, not any character: axb is an unknown word and is dropped.
    QCOMPARE(v.words->replaceWordToKey("+a.b-axb"), QStringLiteral("+aqmz"));
    QCOMPARE(v.words->replaceWordToKey("+(tea)"), QStringLiteral("+bcde"));
    QCOMPARE(v.words->replaceWordToKey("+[x"), QStringLiteral("nothing"));
    QCOMPARE(v.words->getKey("C++"), QStringLiteral("cdef"));
    QVERIFY(v.words->wordExist("(TEA)"));
}

void TestMyWrdFile::newWordsGetFreeKeys()
{
    Vocabulary v("aaaa~first~\n");
    QVERIFY(v.words->addNewWord("cat"));
    const QString key = v.words->getKey("cat");
    QVERIFY(QRegularExpression("^a[a-z]{3}$").match(key).hasMatch());
    QVERIFY(key != "aaaa");
    QCOMPARE(v.words->getWords().value(key), QStringLiteral("~cat~"));
    QVERIFY(v.words->addNewWord("Dog House"));
    QCOMPARE(v.words->getWords().value(v.words->getKey("dog house")), QStringLiteral("~Dog House~"));
    QVERIFY(v.words->getKey("dog house") != key);
}

void TestMyWrdFile::exhaustedKeySpace()
{
    QByteArray content;
    for (char x = 'a'; x <= 'z'; ++x)
        for (char y = 'a'; y <= 'z'; ++y)
            for (char z = 'a'; z <= 'z'; ++z)
                content += QByteArray("a") + x + y + z + "~w" + x + y + z + "~\n";
    Vocabulary v(content);
    QCOMPARE(v.words->getWords().size(), 17576);
    QVERIFY(!v.words->addNewWord("cat"));
    QCOMPARE(v.words->getWords().size(), 17576);
    QVERIFY(!v.words->wordExist("cat"));
    QVERIFY(!v.words->storeWords());
    QCOMPARE(v.content(), content);
}

// With every new key taken but two, the two new words get exactly those two; keys of another form in
// the file take nothing from the new ones.
void TestMyWrdFile::lastFreeKeysAreHandedOutExactly()
{
    QByteArray content("bcde~other~\n");
    for (char x = 'a'; x <= 'z'; ++x)
        for (char y = 'a'; y <= 'z'; ++y)
            for (char z = 'a'; z <= 'z'; ++z) {
                const QByteArray key = QByteArray("a") + x + y + z;
                if (key != "abaa" && key != "azzz")
                    content += key + "~w" + x + y + z + "~\n";
            }
    Vocabulary v(content);
    QCOMPARE(v.words->getWords().size(), 17575);
    QVERIFY(v.words->addNewWord("cat"));
    QVERIFY(v.words->addNewWord("dog"));
    QVERIFY(!v.words->addNewWord("eel"));
    const QSet<QString> handedOut{v.words->getKey("cat"), v.words->getKey("dog")};
    QCOMPARE(handedOut, (QSet<QString>{"abaa", "azzz"}));
}

void TestMyWrdFile::unreadableFileHasNoFreeKeys()
{
    QTemporaryDir dir;
    BaseFolder base(dir.path(), QStringLiteral("base"));
    QVERIFY(QDir().mkpath(dir.path() + "/base/" + NAME_WRD_FILE));
    MyWrdFile words(NAME_WRD_FILE, &base);
    QVERIFY(!words.initOk());
    QVERIFY(words.getWords().isEmpty());
    QVERIFY(!words.addNewWord("cat"));
    QVERIFY(!words.storeNewWords());
    QVERIFY(!words.storeAllWords());
}

void TestMyWrdFile::wordsThatCannotBeStoredAreRefused()
{
    Vocabulary v("aqmz~cat~\n");
    const QStringList bad = {"", "   ", "dog~hound", "~", "dog\nhound", "dog\r", "\tdog\x0b"};
    for (const QString &word : bad) {
        QVERIFY2(!MyWrdFile::validWord(word), qPrintable(word));
        QVERIFY(!v.words->addNewWord(word));
        QVERIFY(!v.words->addSynonym("aqmz", word));
        QVERIFY(!v.words->setSynonym("aqmz", {"cat", word}));
    }
    QVERIFY(!v.words->addSynonym("zzzz", "dog"));
    QVERIFY(!v.words->setSynonym("zzzz", {"dog"}));
    QCOMPARE(v.words->getWords().size(), 1);
    QCOMPARE(v.words->getWords().value("aqmz"), QStringLiteral("~cat~"));
    // Nothing changed, so nothing is written.
    QVERIFY(!v.words->storeWords());
    QCOMPARE(v.content(), QByteArray("aqmz~cat~\n"));
}

void TestMyWrdFile::newWordIsAppended()
{
    Vocabulary v("zzzz~old~\r\n");
    QVERIFY(v.words->addNewWord(QString::fromUtf8("\xd0\xba\xd0\xbe\xd1\x82")));
    const QString key = v.words->getKey(QString::fromUtf8("\xd0\x9a\xd0\x9e\xd0\xa2"));
    QVERIFY(!key.isEmpty());
    QVERIFY(v.words->storeWords());
    QCOMPARE(v.content(), "zzzz~old~\r\n" + key.toUtf8() + "~\xd0\xba\xd0\xbe\xd1\x82~\n");
    QVERIFY(!v.words->storeWords());

    QVERIFY(v.words->addNewWord("dog"));
    QVERIFY(v.words->addNewWord("hound"));
    QVERIFY(v.words->storeWords());
    QCOMPARE(v.content().count('\n'), 4);
    QCOMPARE(v.reread(), v.words->getWords());
}

void TestMyWrdFile::appendDoesNotJoinUnterminatedLine()
{
    Vocabulary v("zzzz~old~");
    QVERIFY(v.words->addNewWord("cat"));
    QVERIFY(v.words->storeWords());
    const QString key = v.words->getKey("cat");
    QCOMPARE(v.content(), "zzzz~old~\n" + key.toUtf8() + "~cat~\n");
    QCOMPARE(v.reread(), v.words->getWords());
}

void TestMyWrdFile::changedKeyRewritesWholeFile()
{
    const QByteArray original("zzzz~old~\nbcde~dog~\nbcde~hound~\nnot a key line\n");
    Vocabulary v(original);
    QVERIFY(v.words->addSynonym("zzzz", "older"));
    QCOMPARE(v.words->getWords().value("zzzz"), QStringLiteral("~old~older~"));
    QVERIFY(v.words->storeWords());
    // The rewrite holds one line per key and nothing of the old file's clutter.
    QByteArray written = v.content();
    QList<QByteArray> lines = written.split('\n');
    QCOMPARE(lines.takeLast(), QByteArray());
    std::sort(lines.begin(), lines.end());
    QCOMPARE(lines, QList<QByteArray>({"bcde~hound~", "zzzz~old~older~"}));
    QVERIFY(!v.words->storeWords());
    QCOMPARE(v.content(), written);
    QCOMPARE(v.reread(), v.words->getWords());
    // No stray temporary file is left beside the vocabulary.
    QCOMPARE(QDir(v.dir.path() + "/base").entryList(QDir::Files), QStringList({NAME_WRD_FILE}));
}

void TestMyWrdFile::synonymOfPendingKeyIsStillAppended()
{
    Vocabulary v("zzzz~old~\n");
    QVERIFY(v.words->addNewWord("cat"));
    const QString key = v.words->getKey("cat");
    QVERIFY(v.words->addSynonym(key, "kitten"));
    QVERIFY(v.words->storeWords());
    QCOMPARE(v.content(), "zzzz~old~\n" + key.toUtf8() + "~cat~kitten~\n");

    // Once written, the same key changes only by a rewrite.
    QVERIFY(v.words->addSynonym(key, "kitty"));
    QVERIFY(v.words->storeWords());
    QCOMPARE(v.content().count('\n'), 2);
    QCOMPARE(v.reread().value(key), QStringLiteral("~cat~kitten~kitty~"));
}

void TestMyWrdFile::setSynonymReplacesWords()
{
    Vocabulary v("zzzz~old~older~\n");
    QVERIFY(v.words->setSynonym("zzzz", {"older", "oldest"}));
    QCOMPARE(v.words->getWords().value("zzzz"), QStringLiteral("~older~oldest~"));
    QVERIFY(!v.words->wordExist("old"));
    QVERIFY(v.words->setSynonym("zzzz", {}));
    QCOMPARE(v.words->getWords().value("zzzz"), QStringLiteral("~~"));
    QCOMPARE(v.words->allWords(), QStringList({""}));
    QVERIFY(v.words->storeWords());
    QCOMPARE(v.content(), QByteArray("zzzz~~\n"));
    QCOMPARE(v.reread().value("zzzz"), QStringLiteral("~~"));
}

void TestMyWrdFile::needUpdateForcesRewrite()
{
    Vocabulary v("zzzz~old~\nzzzz~new~\n");
    QVERIFY(!v.words->storeWords());
    v.words->setNeedUpdate(true);
    QVERIFY(v.words->storeWords());
    QCOMPARE(v.content(), QByteArray("zzzz~new~\n"));
    v.words->setNeedUpdate(false);
    QVERIFY(!v.words->storeWords());
    // storeAllWords also writes pending new words, which then no longer wait for an append.
    QVERIFY(v.words->addNewWord("cat"));
    QVERIFY(v.words->storeAllWords());
    QVERIFY(!v.words->storeWords());
    QCOMPARE(v.content().count('\n'), 2);
}

void TestMyWrdFile::failedWritesKeepPendingState()
{
    Vocabulary v("zzzz~old~\n");
    QVERIFY(v.words->addNewWord("cat"));
    const QString base = v.dir.path() + "/base";
    // Without its directory neither an append nor a rewrite can succeed.
    QVERIFY(QDir(base).removeRecursively());
    QVERIFY(!v.words->storeWords());
    QVERIFY(v.words->addSynonym("zzzz", "older"));
    QVERIFY(!v.words->storeWords());
    QVERIFY(!v.words->storeAllWords());
    QVERIFY(!QFileInfo::exists(base));

    QVERIFY(QDir().mkpath(base));
    QVERIFY(v.words->storeWords());
    const QString key = v.words->getKey("cat");
    QHash<QString, QString> expected{{"zzzz", "~old~older~"}, {key, "~cat~"}};
    QCOMPARE(v.reread(), expected);
    QVERIFY(!v.words->storeWords());
}

QTEST_GUILESS_MAIN(TestMyWrdFile)
#include "tst_mywrdfile.moc"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "metadatawriter.h"
#include "testsupport.h"

// The writer on its own, as other callers than the restore would use it: copies that are already there,
// written in place, beside copies it must leave alone.
class TestMetadataWriter : public QObject
{
    Q_OBJECT

private slots:
    void copiesAlreadyThereAreWrittenInPlace();
};

static CopyDescription description(const QString &title, const QString &remark)
{
    CopyDescription d;
    d.keywords = QStringList{QStringLiteral("sea, \"blue\""), QStringLiteral("волны")};
    d.title = title;
    d.author = QStringLiteral("O'Hara; J.");
    d.date = QStringLiteral("2020:02:01");
    d.identifier = QStringLiteral("tessary:") + remark;
    return d;
}

static QJsonObject readBack(const QString &path)
{
    QProcess exiftool;
    exiftool.start(QStringLiteral("exiftool"),
                   {QStringLiteral("-j"), QStringLiteral("-G1"), QStringLiteral("-XMP-dc:all"), path});
    exiftool.waitForFinished(30000);
    return QJsonDocument::fromJson(exiftool.readAllStandardOutput()).array().first().toObject();
}

void TestMetadataWriter::copiesAlreadyThereAreWrittenInPlace()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    const QString png = dir.path() + QStringLiteral("/b.png");
    QVERIFY(image.save(png, "PNG"));
    const QString source = dir.path() + QStringLiteral("/source.png");
    QVERIFY(QFile::copy(png, source));
    // A sidecar of the user's beside a text copy stays as it is, and that copy stays plain.
    const QString text = dir.path() + QStringLiteral("/notes.txt");
    QVERIFY(TestSupport::writeFile(text, "notes"));
    QVERIFY(TestSupport::writeFile(text + QStringLiteral(".xmp"), "the user's own"));
    const QString missing = dir.path() + QStringLiteral("/gone.png");

    MetadataWriter writer(MetadataWriter::findProgram(QStringLiteral("/usr/local/bin/other-extractor")));
    QVERIFY(!writer.program().isEmpty());
    writer.addCopy(png, source, description(QStringLiteral("Lake"), QStringLiteral("qwerty")));
    writer.addCopy(text, QString(), description(QStringLiteral("Notes"), QStringLiteral("asdfgh")));
    writer.addCopy(missing, source, description(QStringLiteral("Gone"), QStringLiteral("zxcvbn")));
    QSignalSpy progress(&writer, &MetadataWriter::progressed);
    QSignalSpy finished(&writer, &MetadataWriter::finished);
    writer.start();
    QVERIFY(finished.wait(60000));
    QCOMPARE(finished.size(), 1);
    // One step per copy that went to exiftool.
    QCOMPARE(progress.size(), 1);
    QCOMPARE(progress.last().at(0).toInt(), 1);
    QCOMPARE(progress.last().at(1).toInt(), 1);

    QCOMPARE(writer.describedCount(), 1);
    QCOMPARE(writer.copies().at(0).place, MetadataWriter::Embedded);
    const QJsonObject tags = readBack(png);
    QCOMPARE(tags.value("XMP-dc:Subject").toArray().size(), 2);
    QCOMPARE(tags.value("XMP-dc:Subject").toArray().at(0).toString(), QStringLiteral("sea, \"blue\""));
    QCOMPARE(tags.value("XMP-dc:Creator").toString(), QStringLiteral("O'Hara; J."));
    QCOMPARE(QImage(png), QImage(source));

    QCOMPARE(writer.copies().at(1).place, MetadataWriter::NotWritten);
    QVERIFY(writer.copies().at(1).reason.contains(QStringLiteral("sidecar")));
    QCOMPARE(TestSupport::readFile(text + QStringLiteral(".xmp")), QByteArray("the user's own"));
    QCOMPARE(TestSupport::readFile(text), QByteArray("notes"));
    QCOMPARE(writer.copies().at(2).reason, QStringLiteral("the copy is not there"));
    QVERIFY(!QFileInfo::exists(missing));
}

QTEST_GUILESS_MAIN(TestMetadataWriter)
#include "tst_metadatawriter.moc"

#include "companionsupport.h"

#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>
#include <QtMath>

namespace CompanionSupport {

QStringList recordLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

qint64 recordedPid(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return file.readAll().trimmed().toLongLong();
}

bool processGone(qint64 pid)
{
    return pid > 0 && !QFileInfo::exists(QStringLiteral("/proc/%1").arg(pid));
}

QByteArray wavTone(int seconds, int sampleRate)
{
    const quint32 samples = quint32(seconds * sampleRate);
    const quint32 dataSize = samples * 2;
    QByteArray wav;
    QDataStream out(&wav, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + dataSize);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(sampleRate) << quint32(sampleRate * 2)
        << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << dataSize;
    for (quint32 i = 0; i < samples; ++i)
        out << qint16(8000 * qSin(2 * M_PI * 440 * i / sampleRate));
    return wav;
}

int finishedTranslationCount(const QString &tsPath)
{
    QFile source(tsPath);
    if (!source.open(QIODevice::ReadOnly))
        return -1;
    QXmlStreamReader xml(&source);
    int messages = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("translation")) {
            ++messages;
            if (!xml.attributes().value(QLatin1String("type")).isEmpty() || xml.readElementText().isEmpty())
                return -1;
        }
    }
    return xml.hasError() ? -1 : messages;
}

} // namespace CompanionSupport

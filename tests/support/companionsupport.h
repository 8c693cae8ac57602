#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Helpers for the tests of the companion programs and the fake programs they start.
namespace CompanionSupport {

// The lines of a record file written by a fake program (empty when it does not exist yet).
QStringList recordLines(const QString &path);
// The process id a fake program wrote into a file; 0 when there is none yet.
qint64 recordedPid(const QString &path);
// True when no process with this id exists any more, not even as a zombie waiting to be reaped.
bool processGone(qint64 pid);
// A mono 16-bit PCM WAV file of a 440 Hz tone lasting the given number of seconds.
QByteArray wavTone(int seconds, int sampleRate = 8000);
// The number of messages in a translation source when every one has a finished, non-empty
// translation; -1 when one has not or the file cannot be read.
int finishedTranslationCount(const QString &tsPath);

} // namespace CompanionSupport

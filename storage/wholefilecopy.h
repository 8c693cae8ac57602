#pragma once

#include <QString>

// Copies that land whole or not at all: the data goes to a hidden temporary name beside the target,
// gets the source's modification time and is then renamed into place. An interruption leaves at most
// a hidden leftover, never a truncated file under the real name; removeLeftovers() clears those.
class WholeFileCopy
{
public:
    // The hidden name a copy to target is written under first.
    static QString temporaryName(const QString &target);
    // Whether a file name is one of those temporaries (never a file of the collection).
    static bool isTemporary(const QString &fileName);

    // replace: whether an existing target is replaced (in one step); without it an existing target
    // makes the copy fail and stays as it was. False when anything fails; nothing is left behind then.
    static bool copy(const QString &source, const QString &target, bool replace);

    // Removes the temporaries of interrupted copies directly in folder; returns how many went.
    static int removeLeftovers(const QString &folder);

private:
    static bool keepModificationTime(const QString &source, const QString &copy);
};

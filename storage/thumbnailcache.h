#pragma once

#include <QImage>
#include <QString>

// The thumbnails of photos, kept where file managers keep theirs ($XDG_CACHE_HOME/thumbnails), so that
// Tessary and the desktop share them: a PNG named by the MD5 of the file's URI, in "normal" (128 pixels)
// or "large" (256 pixels), carrying the URI and the file's modification time. A thumbnail whose time
// disagrees with the file is made again; a file that cannot be decoded gets an entry under "fail" and is
// not tried again while it is unchanged. Safe to call from several threads at once.
class ThumbnailCache
{
public:
    enum Outcome { FromCache, Made, Failed, NotAnImage };

    // The thumbnails folder of this user.
    static QString root();
    // file:///… with the path's special characters percent-encoded.
    static QString fileUri(const QString &path);
    // The MD5 of the URI in hexadecimal, with ".png".
    static QString thumbnailName(const QString &path);
    // The cache file that serves thumbnails up to side pixels: normal up to 128, large above.
    static QString thumbnailPath(const QString &path, int side);
    static QString failPath(const QString &path);

    // The file's picture scaled to fit side x side (never enlarged), from the cache where it is valid,
    // otherwise decoded at that size and stored. A null image when the file cannot be decoded or is no
    // picture Qt reads; outcome says which.
    static QImage thumbnail(const QString &path, int side, Outcome *outcome = nullptr);

    // Decodes the picture at the needed size only (a JPEG is decoded at a fraction of its full size).
    static QImage decodeScaled(const QString &path, int side);
};

#pragma once

#include <QString>

// File-name parts of a path, by plain text rules (the file system is never
// asked). '/' separates folders everywhere; on Windows '\' does too.

enum class PathStyle { Posix, Windows };

#ifdef Q_OS_WIN
inline constexpr PathStyle kNativePathStyle = PathStyle::Windows;
#else
inline constexpr PathStyle kNativePathStyle = PathStyle::Posix;
#endif

// The file name without folder and without its last extension. With a folder
// part, the text between the last separator and the last '.' after it, and
// empty text when no '.' follows the last separator. Without a folder part,
// the text before the last '.', or the whole path when there is none.
// "C:\work\sunset.twp" -> "sunset"; "a.b.twp" -> "a.b".
QString GetFileBaseName(const QString &path, PathStyle style = kNativePathStyle);

// The text after the last '.', when no separator follows it; else empty text.
// "C:\work\sunset.twp" -> "twp".
QString GetFileExtension(const QString &path, PathStyle style = kNativePathStyle);

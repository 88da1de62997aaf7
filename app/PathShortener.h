#pragma once
// Shortens a file path for display: the leading folders give way to ".../"
// one at a time with the root kept in front, then the root goes too, until
// the text fits or only the file name is left.
//   /home/ann/notes/work.vlr -> /.../ann/notes/work.vlr -> /.../notes/work.vlr
//   -> /.../work.vlr -> .../work.vlr -> work.vlr

#include <QString>
#include <functional>

QString ShortenPath(const QString& path, const std::function<bool(const QString&)>& fits);

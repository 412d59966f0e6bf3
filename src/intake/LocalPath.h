// SPDX-FileCopyrightText: 2026 The Clipforger developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

class QUrl;

// Local paths as the file system keeps them: bytes. Qt reads every name as UTF-8, which loses
// the bytes of names written in another encoding (old USB sticks, archives from other systems);
// these helpers never do.
namespace LocalPath {

// The path's bytes, percent-decoded from the URL as given, without empty or "." components;
// empty for anything but an absolute file URL on this machine. Query and fragment are ignored.
QByteArray fromUrl(const QUrl &url);
// A file URL that gives back exactly these bytes.
QUrl toUrl(const QByteArray &path);
// True when Qt's reading of the path names the same bytes, so that QString paths reach the file.
bool isDecodable(const QByteArray &path);
// The last component of the path.
QByteArray fileName(const QByteArray &path);
// A name as a person reads it: valid UTF-8 as such, every other byte as Latin-1.
QString readableName(const QByteArray &name);

} // namespace LocalPath

#pragma once

#include <QString>
#include <QUrl>

// Where the help browser goes: addresses typed into its box, the web addresses it hands
// to the system's browser, and the copy of the help pages compiled into the program.
namespace help {

// The address typed or chosen in the address box. An address with a scheme ("http:",
// "file:", "mailto:" ...) is taken as it is; "www." starts a web address; an absolute path
// is a file of this machine; anything else is a page of the help folder (helpFolder is
// that folder's address), "\" taken as "/". Empty text gives an empty address.
QUrl typedAddress(const QString& typed, const QUrl& helpFolder);

// http, https and mailto addresses: the system's browser (or mail program) opens them.
bool isWebAddress(const QUrl& url);

// The compiled-in copy ("qrc:/help/...") of a page or picture inside the help folder, for
// when the folder or the file is missing; an empty address for anything outside it.
QUrl builtInCopy(const QUrl& url, const QUrl& helpFolder);

}  // namespace help

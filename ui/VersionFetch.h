#pragma once
// Fetching the version information file over HTTP. The body is streamed into a file in a
// temporary folder, read back and deleted before the call returns, whatever happened.
// The wait is a local event loop, so the caller's windows keep painting meanwhile.

#include "platform/result.h"

#include <QString>
#include <QUrl>

#include <chrono>
#include <string>

namespace tarvenik {

inline constexpr std::chrono::milliseconds kVersionFetchTimeout{15000};
inline constexpr int kMaxRedirects = 5;

// False only when the system's network information says there is no connection; where
// no backend answers, the attempt itself decides.
bool internetConnected();

// The address of the version information file on the web site `site`.
QUrl versionFileAddress(const QString& site);

// GET `address` (at most kMaxRedirects redirects, never from https to http) into
// `tempFolder`/verzess.txt. Only a 200 answer of at most kMaxVersionFileBytes that
// arrives within `timeout` gives the body; anything else gives an error saying why.
Result<std::string> fetchVersionFile(const QUrl& address, const QString& tempFolder,
                                     std::chrono::milliseconds timeout = kVersionFetchTimeout);

} // namespace tarvenik

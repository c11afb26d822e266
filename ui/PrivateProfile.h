#pragma once

#include <QWebEngineProfile>

// An off-the-record browser profile: cookies, cache and history stay in memory and end with it,
// and every download is refused.
QWebEngineProfile* NewPrivateProfile(QObject* parent);
